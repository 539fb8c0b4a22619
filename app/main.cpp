#include "window/mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(MORVELIN_APP_ID));
    window::MainWindow window;
    window.show();
    return QApplication::exec();
}
