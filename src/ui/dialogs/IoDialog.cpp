#include "ui/dialogs/IoDialog.h"

#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/base/NumberFormat.h"
#include "core/base/NumberReading.h"
#include "core/store/ProgramStore.h"
#include "ui/dialogs/DialogHost.h"
#include "ui/util/Fonts.h"
#include "ui/util/MessageBoxes.h"
#include "ui/util/QtText.h"
#include "ui/util/Twips.h"

namespace zek::ui {
namespace {

QPushButton* MakeButton(QWidget* parent, const QString& name, const char* caption, const char* tooltip) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(name);
    button->setToolTip(QString::fromUtf8(tooltip));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

QString LocaleNumberText(double value) {
    return FromCore(GeneralNumber(value)).replace(QLatin1Char('.'), QLocale::system().decimalPoint());
}

IoDialog::IoDialog(DialogHost& host, QWidget* parent) : QDialog(parent), host_(host) {
    setObjectName(QStringLiteral("IoDialog"));
    setFont(ControlFont());
    setModal(true);

    mitteilung_ = new QLabel(this);
    mitteilung_->setObjectName(QStringLiteral("Mitteilung"));
    mitteilung_->setToolTip(QStringLiteral("Dialogtext"));
    mitteilung_->setWordWrap(true);
    mitteilung_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    mitteilung_->setTextFormat(Qt::PlainText);

    symboltext_ = new QLabel(this);
    symboltext_->setObjectName(QStringLiteral("Symboltext"));
    symboltext_->setToolTip(QStringLiteral("Symbol mit Zahlenwert"));
    symboltext_->setTextFormat(Qt::PlainText);

    symbolwert_ = new QPlainTextEdit(this);
    symbolwert_->setObjectName(QStringLiteral("Symbolwert"));
    symbolwert_->setToolTip(QStringLiteral("Feld für Zahleneingabe"));
    symbolwert_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    symbolwert_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    symbolwert_->setLineWrapMode(QPlainTextEdit::NoWrap);
    symbolwert_->setTabChangesFocus(true);

    uebernehmen_ = MakeButton(this, QString::fromUtf8("Übernehmen"), "Übernehmen", "Beendet Dialog");
    info_ = MakeButton(this, QStringLiteral("Info"), "Info", "Kurze Information");
    abbrechen_ = MakeButton(this, QStringLiteral("Abbrechen"), "Abbruch", "Setzt das Abbruchsignal");
    uebernehmen_->setDefault(true);

    connect(symbolwert_, &QPlainTextEdit::textChanged, this, &IoDialog::Symbolwert_Change);
    connect(uebernehmen_, &QPushButton::clicked, this, &IoDialog::Uebernehmen_Click);
    connect(info_, &QPushButton::clicked, this, &IoDialog::Info_Click);
    connect(abbrechen_, &QPushButton::clicked, this, &IoDialog::Abbrechen_Click);
}

IoAnswer IoDialog::ZEKDialog(std::int32_t programLine, const QString& programName, IoDialogKind kind,
                             const QString& message, const QString& symbolName, double value) {
    programLine_ = programLine;
    programName_ = programName;
    kind_ = kind;
    symbolName_ = symbolName;
    symbolValue_ = value;
    setWindowTitle(programName);

    switch (kind) {
        case IoDialogKind::Pause:
            infoText_ = QStringLiteral(
                "Der ZE-Prozessor arbeitet einen pause-Befehl ab. Es wird ein Mitteilungstext ausgegeben.");
            Arrange(false, false);
            uebernehmen_->setText(QStringLiteral("Fortsetzen"));
            mitteilung_->setText(message);
            break;
        case IoDialogKind::Output:
            infoText_ =
                QStringLiteral("Der ZE-Prozessor arbeitet einen output-Befehl ab. Es wird ein Zahlenwert ausgegeben.");
            Arrange(true, false);
            uebernehmen_->setText(QStringLiteral("Fortsetzen"));
            mitteilung_->setText(message);
            ShowSymbol();
            break;
        case IoDialogKind::Input:
            infoText_ = QStringLiteral(
                "Der ZE-Prozessor arbeitet einen input-Befehl ab. Es kann ein Mitteilungstext eingegeben werden.\n\n"
                "Punkt=Dezimalpunkt, E=Exponent.");
            Arrange(true, true);
            uebernehmen_->setText(QString::fromUtf8("Übernehmen"));
            mitteilung_->setText(message);
            ShowSymbol();
            if (symbolValue_ != 0) symbolwert_->setPlainText(LocaleNumberText(symbolValue_));
            symbolwert_->setFocus();
            symbolwert_->moveCursor(QTextCursor::End);
            break;
    }

    exec();
    return {outcome_, kind == IoDialogKind::Input ? symbolValue_ : value};
}

void IoDialog::Close(IoOutcome outcome) {
    outcome_ = outcome;
    accept();
}

void IoDialog::reject() {
    if (kind_ == IoDialogKind::Input)
        Abbrechen_Click();
    else
        Uebernehmen_Click();
}

void IoDialog::Arrange(bool showsSymbol, bool showsEntry) {
    symboltext_->setVisible(showsSymbol);
    symbolwert_->setVisible(showsEntry);
    setFixedSize(TwipsToPixelsX(6000), TwipsToPixelsY(showsEntry ? 2760 : showsSymbol ? 2400 : 2040));
    const int bottom = height() - TwipsToPixelsY(120 + 375);
    mitteilung_->setGeometry(TwipsRect(120, 120, 5760, 900));
    symboltext_->setGeometry(TwipsRect(120, 1080, 5760, 300));
    symbolwert_->setGeometry(TwipsRect(120, 1440, 5760, 360));
    const int buttonWidth = TwipsToPixelsX(1800);
    const int buttonHeight = TwipsToPixelsY(375);
    uebernehmen_->setGeometry(TwipsToPixelsX(120), bottom, buttonWidth, buttonHeight);
    info_->setGeometry(TwipsToPixelsX(2100), bottom, buttonWidth, buttonHeight);
    abbrechen_->setGeometry(TwipsToPixelsX(4080), bottom, buttonWidth, buttonHeight);
}

void IoDialog::ShowSymbol() {
    symboltext_->setText(symbolName_ + QStringLiteral(" = ") + LocaleNumberText(symbolValue_));
}

// Every edit re-reads the field; a line break in it (Enter) accepts the
// text before the break.
void IoDialog::Symbolwert_Change() {
    QString text = symbolwert_->toPlainText();
    const qsizetype lineBreak = text.indexOf(QLatin1Char('\n'));
    const bool entered = lineBreak >= 0;
    if (entered) text.truncate(lineBreak);
    symbolValue_ = TypedNumber(ToCore(text));
    ShowSymbol();
    if (entered) Uebernehmen_Click();
}

void IoDialog::Uebernehmen_Click() { Close(IoOutcome::Accepted); }

void IoDialog::Info_Click() {
    const QString text = infoText_ + QStringLiteral("\n\nProgrammname:  \t") + programName_ +
                         QStringLiteral("\nProgrammzeile: \t") + QString::number(programLine_);
    const std::string_view name = InstructionName(kind_);
    const QString instruction = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    ShowMessageBox(this, text, QStringLiteral("ZE-Prozessor: ") + instruction + QStringLiteral("-Befehl"),
                   MessageButtons::Ok);
}

void IoDialog::Abbrechen_Click() {
    switch (host_.ZEKSicherheitsabfrage(true)) {
        case AckAnswer::Debugger:
            host_.SetText2(QStringLiteral("Haltsignal gesetzt"));
            Close(IoOutcome::Halt);
            break;
        case AckAnswer::Ja:
            host_.SetText2(QStringLiteral("Abbruchsignal gesetzt"));
            Close(IoOutcome::Abort);
            break;
        case AckAnswer::Nein: break;
    }
}

}  // namespace zek::ui
