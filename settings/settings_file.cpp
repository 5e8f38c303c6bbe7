#include "settings/settings_file.h"

#include <cstdint>

#include "base/text_utils.h"
#include "settings/profile_file.h"
#include "words/language.h"

namespace {

// Paths and font names get room for 149 characters; every other value for 14.
constexpr int kLongBuffer = 150;
constexpr int kShortBuffer = 15;
constexpr int kMaxTextLength = 255;

class SettingsReader {
 public:
  explicit SettingsReader(const ProfileFile& profile) : profile_(profile) {}
  void Section(const char* name) { section_ = name; }
  void Text(const std::string& key, std::string& field, int bufferSize) {
    field = profile_.GetString(section_, key, field, bufferSize);
  }
  void Integer(const std::string& key, int32_t& field, int bufferSize = kShortBuffer) {
    field =
        ReadInteger(profile_.GetString(section_, key, FormatPadded(field, 1, 0), bufferSize)).Value;
  }
  void YesNo(const std::string& key, bool& field) {
    const std::string value = profile_.GetString(section_, key, YesNoText(field), kShortBuffer);
    field = IsYes(UpperCopy(value, kMaxTextLength));
  }

 private:
  const ProfileFile& profile_;
  std::string section_;
};

class SettingsWriter {
 public:
  explicit SettingsWriter(ProfileFile& profile) : profile_(profile) {}
  void Section(const char* name) { section_ = name; }
  void Text(const std::string& key, const std::string& field, int) {
    profile_.WriteString(section_, key, field);
  }
  void Integer(const std::string& key, int32_t field, int = kShortBuffer) {
    profile_.WriteString(section_, key, FormatPadded(field, 1, 0));
  }
  void YesNo(const std::string& key, bool field) {
    profile_.WriteString(section_, key, YesNoText(field));
  }

