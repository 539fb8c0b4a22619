// The built window, driven through its widgets as a person would.

#include "app/startup.h"
#include "window/mainwindow.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QFontInfo>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextCursor>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

using window::ControlId;
using window::ControlTable;

namespace {

QString boxText(QWidget *box)
{
    if (auto *lines = qobject_cast<QPlainTextEdit *>(box))
        return lines->toPlainText();
    return static_cast<QLineEdit *>(box)->text();
}

// The contrast of two colours (WCAG 2): 1 for the same, 21 for black on white.
double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &colour) {
        const auto linear = [](double c) {
            return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
               0.0722 * linear(colour.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct SeenMessage {
    QString title, text, family; // family: the face the text is drawn in
    QPalette palette;
    QStringList buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool modal = false;
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { app::setUpApplication(); }
    void init();
    void cleanup();

    void opensEmptyWithTheFocusInText1();
    void isAPlainResizableTopLevelWindow();
    void looksLikeTheReferencePicture_data();
    void looksLikeTheReferencePicture();
    void chineseCaptionsHaveGlyphs();
    void layoutStaysFixedOnResize();
    void boxesAreDrawnOverTheirLabels();
    void tabVisitsTheControlsInOrderAndCycles();
    void typingTheDrawMovesTheFocusToCalculate();
    void retypingADrawReplacesItsDigits();
    void coloursFollowTheDesktopAndItsContrastSetting_data();
    void coloursFollowTheDesktopAndItsContrastSetting();
    void clickIntoADrawBoxSelectsItsText_data();
    void clickIntoADrawBoxSelectsItsText();
    void pastedOrComposedTextFillsTheDrawBoxes_data();
    void pastedOrComposedTextFillsTheDrawBoxes();
    void enterOrSpaceOnAFocusedButtonPressesIt_data();
    void enterOrSpaceOnAFocusedButtonPressesIt();
    void enterInATextBoxPressesNothing();
    void keyboardOnlyRunPutsTheCombinedTextOnTheClipboard();
    void text6ShowsBothLinesInsideTheBox();
    void missingInputShowsTheMessageAndReturnsToText1();
    void conversionErrorIsReportedAndTheWindowCarriesOn_data();
    void conversionErrorIsReportedAndTheWindowCarriesOn();
    void clearEmptiesEveryBoxAndEndsInText1();
    void textBoxesHaveNoLengthLimit();
    void singleLineBoxesKeepTheFirstLine_data();
    void singleLineBoxesKeepTheFirstLine();
    void contextMenusAreInChinese();
    void everyControlHasAChineseAccessibleName_data();
    void everyControlHasAChineseAccessibleName();
    void textFitsInsideItsControls();
    void highDensityScalingTakesEffect();
    void hugePastedDrawEndsInOneOfTheFourOutcomes_data();
    void hugePastedDrawEndsInOneOfTheFourOutcomes();

  private: // NOLINT(readability-redundant-access-specifiers): moc reads "private slots" apart
    QWidget *control(ControlId id) const { return m_window->control(id); }
    QWidget *focused() const { return QApplication::focusWidget(); }
    void type(const QString &keys);
    void press(Qt::Key key) { QTest::keyClick(focused(), key); }
    // The window manager's part once a message box has gone: the window is
    // active again and its focus widget takes the keyboard.
    void reactivate()
    {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    // Runs action, answering the message box it opens; returns what it showed.
    SeenMessage answerMessage(const std::function<void()> &action);
    // Brings text into the line edit: "paste" (Ctrl+V), "shiftInsert",
    // "menu" (the context menu's 粘贴), "drop", "inputMethod", "composition"
    // (an input method's, over the selected text), "compositionAtTheCursor" or
    // "set" (code).
    void deliver(QLineEdit *line, const QString &how, const QString &text);

    std::unique_ptr<window::MainWindow> m_window;
};

void MainWindowTest::init()
{
    // A steady text cursor, so pictures do not depend on when they are taken.
    QApplication::setCursorFlashTime(0);
    m_window = std::make_unique<window::MainWindow>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void MainWindowTest::cleanup()
{
    m_window.reset();
}

void MainWindowTest::type(const QString &keys)
{
    // Each key goes to whichever control has the focus by then.
    for (const QChar key : keys) {
        if (key.unicode() < 0x80) {
            QTest::keyClicks(focused(), QString(key));
        } else { // typed through an input method: text without a key code
            QTest::sendKeyEvent(QTest::Press, focused(), Qt::Key_unknown, QString(key), {});
            QTest::sendKeyEvent(QTest::Release, focused(), Qt::Key_unknown, QString(key), {});
        }
    }
}

SeenMessage MainWindowTest::answerMessage(const std::function<void()> &action)
{
    SeenMessage seen;
    bool answered = false;
    QTimer poll;
    poll.setInterval(10);
    connect(&poll, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box == nullptr || answered)
            return;
        answered = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.palette = box->palette();
        seen.family = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))->font().family();
        seen.icon = box->icon();
        seen.modal = box->isModal();
        for (QAbstractButton *button : box->buttons())
            seen.buttons << button->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    poll.start();
    action();
    poll.stop();
    if (!answered)
        qWarning("no message box was shown");
    return seen;
}

void MainWindowTest::opensEmptyWithTheFocusInText1()
{
    QCOMPARE(focused(), control(ControlId::FirstDigit));
    for (const auto &spec : ControlTable)
        if (spec.kind == window::ControlKind::TextBox ||
            spec.kind == window::ControlKind::MultiLineTextBox)
            QVERIFY2(boxText(control(spec.id)).isEmpty(), spec.name);
}

void MainWindowTest::isAPlainResizableTopLevelWindow()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Morvelin"));
    QCOMPARE(m_window->objectName(), QStringLiteral("Form1"));
    // The app id: Wayland's, and the taskbar's link to the menu entry.
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.morvelin.morvelin"));
    QCOMPARE(m_window->size(), QSize(369, 340));
    QVERIFY(m_window->isWindow());
    QVERIFY(qobject_cast<QDialog *>(m_window.get()) == nullptr);
    QVERIFY(m_window->minimumSize() != m_window->maximumSize());
    QVERIFY(m_window->windowFlags().testFlag(Qt::Window));
    const auto buttons = m_window->findChildren<QPushButton *>();
    QCOMPARE(buttons.size(), 3);
    for (QPushButton *button : buttons) {
        QVERIFY(button->autoDefault());
        QVERIFY(!button->isDefault());
    }
}

void MainWindowTest::looksLikeTheReferencePicture_data()
{
    QTest::addColumn<QString>("draw"); // typed, then Enter
    QTest::newRow("empty") << QString();
    QTest::newRow("draw123") << QStringLiteral("123");
}

// The whole window at 96 dpi against a picture checked by eye: positions,
// sizes, captions, faces, weights and colours. A pixel counts as changed only
// when it differs by more than anti-aliasing of the same text can.
void MainWindowTest::looksLikeTheReferencePicture()
{
    QFETCH(QString, draw);
    if (m_window->devicePixelRatio() != 1.0)
        QSKIP("the reference pictures are at 96 dpi");
    if (!draw.isEmpty()) {
        type(draw);
        press(Qt::Key_Return);
    }
    const QImage actual = m_window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString name = QStringLiteral("window-%1.png").arg(QTest::currentDataTag());
    const QString referencePath = QStringLiteral(MORVELIN_REFERENCE_DIR "/") + name;
    if (qEnvironmentVariableIsSet("MORVELIN_UPDATE_REFERENCES"))
        QVERIFY(actual.save(referencePath));
    const QImage reference = QImage(referencePath).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(actual.size(), reference.size());

    constexpr int channelTolerance = 16;
    constexpr int allowedChangedPixels = 6;
    QImage difference = reference;
    int changed = 0;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb a = actual.pixel(x, y);
            const QRgb r = reference.pixel(x, y);
            const int delta =
                std::max({std::abs(qRed(a) - qRed(r)), std::abs(qGreen(a) - qGreen(r)),
                          std::abs(qBlue(a) - qBlue(r))});
            const int grey = qGray(r) / 2 + 128; // the reference, faded
            difference.setPixel(
                x, y, delta > channelTolerance ? qRgb(255, 0, 0) : qRgb(grey, grey, grey));
            changed += delta > channelTolerance ? 1 : 0;
        }
    }
    if (changed > allowedChangedPixels) {
        const QString actualPath = QStringLiteral(MORVELIN_OUTPUT_DIR "/actual-") + name;
        const QString differencePath = QStringLiteral(MORVELIN_OUTPUT_DIR "/difference-") + name;
        actual.save(actualPath);
        difference.save(differencePath);
        QFAIL(qPrintable(QStringLiteral("%1 pixels differ from %2; see %3 and %4")
                             .arg(changed)
                             .arg(referencePath, actualPath, differencePath)));
    }
}

