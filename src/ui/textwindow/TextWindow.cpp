#include "ui/textwindow/TextWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QWindow>

#include "core/base/CharacterConversion.h"
#include "ui/util/Clipboard.h"
#include "ui/util/ContextMenu.h"
#include "ui/util/FileDialogs.h"
#include "ui/util/Fonts.h"
#include "ui/util/MessageBoxes.h"
#include "ui/util/Printing.h"
#include "ui/util/QtText.h"
#include "ui/util/TextFile.h"
#include "ui/util/TextView.h"
#include "ui/util/Twips.h"

namespace zek::ui {
namespace {

const QString DefaultTitle = QStringLiteral("ZE-Assembler");
const QString QuestionTitle = QStringLiteral("Sicherheitsabfrage");

QAction* AddAction(QMenu* menu, const QString& objectName, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(objectName);
    return action;
}

}  // namespace

TextWindow::TextWindow(StatusLine text2, QWidget* parent) : QMainWindow(parent), text2_(std::move(text2)) {
    setObjectName(QStringLiteral("TextWindow"));
    setWindowTitle(QStringLiteral("ZE-Assembler - Texteditor"));
    setFont(ControlFont());
    CreateControls();
    CreateMenus();
    resize(TwipsToPixelsX(12210), TwipsToPixelsY(6480) + menuBar()->sizeHint().height());
    text_->Editor()->installEventFilter(this);
    InstallBearbeitenContextMenu(
        *text_->Editor(), PlainTextCommands(
                              *text_->Editor(), [this] { mnuAusschneiden_Click(); }, [this] { mnuKopieren_Click(); },
                              [this] { mnuEinfuegen_Click(); }));
    InstallBearbeitenContextMenu(*text_->View(), TextViewCommands(*text_->View(), [this] { mnuKopieren_Click(); }));
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &TextWindow::OnFocusWindowChanged);
    Form_Load();
}

void TextWindow::CreateControls() {
    auto* client = new QWidget(this);
    setCentralWidget(client);

    hScroll1_ = new QScrollBar(Qt::Horizontal, client);
    hScroll1_->setObjectName(QStringLiteral("HScroll1"));
    hScroll1_->setRange(1, 10);
    hScroll1_->setPageStep(1);
    hScroll1_->setValue(7);  // designed at 10 point: the first activation moves nothing
    hScroll1_->setGeometry(TwipsRect(120, 60, 1092, 312));

    punkt_ = new QLineEdit(client);
    punkt_->setObjectName(QStringLiteral("Punkt"));
    punkt_->setReadOnly(true);
    punkt_->setAlignment(Qt::AlignCenter);
    punkt_->setToolTip(QStringLiteral("Aktuelle Schriftgröße"));
    punkt_->setGeometry(TwipsRect(1320, 60, 372, 312));

    schriftart_ = new QPushButton(QStringLiteral("Textschrift"), client);
    schriftart_->setObjectName(QStringLiteral("Schriftart"));
    schriftart_->setGeometry(TwipsRect(1800, 60, 1332, 312));

    codepagetext_ = new QLabel(QStringLiteral("Zeichenbelegung: unbestimmt"), client);
    codepagetext_->setObjectName(QStringLiteral("Codepagetext"));
    codepagetext_->setGeometry(TwipsRect(3300, 60, 4740, 312));

    abbrechen_ = new QPushButton(QStringLiteral("Abbrechen"), client);
    abbrechen_->setObjectName(QStringLiteral("Abbrechen"));
    abbrechen_->setGeometry(TwipsRect(8160, 60, 1332, 312));

    schliessen_ = new QPushButton(QStringLiteral("S&chließen"), client);
    schliessen_->setObjectName(QStringLiteral("Schließen"));
    schliessen_->setGeometry(TwipsRect(9600, 60, 2532, 312));

    // The two font names are carried by hidden labels set in those fonts.
    monoFontLabel_ = new QLabel(QStringLiteral("Courier New"), client);
    monoFontLabel_->setObjectName(QStringLiteral("Monospaced"));
    monoFontLabel_->setFont(FontOf(monoFontLabel_->text(), true, 8));
    monoFontLabel_->hide();
    varioFontLabel_ = new QLabel(QStringLiteral("MS Sans Serif"), client);
    varioFontLabel_->setObjectName(QStringLiteral("Variospaced"));
    varioFontLabel_->setFont(FontOf(varioFontLabel_->text(), false, 8));
    varioFontLabel_->hide();

    text_ = new TextBox(client);
    text_->setObjectName(QStringLiteral("Text"));
    text_->setGeometry(TwipsRect(120, 480, 12012, 5892));

    connect(hScroll1_, &QScrollBar::valueChanged, this, &TextWindow::HScroll1_Change);
    connect(schriftart_, &QPushButton::clicked, this, &TextWindow::Schriftart_Click);
    connect(abbrechen_, &QPushButton::clicked, this, &TextWindow::Abbrechen_Click);
    connect(schliessen_, &QPushButton::clicked, this, &TextWindow::Schliessen_Click);
}

