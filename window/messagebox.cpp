#include "window/messagebox.h"

#include "window/layout.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QMessageBox>

namespace window {

void showMessageBox(QWidget *parent, const QString &text, bool fixedPitch)
{
    QMessageBox box(parent);
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    box.setWindowTitle(QString::fromUtf8(WindowTitle));
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    if (fixedPitch && label != nullptr) {
        // The system's fixed-pitch face, else Noto's (Wine has no Courier
        // New), with the Hei face for Chinese characters it lacks.
        QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setFamilies(
            {font.family(), QStringLiteral("Noto Sans Mono CJK SC"), QString::fromUtf8(HeiTi)});
        label->setFont(font);
    }
    box.setIcon(QMessageBox::NoIcon);
    // Our own button, so it reads the same on every desktop.
    box.setDefaultButton(box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole));
    // The box sizes itself to fit its text and its row of buttons; that row
    // is given a least width, so that a short text still gets a box wide
    // enough for its caption.
    if (auto *buttons = box.findChild<QDialogButtonBox *>())
        buttons->setMinimumWidth(pixels(MessageBoxMinimumWidth));
    box.exec();
}

} // namespace window
