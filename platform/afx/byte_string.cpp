// CString's operations over the bytes of a GB2312 text.
#include "platform/afx/byte_string.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/afx/app.h"
#include "platform/user/dialog.h"
#include "platform/user/text.h"

namespace {

using velko::platform::IsLeadByte;

std::size_t Clamp(int value, std::size_t size) {
  return value <= 0 ? 0 : std::min(static_cast<std::size_t>(value), size);
}

// The byte positions where characters start, in order; `visit` returns false
// to stop.
template <class Visit>
void ForEachCharacter(const std::string& text, std::size_t from, Visit visit) {
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t width = IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
    if (i >= from && !visit(i, width)) return;
    i += width;
  }
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

template <class Change>
void ChangeSingleBytes(std::string& text, Change change) {
  ForEachCharacter(text, 0, [&](std::size_t at, std::size_t width) {
    if (width == 1) text[at] = change(text[at]);
    return true;
  });
}

}  // namespace

CString::CString(const char* text, int length)
    : text_(text != nullptr ? std::string_view(text, Clamp(length, std::strlen(text))) : std::string_view()) {}

CString::CString(char ch, int repeat) : text_(repeat > 0 ? static_cast<std::size_t>(repeat) : 0, ch) {}

char CString::GetAt(int index) const {
  return index >= 0 && static_cast<std::size_t>(index) < text_.size() ? text_[static_cast<std::size_t>(index)] : '\0';
}

void CString::SetAt(int index, char ch) {
  if (index >= 0 && static_cast<std::size_t>(index) < text_.size()) text_[static_cast<std::size_t>(index)] = ch;
}

CString& CString::operator=(const char* text) {
  text_ = text != nullptr ? text : "";
  return *this;
}

CString& CString::operator=(std::string_view text) {
  text_ = text;
  return *this;
}

CString& CString::operator+=(const CString& text) {
  text_ += text.text_;
  return *this;
}

CString& CString::operator+=(const char* text) {
  if (text != nullptr) text_ += text;
  return *this;
}

CString& CString::operator+=(char ch) {
  text_ += ch;
  return *this;
}

int CString::Compare(LPCSTR text) const {
  const int c = text_.compare(text != nullptr ? text : "");
  return (c > 0) - (c < 0);
}

int CString::CompareNoCase(LPCSTR text) const {
  const int c = velko::platform::CompareNoCase(text_, text != nullptr ? text : "");
  return (c > 0) - (c < 0);
}

CString CString::Left(int count) const { return CString(text_.substr(0, Clamp(count, text_.size()))); }

CString CString::Right(int count) const {
  const std::size_t n = Clamp(count, text_.size());
  return CString(text_.substr(text_.size() - n));
}

CString CString::Mid(int first) const { return CString(text_.substr(Clamp(first, text_.size()))); }

CString CString::Mid(int first, int count) const {
  const std::size_t start = Clamp(first, text_.size());
  return CString(text_.substr(start, Clamp(count, text_.size() - start)));
}

CString CString::SpanIncluding(LPCSTR set) const {
  return Left(static_cast<int>(std::min(text_.find_first_not_of(set != nullptr ? set : ""), text_.size())));
}

CString CString::SpanExcluding(LPCSTR set) const {
  return Left(static_cast<int>(std::min(text_.find_first_of(set != nullptr ? set : ""), text_.size())));
}

int CString::Find(char ch, int start) const {
  int found = -1;
  ForEachCharacter(text_, Clamp(start, text_.size()), [&](std::size_t at, std::size_t width) {
    if (width == 1 && text_[at] == ch) found = static_cast<int>(at);
    return found < 0;
  });
  return found;
}

int CString::Find(LPCSTR text, int start) const {
  const std::string_view wanted = text != nullptr ? text : "";
  int found = -1;
  ForEachCharacter(text_, Clamp(start, text_.size()), [&](std::size_t at, std::size_t) {
    if (std::string_view(text_).substr(at).starts_with(wanted)) found = static_cast<int>(at);
    return found < 0;
  });
  if (found < 0 && wanted.empty() && start >= 0 && static_cast<std::size_t>(start) <= text_.size()) return start;
  return found;
}

int CString::ReverseFind(char ch) const {
  int found = -1;
  ForEachCharacter(text_, 0, [&](std::size_t at, std::size_t width) {
    if (width == 1 && text_[at] == ch) found = static_cast<int>(at);
    return true;
  });
  return found;
}