void TextWindow::CreateMenus() {
    QMenu* datei = menuBar()->addMenu(QStringLiteral("&Datei"));
    mnuAbspeichern = AddAction(datei, QStringLiteral("mnuAbspeichern"), QStringLiteral("Als Datei &speichern"));
    mnuDrucken = AddAction(datei, QStringLiteral("mnuDrucken"), QStringLiteral("&Drucken"));
    datei->addSeparator();
    mnuRuecksetzen = AddAction(datei, QStringLiteral("mnuRücksetzen"), QStringLiteral("&Rücksetzen"));
    mnuAbbrechen = AddAction(datei, QStringLiteral("mnuAbbrechen"), QStringLiteral("Abbrechen"));
    mnuSchliessen = AddAction(datei, QStringLiteral("mnuSchliessen"), QStringLiteral("&Beenden"));

    QMenu* bearbeiten = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
    mnuAusschneiden = AddAction(bearbeiten, QStringLiteral("mnuAusschneiden"), QStringLiteral("&Ausschneiden"));
    mnuKopieren = AddAction(bearbeiten, QStringLiteral("mnuKopieren"), QStringLiteral("&Kopieren"));
    mnuEinfuegen = AddAction(bearbeiten, QStringLiteral("mnuEinfügen"), QStringLiteral("&Einfügen"));
    mnuInDOS = AddAction(bearbeiten, QStringLiteral("mnuInDOS"), QStringLiteral("Umlaute von Windows in DOS"));
    mnuInWin = AddAction(bearbeiten, QStringLiteral("mnuInWin"), QStringLiteral("Umlaute von DOS in Windows"));

    QMenu* hilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    mnuHilfe = AddAction(hilfe, QStringLiteral("mnuHilfe"), QStringLiteral("Aktuelle Hilfe"));
    mnuCodePageHilfe =
        AddAction(hilfe, QStringLiteral("mnuCodePageHilfe"), QStringLiteral("Über die Belegung der Umlaute"));
    mnuEdithilfe = AddAction(hilfe, QStringLiteral("mnuEdithilfe"), QStringLiteral("Über den Quarin-Editor"));

    connect(mnuAbspeichern, &QAction::triggered, this, &TextWindow::mnuAbspeichern_Click);
    connect(mnuDrucken, &QAction::triggered, this, &TextWindow::mnuDrucken_Click);
    connect(mnuRuecksetzen, &QAction::triggered, this, &TextWindow::mnuRuecksetzen_Click);
    connect(mnuAbbrechen, &QAction::triggered, this, &TextWindow::Abbrechen_Click);
    connect(mnuSchliessen, &QAction::triggered, this, &TextWindow::Schliessen_Click);
    connect(mnuAusschneiden, &QAction::triggered, this, &TextWindow::mnuAusschneiden_Click);
    connect(mnuKopieren, &QAction::triggered, this, &TextWindow::mnuKopieren_Click);
    connect(mnuEinfuegen, &QAction::triggered, this, &TextWindow::mnuEinfuegen_Click);
    connect(mnuInDOS, &QAction::triggered, this, &TextWindow::mnuInDOS_Click);
    connect(mnuInWin, &QAction::triggered, this, &TextWindow::mnuInWin_Click);
    connect(mnuHilfe, &QAction::triggered, this, &TextWindow::mnuHilfe_Click);
    connect(mnuCodePageHilfe, &QAction::triggered, this, &TextWindow::mnuCodePageHilfe_Click);
    connect(mnuEdithilfe, &QAction::triggered, this, &TextWindow::mnuEdithilfe_Click);
}

