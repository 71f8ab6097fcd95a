// Private profile files: a line-preserving reader and editor; see profile.h.
#include "platform/kernel/profile.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/kernel/drive.h"

namespace velko::platform::profile {
namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kWindowsDirectory = "C:\\WINDOWS\\";

std::string_view Trim(std::string_view s) {
  const std::size_t first = s.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

// A name or value ends at a NUL byte, as the C strings it is copied into.
std::string_view UpToNul(std::string_view s) { return s.substr(0, s.find('\0')); }

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return LowerAscii(x) == LowerAscii(y);
         });
}

struct Line {
  enum class Kind { Other, Section, Key };
  std::size_t begin = 0;       // offset of the line's text in the file
  std::string_view text;       // without its line end
  std::string_view end;        // "\r\n", "\n", "\r" or nothing (last line)
  Kind kind = Kind::Other;
  std::string_view name;       // section or key name, trimmed
  std::size_t value_begin = 0; // offset in `text` where a key's value starts
  bool has_equals = false;     // a key line without "=" is a key with no value
  std::string_view value;      // trimmed
};

Line Classify(std::size_t begin, std::string_view text, std::string_view end) {
  Line line;
  line.begin = begin;
  line.text = text;
  line.end = end;
  const std::string_view body = Trim(text);
  if (body.empty() || body.front() == ';') return line;
  if (body.front() == '[') {
    line.kind = Line::Kind::Section;
    const std::string_view inner = body.substr(1);
    line.name = UpToNul(Trim(inner.substr(0, inner.find(']'))));
    return line;
  }
  line.kind = Line::Kind::Key;
  const std::size_t equals = text.find('=');
  line.name = UpToNul(Trim(text.substr(0, equals)));
  line.has_equals = equals != std::string_view::npos;
  if (line.has_equals) {
    const std::string_view rest = text.substr(equals + 1);
    line.value_begin = equals + 1 + std::min(rest.find_first_not_of(kBlanks), rest.size());
    line.value = UpToNul(Trim(rest));
  } else {
    line.value_begin = text.size();
  }
  return line;
}

std::vector<Line> SplitLines(std::string_view file) {
  std::vector<Line> lines;
  std::size_t pos = 0;
  while (pos < file.size()) {
    const std::size_t stop = std::min(file.find_first_of(kLineEnd, pos), file.size());
    std::size_t next = stop;
    if (next < file.size()) next += (file[next] == '\r' && next + 1 < file.size() && file[next + 1] == '\n') ? 2 : 1;
    lines.push_back(Classify(pos, file.substr(pos, stop - pos), file.substr(stop, next - stop)));
    pos = next;
  }
  return lines;
}

// The lines of one section: [header, end) as indices into the lines.
struct SectionRange {
  std::size_t header;
  std::size_t end;
};

std::optional<SectionRange> FindSection(const std::vector<Line>& lines, std::string_view name) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].kind != Line::Kind::Section || !SameName(lines[i].name, name)) continue;
    std::size_t end = i + 1;
    while (end < lines.size() && lines[end].kind != Line::Kind::Section) ++end;
    return SectionRange{i, end};
  }
  return std::nullopt;
}

std::optional<std::size_t> FindKey(const std::vector<Line>& lines, SectionRange section, std::string_view key) {
  for (std::size_t i = section.header + 1; i < section.end; ++i) {
    if (lines[i].kind == Line::Kind::Key && SameName(lines[i].name, key)) return i;
  }
  return std::nullopt;
}

struct ParsedFile {
  std::string content;
  std::vector<Line> lines;  // views into `content`
};

// The last file read and its lines: loading the user entries reads 130 keys
// of one file in a row, and splitting the file again for each costs more
// than reading it. The bytes are compared, not the file's times, which may
// not change between two quick writes of the same size.
struct FileCache {
  std::filesystem::path path;
  std::shared_ptr<const ParsedFile> parsed;
};

const std::shared_ptr<const ParsedFile>& EmptyFile() {
  static const std::shared_ptr<const ParsedFile> empty = std::make_shared<ParsedFile>();
  return empty;
}

// The whole file, nothing when it is missing, `error` when it cannot be read.
std::optional<std::string> ReadBytes(const std::filesystem::path& file, bool& error) {
  error = false;
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    error = errno != ENOENT && errno != ENOTDIR;
    return std::nullopt;
  }
  std::string bytes;
  char chunk[8192];
  for (;;) {
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      error = true;
      break;
    }
    bytes.append(chunk, static_cast<std::size_t>(n));
  }
  ::close(fd);
  if (error) return std::nullopt;
  return bytes;
}

