#pragma once

#include <functional>
#include <memory>

class Platform;
class TMainWin;

// Makes the windows that live for the whole run, in start-up order: the main window
// (which loads the settings), then the letter appearance window, then the score window.
std::unique_ptr<TMainWin> CreateMainWindows(Platform& platform);

// The program: brings up Qt, shows the main window and runs until it closes.
// `onShown`, when given, runs once the main window is on screen (start-up measurement).
int RunTolvane(int argc, char** argv, std::function<void(TMainWin&)> onShown = {});
