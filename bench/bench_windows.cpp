// The windows with large texts and long runs, before and after side by side
// where one run can show both:
//  - a report in a box of Text3's size, shown by a QPlainTextEdit configured
//    as the display boxes were before (and tuned: no wrapping, no undo) and
//    by the TextView that shows it now: until shown, a page down, a jump to
//    the end, heap per byte of text;
//  - the main window from a click to the shown report, with the listing's
//    progress texts repainted each (before) and at most every 50 ms (now);
//  - a counting loop headless, from the window with the events processed at
//    every yield (before) and at most every millisecond (now), and the
//    longest wait of a timer (a click) meanwhile;
//  - the editor Text4 opening a long source and typing in it.
// Runs offscreen unless QT_QPA_PLATFORM names another platform.

#include <malloc.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "core/assembler/Assembler.h"
#include "core/processor/Processor.h"
#include "core/reports/Reports.h"
#include "core/store/ProgramStore.h"
#include "ui/dialogs/HaltDialog.h"
#include "ui/shell/MainWindow.h"
#include "ui/textwindow/TextWindow.h"
#include "ui/util/Fonts.h"
#include "ui/util/QtText.h"
#include "ui/util/TextFile.h"
#include "ui/util/TextView.h"
#include "ui/util/Twips.h"

namespace {

using zek::bench::Stopwatch;

double HeapBytes() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd);
}

double Milliseconds(const std::function<void()>& work) {
    const Stopwatch watch;
    work();
    return watch.Seconds() * 1000;
}

// The best of three runs: on a shared machine single runs vary widely.
double BestMilliseconds(const std::function<void()>& work) {
    double best = 1E300;
    for (int run = 0; run < 3; ++run) best = std::min(best, Milliseconds(work));
    return best;
}

void Settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

void Row(const char* what, double before, double after, const char* unit = "ms") {
    std::printf("  %-44s %12.2f %12.2f %s\n", what, before, after, unit);
}

// ---- the texts ----

void FillArray(zek::ZekState& state) {
    std::string name = "Messwerte";
    std::int32_t highestIndex = 998999;
    const std::int32_t pointer = zek::EnterSymbol(state, name, highestIndex, zek::SymbolType::ArrayPointer);
    for (std::int32_t i = 0; i <= highestIndex; ++i) state.Symbols[pointer + 1 + i].value = i * 0.001;
}

// Lines as `printn i 0 0` and `prints \` write them.
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

// ---- one box, before and after ----

struct BoxFigures {
    double shown = 0;
    double pageDown = 0;
    double toEnd = 0;
    double heapPerByte = 0;
};

// The heap counts from before `prepare` to the text set (painting frees
// what earlier boxes left), the clock from after `prepare` to the text shown.
template <typename Box>
BoxFigures Measure(Box& box, const std::string& text, const std::function<void()>& prepare,
                   const std::function<void()>& show) {
    BoxFigures figures;
    Settle();
    const double heap = HeapBytes();
    prepare();
    double heapWithText = 0;
    figures.shown = Milliseconds([&] {
        show();
        heapWithText = HeapBytes();
        Settle();
        box.viewport()->repaint();
    });
    figures.heapPerByte = (heapWithText - heap) / static_cast<double>(text.size());
    figures.pageDown = Milliseconds([&] {
        box.verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
        box.viewport()->repaint();
    });
    figures.toEnd = Milliseconds([&] {
        box.verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
        box.viewport()->repaint();
    });
    return figures;
}

BoxFigures InPlainTextEdit(const std::string& text, bool tuned) {
    QPlainTextEdit box;
    box.setReadOnly(true);
    box.setFont(zek::ui::FixedPitchFont(10.5));
    box.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    if (tuned) {
        box.setLineWrapMode(QPlainTextEdit::NoWrap);
        box.setUndoRedoEnabled(false);
    }
    box.resize(zek::ui::TwipsToPixelsX(12975), zek::ui::TwipsToPixelsY(5412));
    box.show();
    Settle();
    return Measure(
        box, text, [] {}, [&] { box.setPlainText(zek::ui::FromCoreLines(text)); });
}

