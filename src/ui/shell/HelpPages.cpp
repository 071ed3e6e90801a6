// The "&Hilfe" menu of the main window: the help pages as message boxes,
// the documentation in the text window, and closing that window.

#include <QStringList>
#include <optional>

#include "core/base/DocumentationText.h"
#include "core/base/Version.h"
#include "ui/shell/MainWindow.h"
#include "ui/textwindow/TextWindow.h"
#include "ui/util/MessageBoxes.h"

namespace zek::ui {
namespace {

struct HelpPageText {
    QString title;
    QString text;
    QString status;  // empty: Text2 stays as it is
};

// Groups of mnemonics, one per line, an empty line between groups.
QString MnemonicList(const QList<QStringList>& groups) {
    QStringList blocks;
    for (const QStringList& group : groups) blocks << group.join(QLatin1Char('\n'));
    return blocks.join(QStringLiteral("\n\n"));
}

QString AboutText() {
    return QStringList{
        QString(),
        QStringLiteral("Der ZE-Assembler"),
        QString(),
        QStringLiteral("Das Programmieren in Assembler ist heute fast ausgestorben: Kaum jemand schreibt "
                       "noch Befehl für Befehl auf, was der Rechner tun soll. Mit diesem Assembler kann "
                       "man wieder genau so programmieren und dabei jedem einzelnen Befehl zusehen."),
        QString(),
    }
        .join(QLatin1Char('\n'));
}

QString IntroductionText() {
    return QStringList{
        QStringLiteral("Assemblerprogrammieren ist eigentlich ganz einfach. "),
        QStringLiteral("Ein Assemblerprogramm besteht aus Befehlen, die jeweils auf einer Zeile stehen. "),
        QStringLiteral("Man muss nur die Befehle in der richtigen Reihenfolge aufschreiben. "),
        QString(),
        QStringLiteral("   add\tx\t20\t ; addiert 20 zu x hinzu, "),
        QStringLiteral("   sub\tx\ta\t ; zieht a von x ab, "),
        QStringLiteral("   mul\tx\t6.37\t ; multipliziert x mit 6,37, "),
        QStringLiteral("   div\tx\tb3\t ; teilt x durch eine Variable b3. "),
        QString(),
        QStringLiteral("So lassen sich beliebige mathematische Formeln abcoden."),
        QString(),
        QStringLiteral("»add«, »sub«, »mul«, »div« sind Befehlscodes. »x«, »20«, »a«, »6.37«, »b3« sind "
                       "Operanden. Das ist im Prinzip alles. "),
        QString(),
        QStringLiteral("Viel Spaß beim Programmieren!"),
    }
        .join(QLatin1Char('\n'));
}

QString InfoText() {
    return QStringList{QStringLiteral("ZE-Assembler"),
                       QString(),
                       QStringLiteral("Ausgabe ") + QLatin1String(ProgramVersion),
                       QString(),
                       QString(),
                       QString()}
        .join(QLatin1Char('\n'));
}

std::optional<HelpPageText> HelpPageOf(int index) {
    switch (index) {
        case 1:
            return HelpPageText{QStringLiteral("ZEK-Hilfe: Über ZEK ... "), AboutText(),
                                QStringLiteral("ZEK-Hilfe: Über ZEK  ...")};
        case 2:
            return HelpPageText{QStringLiteral("ZEK-Hilfe: Assembler programmieren ..."), IntroductionText(),
                                QStringLiteral("ZEK-Hilfe: Assembler programmieren ...")};
        case 4:
            return HelpPageText{QStringLiteral("ZEK: Rechenbefehle I"),
                                MnemonicList({{"mov", "clr", "inc", "dec"},
                                              {"add", "sub", "mul", "div"},
                                              {"power", "root"},
                                              {"exp", "exp10", "exp2", "expx"},
                                              {"log", "log10", "log2", "logx"}}),
                                {}};
        case 5:
            return HelpPageText{QStringLiteral("ZEK: Rechenbefehle II"),
                                MnemonicList({{"sin", "cos", "tan", "cot", "sec", "csc"},
                                              {"asin", "acos", "atan", "acot", "asec", "acsc"},
                                              {"sinh", "cosh", "tanh", "coth", "sech", "csch"},
                                              {"asinh", "acosh", "atanh", "acoth", "asech", "acsch"}}),
                                {}};
        case 6:
            return HelpPageText{QStringLiteral("ZEK: Rechenbefehle III"),
                                MnemonicList({{"bin", "not", "and", "or"},
                                              {"neg", "abs", "sgn", "round", "ceil", "floor", "fix", "frac", "clip",
                                               "cmod", "random"}}),
                                {}};
        case 7:
            return HelpPageText{QStringLiteral("ZEK: Sprungbefehle"),
                                MnemonicList({{"cmpgt", "cmpge", "cmplt", "cmple", "cmpeq", "cmpne"},
                                              {"tstgt", "tstge", "tstlt", "tstle", "tsteq", "tstne"},
                                              {"jump"}}),
                                {}};
        case 8:
            return HelpPageText{QStringLiteral("ZEK: Ein-/Ausgabebefehle"),
                                MnemonicList({{"input", "output", "pause", "proof", "info"},
                                              {"cls", "printn", "prints", "save"},
                                              {"read", "write"}}),
                                {}};
        case 9: return HelpPageText{QStringLiteral("ZEK: Pointerbefehle"), MnemonicList({{"adrof", "get", "put"}}), {}};
        case 10:
            return HelpPageText{QStringLiteral("ZEK: Systembefehle"),
                                MnemonicList({{"init", "nop", "mode", "halt", "err", "exit"}}),
                                {}};
        case 11:
            return HelpPageText{QStringLiteral("ZEK: Pseudobefehle"),
                                MnemonicList({{"_name", "_var", "_dim", "_lab", "_config", "_end"}}),
                                {}};
        case 99:
            return HelpPageText{QStringLiteral("ZEK-Hilfe: Info ... "), InfoText(),
                                QStringLiteral("ZEK-Hilfe: Info  ...")};
        default: return std::nullopt;
    }
}

}  // namespace

void MainWindow::mnuHilfe_Click(int index) {
    if (index == 21) {
        if (!textWindow_) {
            textWindow_ = new TextWindow([this](const QString& message) { SetText2(message); }, this);
            textWindow_->setAttribute(Qt::WA_DeleteOnClose);
        }
        textWindow_->Text()->SetCoreText(DocumentationText());
        textWindow_->setWindowTitle(QStringLiteral("ZE-Assembler: ") + QStringLiteral("Dokumentation"));
        textWindow_->SetFontIsMonospaced(true);
        textWindow_->ShowModeless();
        return;
    }
    const std::optional<HelpPageText> page = HelpPageOf(index);
    if (!page) return;
    ShowMessageBox(this, page->text, page->title, MessageButtons::Ok);
    if (!page->status.isEmpty()) SetText2(page->status);
}

void MainWindow::CloseTextWindow() {
    if (textWindow_ && textWindow_->isVisible()) textWindow_->close();
}

}  // namespace zek::ui
