#pragma once

// The command line, read before anything else starts: what the user asks for.

#include <QString>

namespace app {

struct CommandLine {
    // Start the window; otherwise show text and end with status: 0 after
    // --help or --version, 2 for an unknown option, a missing value or an
    // argument.
    bool startWindow = true;
    int status = 0;
    // As a terminal shows it: lines, their columns lined up in a fixed-pitch
    // font.
    QString text;
};

// Qt's own options (-platform, -style, ...) are accepted and left in argv for
// QApplication.
CommandLine parseCommandLine(int argc, char *argv[]);

} // namespace app
