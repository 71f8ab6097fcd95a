// CPropertySheet and CPropertyPage: the order of the pages' notifications,
// OK and Cancel with the pages' own processing, a page that refuses to be
// left, a sheet that takes its OK button itself and chooses its start page.
#include "tests/platform/afx_test_support.h"

namespace velko::platform::afx_test {
namespace {

using vp_action = velko::platform::UserAction;

// One page that traces its notifications into the sheet's trace, prefixed
// with its name.
class TracingPage : public CPropertyPage {
 public:
  TracingPage(UINT template_id, const char* name, Trace& trace, UINT caption_id = 0)
      : CPropertyPage(template_id, caption_id), name_(name), trace_(trace) {}

  CString m_text = "page";
  int m_number = 1;

 protected:
  void DoDataExchange(CDataExchange* dx) override {
    if (::GetDlgItem(m_hWnd, kPageText) == 0) return;
    DDX_Text(dx, kPageText, m_text);
    DDX_Text(dx, kPageNumber, m_number);
  }
  int OnCreate(LPCREATESTRUCT create) override {
    Note("create");
    return CPropertyPage::OnCreate(create);
  }
  BOOL OnInitDialog() override {
    Note("init");
    return CPropertyPage::OnInitDialog();
  }
  BOOL OnSetActive() override {
    Note("set");
    return CPropertyPage::OnSetActive();
  }
  BOOL OnKillActive() override {
    const BOOL leave = CPropertyPage::OnKillActive();
    Note(leave ? "kill" : "kill refused");
    return leave;
  }
  void OnOK() override { Note("ok"); }
  void OnCancel() override { Note("cancel"); }

 private:
  void Note(const char* what) { trace_.push_back(std::string(name_) + ":" + what); }
  const char* name_;
  Trace& trace_;
};

// The sheet traces its start and may choose its start page there, or take
// its OK button itself.
class TracingSheet : public CPropertySheet {
 public:
  TracingSheet(Trace& trace, int start_at_init, bool own_ok)
      : CPropertySheet(kSheetCaption), trace_(trace), start_at_init_(start_at_init) {
    if (own_ok) MapCommand(IDOK, &TracingSheet::OnSheetOk);
  }
  CString caption_seen;
  int active_at_init = -2;

 protected:
  BOOL OnInitDialog() override {
    trace_.push_back("sheet:init");
    const BOOL result = CPropertySheet::OnInitDialog();
    if (start_at_init_ >= 0) SetActivePage(start_at_init_);
    GetWindowText(caption_seen);
    active_at_init = GetActiveIndex();
    return result;
  }