 private:
  ProfileFile& profile_;
  std::string section_;
};

// Every key of the file, section by section, in the order they are written.
template <typename Visitor>
void VisitKeys(Visitor& file, GameSettings& s) {
  file.Section("Misc");
  file.Text("Last Import File", s.LastImportFile, kLongBuffer);
  file.Text("Last Export File", s.LastExportFile, kLongBuffer);
  file.Text("Last Group", s.LastGroup, kLongBuffer);
  file.Integer("Window Size", s.WindowSize);
  file.YesNo("Show Background Bitmap", s.ShowBackgroundBitmap);

  file.Section("Scoring");
  file.YesNo("Word Misspelled", s.WordMisspelled);
  file.YesNo("Word Too Short", s.WordTooShort);
  file.YesNo("Word Not In Puzzle", s.WordNotInPuzzle);
  for (int length = 3; length < 3 + kScoredLengths - 1; ++length)
    file.Integer(std::to_string(length) + " Letter Words", s.LengthPoints[length - 3]);
  file.Integer("Larger Words", s.LengthPoints.back());
  file.Integer("Maximum Word Length", s.MaximumWordLength);

  file.Section("Play Options");
  file.Integer("Width", s.Width);
  file.Integer("Height", s.Height);
  file.Integer("Minutes", s.Minutes);
  file.Integer("Seconds", s.Seconds);
  file.Integer("Time Up Notification", s.TimeUpNotification);
  file.Integer("Minimum Word Length", s.MinimumWordLength);
  file.Integer("Guess List Columns", s.GuessListColumns);
  file.YesNo("Allow Repeating Letters", s.RepeatingLettersAllowed);
  file.YesNo("Alternate Letters", s.AlternateLetters);
  file.YesNo("High Frequency Letters", s.HighFrequencyLetters);
  file.YesNo("American Dictionary", s.AmericanDictionary);

  file.Section("Letter Font");
  file.Integer("Color", s.LetterFont.Color, kLongBuffer);
  file.Text("Font Name", s.LetterFont.Name, kLongBuffer);
  file.Integer("Size", s.LetterFont.Size, kLongBuffer);
  file.YesNo("Bold", s.LetterFont.Bold);
  file.YesNo("Italic", s.LetterFont.Italic);
  file.YesNo("Underline", s.LetterFont.Underline);
  file.YesNo("Strikeout", s.LetterFont.Strikeout);
  file.Text("Bitmap", s.LetterBitmap, kLongBuffer);

  file.Section("Print Puzzle Font");
  file.Integer("Color", s.PrintPuzzleFont.Color, kLongBuffer);
  file.Text("Font Name", s.PrintPuzzleFont.Name, kLongBuffer);
  file.Integer("Size", s.PrintPuzzleFont.Size, kLongBuffer);
  file.YesNo("Bold", s.PrintPuzzleFont.Bold);
  file.YesNo("Italic", s.PrintPuzzleFont.Italic);
  file.YesNo("Underline", s.PrintPuzzleFont.Underline);
  file.YesNo("Strikeout", s.PrintPuzzleFont.Strikeout);

  file.Section("Word List Font");
  file.Integer("Color", s.WordListFont.Color, kLongBuffer);
  file.Text("Font Name", s.WordListFont.Name, kLongBuffer);
  file.Integer("Size", s.WordListFont.Size, kLongBuffer);
  file.YesNo("Bold", s.WordListFont.Bold);
  file.YesNo("Italic", s.WordListFont.Italic);
}

// Keys the game added later, in sections older copies never read. A key is written only
// once it differs from its default or the file holds it, so that a file of defaults keeps
// the bytes it always had.
constexpr char kMissedWordsSection[] = "Missed Words";
constexpr char kCommonWordsOnlyKey[] = "Common Words Only";

constexpr char kLanguageSection[] = "Language";
constexpr char kLanguageKey[] = "Language";

void LoadAddedKeys(const ProfileFile& profile, GameSettings& s) {
  SettingsReader reader(profile);
  reader.Section(kMissedWordsSection);
  reader.YesNo(kCommonWordsOnlyKey, s.CommonWordsOnly);
  reader.Section(kLanguageSection);
  reader.Text(kLanguageKey, s.LanguageCode, kShortBuffer);
  // A code no row has (a newer copy's language, a slip of the hand) plays English.
  if (FindLanguage(s.LanguageCode) == nullptr) s.LanguageCode = GameSettings{}.LanguageCode;
}

// Writes the key when it differs from its default or the file holds it already.
void WriteAddedKey(ProfileFile& profile, const char* section, const char* key,
                   const std::string& value, const std::string& defaultValue) {
  // No value read from a line holds a line feed, so this default means "not there".
  const bool held = profile.GetString(section, key, "\n", kShortBuffer) != "\n";
  if (held || value != defaultValue) profile.WriteString(section, key, value);
}

void SaveAddedKeys(ProfileFile& profile, const GameSettings& s) {
  const GameSettings defaults;
  WriteAddedKey(profile, kMissedWordsSection, kCommonWordsOnlyKey, YesNoText(s.CommonWordsOnly),
                YesNoText(defaults.CommonWordsOnly));
  WriteAddedKey(profile, kLanguageSection, kLanguageKey, s.LanguageCode, defaults.LanguageCode);
}

// The board holds at most 5 x 5 cells, and the game clock cannot run a negative time
// (nor one beyond its 32-bit second count).
void ReplaceUnplayableValues(GameSettings& s) {
  if (s.Height != 4 && s.Height != 5) s.Height = 4;
  if (s.Width != 4 && s.Width != 5) s.Width = 4;
  const int64_t gameSeconds = int64_t{s.Minutes} * 60 + s.Seconds;
  if (gameSeconds < 0 || gameSeconds > INT32_MAX) {
    s.Minutes = 3;
    s.Seconds = 0;
  }
}

}  // namespace

std::string YesNoText(bool flag) { return flag ? "Yes" : "No"; }

void LoadSettings(GameSettings& settings, const std::string& iniPath) {
  ProfileFile profile(iniPath);
  profile.Load();
  SettingsReader reader(profile);
  VisitKeys(reader, settings);
  LoadAddedKeys(profile, settings);
  settings.WordListFont.Underline = false;
  settings.WordListFont.Strikeout = false;
  ReplaceUnplayableValues(settings);
}

bool SaveSettings(GameSettings& settings, const std::string& iniPath) {
  ProfileFile profile(iniPath);
  profile.Load();
  SettingsWriter writer(profile);
  VisitKeys(writer, settings);
  SaveAddedKeys(profile, settings);
  return profile.Save();
}
