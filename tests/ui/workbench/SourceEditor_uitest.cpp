// The source editor on its own: its numbering while the text is edited,
// breakpoints that move with their lines, the colours, the assembly's code
// addresses and error marks, the halt marks, and dropped files.

#include <QApplication>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QToolTip>
#include <QUrl>

#include "core/assembler/Assembler.h"
#include "core/assembler/SourceReader.h"
#include "support/ScriptedWindowSystem.h"
#include "ui/util/QtText.h"
#include "ui/workbench/Gutter.h"
#include "ui/workbench/LineMarks.h"
#include "ui/workbench/SourceEditor.h"

using zek::SourceMap;
using zek::ui::SourceEditor;
using Change = SourceEditor::BreakpointChange;

namespace {

// Line numbers per block, 0 for a block without one.
QList<int> LinesOf(SourceEditor& editor) {
    QList<int> lines;
    for (int block = 0; block < editor.blockCount(); ++block) lines << editor.Numbering().LineOfPhysical(block);
    return lines;
}

// The same from the core, for the editor's text.
QList<int> CoreLinesOf(SourceEditor& editor) {
    const SourceMap map = zek::NumberSourceLines(zek::ui::ToCoreLines(editor.toPlainText()));
    QList<int> lines;
    for (int block = 0; block < editor.blockCount(); ++block) lines << map.LineOfPhysical(block);
    return lines;
}

void PutCursor(SourceEditor& editor, int block, int column = 0) {
    QTextCursor cursor(editor.document()->findBlockByNumber(block));
    cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, column);
    editor.setTextCursor(cursor);
}

std::set<std::int32_t> Lines(std::initializer_list<std::int32_t> lines) { return lines; }

// The format the highlighter gave the part of `block` starting at `start`.
QTextCharFormat FormatAt(SourceEditor& editor, int block, int start) {
    for (const QTextLayout::FormatRange& range : editor.document()->findBlockByNumber(block).layout()->formats())
        if (range.start == start) return range.format;
    return {};
}

// Assembles the editor's text as the start command does.
SourceMap Assembled(SourceEditor& editor) {
    zek::ZekState state;
    zek::testing::ScriptedWindowSystem windows(state);
    zek::Assemble(state, windows, zek::ui::ToCoreLines(editor.toPlainText()));
    return state.LineMap;
}