void MainWindowTest::chineseCaptionsHaveGlyphs()
{
    for (const auto &spec : ControlTable) {
        const QString caption = QString::fromUtf8(spec.caption);
        const QFontMetrics metrics(control(spec.id)->font());
        for (const QChar ch : caption)
            QVERIFY2(metrics.inFont(ch), qPrintable(QString(ch) + " in " + spec.name));
        if (spec.font.family != nullptr) {
            // The stand-in, or the real face when installed; never a face
            // with Japanese or Traditional glyph forms.
            const QString family = QFontInfo(control(spec.id)->font()).family();
            QVERIFY2(family.contains(QLatin1String(" SC")) ||
                         family == QString::fromUtf8(spec.font.family),
                     qPrintable(family));
        }
    }
}

void MainWindowTest::layoutStaysFixedOnResize()
{
    std::vector<QRect> before;
    std::transform(ControlTable.begin(), ControlTable.end(), std::back_inserter(before),
                   [this](const auto &spec) { return control(spec.id)->geometry(); });
    for (const QSize size : {QSize(900, 700), QSize(120, 90), QSize(369, 340)}) {
        m_window->resize(size);
        QApplication::processEvents();
        for (std::size_t i = 0; i < ControlTable.size(); ++i)
            QCOMPARE(control(ControlTable[i].id)->geometry(), before[i]);
    }
}

void MainWindowTest::boxesAreDrawnOverTheirLabels()
{
    // Each label's last pixel column is its box's first one.
    const std::pair<ControlId, ControlId> pairs[] = {
        {ControlId::FirstSetLabel, ControlId::FirstSet},
        {ControlId::SecondSetLabel, ControlId::SecondSet},
        {ControlId::SharedDigitsLabel, ControlId::SharedDigits}};
    for (const auto &[label, box] : pairs) {
        const QRect shared = control(label)->geometry() & control(box)->geometry();
        QCOMPARE(shared.width(), 1);
        QCOMPARE(m_window->childAt(shared.center()), control(box));
    }
}

