#include "app/commandline.h"
#include "window/mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const std::optional<int> status = app::handleCommandLine(argc, argv))
        return *status;
    std::optional<app::StartGuard> guard(std::in_place);
    QApplication app(argc, argv);
    guard.reset();
    QGuiApplication::setDesktopFileName(QStringLiteral(MORVELIN_APP_ID));
    window::MainWindow window;
    window.show();
    return QApplication::exec();
}
