// CColgnmPP: the density page of the color adjustment sheet (template
// 2406). It edits its own copy of the record's DensityBlock: the density
// switch and the black, cyan, magenta and yellow sliders, the color rows
// locked in monochrome mode. The sheet writes the copy back only on OK.
#pragma once

#include "platform/afx.h"
#include "ui/core/settings_record.h"

namespace velko::ui {

class CColgnmPP : public CPropertyPage {
 public:
  enum : UINT { IDD = 2406 };
  CColgnmPP();

  // The page's copy of the block (what OK stores).
  DensityBlock& Block() { return block_; }
  const DensityBlock& Block() const { return block_; }

 protected:
  BOOL OnInitDialog() override;
  BOOL OnKillActive() override;
  void OnPaint() override;
  void OnHScroll(UINT code, UINT pos, CScrollBar* scroll_bar) override;
  void OnContextMenu(CWnd* window, CPoint pos) override;

 private:
  void FetchScrollBars();
  void SetDensitySliders();
  void EnableDensityControls(bool on);
  void ApplyMonochromeRestriction();

  void OnDensityClicked();
  void OnRestoreDefault();

  // Aligned so that its fields may be reached through member pointers.
  alignas(int32_t) DensityBlock block_{};
  CScrollBar* sliders_[4] = {};
  bool first_paint_done_ = false;
};

}  // namespace velko::ui