void TextWindow::SetEditable(bool editable) { text_->setReadOnly(!editable); }

bool TextWindow::IsEditMode() const { return !text_->isReadOnly(); }

void TextWindow::ShowModeless() {
    show();
    raise();
    activateWindow();
    Form_Activate();
    lastOtherWindow_ = windowHandle();  // the activation above stands for this one
}

void TextWindow::Form_Load() {
    monoFontName_ = monoFontLabel_->text();
    varioFontName_ = varioFontLabel_->text();
    sizeIndex_ = 7;
    Form_Activate();
}

// Activation comes from another window of this program, not from one of this
// window's own message boxes or file dialogs, and not from another program.
void TextWindow::OnFocusWindowChanged(QWindow* window) {
    if (!window) return;
    QWindow* own = windowHandle();
    const bool fromOther = lastOtherWindow_ && lastOtherWindow_ != own && lastOtherWindow_->transientParent() != own;
    lastOtherWindow_ = window;
    if (own && window == own && fromOther) Form_Activate();
}

void TextWindow::Form_Activate() {
    const bool edit = IsEditMode();
    acceptOnClose_ = edit;

    sizeIndex_ = 7;
    ApplyTextFont();
    punkt_->setText(QString::number(FontSizes[7]));
    hScroll1_->setValue(7);  // a move runs HScroll1_Change and its message

    ShowFontButton();

    mnuSchliessen->setText(edit ? QStringLiteral("&Beenden und Übernehmen") : QStringLiteral("&Beenden"));
    schliessen_->setText(edit ? QStringLiteral("B&eenden und Übernehmen") : QStringLiteral("B&eenden"));
    for (QAction* action :
         {mnuRuecksetzen, mnuAbbrechen, mnuInDOS, mnuInWin, mnuAusschneiden, mnuEinfuegen, mnuCodePageHilfe})
        action->setEnabled(edit);
    abbrechen_->setVisible(edit);
    codepagetext_->setText(QStringLiteral("Zeichenbelegung: unbestimmt"));

    activationText_ = CurrentText();
    update();
}

void TextWindow::ApplyTextFont() {
    const QString family = FontIsMonospaced ? monoFontName_ : varioFontName_;
    text_->setFont(FontOf(family, FontIsMonospaced, FontSizes[sizeIndex_]));
    text_->setTabStopDistance(8 * text_->fontMetrics().horizontalAdvance(QLatin1Char(' ')));
}

// The button offers the other font, shown in that font.
void TextWindow::ShowFontButton() {
    schriftart_->setText(FontIsMonospaced ? QStringLiteral("Satzschrift") : QStringLiteral("Textschrift"));
    schriftart_->setFont(FontIsMonospaced ? FontOf(varioFontName_, false, 8) : FontOf(monoFontName_, true, 8));
}

void TextWindow::Schriftart_Click() {
    FontIsMonospaced = !FontIsMonospaced;
    ApplyTextFont();
    ShowFontButton();
    if (FontIsMonospaced)
        text2_(QStringLiteral("Satzschrift (»") + varioFontName_ + QStringLiteral("«) eingestellt."));
    else
        text2_(QStringLiteral("Textschrift (»") + monoFontName_ + QStringLiteral("«) eingestellt."));
}

