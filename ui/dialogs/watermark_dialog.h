// CWatermarkDlg: the watermark dialog (template 2403). It edits a working
// copy of the record's watermark block, previews the choice in frame 2029,
// opens the watermark list editor, and writes the block back into the
// current record only on OK. The options page opens it from button 1082:
//
//   velko::ui::CWatermarkDlg dialog;
//   dialog.DoModal();   // the page ignores the result
#pragma once

#include "platform/afx.h"
#include "ui/core/settings_record.h"

namespace velko::ui {

class CWatermarkDlg : public CDialog {
 public:
  enum : UINT { IDD = 2403 };
  CWatermarkDlg();

  // The block as edited so far (what OK would store).
  const WatermarkBlock& WorkingBlock() const { return working_; }
  bool HasPalette() const { return palette_flag_; }

  // Draws the preview into frame 2029 from the working block.
  void DrawWatermarkPreview();

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  int OnCreate(LPCREATESTRUCT create) override;
  void OnPaint() override;
  void OnHScroll(UINT code, UINT pos, CScrollBar* scroll_bar) override;
  void OnContextMenu(CWnd* window, CPoint pos) override;

 private:
  void FillWatermarkDialog(const WatermarkBlock& source, bool at_init);
  void FillWatermarkList();
  void SelectWatermark();
  void EnableWatermarkControls(bool on);
  void EnableColorControls(bool on);
  void ReloadPalette();

  void OnWatermarkChosen();
  void OnPositionChosen();
  void OnColorChosen();
  void OnOutlineClicked();
  void OnWatermarkOnClicked();
  void OnEditList();
  void OnRestoreDefault();

  WatermarkBlock working_{};
  bool palette_flag_ = false;
  CPalette palette_;
};

}  // namespace velko::ui