void MainWindowTest::tabVisitsTheControlsInOrderAndCycles()
{
    const ControlId expected[] = {
        ControlId::FirstSet,     ControlId::SecondDigit, ControlId::Calculate,   ControlId::Clear,
        ControlId::ThirdDigit,   ControlId::SecondSet,   ControlId::TwoLineText, ControlId::Copy,
        ControlId::SharedDigits, ControlId::FirstDigit};
    for (const ControlId id : expected) {
        press(Qt::Key_Tab);
        QCOMPARE(focused()->objectName(), QString::fromLatin1(window::specOf(id).name));
    }
}

void MainWindowTest::typingTheDrawMovesTheFocusToCalculate()
{
    type(QStringLiteral("1"));
    QCOMPARE(focused(), control(ControlId::SecondDigit));
    type(QStringLiteral("2"));
    QCOMPARE(focused(), control(ControlId::ThirdDigit));
    type(QStringLiteral("3"));
    QCOMPARE(focused(), control(ControlId::Calculate));
}

// Where the handlers move the focus into a draw box, its old digit is
// selected: the next key replaces it.
void MainWindowTest::retypingADrawReplacesItsDigits()
{
    const auto draw = [this] {
        return QStringList{boxText(control(ControlId::FirstDigit)),
                           boxText(control(ControlId::SecondDigit)),
                           boxText(control(ControlId::ThirdDigit))};
    };
    // The next draw: from Copy, Tab Tab reaches Text1.
    type(QStringLiteral("123"));
    press(Qt::Key_Return);
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    type(QStringLiteral("456"));
    QCOMPARE(draw(), (QStringList{"4", "5", "6"}));
    // The missing-input message returns the focus to Text1, which holds a digit.
    control(ControlId::Clear)->setFocus();
    press(Qt::Key_Return);
    type(QStringLiteral("1"));
    press(Qt::Key_Tab); // Text2 to Calculate
    answerMessage([this] { press(Qt::Key_Return); });
    reactivate();
    type(QStringLiteral("789"));
    QCOMPARE(draw(), (QStringList{"7", "8", "9"}));
}

void MainWindowTest::coloursFollowTheDesktopAndItsContrastSetting_data()
{
    QTest::addColumn<bool>("highContrast");
    QTest::addColumn<bool>("darkDesktop");
    QTest::newRow("lightDesktop") << false << false;
    QTest::newRow("darkDesktop") << false << true;
    QTest::newRow("highContrastLight") << true << false;
    QTest::newRow("highContrastDark") << true << true;
}

// The caption colours need a light ground: a dark desktop gets the light
// palette, for the whole application; a high-contrast theme keeps its own
// colours everywhere.
void MainWindowTest::coloursFollowTheDesktopAndItsContrastSetting()
{
    QFETCH(bool, highContrast);
    QFETCH(bool, darkDesktop);
    const QPalette before = QApplication::palette();
    QPalette desktop = before; // dark as a dark KDE or GTK theme gives it to Qt
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        desktop.setColor(role, darkDesktop ? QColor(0x2a, 0x2e, 0x32) : before.color(role));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        desktop.setColor(role, darkDesktop ? QColor(0xfc, 0xfc, 0xfc) : before.color(role));
    QApplication::setPalette(desktop);
    m_window = std::make_unique<window::MainWindow>(app::setUpColours(highContrast));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    const QPalette applied = QApplication::palette();
    QCOMPARE(applied == desktop, highContrast || !darkDesktop);
    for (const auto &spec : ControlTable) {
        if (!spec.colour)
            continue;
        // The text's ground: a scroll area's viewport, or the control itself.
        const auto *area = qobject_cast<QPlainTextEdit *>(control(spec.id));
        const QWidget *ground = area != nullptr ? area->viewport() : control(spec.id);
        const QColor text = control(spec.id)->palette().color(control(spec.id)->foregroundRole());
        const QColor designed(spec.colour->red, spec.colour->green, spec.colour->blue);
        QCOMPARE(text, highContrast ? applied.color(control(spec.id)->foregroundRole()) : designed);
        const double ratio = contrast(text, ground->palette().color(ground->backgroundRole()));
        QVERIFY2(highContrast || ratio >= 3.0,
                 qPrintable(QStringLiteral("%1: %2:1").arg(QLatin1String(spec.name)).arg(ratio)));
    }
    QApplication::setPalette(before);
}

void MainWindowTest::clickIntoADrawBoxSelectsItsText_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("drag");  // from the box's left edge to its middle
    QTest::addColumn<bool>("again"); // a second click, at the left edge
    QTest::addColumn<int>("reason"); // how the focus came in, before End and the click
    QTest::addColumn<QString>("selected");
    QTest::newRow("click") << int(Qt::LeftButton) << false << false << 0 << "12";
    QTest::newRow("dragMakesItsOwnSelection") << int(Qt::LeftButton) << true << false << 0 << "1";
    QTest::newRow("secondClickPlacesTheCursor") << int(Qt::LeftButton) << false << true << 0 << "";
    QTest::newRow("clickAfterTabPlacesTheCursor")
        << int(Qt::LeftButton) << false << false << int(Qt::TabFocusReason) << "";
    QTest::newRow("clickAfterComingBackAndAKeyPlacesTheCursor")
        << int(Qt::LeftButton) << false << false << int(Qt::ActiveWindowFocusReason) << "";
    QTest::newRow("rightClick") << int(Qt::RightButton) << false << false << 0 << "";
    QTest::newRow("middleClick") << int(Qt::MiddleButton) << false << false << 0 << "";
}