void TextWindow::HScroll1_Change() {
    sizeIndex_ = hScroll1_->value();
    ApplyTextFont();
    const QString size = QString::number(FontSizes[sizeIndex_]);
    punkt_->setText(size);
    text2_(QStringLiteral("Textgröße ") + size + QStringLiteral(" eingestellt."));
}

void TextWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // The text box keeps the margins it was designed with.
    const QWidget* client = centralWidget();
    if (!client || !text_) return;
    const int left = TwipsToPixelsX(120);
    const int top = TwipsToPixelsY(480);
    const int width = client->width() - left - TwipsToPixelsX(78);
    const int height = client->height() - top - TwipsToPixelsY(108);
    if (width > 0 && height > 0) text_->setGeometry(left, top, width, height);
}

QString TextWindow::CurrentText() const { return text_->toPlainText(); }

std::string TextWindow::CurrentCoreText() const { return text_->CoreText(); }

void TextWindow::mnuAbspeichern_Click() {
    const SaveDialogAnswer answer =
        SaveFileDialog(this, text2_, QStringLiteral("Text in Datei sichern ..."), QStringLiteral("Textdateien|*.txt"));
    if (answer.choice == SaveChoice::Cancelled) {
        text2_(QStringLiteral("Editor: Abbruch bei Dateidialog für Abspeichern."));
        return;
    }
    const QString& path = answer.path;  // empty for a blank name, which no file takes
    if (!path.isEmpty()) EditorFileName = path;
    if (!WriteTextFile(path, CurrentCoreText())) {
        ShowMessageBox(this, QStringLiteral("Text sichern ist fehlgeschlagen!"), QStringLiteral("Fehlermitteilung"),
                       MessageButtons::Ok);
        text2_(QStringLiteral("Editor: Fehler beim Abspeichern."));
        return;
    }
    setWindowTitle(QStringLiteral("Texteditor ") + path);
    text2_(QStringLiteral("Editor: Text in Datei ") + path + QStringLiteral(" abgespeichert."));
}

void TextWindow::mnuDrucken_Click() {
    const QString family = FontIsMonospaced ? monoFontName_ : varioFontName_;
    if (!PrintOnDefaultPrinter(CurrentText(), PrinterFont(family, FontIsMonospaced))) {
        ShowMessageBox(this, QStringLiteral("Beim Drucken des Textes gab es Probleme."), DefaultTitle,
                       MessageButtons::Ok);
        text2_(QStringLiteral("Editor: Fehler beim Drucken des Textes."));
        return;
    }
    text2_(QStringLiteral("Editor: Text an Drucker gesendet."));
}

void TextWindow::mnuRuecksetzen_Click() {
    if (CurrentText() == activationText_) return;
    const MessageAnswer answer = ShowMessageBox(this, QStringLiteral("Rücksetzen: Alle Änderungen gehen verloren!"),
                                                QuestionTitle, MessageButtons::OkCancel);
    if (answer == MessageAnswer::Ok) {
        text_->ReplaceText(activationText_);
        text2_(QStringLiteral("Editor: Text zurückgesetzt."));
    } else {
        text2_(QStringLiteral("Editor: Text doch nicht zurückgesetzt."));
    }
}

void TextWindow::Schliessen_Click() {
    acceptOnClose_ = IsEditMode();
    close();
}

void TextWindow::Abbrechen_Click() {
    acceptOnClose_ = false;
    close();
}

void TextWindow::closeEvent(QCloseEvent* event) { event->setAccepted(Form_Unload()); }

