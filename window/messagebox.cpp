#include "window/messagebox.h"

#include "window/layout.h"

#include <QDialogButtonBox>
#include <QMessageBox>

namespace window {

void showMessageBox(QWidget *parent, const QString &text, Qt::TextFormat format)
{
    QMessageBox box(parent);
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    box.setWindowTitle(QString::fromUtf8(WindowTitle));
    box.setTextFormat(format);
    box.setText(text);
    box.setIcon(QMessageBox::NoIcon);
    // Our own button, so it reads the same on every desktop.
    box.setDefaultButton(box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole));
    // The box sizes itself to fit its text and its row of buttons; that row
    // is given a least width, so that a short text still gets a box wide
    // enough for its caption.
    if (auto *buttons = box.findChild<QDialogButtonBox *>())
        buttons->setMinimumWidth(pixels(MessageBoxMinimumWidth));
    if (parent != nullptr)
        box.setPalette(parent->palette());
    box.exec();
}

} // namespace window
