#include "settings/profile_file.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <utility>

#include "base/file_reader.h"
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

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = AsciiUpper(c);
  return upper;
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

ProfileFile::ProfileFile(std::string path) : path_(std::move(path)) {}

void ProfileFile::Load() {
  lines_.clear();
  sections_.clear();
  sectionIndex_.clear();
  newLine_.assign(1, '\n');
  byteOrderMark_ = false;
  std::string contents;
  const FileReadStatus status = ReadWholeFile(path_, kMaxBytes, contents);
  unreadable_ = status != FileReadStatus::Ok && status != FileReadStatus::Missing;
  if (status != FileReadStatus::Ok) return;

  std::string_view rest = contents;
  if (rest.starts_with(kByteOrderMark)) {
    byteOrderMark_ = true;
    rest.remove_prefix(kByteOrderMark.size());
  }
  while (!rest.empty()) {
    const auto newline = rest.find('\n');
    if (newline == std::string_view::npos) {
      lines_.push_back({std::string(rest), ""});
      break;
    }
    std::string_view text = rest.substr(0, newline);
    const bool crlf = !text.empty() && text.back() == '\r';
    if (crlf) text.remove_suffix(1);
    lines_.push_back({std::string(text), crlf ? "\r\n" : "\n"});
    rest.remove_prefix(newline + 1);
  }
  if (!lines_.empty() && !lines_.front().ending.empty()) newLine_ = lines_.front().ending;

  // Index the first section of each name and the first of each key in it; keys before
  // any section and in later sections of the same name are never read.
  Section* current = nullptr;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const std::string_view text = lines_[i].text;
    if (const auto name = SectionName(text)) {
      current = sectionIndex_.contains(Upper(*name)) ? nullptr : &AddSection(i, std::string(*name));
      continue;
    }
    const auto equals = EqualsSign(text);
    if (current == nullptr || equals == kNone) continue;
    current->lastKeyLine = i;
    current->keys.try_emplace(Upper(Trim(text.substr(0, equals))), KeyPlace{false, i});
  }
}

ProfileFile::Section& ProfileFile::AddSection(std::size_t headerLine, const std::string& name) {
  sectionIndex_.emplace(Upper(name), sections_.size());
  Section& section = sections_.emplace_back();
  section.lastKeyLine = headerLine;
  return section;
}

const ProfileFile::Section* ProfileFile::FindSection(const std::string& section) const {
  const auto found = sectionIndex_.find(Upper(section));
  return found == sectionIndex_.end() ? nullptr : &sections_[found->second];
}

ProfileFile::Section* ProfileFile::FindSection(const std::string& section) {
  return const_cast<Section*>(std::as_const(*this).FindSection(section));
}

const ProfileFile::Line* ProfileFile::FindKey(const Section& section,
                                              const std::string& key) const {
  const auto found = section.keys.find(Upper(key));
  if (found == section.keys.end()) return nullptr;
  const KeyPlace place = found->second;
  return place.added ? &section.added[place.index] : &lines_[place.index];
}

std::string ProfileFile::GetString(const std::string& section, const std::string& key,
                                   const std::string& defaultValue, int bufferSize) const {
  std::string value = defaultValue;
  const Section* header = FindSection(section);
  if (const Line* line = header ? FindKey(*header, key) : nullptr) {
    const std::string_view text = line->text;
    value = std::string(Trim(ValueText(text.substr(EqualsSign(text) + 1))));
  }
  const std::size_t room = bufferSize > 0 ? static_cast<std::size_t>(bufferSize) - 1 : 0;
  return value.substr(0, room);
}

// Whether the file as it would be written ends in a blank line (or is empty).
bool ProfileFile::EndsWithBlankLine() const {
  if (lines_.empty()) return true;
  for (const Section& section : sections_) {
    if (section.lastKeyLine == lines_.size() - 1 && !section.added.empty()) return false;
  }
  return Trim(lines_.back().text).empty();
}

void ProfileFile::WriteString(const std::string& section, const std::string& key,
                              const std::string& value) {
  const std::string stored(ValueText(value));
  Section* header = FindSection(section);
  if (header == nullptr) {
    if (!lines_.empty() && lines_.back().ending.empty()) lines_.back().ending = newLine_;
    if (!EndsWithBlankLine()) lines_.push_back({"", newLine_});
    lines_.push_back({"[" + section + "]", newLine_});
    header = &AddSection(lines_.size() - 1, std::string(*SectionName(lines_.back().text)));
  }

  if (const Line* found = FindKey(*header, key)) {
    std::string& text = const_cast<Line*>(found)->text;
    const std::size_t equals = EqualsSign(text);
    if (Trim(ValueText(std::string_view(text).substr(equals + 1))) != stored)
      text = text.substr(0, equals + 1) + stored;
    return;
  }
  header->added.push_back({key + "=" + stored, newLine_});
  header->keys.try_emplace(Upper(Trim(key)), KeyPlace{true, header->added.size() - 1});
}

std::string ProfileFile::Contents() const {
  // The sections with added keys, by the line those keys follow.
  std::vector<const Section*> addedAfter(lines_.size(), nullptr);
  for (const Section& section : sections_) {
    if (!section.added.empty()) addedAfter[section.lastKeyLine] = &section;
  }

  std::string contents(byteOrderMark_ ? kByteOrderMark : "");
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const Line& line = lines_[i];
    contents += line.text;
    // Only the file's last line can lack an ending; it needs one once lines follow it.
    contents += line.ending.empty() && addedAfter[i] != nullptr ? newLine_ : line.ending;
    if (addedAfter[i] == nullptr) continue;
    for (const Line& added : addedAfter[i]->added) contents += added.text + added.ending;
  }
  return contents;
}

bool ProfileFile::Save() {
  if (unreadable_) return false;
  const std::filesystem::path folder = std::filesystem::path(path_).parent_path();
  std::error_code error;
  if (!folder.empty()) std::filesystem::create_directories(folder, error);
  const std::string contents = Contents();
  // A file the next run would refuse to read is not written.
  if (contents.size() > kMaxBytes) return false;
  return ReplaceFileContents(path_, contents.data(), contents.size()) == ReplaceFileResult::Ok;
}
