#pragma once

class Platform;
class QWidget;

// The main window's play as the keyboard and a screen reader meet it: the names of the
// playing controls, the order Tab takes through them, and the news of the game, spoken
// as it happens. Each is a row or a line here, so a new announcement leaves the main
// window as it is.
class PlayAccess {
 public:
  PlayAccess(Platform& platform, QWidget& window);

  // Names the playing controls and links them for Tab, once they are all made.
  void Wire();

  void TenSecondsLeft();
  void TimeUp();

 private:
  void Say(const char* text);

  Platform& platform_;
  QWidget& window_;
};
