#pragma once

#include <QString>

class Platform;
class QWidget;

// The main window's play as the keyboard and a screen reader meet it: the names of the
// playing controls, the order Tab takes through them, and the news of the game, spoken
// as it happens. Each is a row or a line here, so a new announcement leaves the main
// window as it is.
class PlayAccess {
 public:
  PlayAccess(Platform& platform, QWidget& window);

  // Names the playing controls, links them for Tab and listens to the word box, the
  // board and the guess list, once they are all made.
  void Wire();

  void GameStarted(int gameSeconds);
  void TenSecondsLeft();
  // The game is over: "Time is up." or the reason its mode ended it.
  void GameOver(const QString& why);
  // A guess was judged as it was entered: "CAT, 1 point", with any time it added.
  void GuessJudged(const QString& news);

 private:
  // Said once the current key or click is handled, so that a change of focus it made
  // (which a screen reader says at once) does not cut it short.
  void Say(const QString& text);
  void SayNow(const QString& text);
  // The guess last entered, with its verdict when it was judged as it was entered: said
  // once, in place of "entered".
  void SayGuessNews();

  Platform& platform_;
  QWidget& window_;
  QString guessNews_;
};
