// What the editor does before Qt starts: the options that need no window, and the
// choice of a display, so that a start over ssh gets a clear line instead of an abort.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace velto {

// "--help" and "--version" print and end with status 0 before any window system is
// touched; other command lines give nothing back and the start goes on.
std::optional<int> AnswerWithoutWindow(const std::vector<std::string>& args);

// Makes sure Qt will find a display: with none in the environment, printing (-p, -pt)
// runs on the offscreen platform and any other start prints one line and gives back
// status 1. A start that names its platform (-platform, QT_QPA_PLATFORM) is left alone.
std::optional<int> ChooseDisplay(const std::vector<std::string>& args);

// While Qt opens the display, a failure to connect ends the program with one clear line
// and status 1 instead of Qt's abort.
void GuardDisplayConnection();
void EndDisplayGuard();

} // namespace velto