bool TextWindow::Form_Unload() {
    const QString text = CurrentText();
    const bool changed = text != activationText_;
    if (acceptOnClose_) {
        if (!changed) {
            editorResultText_ = text;
            text2_(QStringLiteral("Editor geschlossen. Textdatei ") + EditorFileName + QStringLiteral(" unverändert."));
            return true;
        }
        const QString question = QStringLiteral("Schließen: Textdatei ") + EditorFileName +
                                 QStringLiteral(
                                     " wurde geändert.\n\nGeänderten Text übernehmen?\n\n"
                                     "(Im Fall »Nein« muß der Editor mit »Abbrechen« verlassen werden)");
        if (ShowMessageBox(this, question, QuestionTitle, MessageButtons::YesNoCancel) == MessageAnswer::Yes) {
            editorResultText_ = text;
            text2_(QStringLiteral("Editor geschlossen. Text geändert."));
            return true;
        }
        text2_(QStringLiteral("Editor schliessen abgebrochen."));
        return false;
    }
    if (changed && IsEditMode()) {
        const QString question = QStringLiteral("Abbrechen: Alle Änderungen an der Textdatei ") + EditorFileName +
                                 QStringLiteral(" gehen verloren!");
        if (ShowMessageBox(this, question, QuestionTitle, MessageButtons::OkCancel) == MessageAnswer::Ok) {
            text_->ReplaceText(activationText_);
            editorResultText_ = activationText_;
            text2_(QStringLiteral("Editor mit Verwerfen aller Änderungen beendet."));
            return true;
        }
        text2_(QStringLiteral("Editorabbruch abgewehrt."));
        return false;
    }
    editorResultText_ = text;
    text2_(QStringLiteral("Editor ohne Textänderung beendet."));
    return true;
}

void TextWindow::mnuAusschneiden_Click() {
    if (!IsEditMode()) return;
    CutSelectionToClipboard(*text_->Editor());
}

void TextWindow::mnuKopieren_Click() {
    if (IsEditMode())
        CopySelectionToClipboard(*text_->Editor());
    else
        CopySelectionToClipboard(*text_->View());
}

void TextWindow::mnuEinfuegen_Click() {
    if (!IsEditMode()) return;
    PasteInFrontOfSelection(*text_->Editor());
}

void TextWindow::Recode(bool inDos) {
    mnuInDOS->setEnabled(!inDos);
    mnuInWin->setEnabled(inDos);
    const std::string text = CurrentCoreText();
    text_->ReplaceText(FromCoreLines(inDos ? ConvertInDOS(text) : ConvertInWin(text)));
    codepagetext_->setText(inDos ? QStringLiteral("Zeichenbelegung: DOS") : QStringLiteral("Zeichenbelegung: Windows"));
    text_->Shown()->update();
}

void TextWindow::mnuInDOS_Click() { Recode(true); }

void TextWindow::mnuInWin_Click() { Recode(false); }

void TextWindow::mnuHilfe_Click() {
    ShowMessageBox(this, QStringLiteral("Dies ist ein einfacher Texteditor zum Anzeigen und Bearbeiten eines Textes."),
                   DefaultTitle, MessageButtons::Ok);
    text2_(QStringLiteral("Editor: Hilfsseite ") + HelpPage + QStringLiteral(" aufgerufen."));
}

QString TextWindow::CodePageDescription() const {
    const bool toDos = mnuInDOS->isEnabled();
    const bool toWin = mnuInWin->isEnabled();
    if (toDos && toWin) return QStringLiteral("... ist noch nicht eingestellt");
    if (toWin) return QStringLiteral("DOS (Umlaute nach Codepage 437 oder 850)");
    if (toDos) return QStringLiteral("Windows (Umlaute nach ANSI, ISO-8859-1 oder Unicode)");
    return {};
}

