// Every #include of the program's folders points to its own layer or one below it, and
// no Qt header is included below platform/. The folders are the layers, so a wrong
// include is a file in the wrong place or a dependency the design does not allow.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Layer {
  int Level;
  const char* Folder;
};

// The longest matching folder decides: words/engine/ sits below the other words/ rules.
const std::vector<Layer> kLayers = {
    {0, "base/"},         {1, "words/engine/"}, {2, "game/"},     {2, "words/"},   {2, "settings/"},
    {2, "presentation/"}, {2, "history/"},      {3, "platform/"}, {4, "windows/"}, {5, "app/"},
};
constexpr int kPlatformLevel = 3;

// The board search shows the rest of the game one header; its other files are its own.
const std::string kBoardSearch = "words/board_search/";
const std::string kBoardSearchPublic = "words/board_search/board_search.h";

int LevelOf(const std::string& path) {
  int level = -1;
  size_t longest = 0;
  for (const Layer& layer : kLayers) {
    const std::string folder = layer.Folder;
    if (path.starts_with(folder) && folder.size() > longest) {
      longest = folder.size();
      level = layer.Level;
    }
  }
  return level;
}

// One finding per include that breaks a rule, as "file:line: reason".
std::vector<std::string> LayerFaults(const fs::path& root) {
  static const std::regex kInclude(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
  std::vector<std::string> faults;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const std::string file = fs::relative(entry.path(), root).generic_string();
    const int level = LevelOf(file);
    if (level < 0 || !entry.is_regular_file()) continue;
    if (entry.path().extension() != ".h" && entry.path().extension() != ".cpp") continue;
    std::ifstream in(entry.path());
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
      std::smatch match;
      if (!std::regex_search(line, match, kInclude)) continue;
      const std::string target = match[2];
      const std::string where = file + ":" + std::to_string(number) + ": ";
      if (match[1] == "<") {
        if (level < kPlatformLevel && target.starts_with("Q"))
          faults.push_back(where + "Qt header <" + target + "> below platform/");
        continue;
      }
      if (LevelOf(target) > level) faults.push_back(where + "\"" + target + "\" is a layer above");
      if (target.starts_with(kBoardSearch) && target != kBoardSearchPublic &&
          !file.starts_with(kBoardSearch))
        faults.push_back(where + "\"" + target + "\" is inside the board search");
    }
  }
  return faults;
}

// A game is judged once, by the score sheet, and its board searched once: the history
// takes the verdicts and the words it is given. One finding per call of a judge there.
std::vector<std::string> SecondJudgings(const fs::path& root) {
  static const std::regex kJudge(R"(\b(InPuzzle|InSpeller|FindWords|ScoreGuesses)\s*\()");
  std::vector<std::string> faults;
  for (const char* folder : {"history", "windows/history"}) {
    for (const auto& entry : fs::recursive_directory_iterator(root / folder)) {
      if (!entry.is_regular_file()) continue;
      std::ifstream in(entry.path());
      std::string line;
      for (int number = 1; std::getline(in, line); ++number) {
        std::smatch match;
        if (std::regex_search(line, match, kJudge))
          faults.push_back(fs::relative(entry.path(), root).generic_string() + ":" +
                           std::to_string(number) + ": " + match[1].str());
      }
    }
  }
  return faults;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

TEST(Layers, NoIncludeRunsUpwardAndNoQtBelowPlatform) {
  const std::vector<std::string> faults = LayerFaults(TOLVANE_SOURCE_DIR);
  EXPECT_TRUE(faults.empty()) << Joined(faults);
}

TEST(Layers, TheHistoryNeverJudgesAGameAgain) {
  const std::vector<std::string> faults = SecondJudgings(TOLVANE_SOURCE_DIR);
  EXPECT_TRUE(faults.empty()) << Joined(faults);
}

// The check itself, on a scratch tree with one fault of each kind.
TEST(Layers, EachKindOfFaultIsNamedWithItsFileAndLine) {
  const fs::path root = fs::temp_directory_path() / "tolvane_layers_test";
  fs::remove_all(root);
  const auto write = [&](const std::string& file, const std::string& text) {
    fs::create_directories((root / file).parent_path());
    std::ofstream(root / file) << text;
  };
  write("game/ok.cpp", "#include \"base/paths.h\"\n#include <vector>\n");
  write("words/engine/up.cpp", "#include <string>\n#include \"words/scoring.h\"\n");
  write("settings/qt.h", "#include <QString>\n");
  write("windows/deep.cpp", "#include \"words/board_search/cell_set.h\"\n");
  write("app/fine.cpp", "#include \"windows/play/gauge.h\"\n#include <QWidget>\n");
  const std::vector<std::string> faults = LayerFaults(root);
  fs::remove_all(root);
  EXPECT_EQ(faults.size(), 3u) << Joined(faults);
  const std::string text = Joined(faults);
  EXPECT_NE(text.find("words/engine/up.cpp:2:"), std::string::npos) << text;
  EXPECT_NE(text.find("settings/qt.h:1:"), std::string::npos) << text;
  EXPECT_NE(text.find("windows/deep.cpp:1:"), std::string::npos) << text;
}

}  // namespace
