// The windows with large texts and long runs: how long the main window
// takes from a click to a shown report, how fast a run goes from the
// window against headless, and what the editor does with a long source.
// Runs offscreen unless QT_QPA_PLATFORM names another platform.

#include <malloc.h>
#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <cstdio>
#include <functional>
#include <string>

#include "BenchSupport.h"
#include "core/assembler/Assembler.h"
#include "core/processor/Processor.h"
#include "core/reports/Reports.h"
#include "core/store/ProgramStore.h"
#include "ui/shell/MainWindow.h"
#include "ui/util/QtText.h"

namespace {

using zek::bench::Stopwatch;

// Bytes of the heap in use.
double HeapBytes() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd);
}

double Milliseconds(const std::function<void()>& work) {
    const Stopwatch watch;
    work();
    return watch.Seconds() * 1000;
}

// Lets the window paint what the click changed.
void Settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

void FillArray(zek::ZekState& state) {
    std::string name = "Messwerte";
    std::int32_t highestIndex = 998999;
    const std::int32_t pointer = zek::EnterSymbol(state, name, highestIndex, "A");
    for (std::int32_t i = 0; i <= highestIndex; ++i) state.Symbols[pointer + 1 + i].value = i * 0.001;
}

std::string OutputLines(int lines) {
    std::string text;
    for (int i = 0; i < lines; ++i) text += std::to_string(i * 7) + "\r\n";
    return text;
}

std::string CodeSource(int lines) {
    std::string source;
    for (int i = 0; i < lines; ++i) source += "add s" + std::to_string(i % 97) + " i\r\n";
    return source;
}

void Report(const char* what, double milliseconds) { std::printf("  %-58s %9.1f ms\n", what, milliseconds); }

void ClickToShown(zek::ui::MainWindow& window, const char* button, const char* what) {
    auto* control = window.findChild<QPushButton*>(button);
    Report(what, Milliseconds([&] {
               control->click();
               Settle();
           }));
}

void Reports(zek::ZekState& state, zek::ui::MainWindow& window) {
    std::printf("Reports in the main window, click to shown:\n");
    FillArray(state);
    zek::bench::SilentWindows silent;
    std::string listing;
    Report("full symbol table, core alone",
           Milliseconds([&] { listing = zek::SymbolTableListing(state, silent, true); }));
    std::printf("  (%zu bytes, %d progress texts)\n", listing.size(), silent.progressMessages);
    ClickToShown(window, "SymboltabelleLang", "full symbol table");

    state.OutputText = OutputLines(1000000);
    ClickToShown(window, "Ausgabetext", "output text of 1,000,000 lines");

    zek::Assemble(state, silent, CodeSource(100000));
    ClickToShown(window, "Code", "code table of 100,001 lines");
}

void CountingLoop(zek::ZekState& state, zek::ui::MainWindow& window) {
    std::printf("Counting loop of 300,000,003 instructions:\n");
    const QString source = QStringLiteral("mov n 100000000\nclr s\nclr i\nloop:\nadd s i\ninc i\ncmplt i n loop\nexit");
    zek::bench::SilentWindows silent;
    zek::Assemble(state, silent, zek::ui::ToCoreLines(source));
    const double headless = Milliseconds([&] { zek::Run(state, silent); });
    Report("headless", headless);
    window.Text4()->setPlainText(source);
    window.SavedSourceText = source;
    const double windowed = Milliseconds([&] { window.findChild<QPushButton*>("Start")->click(); });
    Report("from the window", windowed);
    std::printf("  %-58s %9.2f x\n", "window speed against headless", headless / windowed);
}

void LongSource(zek::ui::MainWindow& window) {
    std::printf("Editor Text4 with a source of 200,000 lines:\n");
    QString source;
    for (int i = 0; i < 200000; ++i)
        source += QStringLiteral("zeile%1: add summe%2 wert%3 ; Kommentar zur Zeile\n").arg(i).arg(i % 50).arg(i % 7);
    QPlainTextEdit* text4 = window.Text4();
    window.findChild<QPushButton*>("Assemblerprogramm")->click();
    Report("open", Milliseconds([&] {
               text4->setPlainText(source);
               Settle();
           }));
    text4->verticalScrollBar()->setValue(text4->verticalScrollBar()->maximum() / 2);
    Settle();
    double worst = 0;
    for (int i = 0; i < 20; ++i) {
        const double ms = Milliseconds([&] {
            QTest::keyClick(text4, Qt::Key_A);
            Settle();
        });
        worst = std::max(worst, ms);
    }
    Report("typing, slowest of 20 keys", worst);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zek::ZekState state;
    zek::ui::MainWindow window(state);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    std::printf("platform %s, heap %.0f MB\n", qPrintable(QGuiApplication::platformName()), HeapBytes() / 1E6);
    Reports(state, window);
    CountingLoop(state, window);
    LongSource(window);
    return 0;
}