CString& CString::TrimLeft() {
  const auto first = std::find_if_not(text_.begin(), text_.end(), IsBlank);
  text_.erase(text_.begin(), first);
  return *this;
}

CString& CString::TrimRight() {
  // A GB2312 trail byte is never a blank, so trimming from the end is safe.
  while (!text_.empty() && IsBlank(text_.back())) text_.pop_back();
  return *this;
}

CString& CString::Trim() { return TrimRight().TrimLeft(); }

CString& CString::TrimLeft(char ch) {
  text_.erase(0, std::min(text_.find_first_not_of(ch), text_.size()));
  return *this;
}

CString& CString::TrimRight(char ch) {
  while (!text_.empty() && text_.back() == ch &&
         !(text_.size() >= 2 && IsLeadByte(static_cast<unsigned char>(text_[text_.size() - 2])))) {
    text_.pop_back();
  }
  return *this;
}

CString& CString::MakeUpper() {
  ChangeSingleBytes(text_, AsciiUpper);
  return *this;
}

CString& CString::MakeLower() {
  ChangeSingleBytes(text_, AsciiLower);
  return *this;
}

int CString::Replace(char from, char to) {
  int count = 0;
  ForEachCharacter(text_, 0, [&](std::size_t at, std::size_t width) {
    if (width == 1 && text_[at] == from) {
      text_[at] = to;
      ++count;
    }
    return true;
  });
  return count;
}

int CString::Replace(LPCSTR from, LPCSTR to) {
  const std::string_view old_text = from != nullptr ? from : "";
  const std::string_view new_text = to != nullptr ? to : "";
  if (old_text.empty()) return 0;
  std::string out;
  int count = 0;
  std::size_t i = 0;
  while (i < text_.size()) {
    if (std::string_view(text_).substr(i).starts_with(old_text)) {
      out += new_text;
      i += old_text.size();
      ++count;
      continue;
    }
    const std::size_t width = IsLeadByte(static_cast<unsigned char>(text_[i])) && i + 1 < text_.size() ? 2 : 1;
    out.append(text_, i, width);
    i += width;
  }
  text_ = std::move(out);
  return count;
}

int CString::Remove(char ch) {
  std::string out;
  int count = 0;
  ForEachCharacter(text_, 0, [&](std::size_t at, std::size_t width) {
    if (width == 1 && text_[at] == ch) {
      ++count;
    } else {
      out.append(text_, at, width);
    }
    return true;
  });
  text_ = std::move(out);
  return count;
}

int CString::Insert(int index, LPCSTR text) {
  if (text != nullptr) text_.insert(Clamp(index, text_.size()), text);
  return GetLength();
}

int CString::Delete(int index, int count) {
  const std::size_t start = Clamp(index, text_.size());
  text_.erase(start, Clamp(count, text_.size() - start));
  return GetLength();
}

void CString::Format(LPCSTR format, ...) {
  va_list args;
  va_start(args, format);
  FormatV(format, args);
  va_end(args);
}

void CString::FormatV(LPCSTR format, va_list args) {
  va_list measure;
  va_copy(measure, args);
  const int length = std::vsnprintf(nullptr, 0, format, measure);
  va_end(measure);
  if (length < 0) {
    text_.clear();
    return;
  }
  std::string out(static_cast<std::size_t>(length), '\0');
  std::vsnprintf(out.data(), out.size() + 1, format, args);
  text_ = std::move(out);
}

void CString::AppendFormat(LPCSTR format, ...) {
  CString more;
  va_list args;
  va_start(args, format);
  more.FormatV(format, args);
  va_end(args);
  text_ += more.text_;
}

BOOL CString::LoadString(UINT id) {
  std::optional<std::string> text = velko::platform::LoadStringText(AfxGetResourceHandle(), id);
  if (!text) return FALSE;
  text_ = std::move(*text);
  return TRUE;
}

LPSTR CString::GetBuffer(int min_length) {
  if (static_cast<std::size_t>(std::max(min_length, 0)) > text_.size()) text_.resize(static_cast<std::size_t>(min_length));
  return text_.data();
}

LPSTR CString::GetBufferSetLength(int length) {
  text_.resize(static_cast<std::size_t>(std::max(length, 0)));
  return text_.data();
}

void CString::ReleaseBuffer(int new_length) {
  const std::size_t end = new_length < 0 ? std::strlen(text_.c_str()) : Clamp(new_length, text_.size());
  text_.resize(end);
}
