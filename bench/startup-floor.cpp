// The toolkit's floors for the start-up benchmark: an empty window of the same
// size and title, and (built with MORVELIN_TEXT_FLOOR) the same window with four
// labels of Chinese text in the four faces the layout uses, Song and Hei,
// regular and bold, so that Qt's font database and the CJK faces load as in
// the app.

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Morvelin"));
    window.resize(369, 340);
#ifdef MORVELIN_TEXT_FLOOR
    const struct {
        const char *family;
        int weight;
    } faces[] = {{"Noto Serif CJK SC", QFont::Normal},
                 {"Noto Serif CJK SC", QFont::Bold},
                 {"Noto Sans CJK SC", QFont::Normal},
                 {"Noto Sans CJK SC", QFont::Bold}};
    int top = 20;
    for (const auto &face : faces) {
        auto *label = new QLabel(QStringLiteral("请输入3码奖号"), &window);
        QFont font(QString::fromLatin1(face.family));
        font.setPixelSize(20);
        font.setWeight(static_cast<QFont::Weight>(face.weight));
        label->setFont(font);
        label->move(20, top);
        top += 40;
    }
#endif
    window.show();
    return QApplication::exec();
}
