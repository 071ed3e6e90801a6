#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include "ui/util/DisplayText.h"
#include "ui/util/Fonts.h"
#include "ui/util/TextView.h"

using zek::ui::DisplayText;
using zek::ui::TextView;

namespace {

// A shown view of a fixed size in the fixed-pitch font, as the boxes use it.
struct Shown {
    TextView view;
    explicit Shown(const QString& text, QSize size = {300, 200}) {
        view.setFont(zek::ui::FixedPitchFont(10.5));
        view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.resize(size);
        view.setPlainText(text);
        view.show();
        view.setFocus();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
    }
    QString Selected() const { return view.SelectedText(); }
    int Position() const { return view.textCursor().position(); }
};

// A QPlainTextEdit set up as the view in `shown`, to compare with.
struct Reference {
    QPlainTextEdit edit;
    explicit Reference(const TextView& like) {
        edit.setReadOnly(true);
        edit.setFont(like.font());
        edit.setToolTip(like.toolTip());
        edit.setVerticalScrollBarPolicy(like.verticalScrollBarPolicy());
        edit.setHorizontalScrollBarPolicy(like.horizontalScrollBarPolicy());
        edit.resize(like.size());
        edit.setPlainText(like.toPlainText());
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
    }
};

// Where the rows begin: in the view, and in a QPlainTextEdit's layout.
QList<int> RowStarts(const TextView& view) {
    QList<int> starts;
    for (int position = 0; position <= view.CharacterCount(); ++position) {
        const int start = view.RowAround(position).first;
        if (starts.isEmpty() || starts.back() != start) starts << start;
    }
    return starts;
}

QList<int> RowStarts(const QPlainTextEdit& edit) {
    QList<int> starts;
    for (QTextBlock block = edit.document()->begin(); block.isValid(); block = block.next())
        for (int line = 0; line < block.layout()->lineCount(); ++line)
            starts << block.position() + block.layout()->lineAt(line).textStart();
    return starts;
}

QString OneMegabyteLine() {
    QString line;
    line.reserve(1 << 20);
    while (line.size() < (1 << 20)) line += QStringLiteral("Wort%1 ").arg(line.size() % 1000);
    return line;
}

}  // namespace

class TextViewTest : public QObject {
    Q_OBJECT

private slots:
    // Each line break of the core or of Qt text is one "\n" in the view and
    // CR LF on the way out; an empty text is one empty line.
    void LineBreaks_data() {
        QTest::addColumn<QByteArray>("core");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QByteArray>("crlf");
        QTest::addColumn<int>("lines");
        QTest::newRow("empty") << QByteArray("") << QString() << QByteArray("") << 1;
        QTest::newRow("CR LF") << QByteArray("ab\r\ncd") << QStringLiteral("ab\ncd") << QByteArray("ab\r\ncd") << 2;
        QTest::newRow("lone LF") << QByteArray("ab\ncd") << QStringLiteral("ab\ncd") << QByteArray("ab\r\ncd") << 2;
        QTest::newRow("lone CR") << QByteArray("ab\rcd") << QStringLiteral("ab\ncd") << QByteArray("ab\r\ncd") << 2;
        QTest::newRow("mixed, empty lines")
            << QByteArray("\r\r\n\n\r\nx") << QStringLiteral("\n\n\n\nx") << QByteArray("\r\n\r\n\r\n\r\nx") << 5;
        QTest::newRow("break at the end") << QByteArray("a\r\n") << QStringLiteral("a\n") << QByteArray("a\r\n") << 2;
        QTest::newRow("Windows-1252") << QByteArray("\xE4\x80\xA0") << QString::fromUtf8("ä€\u00A0")
                                      << QByteArray("\xE4\x80\xA0") << 1;
    }
    void LineBreaks() {
        QFETCH(QByteArray, core);
        QFETCH(QString, plain);
        QFETCH(QByteArray, crlf);
        QFETCH(int, lines);
        const DisplayText text(core.toStdString());
        QCOMPARE(static_cast<int>(text.LineCount()), lines);
        TextView view;
        view.SetCoreText(core.toStdString());
        QCOMPARE(view.toPlainText(), plain);
        QCOMPARE(view.CharacterCount(), plain.size());
        QCOMPARE(QByteArray::fromStdString(view.CoreText()), crlf);
        view.setPlainText(plain);
        QCOMPARE(view.toPlainText(), plain);
        QCOMPARE(QByteArray::fromStdString(view.CoreText()), crlf);
    }

