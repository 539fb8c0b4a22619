#pragma once

// Start-up: everything the process sets up once, in one place and in the order
// it happens. The platform's differences live here too.

#include "app/commandline.h"

#include <QApplication>

#include <memory>

class QWidget;

namespace app {

// Shows what the command line asked for (help, the version or a refusal) and
// returns the exit status. On a terminal it is printed; a Windows program
// without a console (started from Explorer or a shortcut) shows it in a
// message box, as Qt's own command-line parser decides.
int report(const CommandLine &commandLine, int &argc, char **argv);

// Builds the application, which takes Qt's own options from the arguments,
// then sets up the process (setUpApplication). Qt's messages until then are
// held back and passed on afterwards. When Qt cannot start (no display, no
// platform plugin) the process ends with status 1 after one line in Chinese
// and English on stderr, followed by Qt's own words on the cause.
std::unique_ptr<QApplication> startApplication(int &argc, char **argv);

// The process-wide set-up: the app's name and id, the Chinese faces behind
// the layout's font names, the default font, and Qt's own texts in Chinese.
void setUpApplication();

// Shows the main window; its icon is set once the first picture is painted.
void showMainWindow(QWidget &window);

} // namespace app