// The file's lines; an empty file when there is none, nullptr when it
// exists but cannot be read.
std::shared_ptr<const ParsedFile> Load(const std::filesystem::path& file) {
  static FileCache cache;
  bool error = false;
  std::optional<std::string> bytes = ReadBytes(file, error);
  if (error) return nullptr;
  if (!bytes) return EmptyFile();
  if (cache.parsed && cache.path == file && cache.parsed->content == *bytes) return cache.parsed;
  auto parsed = std::make_shared<ParsedFile>();
  parsed->content = std::move(*bytes);
  parsed->lines = SplitLines(parsed->content);
  cache = FileCache{file, parsed};
  return parsed;
}

// A quoted value ("..." or '...') is read without its quotes.
std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

DWORD CopyText(std::string_view text, LPSTR buffer, DWORD size) {
  const std::size_t n = std::min<std::size_t>(text.size(), size - 1);
  if (n > 0) std::memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
  return static_cast<DWORD>(n);
}

// Names one after another, each with its NUL, and a final NUL; a list that
// does not fit is cut and still ends with two NULs.
DWORD CopyList(const std::vector<std::string_view>& names, LPSTR buffer, DWORD size) {
  std::string list;
  for (std::string_view name : names) {
    list.append(name);
    list.push_back('\0');
  }
  if (list.size() + 1 <= size) {
    std::memcpy(buffer, list.data(), list.size());
    buffer[list.size()] = '\0';
    return static_cast<DWORD>(list.size());
  }
  if (size < 2) {
    buffer[0] = '\0';
    return 0;
  }
  std::memcpy(buffer, list.data(), size - 2);
  buffer[size - 2] = '\0';
  buffer[size - 1] = '\0';
  return size - 2;
}

// Replaces the file by `content` through a temporary file in its folder.
bool ReplaceFile(const std::filesystem::path& file, const std::string& content) {
  std::string name = ".";
  name.append(file.filename().string()).append(".XXXXXX");
  std::string temp = (file.parent_path() / name).string();
  const int fd = mkstemp(temp.data());
  if (fd < 0) return false;
  std::size_t written = 0;
  while (written < content.size()) {
    const ssize_t n = write(fd, content.data() + written, content.size() - written);
    if (n <= 0) break;
    written += static_cast<std::size_t>(n);
  }
  const bool ok = close(fd) == 0 && written == content.size();
  std::error_code error;
  if (ok) std::filesystem::rename(temp, file, error);
  if (!ok || error) {
    std::filesystem::remove(temp, error);
    return false;
  }
  return true;
}

bool ValidSectionName(std::string_view name) { return name.find_first_of("]\r\n") == std::string_view::npos; }

bool ValidKeyName(std::string_view key) {
  return !key.empty() && key.front() != '[' && key.front() != ';' && key.find_first_of("=\r\n") == std::string_view::npos;
}

// The edits: each returns the new file content.
std::string DeleteLines(std::string_view file, const std::vector<Line>& lines, std::size_t first, std::size_t end) {
  const std::size_t from = lines[first].begin;
  const std::size_t to = end < lines.size() ? lines[end].begin : file.size();
  return std::string(file.substr(0, from)) + std::string(file.substr(to));
}

std::string ReplaceValue(std::string_view file, const Line& line, std::string_view value) {
  std::string out(file.substr(0, line.begin + line.value_begin));
  if (!line.has_equals) out.append("=");
  out.append(value);
  out.append(line.end.empty() ? kLineEnd : line.end);
  out.append(file.substr(line.begin + line.text.size() + line.end.size()));
  return out;
}

// A new key goes after the last non-blank line of its section.
std::string InsertKey(std::string_view file, const std::vector<Line>& lines, SectionRange section,
                      std::string_view key, std::string_view value) {
  std::size_t after = section.header;
  for (std::size_t i = section.header + 1; i < section.end; ++i) {
    if (!Trim(lines[i].text).empty()) after = i;
  }
  const Line& line = lines[after];
  const std::size_t at = line.begin + line.text.size() + line.end.size();
  std::string out(file.substr(0, at));
  if (line.end.empty()) out.append(kLineEnd);
  out.append(key).append("=").append(value).append(kLineEnd);
  out.append(file.substr(at));
  return out;
}

// A new section goes at the end, after a blank line when the file has text.
std::string AppendSection(std::string_view file, const std::vector<Line>& lines, std::string_view section,
                          std::string_view key, std::string_view value) {
  std::string out(file);
  if (!lines.empty()) {
    if (lines.back().end.empty()) out.append(kLineEnd);
    if (!Trim(lines.back().text).empty()) out.append(kLineEnd);
  }
  out.append("[").append(section).append("]").append(kLineEnd);
  out.append(key).append("=").append(value).append(kLineEnd);
  return out;
}

std::optional<std::filesystem::path> MapProfilePath(LPCSTR file) {
  if (file == nullptr || *file == '\0') return std::nullopt;
  const std::string_view name(file);
  if (name.find_first_of("\\/:") == std::string_view::npos) {
    return MapWindowsPath(std::string(kWindowsDirectory) + std::string(name));
  }
  return MapWindowsPath(name);
}

}  // namespace

