// CString: printf formatting with the formats the dialogs use, pieces and
// searches by byte position that never split a double-byte character,
// trimming, comparisons, buffers and string resources.
#include <functional>

#include "tests/platform/afx_test_support.h"

namespace velko::platform::afx_test {
namespace {

// GBK bytes whose trail byte is an ASCII letter or digit: 0x81 0x61 ("a")
// and 0x81 0x31 ("1").
constexpr const char* kTrailA = "\x81\x61";
constexpr const char* kTrail1 = "\x81\x31";

TEST(AfxString, FormatFollowsPrintf) {
  struct Case {
    std::function<void(CString&)> format;
    const char* expected;
  } cases[] = {
      {[](CString& s) { s.Format("%d%%", 50); }, "50%"},                     // a literal percent sign
      {[](CString& s) { s.Format("%d", -10); }, "-10"},                      // slider values keep their sign
      {[](CString& s) { s.Format("%4.1f", 100.0); }, "100.0"},               // wider than the field
      {[](CString& s) { s.Format("%4.1f", 5.0); }, " 5.0"},                  // padded on the left
      {[](CString& s) { s.Format("%5.2f", 8.5); }, " 8.50"},                 // inch edit format
      {[](CString& s) { s.Format("%5.1f", 215.9); }, "215.9"},               // millimetre edit format
      {[](CString& s) { s.Format("%4.2f", 3.9400001); }, "3.94"},            // rounding to two places
      {[](CString& s) { s.Format("(%4.1f - %4.1fmm)", 100.0, 215.9); }, "(100.0 - 215.9mm)"},
      {[](CString& s) { s.Format("%s(%4.1f x %4.1f mm)", "Custom Size", 100.0, 210.0); },
       "Custom Size(100.0 x 210.0 mm)"},
      {[](CString& s) { s.Format("%s", "\xB5\xA5\xD2\xB3"); }, "\xB5\xA5\xD2\xB3"},  // 单页: bytes pass through
      {[](CString& s) { s.Format("%0300d", 1); }, nullptr},                  // longer than any fixed buffer
  };
  for (const Case& c : cases) {
    CString s = "old";
    c.format(s);
    if (c.expected != nullptr) {
      EXPECT_EQ(s, c.expected);
    } else {
      EXPECT_EQ(s.GetLength(), 300);
      EXPECT_EQ(s.Right(2), "01");
    }
  }
  CString appended = "x=";
  appended.AppendFormat("%d", 3);
  EXPECT_EQ(appended, "x=3");
}

TEST(AfxString, PiecesClampToTheString) {
  const CString s = "210.56mm";
  EXPECT_EQ(s.Left(3), "210");
  EXPECT_EQ(s.Left(99), "210.56mm");
  EXPECT_EQ(s.Left(-1), "");
  EXPECT_EQ(s.Right(2), "mm");
  EXPECT_EQ(s.Right(99), "210.56mm");
  EXPECT_EQ(s.Mid(4), "56mm");
  EXPECT_EQ(s.Mid(4, 2), "56");
  EXPECT_EQ(s.Mid(20, 2), "");
  EXPECT_EQ(s.SpanIncluding("0123456789."), "210.56");
  EXPECT_EQ(s.SpanExcluding("."), "210");
  EXPECT_EQ(s.GetAt(0), '2');
  EXPECT_EQ(s.GetAt(99), '\0');
  EXPECT_EQ(s[7], 'm');
}

TEST(AfxString, SearchesStepOverDoubleByteCharacters) {
  const CString s = CString(kTrailA) + "a" + kTrail1 + "1";
  struct Case {
    int found;
    int expected;
  } cases[] = {
      {s.Find('a'), 2},          // not the trail byte at 1
      {s.Find('1'), 5},          // not the trail byte at 4
      {s.Find("a"), 2},
      {s.Find('a', 3), -1},
      {s.ReverseFind('a'), 2},
      {s.Find("zz"), -1},
      {CString("abc").Find(""), 0},
  };
  for (const Case& c : cases) EXPECT_EQ(c.found, c.expected);

  CString upper = s;
  upper.MakeUpper();
  EXPECT_EQ(upper, CString(kTrailA) + "A" + kTrail1 + "1") << "trail bytes keep their value";
  CString replaced = s;
  EXPECT_EQ(replaced.Replace('a', 'b'), 1);
  EXPECT_EQ(replaced, CString(kTrailA) + "b" + kTrail1 + "1");
  CString removed = s;
  EXPECT_EQ(removed.Remove('1'), 1);
  EXPECT_EQ(removed, CString(kTrailA) + "a" + kTrail1);
}

TEST(AfxString, TrimmingAndEditing) {
  struct Case {
    std::function<void(CString&)> edit;
    const char* start;
    const char* expected;
  } cases[] = {
      {[](CString& s) { s.TrimLeft(); }, "  \t 5.0", "5.0"},  // leading blanks of a formatted number
      {[](CString& s) { s.TrimRight(); }, "a.bmp \r\n", "a.bmp"},
      {[](CString& s) { s.Trim(); }, "  x  ", "x"},
      {[](CString& s) { s.TrimLeft('0'); }, "0070", "70"},
      {[](CString& s) { s.TrimRight('a'); }, "\x81\x61", "\x81\x61"},  // a trail byte is not an "a"
      {[](CString& s) { s.MakeLower(); }, "A.BMP", "a.bmp"},
      {[](CString& s) { s.Insert(1, "xy"); }, "ab", "axyb"},
      {[](CString& s) { s.Insert(99, "!"); }, "ab", "ab!"},
      {[](CString& s) { s.Delete(1, 5); }, "abc", "a"},
      {[](CString& s) { s.Replace("ab", "x"); }, "ababc", "xxc"},
      {[](CString& s) { s += 'z'; }, "", "z"},
      {[](CString& s) { s = nullptr; }, "old", ""},
  };
  for (const Case& c : cases) {
    CString s = c.start;
    c.edit(s);
    EXPECT_EQ(s, c.expected) << '"' << c.start << '"';
  }
}

TEST(AfxString, ComparisonsAndBuffers) {
  EXPECT_EQ(CString(".BMP").CompareNoCase(".bmp"), 0);
  EXPECT_LT(CString("a").Compare("b"), 0);
  EXPECT_GT(CString("b").Compare(nullptr), 0);
  EXPECT_TRUE(CString("x") == "x");
  EXPECT_TRUE("x" == CString("x"));
  EXPECT_TRUE(CString("a") < CString("b"));
  EXPECT_TRUE(CString().IsEmpty());
  EXPECT_EQ(CString('-', 3), "---");
  EXPECT_EQ(CString("abcdef", 3), "abc");

  CString filled;
  char* buffer = filled.GetBuffer(16);
  std::strcpy(buffer, "Velko");
  filled.ReleaseBuffer();
  EXPECT_EQ(filled, "Velko");
  EXPECT_EQ(filled.GetLength(), 5);
  filled.GetBuffer(2);
  filled.ReleaseBuffer(3);
  EXPECT_EQ(filled, "Vel");
  EXPECT_STREQ(static_cast<LPCSTR>(filled), "Vel");
}

TEST_F(AfxTest, StringsLoadFromTheResourceModule) {
  CString text = "kept";
  EXPECT_FALSE(text.LoadString(4999));
  EXPECT_EQ(text, "kept") << "a missing string leaves the text alone";
  EXPECT_TRUE(text.LoadString(kWarning));
  EXPECT_EQ(text, kWarningText);
}

}  // namespace
}  // namespace velko::platform::afx_test