double Luminance(const QColor& colour) {
    auto channel = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace

class SourceEditorTest : public QObject {
    Q_OBJECT

private slots:
    void numberingFollowsEveryEdit() {
        SourceEditor editor;
        editor.setPlainText("; Summe\n\nmov a 1\nadd a \xC2\xB6\n\n  b\nnop\n");
        QCOMPARE(LinesOf(editor), (QList<int>{1, 0, 2, 3, 0, 3, 4, 0}));
        const std::function<void()> edits[] = {
            [&] {
                PutCursor(editor, 2);
                QTest::keyClick(editor.viewport(), Qt::Key_Return);
            },
            [&] {
                PutCursor(editor, 3);
                editor.insertPlainText("; neu\n");
            },
            [&] {
                PutCursor(editor, 5, 6);
                QTest::keyClick(editor.viewport(), Qt::Key_Delete);  // the ¶ goes
            },
            [&] {
                PutCursor(editor, 5, 6);
                editor.insertPlainText("\xC2\xB6");
            },
            [&] {
                PutCursor(editor, 0);
                QTest::keyClick(editor.viewport(), Qt::Key_Return, Qt::ShiftModifier);
                QVERIFY(!editor.document()->toRawText().contains(QChar::LineSeparator));
            },
            [&] {
                PutCursor(editor, 1);
                QTextCursor cursor = editor.textCursor();
                cursor.movePosition(QTextCursor::Down, QTextCursor::KeepAnchor, 2);
                cursor.removeSelectedText();
            },
            [&] { editor.clear(); },
        };
        for (const auto& edit : edits) {
            edit();
            QCOMPARE(LinesOf(editor), CoreLinesOf(editor));
        }
    }

    // A whole new text is numbered from the text itself; where the document
    // breaks it otherwise (at a CR) each block is read instead. Either way
    // the numbering and the shapes it keeps for later edits are the core's.
    void aWholeNewTextIsNumberedAsTheCoreDoes_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("no final break") << QStringLiteral("mov a 1\nnop");
        QTest::newRow("blanks, tabs, continuations")
            << QString::fromUtf8("; Summe\n \t\nmov a \xC2\xB6 \n\t\n  b\nadd \xC2\xB6\n\xC2\xB6\nc\n");
        QTest::newRow("only blank lines") << QStringLiteral("\n\n \n");
        QTest::newRow("lone CR") << QString::fromUtf8("mov a \xC2\xB6\r  \n b\rnop\n");
        QTest::newRow("CR LF") << QStringLiteral("mov a 1\r\n  \r\nnop\r\n");
    }
    void aWholeNewTextIsNumberedAsTheCoreDoes() {
        QFETCH(QString, text);
        SourceEditor editor;
        editor.SetSourceText(QString::fromUtf8("alt \xC2\xB6\nx\n\ny\n"));
        editor.SetSourceText(text);
        QCOMPARE(editor.toPlainText(),
                 QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace('\r', '\n'));
        QCOMPARE(LinesOf(editor), CoreLinesOf(editor));
        QTextCursor end(editor.document());
        end.movePosition(QTextCursor::End);
        end.insertText(QStringLiteral("\nnop"));  // numbered again from the kept shapes
        QCOMPARE(LinesOf(editor), CoreLinesOf(editor));
    }

    void breakpointsOnlyOnInstructionLines() {
        SourceEditor editor;
        editor.setPlainText("; note\nloop:\n_var x\nmul2 a\n\nprintn a \xC2\xB6\n 2 0\nexit\n");
        const struct {
            int block;
            Change change;
            int line;
        } cases[] = {
            {0, Change::NoInstruction, 1}, {1, Change::NoInstruction, 2}, {2, Change::NoInstruction, 3},
            {3, Change::NoInstruction, 4}, {4, Change::NoInstruction, 0}, {6, Change::Set, 5},
            {5, Change::Removed, 5},       {7, Change::Set, 6},
        };
        QSignalSpy toggled(&editor, &SourceEditor::BreakpointToggled);
        for (const auto& c : cases) {
            QCOMPARE(editor.ToggleBreakpoint(c.block), c.change);
            QCOMPARE(toggled.takeLast().at(1).toInt(), c.line);
        }
        QCOMPARE(editor.BreakpointLines(), Lines({6}));
    }

    void breakpointsMoveWithTheirLines() {
        SourceEditor editor;
        editor.setPlainText("mov a 1\nadd a 1\nexit\n");
        editor.ToggleBreakpoint(1);
        PutCursor(editor, 1);
        QTest::keyClick(editor.viewport(), Qt::Key_Return);  // a blank line in front: no new number
        QCOMPARE(editor.BreakpointLines(), Lines({2}));
        PutCursor(editor, 0);
        editor.insertPlainText("; eins\n; zwei\n");  // lines in front of the first line
        QCOMPARE(editor.BreakpointLines(), Lines({4}));
        PutCursor(editor, 4, 6);
        editor.insertPlainText("x");  // typing in the line keeps its breakpoint
        QCOMPARE(editor.BreakpointLines(), Lines({4}));
        editor.ShowAssembly(Assembled(editor));
        QCOMPARE(editor.BreakpointLines(), Lines({4}));  // an assembly keeps them
        PutCursor(editor, 0);
        QTextCursor line = editor.textCursor();
        line.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
        line.removeSelectedText();  // the line in front goes
        QCOMPARE(editor.BreakpointLines(), Lines({3}));
        PutCursor(editor, 3);
        line = editor.textCursor();
        line.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
        line.removeSelectedText();  // its own line goes
        QVERIFY(editor.BreakpointLines().empty());
        QCOMPARE(editor.ToggleBreakpoint(1), Change::Set);
        editor.setPlainText("mov a 1\n");
        QVERIFY(editor.BreakpointLines().empty());
    }

    void clickInTheGutterTogglesTheLine() {
        SourceEditor editor;
        editor.resize(500, 300);
        editor.setPlainText("mov a 1\nadd a 1\nexit\n");
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        auto* gutter = editor.findChild<zek::ui::Gutter*>();
        QVERIFY(gutter);
        QCOMPARE(editor.viewport()->x(), gutter->width() + editor.contentsRect().left());
        const SourceEditor::VisibleLine second = editor.VisibleLines().at(1);
        QTest::mouseClick(gutter, Qt::LeftButton, {}, QPoint(3, second.top + second.height / 2));
        QCOMPARE(editor.BreakpointLines(), Lines({2}));
        QTest::mouseClick(gutter, Qt::LeftButton, {}, QPoint(3, second.top + second.height / 2));
        QVERIFY(editor.BreakpointLines().empty());
        QCOMPARE(gutter->accessibleName(), QStringLiteral("Zeilenleiste"));
    }

    void coloursAsTheAssemblerReads() {
        SourceEditor editor;
        editor.resize(500, 300);
        editor.setPlainText("mov a 1.5 ; Wert\nloop:\nmul2 a\n");
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        editor.viewport()->repaint();
        const zek::ui::WorkbenchColours& colours = editor.Colours();
        QCOMPARE(FormatAt(editor, 0, 0).foreground().color(), colours.Mnemonic(-1));
        QCOMPARE(FormatAt(editor, 0, 0).fontWeight(), int(QFont::Bold));
        QCOMPARE(FormatAt(editor, 0, 6).foreground().color(), colours.number);
        QVERIFY(FormatAt(editor, 0, 10).fontItalic());
        QCOMPARE(FormatAt(editor, 1, 0).foreground().color(), colours.label);
        QCOMPARE(FormatAt(editor, 2, 0).underlineStyle(), QTextCharFormat::WaveUnderline);
        // As one types: the mnemonic is completed, the underline goes.
        PutCursor(editor, 2, 4);
        QTest::keyClick(editor.viewport(), Qt::Key_Backspace);
        editor.viewport()->repaint();
        QCOMPARE(FormatAt(editor, 2, 0).underlineStyle(), QTextCharFormat::NoUnderline);
        QCOMPARE(FormatAt(editor, 2, 0).foreground().color(), colours.Mnemonic(-2));
    }

    void unknownMnemonicTellsTheAssemblersText() {
        SourceEditor editor;
        editor.resize(500, 300);
        editor.setPlainText("  mul2 a b\n");
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        const QRect word = editor.cursorRect(editor.document()->find(QStringLiteral("mul2")));
        QHelpEvent help(QEvent::ToolTip, word.center(), editor.viewport()->mapToGlobal(word.center()));
        QApplication::sendEvent(editor.viewport(), &help);
        QTRY_COMPARE(QToolTip::text(), QStringLiteral("Unbekannter ZE-Assemblerbefehl mul2"));
        QToolTip::hideText();
    }

    void coloursReadOnLightAndDarkBackgrounds() {
        QPalette dark;
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::Text, QColor(220, 220, 220));
        for (const QPalette& palette : {QPalette(Qt::white), dark}) {
            const auto colours = zek::ui::WorkbenchColours::Of(palette);
            const QColor base = palette.color(QPalette::Base);
            for (const QColor& text : {colours.transport, colours.functions, colours.jumps, colours.pointers,
                                       colours.dialogs, colours.system, colours.pseudo, colours.label, colours.number,
                                       colours.predefined, colours.marker, colours.comment, colours.error})
                QVERIFY2(Contrast(text, base) >= 3.0, qPrintable(text.name() + " on " + base.name()));
            QVERIFY(Contrast(colours.gutterText, colours.gutterBackground) >= 3.0);
            QVERIFY(Contrast(palette.color(QPalette::Text), colours.haltLine) >= 4.5);
        }
    }

    void assemblyShowsCodeAddressesAndListedLines() {
        SourceEditor editor;
        editor.setPlainText("; x\nmov a 1\nmul2 a\n\nadd a \xC2\xB6\n b\n_end\n");
        editor.ShowAssembly(Assembled(editor));
        const int addresses[] = {-1, 1, -1, -1, 2, -1, -1};
        for (int block = 0; block < 7; ++block)
            QCOMPARE(editor.CodeAddressOf(editor.document()->findBlockByNumber(block)), addresses[block]);
        QVERIFY(zek::ui::MarksOf(editor.document()->findBlockByNumber(2))->errorListed);
        // Editing keeps the addresses with their lines; the edited line's mark goes.
        PutCursor(editor, 0);
        editor.insertPlainText("; neu\n");
        QCOMPARE(editor.CodeAddressOf(editor.document()->findBlockByNumber(2)), 1);
        QVERIFY(zek::ui::MarksOf(editor.document()->findBlockByNumber(3))->errorListed);
        PutCursor(editor, 3, 4);
        editor.insertPlainText("x");
        QVERIFY(!zek::ui::MarksOf(editor.document()->findBlockByNumber(3))->errorListed);
    }

    void aListedLineTellsItsErrorLine() {
        SourceEditor editor;
        editor.resize(500, 300);
        editor.setPlainText("mov a 1\nmul2 a\n");
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        editor.ShowAssembly(Assembled(editor));
        auto* gutter = editor.findChild<zek::ui::Gutter*>();
        const SourceEditor::VisibleLine listed = editor.VisibleLines().at(1);
        const QPoint at(5, listed.top + listed.height / 2);
        QHelpEvent help(QEvent::ToolTip, at, gutter->mapToGlobal(at));
        QApplication::sendEvent(gutter, &help);
        QTRY_COMPARE(QToolTip::text(), QStringLiteral("Zeile 0002: mul2 a") + QString(26, QLatin1Char(' ')) +
                                           QStringLiteral(" Fehlercode 116 (Unbekannter ZE-Assemblerbefehl mul2)"));
        QToolTip::hideText();
    }

    void haltMarksTheLineAndShowsIt() {
        SourceEditor editor;
        editor.resize(500, 200);
        QString text;
        for (int i = 0; i < 200; ++i) text += QStringLiteral("inc a%1\n").arg(i);
        editor.setPlainText(text + "exit\n");
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        editor.ShowAssembly(Assembled(editor));
        const QRect shown = editor.ShowHalt(150, 151);
        QCOMPARE(editor.extraSelections().size(), 1);
        QCOMPARE(editor.extraSelections().front().cursor.block().blockNumber(), 149);
        QCOMPARE(editor.NextLine(), 151);
        QVERIFY(!shown.isNull());
        const QRect viewport(editor.viewport()->mapToGlobal(QPoint(0, 0)), editor.viewport()->size());
        QVERIFY(viewport.contains(shown.center()));
        QCOMPARE(editor.textCursor().blockNumber(), 0);  // the cursor stays where the user left it
        editor.ClearHalt();
        QVERIFY(editor.extraSelections().isEmpty());
        QCOMPARE(editor.NextLine(), 0);
        QVERIFY(editor.ShowHalt(0, 1).isValid());  // `init` has no line: the next one is shown
    }

    void selectingALineTakesItsContinuations() {
        SourceEditor editor;
        editor.setPlainText("nop\nprintn a \xC2\xB6\n\n 2 0\nexit\n");
        QVERIFY(editor.SelectLine(2));
        QCOMPARE(editor.textCursor().selectedText(), QStringLiteral("printn a \u00B6\u2029\u2029 2 0"));
        QVERIFY(!editor.SelectLine(4));
        QVERIFY(!editor.SelectLine(0));
    }

    void aDroppedProgramFileIsPassedOn() {
        SourceEditor editor;
        QSignalSpy dropped(&editor, &SourceEditor::ProgramFileDropped);
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/Zins.ZEK"))});
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(editor.viewport(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(editor.viewport(), &drop);
        QCOMPARE(dropped.size(), 1);
        QCOMPARE(dropped.front().front().toString(), QStringLiteral("/tmp/Zins.ZEK"));
    }
};

QTEST_MAIN(SourceEditorTest)
#include "SourceEditor_uitest.moc"