DWORD GetString(const std::filesystem::path& file, LPCSTR section, LPCSTR key, LPCSTR fallback, LPSTR buffer,
                DWORD size) {
  if (buffer == nullptr || size == 0) return 0;
  const std::shared_ptr<const ParsedFile> parsed = Load(file);
  const std::vector<Line>& lines = (parsed ? parsed : EmptyFile())->lines;

  if (section == nullptr) {
    std::vector<std::string_view> names;
    for (const Line& line : lines) {
      if (line.kind == Line::Kind::Section) names.push_back(line.name);
    }
    return CopyList(names, buffer, size);
  }
  const std::optional<SectionRange> range = FindSection(lines, Trim(section));
  if (key == nullptr) {
    std::vector<std::string_view> names;
    for (std::size_t i = range ? range->header + 1 : 0; range && i < range->end; ++i) {
      if (lines[i].kind == Line::Kind::Key) names.push_back(lines[i].name);
    }
    return CopyList(names, buffer, size);
  }
  const std::optional<std::size_t> found = range ? FindKey(lines, *range, Trim(key)) : std::nullopt;
  if (found) return CopyText(Unquote(lines[*found].value), buffer, size);
  // The default loses its trailing blanks, as Windows strips them.
  std::string_view def = fallback ? std::string_view(fallback) : std::string_view();
  def = def.substr(0, def.find_last_not_of(kBlanks) + 1);
  return CopyText(def, buffer, size);
}

UINT GetInt(const std::filesystem::path& file, LPCSTR section, LPCSTR key, INT fallback) {
  if (section == nullptr || key == nullptr) return static_cast<UINT>(fallback);
  const std::shared_ptr<const ParsedFile> parsed = Load(file);
  const std::vector<Line>& lines = (parsed ? parsed : EmptyFile())->lines;
  const std::optional<SectionRange> range = FindSection(lines, Trim(section));
  const std::optional<std::size_t> found = range ? FindKey(lines, *range, Trim(key)) : std::nullopt;
  if (!found) return static_cast<UINT>(fallback);

  std::string_view text = Unquote(lines[*found].value);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  // Saturates instead of overflowing on absurdly long digit runs.
  int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    value = std::min<int64_t>(value * 10 + (c - '0'), int64_t{1} << 32);
  }
  if (negative) value = -value;
  value = std::clamp<int64_t>(value, INT32_MIN, INT32_MAX);
  return static_cast<UINT>(static_cast<int32_t>(value));
}

bool WriteString(const std::filesystem::path& file, LPCSTR section, LPCSTR key, LPCSTR value) {
  if (section == nullptr) return false;
  const std::string_view section_name = Trim(section);
  if (!ValidSectionName(section_name)) return false;
  const std::string_view key_name = key ? Trim(key) : std::string_view();
  if (key != nullptr && !ValidKeyName(key_name)) return false;
  std::string_view text = value ? std::string_view(value) : std::string_view();
  text = text.substr(0, text.find_first_of(kLineEnd));

  const std::shared_ptr<const ParsedFile> parsed = Load(file);
  if (!parsed) return false;
  const bool exists = parsed != EmptyFile();
  const std::string& content = parsed->content;
  const std::vector<Line>& lines = parsed->lines;
  const std::optional<SectionRange> range = FindSection(lines, section_name);

  std::string updated;
  if (key == nullptr) {
    if (!range) return true;
    updated = DeleteLines(content, lines, range->header, range->end);
  } else if (value == nullptr) {
    const std::optional<std::size_t> found = range ? FindKey(lines, *range, key_name) : std::nullopt;
    if (!found) return true;
    updated = DeleteLines(content, lines, *found, *found + 1);
  } else if (!range) {
    updated = AppendSection(content, lines, section_name, key_name, text);
  } else if (const std::optional<std::size_t> found = FindKey(lines, *range, key_name)) {
    updated = ReplaceValue(content, lines[*found], text);
  } else {
    updated = InsertKey(content, lines, *range, key_name, text);
  }
  if (exists && updated == content) return true;
  return ReplaceFile(file, updated);
}

}  // namespace velko::platform::profile

using namespace velko::platform;

DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR fallback, LPSTR buffer, DWORD size, LPCSTR file) {
  const std::optional<std::filesystem::path> path = profile::MapProfilePath(file);
  return profile::GetString(path.value_or(std::filesystem::path()), section, key, fallback, buffer, size);
}

UINT GetPrivateProfileIntA(LPCSTR section, LPCSTR key, INT fallback, LPCSTR file) {
  const std::optional<std::filesystem::path> path = profile::MapProfilePath(file);
  return profile::GetInt(path.value_or(std::filesystem::path()), section, key, fallback);
}

BOOL WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR file) {
  const std::optional<std::filesystem::path> path = profile::MapProfilePath(file);
  return path && profile::WriteString(*path, section, key, value) ? TRUE : FALSE;
}
