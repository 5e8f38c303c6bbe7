#pragma once

#include <cstddef>
#include <string>
#include <vector>

// An INI file of sections and key=value lines, read and written the way the classic
// private profile calls do it: sections and keys match ignoring the case of ASCII letters,
// the first of duplicate sections or keys wins, and a write changes one line (or adds one)
// while every other line, comment and unknown key stays byte for byte as it was.
//
// The whole file is held in memory: Load once, read and write keys, Save once.
class ProfileFile {
 public:
  explicit ProfileFile(std::string path);

  // A missing file is an empty one. An existing file that cannot be read is treated as
  // empty too, but is then never overwritten by Save.
  void Load();

  // The value of `key`, or `defaultValue` when the section or the key is missing. As with
  // a caller's buffer of `bufferSize` characters, at most bufferSize - 1 are returned.
  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& defaultValue, int bufferSize) const;

  void WriteString(const std::string& section, const std::string& key, const std::string& value);

  // Writes the file whole (a new file renamed into place), creating its folder if needed.
  bool Save();

  // The file's bytes as Save would write them.
  std::string Contents() const;

 private:
  struct Line {
    std::string text;    // without its line end
    std::string ending;  // "\n", "\r\n", or "" for a last line without one
  };

  // Index of the first line of the section's header, or npos.
  std::size_t FindSection(const std::string& section) const;
  // Index of the key's line within the section starting at `header`, or npos.
  std::size_t FindKey(std::size_t header, const std::string& key) const;
  // One past the section's last line.
  std::size_t SectionEnd(std::size_t header) const;
  void InsertLine(std::size_t at, std::string text);
  std::string NewLineEnding() const;

  std::string path_;
  std::vector<Line> lines_;
  bool unreadable_ = false;
};
