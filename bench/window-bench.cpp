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

void pasteMegabyte(benchmark::State &state)
{
    window::MainWindow window;
    window.show();
    QWidget *box = window.control(static_cast<ControlId>(state.range(0)));
    state.SetLabel(box->objectName().toStdString());
    QGuiApplication::clipboard()->setText(megabyte());
    for (auto _ : state) {
        state.PauseTiming();
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete);
        QApplication::processEvents();
        state.ResumeTiming();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
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
    ->ArgName("box")
    ->Arg(int(ControlId::FirstDigit))
    ->Arg(int(ControlId::FirstSet))
    ->Arg(int(ControlId::TwoLineText))
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
