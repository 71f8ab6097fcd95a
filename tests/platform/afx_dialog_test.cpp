// CDialog: modal runs through the input source and how they end, data
// exchange in both directions and its failures, the dispatch to tables and
// virtual handlers, and the wrappers' identity.
#include "tests/platform/afx_test_support.h"

namespace velko::platform::afx_test {
namespace {

using vp_action = velko::platform::UserAction;

// A dialog over template 3001 that traces its handlers.
class NameDlg : public CDialog {
 public:
  NameDlg() : CDialog(kNameDialog) {
    MapControlRange(BN_CLICKED, kFirstRadio, kLastRadio, &NameDlg::OnChoice);
    MapControl(EN_CHANGE, kNameEdit, &NameDlg::OnNameChanged);
    MapCommand(kWarnButton, &NameDlg::OnWarn);
    MapCommand(kRoundTripButton, &NameDlg::OnRoundTrip);
  }

  CString m_name = "start";
  CString m_pick = "BE";  // selects "beta", a prefix without regard to case
  int m_number = 7;
  CListBox m_list;
  Trace trace;
  int name_changes = 0;
  int changes_seen_at_init = -1;
  CScrollBar* bar_seen = nullptr;
  CScrollBar* bar_looked_up = nullptr;

 protected:
  void DoDataExchange(CDataExchange* dx) override {
    DDX_Control(dx, kNameList, m_list);
    DDX_Text(dx, kNameEdit, m_name);
    DDX_LBString(dx, kNameList, m_pick);
    DDX_Text(dx, kNumberEdit, m_number);
  }
  int OnCreate(LPCREATESTRUCT create) override {
    trace.push_back("create");
    return CDialog::OnCreate(create);
  }
  BOOL OnInitDialog() override {
    trace.push_back("init");
    // The list is filled before the base loads the members, so the
    // selection can be restored.
    ::SendDlgItemMessage(m_hWnd, kNameList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("beta"));
    ::SendDlgItemMessage(m_hWnd, kNameList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("alpha"));
    CDialog::OnInitDialog();
    changes_seen_at_init = name_changes;
    return TRUE;
  }
  void OnOK() override {
    trace.push_back("ok");
    CDialog::OnOK();
  }
  void OnCancel() override {
    trace.push_back("cancel");
    CDialog::OnCancel();
  }
  void OnHScroll(UINT code, UINT, CScrollBar* bar) override {
    trace.push_back("hscroll " + std::to_string(code) + " " + std::to_string(bar != nullptr ? bar->GetDlgCtrlID() : 0));
    bar_seen = bar;
    bar_looked_up = GetDlgItem<CScrollBar>(kScrollBar);
  }
  void OnContextMenu(CWnd* window, CPoint) override {
    trace.push_back("context " + std::to_string(window != nullptr ? window->GetDlgCtrlID() : 0));
  }

 private:
  void OnChoice(UINT id) { trace.push_back("choice " + std::to_string(id)); }
  void OnNameChanged() { ++name_changes; }
  void OnWarn() { trace.push_back("warn " + std::to_string(AfxMessageBox(kWarning, MB_OK | MB_ICONWARNING))); }
  // Reads the controls and writes them back: an unchanged text must stay
  // untouched, caret included.
  void OnRoundTrip() {
    UpdateData(TRUE);
    UpdateData(FALSE);
  }
};

struct EndCase {
  const char* name;
  std::vector<vp_action> actions;
  INT_PTR result;
  const char* stored_name;  // m_name afterwards
  const char* stored_pick;  // m_pick afterwards
  const char* last;         // the last traced handler
  std::size_t faults;
};

TEST_F(AfxTest, ModalRunEndsAsTheUserEndsIt) {
  const EndCase cases[] = {
      // OK exchanges the typed text and the chosen item into the members.
      {"typed and OK",
       {vp_action::Clear(kNameEdit), vp_action::Type(kNameEdit, "Velko"), vp_action::SelectText(kNameList, "alpha"),
        vp_action::Ok()},
       IDOK, "Velko", "alpha", "ok", 0},
      // Loading selected "beta" for "BE": OK without a pick reads it back.
      {"OK at once", {vp_action::Ok()}, IDOK, "start", "beta", "ok", 0},
      // Cancel writes nothing back.
      {"typed and Escape", {vp_action::Type(kNameEdit, "x"), vp_action::Cancel()}, IDCANCEL, "start", "BE", "cancel", 0},
      {"close box", {vp_action::Close()}, IDCANCEL, "start", "BE", "cancel", 0},
      // The input runs dry: closed as Cancel, and the run reports it.
      {"input ran dry", {vp_action::Type(kNameEdit, "x")}, IDCANCEL, "start", "BE", "cancel", 1},
  };
  for (const EndCase& c : cases) {
    QueuedInput input(c.actions);
    ScopedInputSource use(input);
    NameDlg dialog;
    EXPECT_EQ(dialog.DoModal(), c.result) << c.name;
    EXPECT_EQ(dialog.m_name, c.stored_name) << c.name;
    EXPECT_EQ(dialog.m_pick, c.stored_pick) << c.name;
    ASSERT_GE(dialog.trace.size(), 3u) << c.name;
    EXPECT_EQ(dialog.trace[0], "create") << c.name << ": WM_CREATE reaches the object before WM_INITDIALOG";
    EXPECT_EQ(dialog.trace[1], "init") << c.name;
    EXPECT_EQ(dialog.trace.back(), c.last) << c.name;
    EXPECT_EQ(input.faults().size(), c.faults) << c.name;
    EXPECT_EQ(dialog.m_hWnd, 0u) << c.name << ": the object lets its window go";
    EXPECT_EQ(velko::platform::WindowCount(), 0u) << c.name;
  }
}

TEST_F(AfxTest, AnEmptyListStringSelectsNothing) {
  QueuedInput input({vp_action::Ok()});
  ScopedInputSource use(input);
  NameDlg dialog;
  dialog.m_pick.Empty();
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.m_pick, "") << "loading picked the first item for an empty text";
}

TEST_F(AfxTest, TheSameObjectRunsAgain) {
  NameDlg dialog;
  for (const char* typed : {"one", "two"}) {
    QueuedInput input({vp_action::Clear(kNameEdit), vp_action::Type(kNameEdit, typed), vp_action::Ok()});
    ScopedInputSource use(input);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_name, typed);
  }
}