// The focus comes into a box holding an old draw's digits by the mouse.
void MainWindowTest::clickIntoADrawBoxSelectsItsText()
{
    QFETCH(int, button);
    QFETCH(bool, drag);
    QFETCH(bool, again);
    QFETCH(int, reason);
    QFETCH(QString, selected);
    auto *box = static_cast<QLineEdit *>(control(ControlId::FirstDigit));
    box->setText(QStringLiteral("12")); // the focus moves on
    if (reason != 0) {
        box->setFocus(Qt::FocusReason(reason));
        QTest::keyClick(box, Qt::Key_End); // a key before the click
    }
    const QPoint left(3, box->height() / 2);
    const QPoint middle = box->rect().center();
    QTest::mousePress(box, Qt::MouseButton(button), {}, drag ? left : middle);
    QTest::mouseMove(box, middle); // with the button held
    QTest::mouseRelease(box, Qt::MouseButton(button), {}, middle);
    if (again)
        QTest::mouseClick(box, Qt::MouseButton(button), {}, left);
    QCOMPARE(focused(), box);
    QCOMPARE(box->selectedText(), selected);
}

void MainWindowTest::pastedOrComposedTextFillsTheDrawBoxes_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("boxes"); // the three boxes' texts after it
    QTest::addColumn<int>("focus");
    const auto id = [](ControlId control) { return int(control); };
    const int text1 = id(ControlId::FirstDigit);
    const int text2 = id(ControlId::SecondDigit);
    const int calculate = id(ControlId::Calculate);
    // The boxes hold 1 2 3 before; the cursor is at the start of the box.
    // clang-format off
    QTest::newRow("ctrlV") << "paste" << text1 << "456" << "4;5;6" << calculate;
    QTest::newRow("ctrlVSpaced") << "paste" << id(ControlId::ThirdDigit) << "4 5 6" << "4;5;6" << calculate;
    QTest::newRow("shiftInsert") << "shiftInsert" << text2 << "4,5,6\r\n" << "4;5;6" << calculate;
    QTest::newRow("menu") << "menu" << text1 << QStringLiteral("４、５、６") << "4;5;6" << calculate;
    QTest::newRow("drop") << "drop" << text1 << "7-8-9" << "7;8;9" << calculate;
    QTest::newRow("sameDraw") << "paste" << text1 << "1 2 3" << "1;2;3" << calculate;
    QTest::newRow("pinyinOverTheDigit") << "composition" << text1 << QStringLiteral("w|wu|五") << QStringLiteral("五;2;3") << text2;
    QTest::newRow("pinyinCancelled") << "composition" << text2 << "w|wu|" << "1;;3" << id(ControlId::ThirdDigit);
    QTest::newRow("pinyinCancelledAtTheCursor") << "compositionAtTheCursor" << text1 << "w|" << "1;2;3" << text1;
    QTest::newRow("digitWithTheInputMethodOn") << "composition" << text1 << "7" << "7;2;3" << text2;
    QTest::newRow("withItsLabel") << "paste" << text1 << QStringLiteral("开奖号码：5 8 2") << "5;8;2" << calculate;
    QTest::newRow("afterItsPeriod") << "menu" << text2 << QStringLiteral("2024335期 5 8 2") << "5;8;2" << calculate;
    QTest::newRow("fullStops") << "shiftInsert" << text1 << "5.8.2" << "5;8;2" << calculate;
    QTest::newRow("slashes") << "drop" << text1 << "5/8/2" << "5;8;2" << calculate;
    QTest::newRow("brackets") << "paste" << text1 << "[5,8,2]" << "5;8;2" << calculate;
    QTest::newRow("closingPunctuation") << "paste" << text1 << QStringLiteral("5，8，2。") << "5;8;2" << calculate;
    QTest::newRow("drawAndTestDraw") << "paste" << text1 << QStringLiteral("5 8 2 试机号 136") << QStringLiteral("5 8 2 试机号 1361;2;3") << text2;
    QTest::newRow("notADraw") << "paste" << text1 << "4567" << "45671;2;3" << text2;
    QTest::newRow("notADrawByMenu") << "menu" << text1 << "45" << "451;2;3" << text2;
    QTest::newRow("notADrawDropped") << "drop" << text1 << "4,5" << "4,51;2;3" << text2;
    // clang-format on
}

void MainWindowTest::pastedOrComposedTextFillsTheDrawBoxes()
{
    QFETCH(QString, how);
    QFETCH(int, box);
    QFETCH(QString, pasted);
    QFETCH(QString, boxes);
    QFETCH(int, focus);
    type(QStringLiteral("123"));
    auto *line = static_cast<QLineEdit *>(control(static_cast<ControlId>(box)));
    line->setFocus();
    line->setCursorPosition(0);
    deliver(line, how, pasted);
    QCOMPARE((QStringList{boxText(control(ControlId::FirstDigit)),
                          boxText(control(ControlId::SecondDigit)),
                          boxText(control(ControlId::ThirdDigit))}),
             boxes.split(u';'));
    QCOMPARE(focused(), control(static_cast<ControlId>(focus)));
}

