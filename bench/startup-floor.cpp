// The toolkit's floor for the start-up benchmark: an empty window of the same
// size and title, nothing else.

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Morvelin"));
    window.resize(369, 340);
    window.show();
    return QApplication::exec();
}
