#pragma once

// Start-up: everything the process sets up once, in one place and in the order
// it happens. The platform's differences live here too.

#include "app/commandline.h"
#include "window/colours.h"

#include <QApplication>

#include <memory>

class QWidget;

namespace app {

// Shows what the command line asked for (help, the version or a refusal) and
// returns the exit status. On a terminal it is printed; a Windows program
// without a console (started from Explorer or a shortcut) shows it in a
// message box, as Qt's own command-line parser decides.
int report(const CommandLine &commandLine, int &argc, char **argv);

// Builds the application, which takes Qt's own options from the arguments.
// Qt's messages until then are held back and passed on afterwards. When Qt
// cannot start (no display, no platform plugin) the process ends with status
// 1 after one line in Chinese and English on stderr, followed by Qt's own
// words on the cause.
std::unique_ptr<QApplication> startApplication(int &argc, char **argv);

// The process-wide set-up, once the application is built: the app's name and
// id, the Chinese faces behind the layout's font names, the default font,
// Qt's own texts in Chinese, and the colours (setUpColours with the system's
// high-contrast setting). Returns the colours the window is to show.
window::ColourScheme setUpApplication();

// Chooses the colours from the desktop's palette and its high-contrast
// setting; on a dark desktop the whole application takes the light palette,
// message boxes and menus included.
window::ColourScheme setUpColours(bool highContrast);

// Shows the main window; its icon is set once the first picture is painted.
void showMainWindow(QWidget &window);

// Called with the event loop's exit status once the window is closed.
// Nothing is left to save, so the process must end now. On Wayland Qt's
// teardown can wait forever (the display's destructor joins Qt's Wayland
// event thread while that thread waits in wl_display_read_events), which
// would leave a process without a window: there the process ends here, its
// output flushed. Elsewhere the status is returned and the teardown runs (on
// X11 it hands a copied text to the desktop's clipboard manager).
int leave(int status);

} // namespace app
