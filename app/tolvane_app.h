#pragma once

#include <functional>
#include <memory>

class Platform;
class TMainWin;

// The program: brings up Qt, shows the main window and runs until it closes.
// `onShown`, when given, runs once the main window is on screen (start-up measurement).
int RunTolvane(int argc, char** argv, std::function<void(TMainWin&)> onShown = {});
