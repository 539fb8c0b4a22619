// Pasting and copying a megabyte through the real window (offscreen): each
// row pastes into one box with Ctrl+V and repaints it, or presses Copy with
// a megabyte in the two-line box. The window must stay responsive: well
// under a second each.

#include "app/startup.h"
#include "window/mainwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

using window::ControlId;

const QString &megabyte()
{
    static const QString digits(1 << 20, QLatin1Char('7'));
    return digits;
}

// A megabyte of what a paste may bring: digits, plain letters, or one letter
// with combining acute accents (U+0301) after it, a single character that
// text layout must shape as one.
enum class Text { Digits, Letters, Marks };

QString megabyteOf(Text text)
{
    switch (text) {
    case Text::Digits:
        return megabyte();
    case Text::Letters:
        return {1 << 20, QLatin1Char('a')};
    case Text::Marks:
        return QLatin1Char('a') + QString((1 << 20) - 1, QChar(0x0301));
    }
    return {};
}

void pasteMegabyte(benchmark::State &state)
{
    window::MainWindow window;
    window.show();
    QWidget *box = window.control(static_cast<ControlId>(state.range(0)));
    const auto text = static_cast<Text>(state.range(1));
    const char *const names[] = {"digits", "letters", "marks"};
    state.SetLabel(box->objectName().toStdString() + " " + names[state.range(1)]);
    QGuiApplication::clipboard()->setText(megabyteOf(text));
    for (auto _ : state) {
        state.PauseTiming();
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete);
        QApplication::processEvents();
        state.ResumeTiming();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        box->repaint();
        // What a person does next: the window must answer.
        QTest::keyClick(box, Qt::Key_End);
        box->repaint();
    }
}

void copyMegabyte(benchmark::State &state)
{
    window::MainWindow window;
    window.show();
    static_cast<QPlainTextEdit *>(window.control(ControlId::TwoLineText))->setPlainText(megabyte());
    auto *copy = static_cast<QPushButton *>(window.control(ControlId::Copy));
    for (auto _ : state) {
        copy->click();
        benchmark::DoNotOptimize(QGuiApplication::clipboard()->text().size());
    }
}

} // namespace

BENCHMARK(pasteMegabyte)
    ->ArgNames({"box", "text"})
    ->ArgsProduct({{int(ControlId::FirstDigit), int(ControlId::FirstSet),
                    int(ControlId::TwoLineText)},
                   {int(Text::Digits), int(Text::Letters), int(Text::Marks)}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(copyMegabyte)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app::setUpApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