void TextWindow::mnuCodePageHilfe_Click() {
    const QString text =
        QStringList{
            QStringLiteral("Die Umlaute werden unter DOS und Windows verschieden kodiert."),
            QStringLiteral("Damit es immer schön klappt, kann der Editor folgende Zeichen umkodieren:"),
            QStringLiteral("- Die Groß- und Kleinbuchstaben von  Ä  Å  Æ  Ç  É  Ñ  Ö  und  Ü."),
            QStringLiteral("- Die Sonderzeichen  £  ª  º  ¿  ¬  ½  ¼  ¡  «  »  µ  ±  ÷  °  und  ²."),
            QStringLiteral("- Das ß."),
            QStringLiteral("- Ausserdem werden die DOS-Unterstriche 196 bzw. 205 zu - bzw. = umkodiert."),
            QString(),
            QStringLiteral("Es sind genau die Zeichen, die in den DOS-Codepages 437 und 850 denselben Code haben "
                           "und unter Windows, ISO-8859-1 und Unicode ebenfalls überall denselben Code tragen."),
            QStringLiteral("So haut bei diesen Zeichen immer alles hin."),
            QString(),
            QStringLiteral("Aktuelle Codepage: \t") + CodePageDescription(),
        }
            .join(QLatin1Char('\n'));
    ShowMessageBox(this, text, QStringLiteral("Über die Umkodierung"), MessageButtons::Ok);
    text2_(QStringLiteral("Editor: Umkodierungs-Hilfsseite aufgerufen."));
}

void TextWindow::mnuEdithilfe_Click() {
    const bool edit = IsEditMode();
    const std::string text = CurrentCoreText();
    std::size_t lines = 1;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++lines;
    const QString size = QString::number(FontSizes[sizeIndex_]);

    QStringList page;
    page << (edit ? QStringLiteral("Der Quarin-Editor ist ein ganz kleines Programm zur ") +
                        QStringLiteral("Bearbeitung einer Zeichenkette.")
                  : QStringLiteral("Der Quarin-Editor zeigt ein ganz kleines Programm zur ") +
                        QStringLiteral("Anzeige einer Zeichenkette."))
         << QString();
    if (edit)
        page << QStringLiteral("    <Strg+X> =  \tAusschneiden") << QStringLiteral("    <Strg+V> =  \tEinfügen")
             << QStringLiteral("    <Strg+Z> =  \tRückgängig")
             << QStringLiteral("    <Strg+Entf> =  \tZeile ab Cursor löschen");
    page << QStringLiteral("    <Strg+C> =  \tKopieren") << QString()
         << QStringLiteral("Den Bildschirmtext gibt es in Satzschrift oder")
         << QStringLiteral("Textschrift von 4 bis 16 Punkt.    ")
         << QStringLiteral("Den Druckertext gibt es auch in Satz- und Textschrift,")
         << QStringLiteral("damit aber 128 Zeichen auf eine Zeile passen wird immer")
         << QStringLiteral("in 7 Punkt gedruckt.") << QString()
         << QStringLiteral("Aktuelle Textlänge: \t") + QString::number(text.size()) + QStringLiteral(" Zeichen")
         << QStringLiteral("Aktuelle Textzeilenanzahl: \t") + QString::number(lines) + QStringLiteral(" Zeile(n)")
         << (FontIsMonospaced
                 ? QStringLiteral("Aktuelle Schriftart:\t\tTextschrift ") + size + QStringLiteral(" Punkt.")
                 : QStringLiteral("Aktuelle Schriftart:\tSatzschrift ") + size + QStringLiteral(" Punkt"))
         << QStringLiteral("Aktueller Editormodus: ") + (edit ? QStringLiteral("Editieren") : QStringLiteral("Anzeige"))
         << QStringLiteral("Satzschriftname:          ") + varioFontName_
         << QStringLiteral("Textschriftname:          ") + monoFontName_;
    ShowMessageBox(this, page.join(QLatin1Char('\n')), QStringLiteral("Über den Quarin-Editor"), MessageButtons::Ok);
    text2_(QStringLiteral("Editor: Interne Hilfsseite aufgerufen."));
}

// Ctrl+Del deletes the rest of the line, as the editor's help promises.
bool TextWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text_->Editor() && event->type() == QEvent::KeyPress && IsEditMode()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::ControlModifier) {
            QTextCursor cursor = text_->textCursor();
            cursor.clearSelection();
            cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace zek::ui
