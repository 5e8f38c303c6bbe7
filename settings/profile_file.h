#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

// An INI file of sections and key=value lines, read and written the way the classic
// private profile calls do it: sections and keys match ignoring the case of ASCII letters,
// the first of duplicate sections or keys wins, and a write changes one line (or adds one)
// while every other line, comment and unknown key stays byte for byte as it was. A UTF-8
// byte-order mark at the start is no part of the first line and is written back.
//
// The whole file is held in memory: Load once, read and write keys, Save once. Each read
// and write of a key costs the same however long the file is.
class ProfileFile {
 public:
  // Larger files are not settings files a person wrote; they are treated as unreadable.
  static constexpr std::size_t kMaxBytes = 1024 * 1024;

  explicit ProfileFile(std::string path);

  // A missing file is an empty one. An existing file that cannot be read (no regular
  // file, no permission, too large) is treated as empty too, but is then never
  // overwritten by Save.
  void Load();

  // The value of `key`, or `defaultValue` when the section or the key is missing. As with
  // a caller's buffer of `bufferSize` characters, at most bufferSize - 1 are returned.
  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& defaultValue, int bufferSize) const;

  void WriteString(const std::string& section, const std::string& key, const std::string& value);

  // Writes the file whole (a new file renamed into place), creating its folder if needed.
  // Contents over kMaxBytes are not written: the file stays as the last run left it.
  bool Save();

  // The file's bytes as Save would write them.
  std::string Contents() const;

 private:
  struct Line {
    std::string text;    // without its line end
    std::string ending;  // "\n", "\r\n", or "" for a last line without one
  };
  // Where a key's line is: in the file as read, or among the lines added to a section.
  struct KeyPlace {
    bool added = false;
    std::size_t index = 0;
  };
  // The first section of a name. Keys added to it go after its last key line, ahead of
  // any blank lines or comments that close it.
  struct Section {
    std::size_t lastKeyLine = 0;  // or its header line while it has no keys
    std::vector<Line> added;
    std::unordered_map<std::string, KeyPlace> keys;  // by upper-cased name; first wins
  };

  Section* FindSection(const std::string& section);
  const Section* FindSection(const std::string& section) const;
  const Line* FindKey(const Section& section, const std::string& key) const;
  Section& AddSection(std::size_t headerLine, const std::string& name);
  bool EndsWithBlankLine() const;

  std::string path_;
  std::vector<Line> lines_;
  std::vector<Section> sections_;
  std::unordered_map<std::string, std::size_t> sectionIndex_;  // by upper-cased name
  std::string newLine_ = "\n";
  bool byteOrderMark_ = false;
  bool unreadable_ = false;
};