TEST_F(AfxTest, NumberExchangeRefusesWhatIsNotANumber) {
  struct Case {
    const char* typed;
    INT_PTR result;
    int stored;
  } cases[] = {
      {"34", IDOK, 34},
      {"  -7 ", IDOK, -7},         // blanks around a sign and digits
      {"+5", IDOK, 5},
      {"12x", IDCANCEL, 7},        // trailing letters: OK fails, the run goes dry
      {"", IDCANCEL, 7},           // no digits
      {"1 2", IDCANCEL, 7},        // two numbers
      {"99999999999", IDCANCEL, 7},  // beyond int
  };
  for (const Case& c : cases) {
    QueuedInput input({vp_action::Clear(kNumberEdit), vp_action::Type(kNumberEdit, c.typed), vp_action::Ok()});
    ScopedInputSource use(input);
    NameDlg dialog;
    EXPECT_EQ(dialog.DoModal(), c.result) << '"' << c.typed << '"';
    EXPECT_EQ(dialog.m_number, c.stored) << '"' << c.typed << '"';
    if (c.result == IDCANCEL) {
      EXPECT_EQ(dialog.m_name, "start") << "members before the failed one are not stored either";
    }
  }
}

TEST_F(AfxTest, FailedExchangePutsTheFocusOnItsControl) {
  NameDlg dialog;
  int focus_after_failure = 0;
  // Notes which control has the focus when the failed OK returned.
  class Probe : public velko::platform::InputSource {
   public:
    explicit Probe(int* focus) : focus_(focus) {}
    std::optional<vp_action> Next() override {
      switch (step_++) {
        case 0: return vp_action::Clear(kNumberEdit);
        case 1: return vp_action::Type(kNumberEdit, "x");
        case 2: return vp_action::Click(IDOK);  // the button takes the focus
        case 3:
          *focus_ = ::GetDlgCtrlID(::GetFocus());
          return vp_action::Cancel();
        default: return std::nullopt;
      }
    }
    void Fault(const vp_action*, std::string_view) override {}

   private:
    int* focus_;
    int step_ = 0;
  } probe(&focus_after_failure);
  ScopedInputSource use(probe);
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(focus_after_failure, kNumberEdit);
}

TEST_F(AfxTest, DataExchangeDoesNotReenterTheHandlers) {
  QueuedInput input({vp_action::Clear(kNameEdit), vp_action::Type(kNameEdit, "abc"),
                     vp_action::Click(kRoundTripButton), vp_action::Type(kNameEdit, "d"), vp_action::Ok()});
  ScopedInputSource use(input);
  NameDlg dialog;
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.changes_seen_at_init, 0) << "loading the edit at init notified the dialog";
  EXPECT_EQ(dialog.name_changes, 3) << "clear, type, type";
  // Writing back the text the edit already shows would put the caret at 0.
  EXPECT_EQ(dialog.m_name, "abcd");
}

