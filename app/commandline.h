#pragma once

// The command line, read before the window starts, and a guard that turns a
// failure to reach any display into one line and an exit status.

#include <QtGlobal>

#include <optional>

namespace app {

// --help and --version print and end the program with status 0; an unknown
// option or an argument ends it with one line on stderr and status 2. Qt's
// own options (-platform, -style, ...) are left for QApplication. Returns the
// exit status when the program is to end now.
std::optional<int> handleCommandLine(int argc, char *argv[]);

// While it lives, a fatal error of the toolkit (no display, no platform
// plugin) ends the program with one line in Chinese and English on stderr and
// status 1, instead of Qt's abort; the toolkit's messages until then are
// held back and passed on when the guard ends.
class StartGuard {
public:
    StartGuard();
    ~StartGuard();
    StartGuard(const StartGuard &) = delete;
    StartGuard &operator=(const StartGuard &) = delete;
};

} // namespace app
