#pragma once

#include <QLineEdit>
#include <functional>
#include <string>

class TBoardView;
struct Language;

// The "Word" box: the player types a word or picks it letter by letter from the board,
// and Enter enters it. The menu's Ctrl shortcuts reach the menu from here, not the box's
// own cut, copy and select-all.
class TWordEntry : public QLineEdit {
  Q_OBJECT
 public:
  TWordEntry(QWidget* parent, TBoardView& board);

  // Enter was pressed in the box; true when the word was taken and the key is used up.
  std::function<bool()> onEnter;
  // The language typed in; English when not set. In a language whose words are folded
  // to its tiles, a character that cannot become a tile is refused as it is typed.
  std::function<const Language&()> typedLanguage;

  // The text as a guess, at most 255 characters: in a language that folds, every letter
  // written with its tiles ("élève" and "eleve" are both ELEVE, "cœur" is COEUR).
  std::string Word() const;

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void AppendLetter(char letter);
  void TakeBackLetter();
  bool IsMenuShortcut(const QKeyEvent& key) const;
  const Language& TypedLanguage() const;
  bool Refuses(const QString& typed) const;

  TBoardView& board_;
};
