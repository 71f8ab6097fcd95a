// CColcndPP: the color adjustment page of the color adjustment sheet
// (template 2405). It edits its own copy of the record's ColorAdjustBlock:
// base color, brightness, saturation, contrast and the three color-balance
// sliders, plus the preview sample. Every change that moves a value rebuilds
// the module's ColorTable and repaints the sample and the swatch through it;
// the sheet writes the copy back only on OK.
#pragma once

#include "color/preview.h"
#include "platform/afx.h"
#include "ui/core/settings_record.h"

namespace velko::ui {

class CColcndPP : public CPropertyPage {
 public:
  enum : UINT { IDD = 2405 };
  CColcndPP();

  // The page's copy of the block (what OK stores).
  ColorAdjustBlock& Block() { return block_; }
  const ColorAdjustBlock& Block() const { return block_; }
  // Whether window creation made the halftone palette (a palette display).
  bool HasPalette() const { return preview_.HasHalftonePalette(); }

 protected:
  BOOL OnInitDialog() override;
  BOOL OnKillActive() override;
  int OnCreate(LPCREATESTRUCT create) override;
  void OnPaint() override;
  void OnHScroll(UINT code, UINT pos, CScrollBar* scroll_bar) override;
  void OnContextMenu(CWnd* window, CPoint pos) override;

 private:
  void FetchControls();
  void FillCombos();
  void SetSliders();
  void RefreshPreview();

  void OnSampleChosen();
  void OnBaseColorChosen();
  void OnRestoreDefault();

  // Aligned so that its fields may be reached through member pointers.
  alignas(int32_t) ColorAdjustBlock block_{};
  CScrollBar* sliders_[6] = {};
  CComboBox* sample_combo_ = nullptr;
  CComboBox* base_color_combo_ = nullptr;
  bool first_paint_done_ = false;
  // The sample, swatch and strips, and the halftone palette they paint with.
  color::ColorPreview preview_{*this};
};

}  // namespace velko::ui