// The best of three, each in a new box.
BoxFigures InTextView(const std::string& text) {
    BoxFigures best{1E300, 1E300, 1E300, 0};
    for (int run = 0; run < 3; ++run) {
        zek::ui::TextView box;
        box.setFont(zek::ui::FixedPitchFont(10.5));
        box.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box.resize(zek::ui::TwipsToPixelsX(12975), zek::ui::TwipsToPixelsY(5412));
        box.show();
        Settle();
        std::string copy;  // the windows move the core's text in
        const BoxFigures figures = Measure(
            box, text, [&] { copy = text; }, [&] { box.SetCoreText(std::move(copy)); });
        best = {std::min(best.shown, figures.shown), std::min(best.pageDown, figures.pageDown),
                std::min(best.toEnd, figures.toEnd), figures.heapPerByte};
    }
    return best;
}

void CompareBoxes(const char* what, const std::string& text, double coreMs) {
    std::printf("%s: %zu bytes, built by the core in %.1f ms\n", what, text.size(), coreMs);
    std::printf("  %-44s %12s %12s\n", "", "QPlainTextEdit", "TextView");
    const BoxFigures plain = InPlainTextEdit(text, false);
    const BoxFigures view = InTextView(text);
    Row("until shown", plain.shown, view.shown);
    Row("page down", plain.pageDown, view.pageDown);
    Row("jump to the end", plain.toEnd, view.toEnd);
    Row("heap per byte of text", plain.heapPerByte, view.heapPerByte, "");
    const BoxFigures tuned = InPlainTextEdit(text, true);
    std::printf("  QPlainTextEdit tuned (no wrapping, no undo): shown %.1f ms, page %.1f ms, end %.1f ms, %.1f/byte\n",
                tuned.shown, tuned.pageDown, tuned.toEnd, tuned.heapPerByte);
}

// A program of 100,000 lines, an array of 999,000 elements and an output
// text of 1,000,000 lines.
void Prepare(zek::ZekState& state) {
    zek::bench::SilentWindows silent;
    zek::Assemble(state, silent, CodeSource(100000));
    FillArray(state);
    state.OutputText = OutputLines(1000000);
}

void Boxes(zek::ZekState& state) {
    std::printf("A report in a box of Text3's size, before and after:\n");
    zek::bench::SilentWindows silent;
    std::string text;
    double core = BestMilliseconds([&] { text = zek::SymbolTableListing(state, silent, true); });
    CompareBoxes("full symbol table", text, core);
    CompareBoxes("output text of 1,000,000 lines", state.OutputText, 0);
    core = BestMilliseconds([&] { text = zek::CodeTableListing(state); });
    CompareBoxes("code table of 100,001 lines", text, core);
}

// ---- the main window ----

// The core's calls as the main window's window system takes them, but Text2
// repainted at every message and the events processed at every yield, as
// before.
class EveryCallWindows : public zek::WindowSystem {
public:
    explicit EveryCallWindows(zek::ui::MainWindow& window) : window_(window), inner_(window.windows()) {}
    zek::MessageAnswer MessageBox(const std::string& text, const std::string& title,
                                  zek::MessageButtons buttons) override {
        return inner_.MessageBox(text, title, buttons);
    }
    void SetText1(const std::string& text) override { inner_.SetText1(text); }
    void SetText2(const std::string& text) override { window_.SetText2(zek::ui::FromCore(text)); }
    zek::HaltAnswer ShowHaltDialog(const std::string& caption, const std::string& text,
                                   zek::HaltLocation where) override {
        return inner_.ShowHaltDialog(caption, text, where);
    }
    zek::IoAnswer ZEKDialog(const zek::IoRequest& request) override { return inner_.ZEKDialog(request); }
    void Yield() override { QCoreApplication::processEvents(); }
    void CloseTextWindow() override { inner_.CloseTextWindow(); }

private:
    zek::ui::MainWindow& window_;
    zek::WindowSystem& inner_;
};

struct Times {
    double wall = 1E300;
    double processor = 1E300;
};