TEST_F(AfxTest, MessagesReachTablesAndVirtualHandlers) {
  struct Case {
    const char* name;
    vp_action action;
    Trace expected;  // what the action traced
  } cases[] = {
      {"radio of a range", vp_action::Click(111), {"choice 111"}},
      {"last radio of the range", vp_action::Click(kLastRadio), {"choice 112"}},
      {"scroll arrow", vp_action::Scroll(kScrollBar, velko::platform::ScrollGesture::LineDown),
       {"hscroll 1 103", "hscroll 8 103"}},
      {"right click", vp_action::Help(kNameEdit), {"context 101"}},
  };
  for (const Case& c : cases) {
    QueuedInput input({c.action, vp_action::Ok()});
    ScopedInputSource use(input);
    NameDlg dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK) << c.name;
    const Trace traced(dialog.trace.begin() + 2, dialog.trace.end() - 1);  // between init and ok
    EXPECT_EQ(traced, c.expected) << c.name;
    EXPECT_TRUE(input.faults().empty()) << c.name;
    if (dialog.bar_seen != nullptr) {
      EXPECT_EQ(dialog.bar_seen, dialog.bar_looked_up) << "one wrapper per window and class";
    }
  }
}

TEST_F(AfxTest, MessageBoxIsTheApplicationsAndTakesTheNextAnswer) {
  QueuedInput input({vp_action::Click(kWarnButton), vp_action::Answer(IDOK), vp_action::Ok()});
  ScopedInputSource use(input);
  NameDlg dialog;
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.trace[2], "warn 1");
  const auto& boxes = velko::platform::UserRecords().message_boxes;
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, kWarningText);
  EXPECT_EQ(boxes[0].caption, "AfxTest");
  EXPECT_EQ(boxes[0].icon, MB_ICONWARNING);
  EXPECT_NE(boxes[0].owner, 0u) << "owned by the dialog that runs";
}

// Creation that fails in WM_CREATE ends the run before it starts.
class RefusingDlg : public CDialog {
 public:
  RefusingDlg() : CDialog(kNameDialog) {}
  bool initialised = false;

 protected:
  int OnCreate(LPCREATESTRUCT) override { return -1; }
  BOOL OnInitDialog() override {
    initialised = true;
    return TRUE;
  }
};

TEST_F(AfxTest, DialogsThatCannotBeMadeAnswerMinusOne) {
  QueuedInput input({vp_action::Ok()});
  ScopedInputSource use(input);
  RefusingDlg refusing;
  EXPECT_EQ(refusing.DoModal(), -1);
  EXPECT_FALSE(refusing.initialised);
  CDialog missing(2999);
  EXPECT_EQ(missing.DoModal(), -1) << "no such template";
  EXPECT_EQ(input.remaining(), 1u) << "no run took an action";
}

TEST_F(AfxTest, TemplateInMemoryRunsLikeAResource) {
  QueuedInput input({vp_action::Clear(kNameEdit), vp_action::Type(kNameEdit, "mem"), vp_action::Ok()});
  ScopedInputSource use(input);
  class MemoryDlg : public CDialog {
   public:
    CString name;

   protected:
    void DoDataExchange(CDataExchange* dx) override { DDX_Text(dx, kNameEdit, name); }
  } dialog;
  ASSERT_TRUE(dialog.InitModalIndirect(&kNameTemplate));
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.name, "mem");
}

TEST_F(AfxTest, WrappersFollowTheirWindows) {
  QueuedInput input({vp_action::Ok()});
  ScopedInputSource use(input);
  class LookupDlg : public CDialog {
   public:
    LookupDlg() : CDialog(kNameDialog) {}
    bool same_control = false;
    bool same_typed = false;
    bool hooked_found = false;
    bool missing_is_null = false;
    HWND list = 0;

   protected:
    BOOL OnInitDialog() override {
      same_control = GetDlgItem(kNameEdit) == GetDlgItem(kNameEdit);
      same_typed = GetDlgItem<CListBox>(kNameList) == CWnd::FromHandleAs<CListBox>(::GetDlgItem(m_hWnd, kNameList));
      hooked_found = CWnd::FromHandle(m_hWnd) == this && GetDlgItem(kNameEdit)->GetParent() == this;
      missing_is_null = GetDlgItem(999) == nullptr && GetDlgItem<CComboBox>(999) == nullptr;
      list = GetDlgItem<CListBox>(kNameList)->m_hWnd;
      return CDialog::OnInitDialog();
    }
  } dialog;
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_TRUE(dialog.same_control);
  EXPECT_TRUE(dialog.same_typed);
  EXPECT_TRUE(dialog.hooked_found);
  EXPECT_TRUE(dialog.missing_is_null);
  EXPECT_EQ(CWnd::FromHandle(dialog.list), nullptr) << "a gone window has no object";
}

}  // namespace
}  // namespace velko::platform::afx_test
