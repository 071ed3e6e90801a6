#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>

#include "ui/util/Clipboard.h"
#include "ui/util/ContextMenu.h"
#include "ui/util/TextView.h"

using namespace zek::ui;

namespace {

// The box with the menu the main window and the text window give it.
BearbeitenCommands CommandsOf(QPlainTextEdit& box) {
    return PlainTextCommands(
        box, [&box] { CutSelectionToClipboard(box); }, [&box] { CopySelectionToClipboard(box); },
        [&box] { PasteInFrontOfSelection(box); });
}

QAction* Entry(QMenu& menu, const char* name) { return menu.findChild<QAction*>(QString::fromUtf8(name)); }

void Select(QPlainTextEdit& box, int from, int to) {
    QTextCursor cursor = box.textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    box.setTextCursor(cursor);
}

}  // namespace

class ContextMenuTest : public QObject {
    Q_OBJECT

private slots:
    void entriesAreGerman() {
        QPlainTextEdit box;
        std::unique_ptr<QMenu> menu(BearbeitenContextMenu(&box, CommandsOf(box)));
        QStringList texts;
        for (const QAction* action : menu->actions())
            if (!action->isSeparator()) texts << action->text();
        QCOMPARE(texts,
                 QStringList({"&Rückgängig\tStrg+Z", "&Wiederherstellen\tStrg+Y", "&Ausschneiden\tStrg+X",
                              "&Kopieren\tStrg+C", "&Einfügen\tStrg+V", "&Löschen", "Alles a&uswählen\tStrg+A"}));
    }

    // "Einfügen" inserts in front of a selection, as the Bearbeiten menu does.
    void pasteInsertsInFrontOfTheSelection() {
        QPlainTextEdit box;
        box.setPlainText("mov a 1");
        Select(box, 4, 7);
        QGuiApplication::clipboard()->setText("XY");
        std::unique_ptr<QMenu> menu(BearbeitenContextMenu(&box, CommandsOf(box)));
        Entry(*menu, "Einfügen")->trigger();
        QCOMPARE(box.toPlainText(), QString("mov XYa 1"));
        QCOMPARE(box.textCursor().position(), 4);
    }

    void enabledStates_data() {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<bool>("selection");
        QTest::addColumn<QStringList>("enabled");
        QTest::newRow("editor, selection")
            << false << true << QStringList({"Ausschneiden", "Kopieren", "Einfügen", "Löschen", "Allesauswählen"});
        QTest::newRow("editor, none") << false << false << QStringList({"Einfügen", "Allesauswählen"});
        QTest::newRow("display, selection") << true << true << QStringList({"Kopieren", "Allesauswählen"});
        QTest::newRow("display, none") << true << false << QStringList({"Allesauswählen"});
    }
    void enabledStates() {
        QFETCH(bool, readOnly);
        QFETCH(bool, selection);
        QFETCH(QStringList, enabled);
        QPlainTextEdit box;
        box.setPlainText("Text");  // no undo step: setPlainText clears the history
        box.setReadOnly(readOnly);
        if (selection) Select(box, 0, 2);
        std::unique_ptr<QMenu> menu(BearbeitenContextMenu(&box, CommandsOf(box)));
        QStringList actual;
        for (const QAction* action : menu->actions())
            if (!action->isSeparator() && action->isEnabled()) actual << action->objectName();
        QCOMPARE(actual, enabled);
    }

    // A read-only view offers copying and selecting, nothing that would change it.
    void aViewOffersCopyAndSelectAll() {
        TextView view;
        view.setPlainText("abc");
        TextView::Cursor cursor;
        cursor.setPosition(2, QTextCursor::KeepAnchor);
        view.setTextCursor(cursor);
        std::unique_ptr<QMenu> menu(
            BearbeitenContextMenu(&view, TextViewCommands(view, [&view] { CopySelectionToClipboard(view); })));
        QStringList names;
        for (const QAction* action : menu->actions())
            if (!action->isSeparator()) names << action->objectName();
        QCOMPARE(names, QStringList({"Kopieren", "Allesauswählen"}));
        Entry(*menu, "Kopieren")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("ab"));
    }

    // The box opens the German menu instead of its own.
    void theBoxShowsIt() {
        QPlainTextEdit box;
        box.setPlainText("abc");
        InstallBearbeitenContextMenu(box, CommandsOf(box));
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        emit box.customContextMenuRequested(QPoint(5, 5));
        QMenu* menu = box.findChild<QMenu*>(QString::fromUtf8("BearbeitenKontextmenü"));
        QVERIFY(menu);
        QTRY_VERIFY(menu->isVisible());
        menu->close();
        QTRY_VERIFY(!box.findChild<QMenu*>());  // deleted on close
    }
};

QTEST_MAIN(ContextMenuTest)
#include "ContextMenu_uitest.moc"
