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
    QString text;
    // The same text as rich text where its columns must line up in a
    // proportional font (the help); empty where the plain text serves.
    QString richText;
};

// Qt's own options (-platform, -style, ...) are accepted and left in argv for
// QApplication.
CommandLine parseCommandLine(int argc, char *argv[]);

} // namespace app
