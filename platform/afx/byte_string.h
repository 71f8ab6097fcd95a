// CString: the class library's string, a byte string in the system code page
// (GB2312) over std::string. Lengths and positions count bytes, as the
// system's text limits do; searches and case changes step over double-byte
// characters whole, so a trail byte never matches an ASCII character.
//
// Format follows printf ("%4.1f", "%d%%"), checked by the compiler. Pass
// texts to it as GetString() or (LPCSTR): a CString object itself cannot
// travel through "...".
#pragma once

#include <cstdarg>
#include <compare>
#include <string>
#include <string_view>

#include "platform/win32_types.h"

class CString {
 public:
  CString() = default;
  CString(const char* text) : text_(text != nullptr ? text : "") {}  // NOLINT: implicit, as the library's
  CString(const char* text, int length);
  CString(std::string_view text) : text_(text) {}  // NOLINT
  CString(std::string text) : text_(std::move(text)) {}  // NOLINT
  explicit CString(char ch, int repeat = 1);

  // What the Win32 calls take: the bytes and a NUL, valid until the next change.
  operator LPCSTR() const { return text_.c_str(); }  // NOLINT
  LPCSTR GetString() const { return text_.c_str(); }
  const std::string& str() const { return text_; }
  std::string_view view() const { return text_; }

  int GetLength() const { return static_cast<int>(text_.size()); }
  BOOL IsEmpty() const { return text_.empty() ? TRUE : FALSE; }
  void Empty() { text_.clear(); }
  // Out-of-range indexes read as NUL and write nothing.
  char GetAt(int index) const;
  char operator[](int index) const { return GetAt(index); }
  void SetAt(int index, char ch);

  CString& operator=(const char* text);
  CString& operator=(std::string_view text);
  CString& operator=(std::string text) {
    text_ = std::move(text);
    return *this;
  }
  CString& operator+=(const CString& text);
  CString& operator+=(const char* text);
  CString& operator+=(char ch);

  // Byte-wise comparison, and one without regard to ASCII letter case.
  int Compare(LPCSTR text) const;
  int CompareNoCase(LPCSTR text) const;

  // Pieces by byte position, clamped to the string.
  CString Left(int count) const;
  CString Right(int count) const;
  CString Mid(int first) const;
  CString Mid(int first, int count) const;
  // The leading run of bytes that are (or are not) in `set`.
  CString SpanIncluding(LPCSTR set) const;
  CString SpanExcluding(LPCSTR set) const;

  // Byte position of the first (last) match at a character boundary, -1 when
  // there is none.
  int Find(char ch, int start = 0) const;
  int Find(LPCSTR text, int start = 0) const;
  int ReverseFind(char ch) const;

  // White space is the C locale's: blank, tab, CR, LF, VT and FF.
  CString& TrimLeft();
  CString& TrimRight();
  CString& Trim();
  CString& TrimLeft(char ch);
  CString& TrimRight(char ch);
  CString& MakeUpper();
  CString& MakeLower();
  // Counts of what was replaced or removed.
  int Replace(char from, char to);
  int Replace(LPCSTR from, LPCSTR to);
  int Remove(char ch);
  // Returns the new length.
  int Insert(int index, LPCSTR text);
  int Delete(int index, int count = 1);

  void Format(LPCSTR format, ...) __attribute__((format(printf, 2, 3)));
  void FormatV(LPCSTR format, va_list args) __attribute__((format(printf, 2, 0)));
  void AppendFormat(LPCSTR format, ...) __attribute__((format(printf, 2, 3)));

  // The string resource of the application's resource module; FALSE (and the
  // string unchanged) when there is none.
  BOOL LoadString(UINT id);

  // A writable buffer of at least `min_length` bytes plus a NUL, for calls
  // that fill a buffer. ReleaseBuffer ends the string at `new_length`, or at
  // the first NUL for -1.
  LPSTR GetBuffer(int min_length);
  LPSTR GetBufferSetLength(int length);
  void ReleaseBuffer(int new_length = -1);

  friend bool operator==(const CString& a, const CString& b) { return a.text_ == b.text_; }
  friend bool operator==(const CString& a, const char* b) { return a.text_ == (b != nullptr ? b : ""); }
  friend std::strong_ordering operator<=>(const CString& a, const CString& b) { return a.text_ <=> b.text_; }
  friend CString operator+(const CString& a, const CString& b) { return CString(a.text_ + b.text_); }
  friend CString operator+(const CString& a, const char* b) { return a + CString(b); }
  friend CString operator+(const char* a, const CString& b) { return CString(a) + b; }
  friend CString operator+(const CString& a, char b) { return CString(a.text_ + b); }

 private:
  std::string text_;
};