void MainWindowTest::enterOrSpaceOnAFocusedButtonPressesIt_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("key");
    const std::pair<const char *, ControlId> buttons[] = {{"Command1", ControlId::Calculate},
                                                          {"Command2", ControlId::Clear},
                                                          {"Command3", ControlId::Copy}};
    const std::pair<const char *, Qt::Key> keys[] = {
        {"Return", Qt::Key_Return}, {"Enter", Qt::Key_Enter}, {"Space", Qt::Key_Space}};
    for (const auto &[buttonName, id] : buttons)
        for (const auto &[keyName, key] : keys)
            QTest::addRow("%s-%s", buttonName, keyName) << int(id) << int(key);
}

void MainWindowTest::enterOrSpaceOnAFocusedButtonPressesIt()
{
    QFETCH(int, button);
    QFETCH(int, key);
    // Fill the draw first so that Calculate opens no message box.
    type(QStringLiteral("123"));
    auto *pushButton = static_cast<QPushButton *>(control(static_cast<ControlId>(button)));
    pushButton->setFocus();
    QSignalSpy clicked(pushButton, &QPushButton::clicked);
    QTest::keyClick(pushButton, static_cast<Qt::Key>(key));
    QCOMPARE(clicked.count(), 1);
}

void MainWindowTest::enterInATextBoxPressesNothing()
{
    const auto buttons = m_window->findChildren<QPushButton *>();
    std::vector<std::unique_ptr<QSignalSpy>> spies(buttons.size());
    std::transform(buttons.begin(), buttons.end(), spies.begin(), [](QPushButton *button) {
        return std::make_unique<QSignalSpy>(button, &QPushButton::clicked);
    });
    for (const ControlId id : {ControlId::FirstSet, ControlId::SecondSet, ControlId::TwoLineText,
                               ControlId::SharedDigits, ControlId::FirstDigit}) {
        control(id)->setFocus();
        QTest::keyClick(control(id), Qt::Key_Return);
        QTest::keyClick(control(id), Qt::Key_Enter);
        QTest::keyClick(control(id), Qt::Key_Escape);
    }
    for (const auto &spy : spies)
        QCOMPARE(spy->count(), 0);
}

void MainWindowTest::keyboardOnlyRunPutsTheCombinedTextOnTheClipboard()
{
    QGuiApplication::clipboard()->setText(QStringLiteral("held before"));
    type(QStringLiteral("123"));
    press(Qt::Key_Return);
    QCOMPARE(boxText(control(ControlId::FirstSet)), QStringLiteral("4590182"));
    QCOMPARE(boxText(control(ControlId::SecondSet)), QStringLiteral("4590736"));
    QCOMPARE(boxText(control(ControlId::SharedDigits)), QStringLiteral("4590"));
    QCOMPARE(focused(), control(ControlId::Copy));
    press(Qt::Key_Return);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("4590182.3\r\n4590736.3"));
    QCOMPARE(focused(), control(ControlId::Copy));
}