 private:
  void OnSheetOk() {
    trace_.push_back("sheet:ok");
    EndDialog(IDOK);
  }
  Trace& trace_;
  int start_at_init_;
};

struct SheetCase {
  const char* name;
  std::vector<vp_action> actions;
  int start_at_init;  // -1: the platform's start page
  bool own_ok;
  INT_PTR result;
  Trace trace;
};

TEST_F(AfxTest, PagesHearTheSheetInOrder) {
  const SheetCase cases[] = {
      {"both pages, then OK",
       {vp_action::Page(1), vp_action::Ok()},
       -1,
       false,
       IDOK,
       {"sheet:init", "A:create", "A:init", "A:set", "A:kill", "B:create", "B:init", "B:set", "B:kill", "A:ok",
        "B:ok"}},
      // Only pages that were shown take part in OK.
      {"OK on the first page", {vp_action::Ok()}, -1, false, IDOK,
       {"sheet:init", "A:create", "A:init", "A:set", "A:kill", "A:ok"}},
      {"back and forth, then Cancel",
       {vp_action::Page(1), vp_action::Page(0), vp_action::Cancel()},
       -1,
       false,
       IDCANCEL,
       {"sheet:init", "A:create", "A:init", "A:set", "A:kill", "B:create", "B:init", "B:set", "B:kill", "A:set",
        "A:cancel", "B:cancel"}},
      {"the input runs dry", {}, -1, false, IDCANCEL, {"sheet:init", "A:create", "A:init", "A:set", "A:cancel"}},
      // The sheet turns to page B at its start, after the platform showed A.
      {"start page chosen at init", {vp_action::Ok()}, 1, false, IDOK,
       {"sheet:init", "A:create", "A:init", "A:set", "A:kill", "B:create", "B:init", "B:set", "B:kill", "A:ok",
        "B:ok"}},
      // The sheet's own OK ends it: no page is left or applied.
      {"sheet takes OK", {vp_action::Page(1), vp_action::Ok()}, -1, true, IDOK,
       {"sheet:init", "A:create", "A:init", "A:set", "A:kill", "B:create", "B:init", "B:set", "sheet:ok"}},
  };
  for (const SheetCase& c : cases) {
    QueuedInput input(c.actions);
    ScopedInputSource use(input);
    Trace trace;
    TracingSheet sheet(trace, c.start_at_init, c.own_ok);
    TracingPage a(kPageA, "A", trace);
    TracingPage b(kPageB, "B", trace, kPageBTitle);
    sheet.AddPage(&a);
    sheet.AddPage(&b);
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    EXPECT_EQ(sheet.DoModal(), c.result) << c.name;
    EXPECT_EQ(trace, c.trace) << c.name;
    EXPECT_EQ(sheet.caption_seen, kSheetCaptionText) << c.name;
    EXPECT_EQ(sheet.m_hWnd, 0u) << c.name;
    EXPECT_EQ(a.m_hWnd, 0u) << c.name;
    EXPECT_EQ(velko::platform::WindowCount(), 0u) << c.name;
  }
}

TEST_F(AfxTest, LeavingAPageSavesItsData) {
  QueuedInput input({vp_action::Clear(kPageText), vp_action::Type(kPageText, "typed"), vp_action::Page(1),
                     vp_action::Cancel()});
  ScopedInputSource use(input);
  Trace trace;
  TracingSheet sheet(trace, -1, false);
  TracingPage a(kPageA, "A", trace);
  TracingPage b(kPageB, "B", trace);
  sheet.AddPage(&a);
  sheet.AddPage(&b);
  EXPECT_EQ(sheet.DoModal(), IDCANCEL);
  EXPECT_EQ(a.m_text, "typed") << "saved when the page was left, whatever ends the sheet";
}

TEST_F(AfxTest, APageWhoseDataFailKeepsTheFocus) {
  QueuedInput input({vp_action::Clear(kPageNumber), vp_action::Type(kPageNumber, "x"), vp_action::Page(1),
                     vp_action::Cancel()});
  ScopedInputSource use(input);
  Trace trace;
  TracingSheet sheet(trace, -1, false);
  TracingPage a(kPageA, "A", trace);
  TracingPage b(kPageB, "B", trace);
  sheet.AddPage(&a);
  sheet.AddPage(&b);
  EXPECT_EQ(sheet.DoModal(), IDCANCEL);
  const Trace expected{"sheet:init", "A:create", "A:init", "A:set", "A:kill refused", "A:cancel"};
  EXPECT_EQ(trace, expected) << "page B must not be shown";
  EXPECT_EQ(a.m_number, 1);
}

TEST_F(AfxTest, ActivePageBeforeAndAfterTheRun) {
  Trace trace;
  TracingSheet sheet(trace, 1, false);
  TracingPage a(kPageA, "A", trace);
  TracingPage b(kPageB, "B", trace);
  EXPECT_EQ(sheet.DoModal(), -1) << "a sheet without pages";
  sheet.AddPage(&a);
  sheet.AddPage(&b);
  sheet.AddPage(&a);
  EXPECT_EQ(sheet.GetPageCount(), 2) << "a page is added once";
  EXPECT_EQ(sheet.GetPageIndex(&b), 1);
  EXPECT_FALSE(sheet.SetActivePage(2));
  EXPECT_TRUE(sheet.SetActivePage(&b));
  EXPECT_EQ(sheet.GetActivePage(), &b) << "before the run: the start page";
  QueuedInput input({vp_action::Ok()});
  ScopedInputSource use(input);
  EXPECT_EQ(sheet.DoModal(), IDOK);
  EXPECT_EQ(sheet.active_at_init, 1);
  EXPECT_EQ(trace.at(1), "B:create") << "the start page chosen before the run is made first";
  EXPECT_EQ(a.DoModal(), -1) << "a page runs inside its sheet only";
}

}  // namespace
}  // namespace velko::platform::afx_test