// Keeps the better of `best` and the times of `work`.
void Time(Times& best, const std::function<void()>& work) {
    const Stopwatch watch;
    work();
    best.wall = std::min(best.wall, watch.Seconds() * 1000);
    best.processor = std::min(best.processor, watch.ProcessorSeconds() * 1000);
}

// The best of three clicks on `button` until the report is shown, next to
// the best of three builds of the report by the core alone, taking turns;
// in wall time and, less disturbed by other work on the machine, processor time.
void ClickToShown(zek::ui::MainWindow& window, const char* button, const char* what,
                  const std::function<std::string()>& report) {
    auto* control = window.findChild<QPushButton*>(button);
    Times core, shown;
    for (int run = 0; run < 3; ++run) {
        Time(core, [&] { report(); });
        Time(shown, [&] {
            control->click();
            Settle();
        });
    }
    std::printf("  %-44s %12.1f %12.1f %12.1f ms\n", what, core.wall, shown.wall, shown.wall - core.wall);
    std::printf("  %-44s %12.1f %12.1f %12.1f ms\n", "  processor time", core.processor, shown.processor,
                shown.processor - core.processor);
}

void MainWindowViews(zek::ZekState& state, zek::ui::MainWindow& window) {
    std::printf("Main window, from the click to the shown report:\n");
    std::printf("  %-44s %12s %12s %12s\n", "", "core alone", "shown", "difference");
    zek::bench::SilentWindows silent;
    ClickToShown(window, "SymboltabelleLang", "full symbol table",
                 [&] { return zek::SymbolTableListing(state, silent, true); });
    ClickToShown(window, "Ausgabetext", "output text of 1,000,000 lines", [&] { return state.OutputText; });
    ClickToShown(window, "Code", "code table of 100,001 lines", [&] { return zek::CodeTableListing(state); });

    EveryCallWindows everyCall(window);
    const double before = BestMilliseconds([&] { zek::SymbolTableListing(state, everyCall, true); });
    const double after = BestMilliseconds([&] { zek::SymbolTableListing(state, window.windows(), true); });
    std::printf("  %-44s %12s %12s\n", "full listing with its progress texts", "each shown", "every 50 ms");
    Row("", before, after);
}

// The best of three showings of `text`, each of a copy made before the
// clock starts: the windows move the core's texts in.
double BestShowing(const std::string& text, const std::function<void(std::string)>& show) {
    double best = 1E300;
    for (int run = 0; run < 3; ++run) {
        std::string copy = text;
        best = std::min(best, Milliseconds([&] {
                            show(std::move(copy));
                            Settle();
                        }));
    }
    return best;
}

// The full listing in the halt dialog's Text1 and in the text window's box.
void OtherViews(zek::ZekState& state, zek::ui::MainWindow& window) {
    std::printf("The full symbol table in the other views, until shown:\n");
    zek::bench::SilentWindows silent;
    const std::string listing = zek::SymbolTableListing(state, silent, true);
    zek::ui::HaltDialog dialog(window, &window);
    dialog.show();
    Settle();
    std::printf("  %-44s %12.1f ms\n", "halt dialog, Text1",
                BestShowing(listing, [&](std::string text) { dialog.ShowText(std::move(text)); }));
    dialog.hide();
    zek::ui::TextWindow textWindow([](const QString&) {}, &window);
    textWindow.ShowModeless();
    Settle();
    std::printf("  %-44s %12.1f ms\n", "text window, display mode",
                BestShowing(listing, [&](std::string text) { textWindow.Text()->SetCoreText(std::move(text)); }));
    textWindow.hide();
}

// ---- runs ----

// Records how long a 5 ms timer (standing for a click) waits for its turn
// during `work`, beyond its interval.
void RecordTimerWaits(std::vector<qint64>& waits, const std::function<void()>& work) {
    QTimer timer;
    QElapsedTimer clock;
    qint64 last = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        waits.push_back(std::max<qint64>(0, clock.elapsed() - last - timer.interval()));
        last = clock.elapsed();
    });
    timer.start(5);
    clock.start();
    work();
}

double Percentile(std::vector<qint64> values, int percent) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return static_cast<double>(values[values.size() * static_cast<std::size_t>(percent) / 100]);
}