void MainWindowTest::text6ShowsBothLinesInsideTheBox()
{
    type(QStringLiteral("123"));
    press(Qt::Key_Return);
    auto *lines = static_cast<QPlainTextEdit *>(control(ControlId::TwoLineText));
    QCOMPARE(lines->document()->blockCount(), 2);
    QVERIFY(lines->tabChangesFocus());
    QCOMPARE(lines->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(lines->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    // Both lines lie inside the box's visible area.
    QTextCursor end(lines->document());
    end.movePosition(QTextCursor::End);
    const QRect lastLine = lines->cursorRect(end);
    const QRect firstLine = lines->cursorRect(QTextCursor(lines->document()));
    QVERIFY(firstLine.bottom() < lastLine.top());
    QVERIFY(firstLine.top() >= 0);
    QVERIFY2(
        lastLine.bottom() < lines->viewport()->height(),
        qPrintable(
            QStringLiteral("%1 >= %2").arg(lastLine.bottom()).arg(lines->viewport()->height())));
}

void MainWindowTest::missingInputShowsTheMessageAndReturnsToText1()
{
    type(QStringLiteral("1"));
    static_cast<QLineEdit *>(control(ControlId::FirstSet))->setText(QStringLiteral("kept"));
    control(ControlId::Calculate)->setFocus();
    const SeenMessage seen = answerMessage([this] { press(Qt::Key_Return); });
    QCOMPARE(seen.text, QStringLiteral("请输入开奖号码"));
    QCOMPARE(seen.title, QStringLiteral("Morvelin"));
    QCOMPARE(seen.buttons, QStringList{QStringLiteral("确定")});
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.family, QApplication::font().family()); // the window's face, not a terminal's
    QVERIFY(seen.modal);
    reactivate();
    QCOMPARE(focused(), control(ControlId::FirstDigit));
    QCOMPARE(boxText(control(ControlId::FirstSet)), QStringLiteral("kept"));
}

void MainWindowTest::conversionErrorIsReportedAndTheWindowCarriesOn_data()
{
    QTest::addColumn<QString>("draw");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("box"); // the box it selects, where the next digit goes
    QTest::newRow("letter") << QStringLiteral("a23") << QStringLiteral("类型不匹配：输入的不是数字")
                            << "Text1";
    QTest::newRow("fullWidthLetter")
        << QStringLiteral("２ｘ３") << QStringLiteral("类型不匹配：输入的不是数字") << "Text2";
    QTest::newRow("letterLast") << QStringLiteral("12b")
                                << QStringLiteral("类型不匹配：输入的不是数字") << "Text3";
    QTest::newRow("overflow") << QStringLiteral("1") + QString(400, QLatin1Char('9')) +
                                     QStringLiteral("3")
                              << QStringLiteral("溢出：数值超出范围") << "Text2";
}

void MainWindowTest::conversionErrorIsReportedAndTheWindowCarriesOn()
{
    QFETCH(QString, draw);
    QFETCH(QString, message);
    QFETCH(QString, box);
    if (draw.size() > 3) { // one long middle box
        static_cast<QLineEdit *>(control(ControlId::FirstDigit))->setText(draw.left(1));
        static_cast<QLineEdit *>(control(ControlId::SecondDigit))
            ->setText(draw.mid(1, draw.size() - 2));
        static_cast<QLineEdit *>(control(ControlId::ThirdDigit))->setText(draw.right(1));
    } else {
        type(draw);
    }
    QCOMPARE(focused(), control(ControlId::Calculate));
    const SeenMessage seen = answerMessage([this] { press(Qt::Key_Return); });
    QCOMPARE(seen.text, message);
    QCOMPARE(seen.title, QStringLiteral("Morvelin"));
    QCOMPARE(seen.buttons, QStringList{QStringLiteral("确定")});
    reactivate();
    auto *unread = m_window->findChild<QLineEdit *>(box);
    QCOMPARE(focused(), unread);
    for (const ControlId id : {ControlId::FirstSet, ControlId::SecondSet, ControlId::TwoLineText,
                               ControlId::SharedDigits})
        QVERIFY(boxText(control(id)).isEmpty());
    type(QStringLiteral("7")); // replaces the text that could not be read
    QCOMPARE(unread->text(), QStringLiteral("7"));

    // The window still works: clear, type a valid draw and calculate.
    control(ControlId::Clear)->setFocus();
    press(Qt::Key_Return);
    type(QStringLiteral("123"));
    press(Qt::Key_Return);
    QCOMPARE(boxText(control(ControlId::FirstSet)), QStringLiteral("4590182"));
}

void MainWindowTest::clearEmptiesEveryBoxAndEndsInText1()
{
    type(QStringLiteral("123"));
    press(Qt::Key_Return);
    control(ControlId::Clear)->setFocus();
    press(Qt::Key_Return);
    for (const ControlId id :
         {ControlId::FirstDigit, ControlId::SecondDigit, ControlId::ThirdDigit, ControlId::FirstSet,
          ControlId::SecondSet, ControlId::TwoLineText, ControlId::SharedDigits})
        QVERIFY(boxText(control(id)).isEmpty());
    QCOMPARE(focused(), control(ControlId::FirstDigit));
}

void MainWindowTest::textBoxesHaveNoLengthLimit()
{
    const QString longText(100000, QLatin1Char('7'));
    auto *box = static_cast<QLineEdit *>(control(ControlId::FirstSet));
    box->setText(longText);
    QCOMPARE(box->text().size(), longText.size());
    // Only a character's marks are held to 30, pasted into either kind of box.
    const auto accented = [](int count) {
        return QLatin1Char('a') + QString(count, QChar(0x0301)) + QStringLiteral("b\u0301");
    };
    QGuiApplication::clipboard()->setText(accented(40) + QLatin1Char('\n') + accented(31));
    auto *lines = static_cast<QPlainTextEdit *>(control(ControlId::TwoLineText));
    lines->setFocus();
    QTest::keyClick(lines, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(lines->toPlainText(), accented(30) + QLatin1Char('\n') + accented(30));
    box->setText(accented(30) + accented(45));
    QCOMPARE(box->text(), accented(30) + accented(30));
    const QString stem = QStringLiteral("\U0001D165"); // a mark of two UTF-16 units
    box->setText(QLatin1Char('a') + stem.repeated(31) + QStringLiteral("\u200D").repeated(31));
    QCOMPARE(box->text(), QLatin1Char('a') + stem.repeated(30));
    // Marks pasted into a run in the second line are held there too.
    QTextCursor secondLine = lines->textCursor();
    secondLine.setPosition(int(accented(30).size()) + 32); // after its "a" and 30 marks
    lines->setTextCursor(secondLine);
    QGuiApplication::clipboard()->setText(QString(5, QChar(0x0301)));
    QTest::keyClick(lines, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(lines->toPlainText(), accented(30) + QLatin1Char('\n') + accented(30));
    // A run at the very start, of zero-width non-joiners, is held the same.
    box->setText(QString(31, QChar(0x200C)));
    QCOMPARE(box->text(), QString(30, QChar(0x200C)));
}

void MainWindowTest::singleLineBoxesKeepTheFirstLine_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("before"); // the box's text, the cursor after its first character
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("cursor"); // where the cursor ends: after what was kept
    const auto id = [](ControlId box) { return int(box); };
    // clang-format off
    QTest::newRow("spreadsheetCell") << id(ControlId::FirstDigit) << "paste" << "" << "7\r\n" << "7" << 1;
    QTest::newRow("lineFeed") << id(ControlId::SecondDigit) << "paste" << "" << "7\n8" << "7" << 1;
    QTest::newRow("carriageReturn") << id(ControlId::ThirdDigit) << "drop" << "" << "7\r8" << "7" << 1;
    QTest::newRow("lineSeparator") << id(ControlId::SharedDigits) << "set" << ""
                                   << QStringLiteral("4590\u20283") << "4590" << 4;
    QTest::newRow("paragraphSeparator") << id(ControlId::FirstSet) << "inputMethod" << ""
                                        << QStringLiteral("5\u20296") << "5" << 1;
    QTest::newRow("breakFirst") << id(ControlId::SecondSet) << "paste" << "" << "\r\n7" << "" << 0;
    QTest::newRow("intoTheMiddle") << id(ControlId::FirstSet) << "paste" << "19" << "2\r\n3" << "129" << 2;
    QTest::newRow("byTheMenu") << id(ControlId::SecondSet) << "menu" << "19" << "2\n3" << "129" << 2;
    QTest::newRow("marksIntoTheMiddle") << id(ControlId::SecondSet) << "paste" << "19"
                                        << QString(35, QChar(0x0301)) + QStringLiteral("2\n")
                                        << QStringLiteral("1") + QString(30, QChar(0x0301)) + QStringLiteral("29") << 32;
    QTest::newRow("marksBeforeARun") << id(ControlId::FirstSet) << "paste" << QStringLiteral("a") + QString(30, QChar(0x0301))
                                     << QString(5, QChar(0x0301)) << QStringLiteral("a") + QString(30, QChar(0x0301)) << 6;
    QTest::newRow("tabAndNoBreakSpaceStay") << id(ControlId::FirstDigit) << "paste" << ""
                                            << QStringLiteral("\t7\u00A0") << QStringLiteral("\t7\u00A0") << 3;
    // clang-format on
}

void MainWindowTest::singleLineBoxesKeepTheFirstLine()
{
    QFETCH(int, box);
    QFETCH(QString, how);
    QFETCH(QString, before);
    QFETCH(QString, text);
    QFETCH(QString, kept);
    QFETCH(int, cursor);
    auto *line = static_cast<QLineEdit *>(control(static_cast<ControlId>(box)));
    line->setText(before);
    line->setFocus();
    line->setCursorPosition(before.isEmpty() ? 0 : 1);
    deliver(line, how, text);
    QCOMPARE(line->text(), kept);
    QCOMPARE(line->cursorPosition(), cursor);
}

void MainWindowTest::deliver(QLineEdit *line, const QString &how, const QString &text)
{
    if (how == "paste" || how == "shiftInsert" || how == "menu")
        QGuiApplication::clipboard()->setText(text);
    if (how == "paste") {
        QTest::keyClick(line, Qt::Key_V, Qt::ControlModifier);
    } else if (how == "shiftInsert") {
        QTest::keyClick(line, Qt::Key_Insert, Qt::ShiftModifier);
    } else if (how == "menu") { // a right click, then 粘贴 chosen with its key
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5),
                                     line->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(line, &rightClick);
        QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()) != nullptr);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_P); // 粘贴(&P)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(line->findChildren<QMenu *>().isEmpty()); // each menu is freed once closed
    } else if (how == "drop") {
        QMimeData dropped;
        dropped.setText(text);
        // Qt hands a drop to the widget the drag entered.
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(line, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(line, &drop);
        QVERIFY(drop.isAccepted()); // the app the text came from learns it was taken
    } else if (how.startsWith("composition")) {
        // Over the selected text or at the cursor; "w|wu|五" is two preedits, then a commit.
        if (how == "composition")
            line->selectAll();
        const QStringList steps = text.split(u'|');
        for (qsizetype i = 0; i < steps.size(); ++i) {
            const bool last = i + 1 == steps.size();
            QInputMethodEvent step(last ? QString() : steps[i], {});
            step.setCommitString(last ? steps[i] : QString());
            QApplication::sendEvent(QGuiApplication::focusObject(), &step); // where Qt sends it
        }
    } else if (how == "inputMethod") {
        QInputMethodEvent committed;
        committed.setCommitString(text);
        QApplication::sendEvent(line, &committed);
    } else {
        line->setText(text);
    }
}

