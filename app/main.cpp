#include "window/mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    window::MainWindow window;
    window.show();
    return QApplication::exec();
}
