#include "app/commandline.h"
#include "app/startup.h"
#include "window/mainwindow.h"

int main(int argc, char *argv[])
{
    const app::CommandLine commandLine = app::parseCommandLine(argc, argv);
    if (!commandLine.startWindow)
        return app::report(commandLine, argc, argv);
    const std::unique_ptr<QApplication> application = app::startApplication(argc, argv);
    window::MainWindow window(app::setUpApplication());
    app::showMainWindow(window);
    return app::leave(QApplication::exec());
}