double Longest(const std::vector<qint64>& values) {
    return values.empty() ? 0 : static_cast<double>(*std::max_element(values.begin(), values.end()));
}

// Headless, before and after take turns, three times each, so that a
// change in the machine's load meets all three alike; the best run counts.
void CountingLoop(zek::ZekState& state, zek::ui::MainWindow& window) {
    std::printf("Counting loop of 300,000,003 instructions (best of three):\n");
    const std::string source =
        "mov n 100000000\r\nclr s\r\nclr i\r\nloop:\r\nadd s i\r\ninc i\r\ncmplt i n loop\r\nexit\r\n";
    zek::bench::SilentWindows silent;
    EveryCallWindows everyCall(window);
    // Opened from a file, so that the start asks no save question.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("zaehlen.zek"));
    zek::ui::WriteTextFile(path, source);
    window.OpenProgramFile(path);
    auto* start = window.findChild<QPushButton*>(QStringLiteral("Start"));
    Times headless, before, after;
    std::vector<qint64> waitsBefore, waitsAfter;
    for (int round = 0; round < 3; ++round) {
        zek::Assemble(state, silent, source);
        Time(headless, [&] { zek::Run(state, silent); });
        RecordTimerWaits(waitsBefore, [&] { Time(before, [&] { zek::Run(state, everyCall); }); });
        if (!QTest::qWaitFor([start] { return start->isEnabled(); })) {  // enabled again at the timer's next tick
            std::printf("  the start button stayed disabled\n");
            return;
        }
        RecordTimerWaits(waitsAfter, [&] { Time(after, [&] { start->click(); }); });
    }
    std::printf("  %-44s %12.1f ms (processor time %.1f ms)\n", "headless", headless.wall, headless.processor);
    std::printf("  %-44s %12s %12s\n", "from the window, events processed", "every yield", "every 1 ms");
    Row("run", before.wall, after.wall);
    Row("run, processor time", before.processor, after.processor);
    Row("speed against headless", headless.wall / before.wall, headless.wall / after.wall, "x");
    Row("speed against headless, processor time", headless.processor / before.processor,
        headless.processor / after.processor, "x");
    Row("wait of a 5 ms timer, 99th percentile", Percentile(waitsBefore, 99), Percentile(waitsAfter, 99));
    Row("wait of a 5 ms timer, longest", Longest(waitsBefore), Longest(waitsAfter));
}

void LongSource(zek::ui::MainWindow& window) {
    std::printf("Editor Text4 with a source of 200,000 lines (as it is):\n");
    QString source;
    for (int i = 0; i < 200000; ++i)
        source += QStringLiteral("zeile%1: add summe%2 wert%3 ; Kommentar zur Zeile\n").arg(i).arg(i % 50).arg(i % 7);
    auto* text4 = window.findChild<QPlainTextEdit*>(QStringLiteral("Text4"));
    window.findChild<QPushButton*>("Assemblerprogramm")->click();
    std::printf("  %-44s %12.1f ms (%lld bytes)\n", "open", Milliseconds([&] {
                    text4->setPlainText(source);
                    Settle();
                }),
                static_cast<long long>(source.size()));
    text4->verticalScrollBar()->setValue(text4->verticalScrollBar()->maximum() / 2);
    Settle();
    double slowest = 0;
    for (int i = 0; i < 20; ++i)
        slowest = std::max(slowest, Milliseconds([&] {
                               QTest::keyClick(text4, Qt::Key_A);
                               Settle();
                           }));
    std::printf("  %-44s %12.1f ms\n", "typing, slowest of 20 keys", slowest);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zek::ZekState state;
    zek::ui::MainWindow window(state);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    double load[3] = {0, 0, 0};
    getloadavg(load, 3);
    std::printf("bench_windows on %s, load average %.1f\n", qPrintable(QGuiApplication::platformName()), load[0]);
    Prepare(state);
    Boxes(state);
    MainWindowViews(state, window);
    OtherViews(state, window);
    CountingLoop(state, window);
    LongSource(window);
    return 0;
}
