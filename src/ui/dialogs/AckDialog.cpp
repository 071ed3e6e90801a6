#include "ui/dialogs/AckDialog.h"

#include <QLabel>
#include <QPushButton>

#include "ui/util/Fonts.h"
#include "ui/util/Twips.h"

namespace zek::ui {
namespace {

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, const char* tooltip, QRect geometry) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setToolTip(QString::fromUtf8(tooltip));
    button->setGeometry(geometry);
    return button;
}

}  // namespace

AckDialog::AckDialog(const QString& programName, bool haltAllowed, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AckDialog"));
    setWindowTitle(QStringLiteral("ZE-Maschine: Abbrechen?"));
    setFont(ControlFont());
    setModal(true);
    setFixedSize(TwipsToPixelsX(4800), TwipsToPixelsY(1500));

    label1_ = new QLabel(programName + QStringLiteral(" abbrechen?"), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setTextFormat(Qt::PlainText);  // a program name like "<b>x" is shown as it is
    label1_->setGeometry(TwipsRect(120, 120, 4560, 480));
    label1_->setWordWrap(true);

    ja_ = MakeButton(this, "Ja", "Ja", "Programm abbrechen: Abbruchsignal setzen", TwipsRect(120, 780, 1440, 480));
    debugger_ = MakeButton(this, "Debugger", "Anhalten", "Programm unterbrechen: Haltsignal setzen",
                           TwipsRect(1680, 780, 1440, 480));
    nein_ = MakeButton(this, "Nein", "Nein", "Nicht abbrechen, weitermachen", TwipsRect(3240, 780, 1440, 480));
    debugger_->setEnabled(haltAllowed);
    nein_->setDefault(true);

    connect(ja_, &QPushButton::clicked, this, &AckDialog::Ja_Click);
    connect(debugger_, &QPushButton::clicked, this, &AckDialog::Debugger_Click);
    connect(nein_, &QPushButton::clicked, this, &AckDialog::Nein_Click);
}

AckAnswer AckDialog::Ask() {
    exec();
    return answer_;
}

void AckDialog::Ja_Click() { Answer(AckAnswer::Ja); }
void AckDialog::Debugger_Click() { Answer(AckAnswer::Debugger); }
void AckDialog::Nein_Click() { Answer(AckAnswer::Nein); }

void AckDialog::reject() {
    answer_ = AckAnswer::Nein;
    QDialog::reject();
}

void AckDialog::Answer(AckAnswer answer) {
    answer_ = answer;
    accept();
}

}  // namespace zek::ui
