// The source editor with a program of 200,000 lines: opening it (read,
// shown, coloured, numbered), the time a typed key and an Enter take until
// the editor has painted again, and how soon after an assembly the gutter
// shows the code addresses. The plain text box that Text4 was before is
// timed beside it. Runs offscreen unless a platform is chosen.

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextBlock>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "core/assembler/Assembler.h"
#include "core/store/ZekState.h"
#include "ui/shell/MainWindow.h"
#include "ui/util/QtText.h"
#include "ui/util/TextFile.h"
#include "ui/workbench/SourceEditor.h"

namespace {

constexpr int LineCount = 200000;

struct Timing {
    double wall = 0;       // milliseconds
    double processor = 0;  // milliseconds
};

Timing Timed(const std::function<void()>& work) {
    const zek::bench::Stopwatch watch;
    work();
    return {watch.Seconds() * 1000, watch.ProcessorSeconds() * 1000};
}

void Print(const char* what, Timing timing) {
    std::printf("  %-46s wall %8.1f ms, processor %8.1f ms\n", what, timing.wall, timing.processor);
}

void Press(QWidget* box, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(box, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(box, &release);
}

// Average time of one key until the box has painted again.
Timing PerKey(QPlainTextEdit& box, int key, const QString& text, int presses) {
    QTextCursor cursor(box.document()->findBlockByNumber(LineCount / 2));
    cursor.movePosition(QTextCursor::EndOfBlock);
    box.setTextCursor(cursor);
    box.repaint();
    const Timing all = Timed([&] {
        for (int i = 0; i < presses; ++i) {
            Press(&box, key, text);
            box.repaint();
            QApplication::processEvents();
        }
    });
    return {all.wall / presses, all.processor / presses};
}

// `fill` puts the text into the box as the program does.
void TimeBox(const char* name, QPlainTextEdit& box, const std::function<void()>& fill) {
    box.setLineWrapMode(QPlainTextEdit::NoWrap);  // as Text4
    box.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box.resize(900, 600);
    box.show();
    QApplication::processEvents();
    std::printf("%s\n", name);
    Print("the text put in and painted", Timed([&] {
              fill();
              box.repaint();
          }));
    Print("a typed key, until painted (average of 50)", PerKey(box, Qt::Key_X, QStringLiteral("x"), 50));
    Print("Enter, until painted (average of 20)", PerKey(box, Qt::Key_Return, QStringLiteral("\r"), 20));
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::string source = zek::bench::GeneratedProgram(LineCount);
    const QString text = zek::ui::FromCoreLines(source);
    std::printf("bench_editor: %d lines (%.1f MB)\n", LineCount, static_cast<double>(source.size()) / 1e6);

    zek::ui::SourceEditor editor;
    TimeBox("source editor:", editor, [&] { editor.SetSourceText(text); });
    editor.hide();

    QPlainTextEdit plain;
    TimeBox("plain text box (Text4 before):", plain, [&] { plain.setPlainText(text); });
    plain.hide();

    // Opening as the user does, through the main window.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gross.zek"));
    zek::ui::WriteTextFile(path, source);
    zek::ZekState state;
    zek::ui::MainWindow window(state);
    window.show();
    QApplication::processEvents();
    auto* text4 = window.findChild<zek::ui::SourceEditor*>(QStringLiteral("Text4"));
    std::printf("main window:\n");
    Print("open the file, shown, coloured, numbered", Timed([&] {
              window.OpenProgramFile(path);
              text4->repaint();
          }));
    // What of it is reading the file, not the editor (after the opening, so
    // that it does not hand its freed memory to it).
    Print("of it: the file read and converted", Timed([&] {
              std::string bytes;
              zek::ui::ReadSourceFile(path, bytes);
              zek::ui::FromCoreLines(bytes);
          }));

    zek::bench::SilentWindows windows;
    Timing assembly = Timed([&] { zek::Assemble(state, windows, zek::ui::ToCoreLines(window.SourceText())); });
    Print("Assemble (core)", assembly);
    const Timing gutter = Timed([&] {
        text4->ShowAssembly(state.LineMap);
        text4->repaint();
    });
    Print("code addresses in the gutter after it", gutter);
    const QTextBlock last = text4->document()->lastBlock().previous();
    std::printf("  last line's code address: %04d\n", text4->CodeAddressOf(last));
    return 0;
}
