#include "settings/profile_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string_view>
#include <utility>

#include "base/replace_file.h"

namespace {

constexpr std::size_t kNone = std::string::npos;

// Keys and values lose the spaces and tabs around them, nothing more. Quotes around a
// value are kept: every text the game writes must read back exactly as written.
std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return AsciiUpper(x) == AsciiUpper(y);
         });
}

// "[name]" after optional blanks gives name; any other line gives nothing.
std::optional<std::string_view> SectionName(std::string_view line) {
  const std::string_view text = Trim(line);
  if (text.empty() || text.front() != '[') return std::nullopt;
  const auto close = text.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(text.substr(1, close - 1));
}

// The position of the "=" of a key line; comments, headers and lines without one are no key.
std::size_t EqualsSign(std::string_view line) {
  const std::string_view text = Trim(line);
  if (text.empty() || text.front() == ';' || text.front() == '[') return kNone;
  return line.find('=');
}

// The profile calls hand out zero-terminated texts, and a value must stay on its line: a
// value ends at the first NUL, CR or LF, alike when read and when written.
std::string_view ValueText(std::string_view value) {
  return value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));
}

std::optional<std::string> ReadWholeFile(const std::string& path, bool& missing) {
  missing = false;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    missing = errno == ENOENT || errno == ENOTDIR;
    return std::nullopt;
  }
  std::string contents;
  char chunk[65536];
  std::size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) contents.append(chunk, got);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return std::nullopt;
  return contents;
}

}  // namespace

ProfileFile::ProfileFile(std::string path) : path_(std::move(path)) {}

void ProfileFile::Load() {
  lines_.clear();
  bool missing = false;
  const std::optional<std::string> contents = ReadWholeFile(path_, missing);
  unreadable_ = !contents && !missing;
  if (!contents) return;

  std::size_t start = 0;
  while (start < contents->size()) {
    const auto newline = contents->find('\n', start);
    if (newline == std::string::npos) {
      lines_.push_back({contents->substr(start), ""});
      break;
    }
    std::string text = contents->substr(start, newline - start);
    std::string ending = "\n";
    if (!text.empty() && text.back() == '\r') {
      text.pop_back();
      ending = "\r\n";
    }
    lines_.push_back({std::move(text), std::move(ending)});
    start = newline + 1;
  }
}

std::size_t ProfileFile::FindSection(const std::string& section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const auto name = SectionName(lines_[i].text);
    if (name && SameIgnoringCase(*name, section)) return i;
  }
  return kNone;
}

std::size_t ProfileFile::SectionEnd(std::size_t header) const {
  std::size_t i = header + 1;
  while (i < lines_.size() && !SectionName(lines_[i].text)) ++i;
  return i;
}

std::size_t ProfileFile::FindKey(std::size_t header, const std::string& key) const {
  const std::size_t end = SectionEnd(header);
  for (std::size_t i = header + 1; i < end; ++i) {
    const std::string_view text = lines_[i].text;
    const auto equals = EqualsSign(text);
    if (equals != kNone && SameIgnoringCase(Trim(text.substr(0, equals)), key)) return i;
  }
  return kNone;
}

std::string ProfileFile::GetString(const std::string& section, const std::string& key,
                                   const std::string& defaultValue, int bufferSize) const {
  std::string value = defaultValue;
  const std::size_t header = FindSection(section);
  const std::size_t line = header == kNone ? kNone : FindKey(header, key);
  if (line != kNone) {
    const std::string_view text = lines_[line].text;
    const std::string_view afterEquals = text.substr(EqualsSign(text) + 1);
    value = std::string(Trim(ValueText(afterEquals)));
  }
  const std::size_t room = bufferSize > 0 ? static_cast<std::size_t>(bufferSize) - 1 : 0;
  return value.substr(0, room);
}

std::string ProfileFile::NewLineEnding() const {
  for (const Line& line : lines_)
    if (!line.ending.empty()) return line.ending;
  return "\n";
}

void ProfileFile::InsertLine(std::size_t at, std::string text) {
  const std::string ending = NewLineEnding();
  if (at > 0 && lines_[at - 1].ending.empty()) lines_[at - 1].ending = ending;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(text), ending});
}

void ProfileFile::WriteString(const std::string& section, const std::string& key,
                              const std::string& value) {
  const std::string stored(ValueText(value));
  std::size_t header = FindSection(section);
  if (header == kNone) {
    if (!lines_.empty() && !Trim(lines_.back().text).empty()) InsertLine(lines_.size(), "");
    header = lines_.size();
    InsertLine(header, "[" + section + "]");
  }

  const std::size_t line = FindKey(header, key);
  if (line != kNone) {
    std::string& text = lines_[line].text;
    const std::size_t equals = EqualsSign(text);
    if (Trim(ValueText(std::string_view(text).substr(equals + 1))) != stored)
      text = text.substr(0, equals + 1) + stored;
    return;
  }

  // A new key goes after the section's last key, ahead of any blank lines or comments
  // that close the section.
  std::size_t after = header;
  const std::size_t end = SectionEnd(header);
  for (std::size_t i = header + 1; i < end; ++i)
    if (EqualsSign(lines_[i].text) != kNone) after = i;
  InsertLine(after + 1, key + "=" + stored);
}

std::string ProfileFile::Contents() const {
  std::string contents;
  for (const Line& line : lines_) contents += line.text + line.ending;
  return contents;
}

bool ProfileFile::Save() {
  if (unreadable_) return false;
  const std::filesystem::path folder = std::filesystem::path(path_).parent_path();
  std::error_code error;
  if (!folder.empty()) std::filesystem::create_directories(folder, error);
  const std::string contents = Contents();
  return ReplaceFileContents(path_, contents.data(), contents.size()) == ReplaceFileResult::Ok;
}