    void LinesOfPositions() {
        const DisplayText text("ab\r\n\r\ncde");
        const struct {
            std::size_t position;
            std::size_t line;
        } cases[] = {{0, 0}, {2, 0}, {3, 1}, {4, 2}, {7, 2}};
        for (const auto& c : cases) QCOMPARE(text.LineOf(c.position), c.line);
        QCOMPARE(text.LineEnd(0), std::size_t{2});
        QCOMPARE(text.LineEnd(1), std::size_t{3});
        QCOMPARE(text.LineEnd(2), std::size_t{7});
        QCOMPARE(std::string(text.Chars(1, 5)), std::string("b\n\nc"));
    }

    // Wrapped at the box width after blanks, and a word wider than the box
    // anywhere: rows begin where a QPlainTextEdit of the same size begins them.
    void WrapsAtTheBoxWidthLikeAPlainTextEdit_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("words") << QStringLiteral("Das ist ein Satz mit vielen Woertern, der umbrechen muss");
        QTest::newRow("long word") << QStringLiteral("x Einwortdasvielzulangistfuereinezeileunddasnochmal und mehr");
        QTest::newRow("leading blanks") << QStringLiteral("      Einrueckung vor einem Satz mit ein paar Woertern");
        QTest::newRow("runs of blanks") << QStringLiteral("Wort          viele Leerzeichen     dazwischen     ");
        QTest::newRow("several lines") << QStringLiteral(
            "kurz\nzweite Zeile, die auch umbricht, weil sie lang ist\n\nleer davor");
    }
    void WrapsAtTheBoxWidthLikeAPlainTextEdit() {
        QFETCH(QString, text);
        Shown shown(text, {240, 300});
        Reference reference(shown.view);
        QCOMPARE(shown.view.viewport()->width(), reference.edit.viewport()->width());
        QCOMPARE(RowStarts(shown.view), RowStarts(reference.edit));
        QVERIFY(RowStarts(shown.view).size() > text.count(QLatin1Char('\n')) + 1);

        // Wider: fewer rows; unwrapped: one row per line.
        shown.view.resize(480, 300);
        QVERIFY(RowStarts(shown.view).size() <= RowStarts(reference.edit).size());
        shown.view.SetWrapping(false);
        QCOMPARE(RowStarts(shown.view).size(), text.count(QLatin1Char('\n')) + 1);
    }

    void KeyboardSelection() {
        Shown shown(QStringLiteral("erste Zeile\nzweite Zeile\ndritte"));
        const struct {
            QKeySequence::StandardKey key;
            QString selected;
            int position;
        } steps[] = {
            {QKeySequence::SelectNextChar, QStringLiteral("e"), 1},
            {QKeySequence::SelectNextWord, QStringLiteral("erste "), 6},
            {QKeySequence::SelectEndOfLine, QStringLiteral("erste Zeile"), 11},
            {QKeySequence::SelectNextLine, QStringLiteral("erste Zeile\nzweite Zeil"), 23},
            {QKeySequence::SelectEndOfDocument, QStringLiteral("erste Zeile\nzweite Zeile\ndritte"), 31},
            {QKeySequence::MoveToPreviousChar, QString(), 30},
            {QKeySequence::SelectStartOfLine, QStringLiteral("dritt"), 25},
            {QKeySequence::MoveToStartOfDocument, QString(), 0},
        };
        for (const auto& step : steps) {
            QTest::keySequence(&shown.view, QKeySequence(step.key));
            QCOMPARE(shown.Selected(), step.selected);
            QCOMPARE(shown.Position(), step.position);
        }
        QTest::keySequence(&shown.view, QKeySequence::SelectAll);
        QCOMPARE(shown.Selected(), shown.view.toPlainText());
    }

    void MouseSelection() {
        Shown shown(QStringLiteral("erste Zeile\nzweite Zeile"));
        QWidget* viewport = shown.view.viewport();
        const QRect first = shown.view.CharacterRect(0);
        const QRect blank = shown.view.CharacterRect(18);  // after "zweite"
        QTest::mousePress(viewport, Qt::LeftButton, {}, first.center() - QPoint(first.width() / 4, 0));
        QTest::mouseMove(viewport, blank.center() - QPoint(blank.width() / 4, 0));
        QCOMPARE(shown.Selected(), QStringLiteral("erste Zeile\nzweite"));
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, blank.center());
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::ShiftModifier, first.center() + QPoint(first.width() / 4, 0));
        QCOMPARE(shown.Selected(), QStringLiteral("e"));  // Shift extends from the anchor
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, shown.view.CharacterRect(14).center());
        QCOMPARE(shown.Selected(), QStringLiteral("zweite"));
    }

    // Ctrl+C puts the selection, line breaks as "\n", into the emptied
    // clipboard; nothing selected leaves it empty.
    void CtrlCCopiesTheSelection() {
        Shown shown(QStringLiteral("ab\ncd"));
        QClipboard* clipboard = QGuiApplication::clipboard();
        auto cursor = shown.view.textCursor();
        cursor.setPosition(1);
        cursor.setPosition(4, QTextCursor::KeepAnchor);
        shown.view.setTextCursor(cursor);
        QTest::keySequence(&shown.view, QKeySequence::Copy);
        QCOMPARE(clipboard->text(), QStringLiteral("b\nc"));
        cursor.clearSelection();
        shown.view.setTextCursor(cursor);
        QTest::keySequence(&shown.view, QKeySequence::Copy);
        QCOMPARE(clipboard->text(), QString());
    }

    // The end of a long text: Ctrl+End and the scroll bar reach the last row.
    void EndOfText() {
        QStringList lines;
        for (int i = 0; i < 5000; ++i) lines << QStringLiteral("Zeile %1").arg(i);
        Shown shown(lines.join('\n'));
        QScrollBar* bar = shown.view.verticalScrollBar();
        QCOMPARE(bar->minimum(), 0);
        QVERIFY(bar->maximum() > 4900 && bar->maximum() < 5000);
        QTest::keySequence(&shown.view, QKeySequence::MoveToEndOfDocument);
        QCOMPARE(shown.Position(), shown.view.CharacterCount());
        QCOMPARE(bar->value(), bar->maximum());
        QVERIFY(shown.view.viewport()->rect().contains(shown.view.CharacterRect(shown.Position())));
        QCOMPARE(shown.view.PositionAt(shown.view.CharacterRect(shown.Position() - 1).center()), shown.Position() - 1);
        bar->triggerAction(QAbstractSlider::SliderToMinimum);
        QCOMPARE(shown.view.CharacterRect(shown.Position()).top() > shown.view.viewport()->height(), true);
        QTest::keySequence(&shown.view, QKeySequence::MoveToNextChar);  // at the end: stays
        QCOMPARE(shown.Position(), shown.view.CharacterCount());
    }

    void EmptyText() {
        Shown shown{QString()};
        QCOMPARE(shown.view.CharacterCount(), 0);
        QCOMPARE(shown.view.verticalScrollBar()->maximum(), 0);
        for (const auto key : {QKeySequence::SelectAll, QKeySequence::SelectNextLine, QKeySequence::MoveToEndOfDocument,
                               QKeySequence::SelectPreviousChar})
            QTest::keySequence(&shown.view, QKeySequence(key));
        QCOMPARE(shown.Position(), 0);
        QVERIFY(!shown.view.textCursor().hasSelection());
        QVERIFY(!shown.view.grab().isNull());
        QCOMPARE(shown.view.PositionAt(shown.view.CharacterRect(0).center()), 0);
        QCOMPARE(shown.view.PositionAt({5, shown.view.viewport()->height() - 2}), -1);  // below the only row
    }

    // One line of 1 MB: wrapped into rows of the box width, or unwrapped
    // with a horizontal scroll bar that reaches its end.
    void OneMegabyteLine() {
        const QString line = ::OneMegabyteLine();
        Shown shown(line);
        const int rows = shown.view.verticalScrollBar()->maximum() + shown.view.verticalScrollBar()->pageStep();
        const int columns = static_cast<int>(line.size()) / rows;
        QVERIFY2(columns > 20 && columns < 40, qPrintable(QString::number(columns)));
        QTest::keySequence(&shown.view, QKeySequence::SelectEndOfDocument);
        QCOMPARE(shown.Selected().size(), line.size());
        QVERIFY(shown.view.viewport()->rect().contains(shown.view.CharacterRect(shown.Position())));

        shown.view.SetWrapping(false);
        shown.view.setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        QCOMPARE(shown.view.verticalScrollBar()->maximum(), 0);
        QScrollBar* across = shown.view.horizontalScrollBar();
        const double perCharacter = QFontMetricsF(shown.view.font()).horizontalAdvance(QLatin1Char('x'));
        QVERIFY(across->maximum() > (line.size() - 100) * perCharacter);
        QTest::keySequence(&shown.view, QKeySequence::MoveToEndOfDocument);
        QCOMPARE(across->value(), across->maximum());
        QVERIFY(shown.view.viewport()->rect().contains(shown.view.CharacterRect(shown.Position() - 1).topLeft()));
        QVERIFY(!shown.view.grab().isNull());
    }

    // Screen readers and the window tests read the view as they read a
    // read-only QPlainTextEdit with the same text, size and tooltip.
    void AccessibleLikeAPlainTextEdit() {
        Shown shown(QString::fromUtf8("Erste Zeile mit Wörtern\nzweite\n\nvierte Zeile, die lang genug ist, um "
                                      "umzubrechen. Und ein Satz."),
                    {260, 200});
        shown.view.setToolTip(QStringLiteral("Aktueller Text"));
        Reference reference(shown.view);
        QAccessibleInterface* view = QAccessible::queryAccessibleInterface(&shown.view);
        QAccessibleInterface* edit = QAccessible::queryAccessibleInterface(&reference.edit);
        QVERIFY(view && edit && view->textInterface() && view->editableTextInterface());
        QCOMPARE(view->role(), QAccessible::EditableText);
        for (const QAccessible::Text t : {QAccessible::Name, QAccessible::Description, QAccessible::Value})
            QCOMPARE(view->text(t), edit->text(t));
        QCOMPARE(view->text(QAccessible::Description), QStringLiteral("Aktueller Text"));
        const QAccessible::State viewState = view->state();
        const QAccessible::State editState = edit->state();
        QCOMPARE(viewState.readOnly, editState.readOnly);
        QCOMPARE(viewState.editable, editState.editable);
        QCOMPARE(viewState.multiLine, editState.multiLine);
        QCOMPARE(viewState.selectableText, editState.selectableText);
        QCOMPARE(viewState.focusable, editState.focusable);
        QCOMPARE(view->childCount(), edit->childCount());

        QAccessibleTextInterface* text = view->textInterface();
        QAccessibleTextInterface* reference_ = edit->textInterface();
        QCOMPARE(text->characterCount(), reference_->characterCount());
        QCOMPARE(text->text(3, 30), reference_->text(3, 30));
        for (QAccessibleTextInterface* each : {text, reference_}) each->setSelection(0, 6, 17);
        int start = 0, end = 0, referenceStart = 0, referenceEnd = 0;
        text->selection(0, &start, &end);
        reference_->selection(0, &referenceStart, &referenceEnd);
        QCOMPARE(std::make_pair(start, end), std::make_pair(referenceStart, referenceEnd));
        QCOMPARE(shown.Selected(), QStringLiteral("Zeile mit W"));
        QCOMPARE(text->cursorPosition(), reference_->cursorPosition());
        QCOMPARE(text->selectionCount(), 1);
        text->setCursorPosition(40);
        QCOMPARE(shown.Position(), 40);
        QCOMPARE(text->selectionCount(), 0);

        const QAccessible::TextBoundaryType boundaries[] = {
            QAccessible::CharBoundary,      QAccessible::WordBoundary,     QAccessible::LineBoundary,
            QAccessible::ParagraphBoundary, QAccessible::SentenceBoundary, QAccessible::NoBoundary};
        for (const int offset : {0, 3, 7, 23, 24, 30, 31, 33, 40, 52, 70, 85}) {
            for (const QAccessible::TextBoundaryType boundary : boundaries) {
                const QString where = QStringLiteral("offset %1, boundary %2").arg(offset).arg(boundary);
                QCOMPARE(text->textAtOffset(offset, boundary, &start, &end),
                         reference_->textAtOffset(offset, boundary, &referenceStart, &referenceEnd));
                QVERIFY2(start == referenceStart && end == referenceEnd, qPrintable(where));
                QCOMPARE(text->textAfterOffset(offset, boundary, &start, &end),
                         reference_->textAfterOffset(offset, boundary, &referenceStart, &referenceEnd));
                QCOMPARE(text->textBeforeOffset(offset, boundary, &start, &end),
                         reference_->textBeforeOffset(offset, boundary, &referenceStart, &referenceEnd));
            }
            QCOMPARE(text->attributes(offset, &start, &end),
                     reference_->attributes(offset, &referenceStart, &referenceEnd));
            QCOMPARE(std::make_pair(start, end), std::make_pair(referenceStart, referenceEnd));
        }
        const QRect place = text->characterRect(7);
        QVERIFY(place.isValid());
        QCOMPARE(text->offsetAtPoint(place.center()), 7);

        text->setCursorPosition(0);
        view->editableTextInterface()->insertText(0, QStringLiteral("neu"));  // read-only: nothing
        view->editableTextInterface()->deleteText(0, 5);
        QCOMPARE(view->text(QAccessible::Value), edit->text(QAccessible::Value));
    }

    void cleanup() { QGuiApplication::clipboard()->clear(); }
};

QTEST_MAIN(TextViewTest)
#include "TextView_uitest.moc"