void MainWindowTest::contextMenusAreInChinese()
{
    // A right click on a box pops its menu up; read its first entry.
    QWidget *box = control(ControlId::FirstSet);
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5),
                                 box->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(box, &rightClick);
    QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()) != nullptr);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    const QString firstEntry = menu->actions().constFirst()->text();
    menu->close();
    QVERIFY2(firstEntry.startsWith(QStringLiteral("撤消")), qPrintable(firstEntry));
}

void MainWindowTest::hugePastedDrawEndsInOneOfTheFourOutcomes_data()
{
    constexpr qsizetype megabyte = 1 << 20;
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("message"); // empty: four result texts
    QTest::newRow("digits") << QString(megabyte, QLatin1Char('7'))
                            << QStringLiteral("溢出：数值超出范围");
    QTest::newRow("letters") << QString(megabyte, QLatin1Char('x'))
                             << QStringLiteral("类型不匹配：输入的不是数字");
    QTest::newRow("spaces") << QString(megabyte, QLatin1Char(' '))
                            << QStringLiteral("请输入开奖号码");
    QTest::newRow("zeros") << QString(megabyte, QLatin1Char('0')) << QString();
}

void MainWindowTest::hugePastedDrawEndsInOneOfTheFourOutcomes()
{
    QFETCH(QString, pasted);
    QFETCH(QString, message);
    QGuiApplication::clipboard()->setText(pasted);
    QTest::keyClick(focused(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(static_cast<QLineEdit *>(control(ControlId::FirstDigit))->text().size(),
             pasted.size());
    type(QStringLiteral("23"));
    QCOMPARE(focused(), control(ControlId::Calculate));

    if (message.isEmpty()) {
        press(Qt::Key_Return);
        QCOMPARE(boxText(control(ControlId::FirstSet)), QStringLiteral("1458092")); // draw 0, 2, 3
        QCOMPARE(focused(), control(ControlId::Copy));
    } else {
        const SeenMessage seen = answerMessage([this] { press(Qt::Key_Return); });
        QCOMPARE(seen.text, message);
        for (const ControlId id : {ControlId::FirstSet, ControlId::SecondSet,
                                   ControlId::TwoLineText, ControlId::SharedDigits})
            QVERIFY(boxText(control(id)).isEmpty());
        reactivate();
    }

    // Still usable: clear, then a draw from the keyboard.
    control(ControlId::Clear)->setFocus();
    press(Qt::Key_Return);
    QCOMPARE(focused(), control(ControlId::FirstDigit));
    type(QStringLiteral("123"));
    press(Qt::Key_Return);
    QCOMPARE(boxText(control(ControlId::FirstSet)), QStringLiteral("4590182"));
}

void MainWindowTest::everyControlHasAChineseAccessibleName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("accessibleName");
    QTest::newRow("Text1") << "Text1" << QStringLiteral("开奖号码第一位");
    QTest::newRow("Text2") << "Text2" << QStringLiteral("开奖号码第二位");
    QTest::newRow("Text3") << "Text3" << QStringLiteral("开奖号码第三位");
    QTest::newRow("Command1") << "Command1" << QStringLiteral("计算");
    QTest::newRow("Command2") << "Command2" << QStringLiteral("清空");
    QTest::newRow("Text4") << "Text4" << QStringLiteral("Morvelin一");
    QTest::newRow("Text5") << "Text5" << QStringLiteral("Morvelin二");
    QTest::newRow("Text7") << "Text7" << QStringLiteral("四胆码");
    QTest::newRow("Command3") << "Command3" << QStringLiteral("复制");
    QTest::newRow("Text6") << "Text6" << QStringLiteral("要复制的两行文本");
    QTest::newRow("Label1") << "Label1" << QStringLiteral("请输入3码奖号");
    QTest::newRow("Label2") << "Label2" << QStringLiteral("Morvelin一");
    QTest::newRow("Label3") << "Label3" << QStringLiteral("Morvelin二");
    QTest::newRow("Label4") << "Label4" << QStringLiteral("四胆码");
}

void MainWindowTest::everyControlHasAChineseAccessibleName()
{
    QFETCH(QString, name);
    QFETCH(QString, accessibleName);
    auto *widget = m_window->findChild<QWidget *>(name);
    QVERIFY(widget != nullptr);
    // What an assistive technology reads, not just the property.
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(accessible != nullptr);
    QCOMPARE(accessible->text(QAccessible::Name), accessibleName);
}

void MainWindowTest::textFitsInsideItsControls()
{
    // The longest texts each control shows, measured by their ink.
    type(QStringLiteral("123"));
    press(Qt::Key_Return);
    for (const auto &spec : ControlTable) {
        QWidget *widget = control(spec.id);
        QString shown = QString::fromUtf8(spec.caption);
        QRect room = widget->rect();
        if (auto *box = qobject_cast<QLineEdit *>(widget)) {
            shown = box->text();
            room = box->contentsRect();
        }
        if (shown.isEmpty() || qobject_cast<QPlainTextEdit *>(widget) != nullptr)
            continue; // Text6 is checked line by line elsewhere
        const QRect ink = QFontMetrics(widget->font()).tightBoundingRect(shown);
        QVERIFY2(ink.width() <= room.width() && ink.height() <= room.height(),
                 qPrintable(QStringLiteral("%1: %2x%3 in %4x%5")
                                .arg(QLatin1String(spec.name))
                                .arg(ink.width())
                                .arg(ink.height())
                                .arg(room.width())
                                .arg(room.height())));
    }
}

void MainWindowTest::highDensityScalingTakesEffect()
{
    // The suite also runs with QT_SCALE_FACTOR=2: logical geometry stays, the
    // pixels double.
    const double factor = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                              ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                              : 1.0;
    QCOMPARE(m_window->devicePixelRatio(), factor);
    QCOMPARE(control(ControlId::FirstSet)->geometry(), QRect(160, 128, 145, 33));
    const QPixmap shot = m_window->grab();
    QCOMPARE(shot.size(), QSize(369, 340) * factor);
}

QTEST_MAIN(MainWindowTest)
#include "mainwindow-test.moc"
