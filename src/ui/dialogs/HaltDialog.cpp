#include "ui/dialogs/HaltDialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <algorithm>

#include "core/base/DocumentationText.h"
#include "core/reports/Reports.h"
#include "ui/dialogs/DialogHost.h"
#include "ui/util/Fonts.h"
#include "ui/util/MessageBoxes.h"
#include "ui/util/QtText.h"
#include "ui/util/RunModeNames.h"
#include "ui/util/TextView.h"
#include "ui/util/Twips.h"

namespace zek::ui {
namespace {

// The window's outer size counts its frame and title bar, which the client
// area does not have.
constexpr int FrameWidth = 246;
constexpr int FrameHeight = 330;
constexpr int MinimumWidth = 6960;
constexpr int MinimumHeight = 3360;
// Opening size: wide enough for a whole instruction trace line (89 characters).
constexpr int StartWidth = 12000;
constexpr int StartHeight = 6600;
constexpr int BandColumns = 5;

QString HelpText() {
    return QString::fromUtf8(
        "Der ZE-Prozessor hat die Programmabarbeitung unterbrochen und angehalten. \n\n"
        "Dies erfolgt: \n\n"
        " - im Testmodus 'Fehlerhalt' bei Fehlern\n"
        " - im Testmodus 'Schrittweise' nach jedem Befehl\n"
        " - bei Abarbeitung eines halt-Befehles \n"
        " - bei Erkennen des Haltsignales \n\n"
        "Es wird die Wirkung des gerade abgearbeiteten Befehls angezeigt. \n\n"
        "Der Instruction Counter IC zählt alle Befehle ab Programmstart. "
        "Der Instruction Pointer IP zeigt auf den gerade abgearbeiteten Befehl in der Codetabelle.\n\n"
        "Bitte nicht wundern, dass bei Fortsetzen das Fenster nicht verschwindet, wenn "
        "Testmodus 'Schrittweise' eingestellt ist. Dann wird sofort "
        "wieder unterbrochen. Zum Verlassen 'Ohne Halt' fortsetzen oder Abbruch "
        "betätigen.\n\n"
        "Bei Assemblerfehlern erscheint im Befehlsprotokoll eine Assemblerfehlerliste. \n\n"
        "Laufzeitfehler werden im Laufzeitprotokoll gezählt.");
}

}  // namespace

HaltDialog::HaltDialog(DialogHost& host, QWidget* parent) : QDialog(parent), host_(host) {
    setObjectName(QStringLiteral("HaltDialog"));
    setWindowTitle(QStringLiteral("ZE-Maschine: Halt"));
    setFont(ControlFont());
    setModal(true);
    setMinimumSize(TwipsToPixelsX(MinimumWidth - FrameWidth), TwipsToPixelsY(MinimumHeight - FrameHeight));

    text1_ = new TextView(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setFont(FixedPitchFont(10.5));
    text1_->SetWrapping(false);

    testmodus_ = new QLineEdit(this);
    testmodus_->setObjectName(QStringLiteral("Testmodus"));
    testmodus_->setToolTip(QStringLiteral("Aktueller Testmodus"));
    testmodus_->setReadOnly(true);
    testmodus_->setAlignment(Qt::AlignCenter);
    band_.push_back(testmodus_);

    const auto modeButton = [this](const char* name, const char* caption, const char* tooltip, RunMode mode) {
        connect(AddButton(name, caption, tooltip), &QPushButton::clicked, this, [this, mode] { SetRunMode(mode); });
    };
    modeButton("OhneHalt", "'Ohne Halt'", "Stellt Testmodus 'Ohne Halt' ein", RunMode::OhneHalt);
    modeButton("Fehlerhalt", "'Fehlerhalt'", "Stellt Testmodus 'Fehlerhalt' ein", RunMode::Fehlerhalt);
    modeButton("Schrittweise", "'Schrittweise'", "Stellt Testmodus 'Schrittweise' ein", RunMode::Schrittweise);
    connect(AddButton("Hilfe", "Hilfe", "Hilfe! Hilfe!"), &QPushButton::clicked, this, &HaltDialog::Hilfe_Click);

    QPushButton* fortsetzen = AddButton("Fortsetzen", "Fortsetzen", "Fortsetzung in aktuellem Testmodus");
    fortsetzen->setDefault(true);
    connect(fortsetzen, &QPushButton::clicked, this, &HaltDialog::Fortsetzen_Click);
    connect(AddButton("Abbruch", "Abbruch !!", "Weist Programmabbruch an"), &QPushButton::clicked, this,
            &HaltDialog::Abbruch_Click);

    ZekState& state = host_.state();
    AddViewButton("Befehlsprotokoll", "Protokoll", "Zeigt Befehlsprotokoll an",
                  [&state] { return state.InstructionProtocol; });
    AddViewButton("Laufzeitprotokoll", "L-Protokoll", "Zeigt Laufzeitprotokoll an",
                  [&state] { return ExecutionProtocol(state); });
    AddViewButton("Code", "Code", "Zeigt Codetabelle an", [&state] { return CodeTableListing(state); });
    AddViewButton("Symboltabelle", "Symbole", "Zeigt Standardsymboltabelle (ohne Feldelemente) an",
                  [this] { return SymbolTableListing(host_.state(), host_.windows(), false); });
    AddViewButton("SymboltabelleLang", "Symbole (l)", "Zeigt vollständige Symboltabelle (mit allen Feldelementen) an",
                  [this] { return SymbolTableListing(host_.state(), host_.windows(), true); });
    AddViewButton("Ausgabetext", "Ausgabetext", "Zeigt Ausgabetext an", [&state] { return state.OutputText; });
    // The program as the assembler reads it.
    AddViewButton("Assemblerprogramm", "Programm", "Zeigt Programm an",
                  [this] { return ToCoreLines(host_.SourceText()); });
    AddViewButton("Befehlsliste", "Dokum.", "Zeigt Befehlsliste an", [] { return DocumentationText(); });

    resize(TwipsToPixelsX(StartWidth - FrameWidth), TwipsToPixelsY(StartHeight - FrameHeight));
    Form_Load();
}

QPushButton* HaltDialog::AddButton(const char* name, const char* caption, const char* tooltip) {
    auto* button = new QPushButton(QString::fromUtf8(caption), this);
    button->setObjectName(QString::fromUtf8(name));
    button->setToolTip(QString::fromUtf8(tooltip));
    button->setAutoDefault(false);
    band_.push_back(button);
    return button;
}

void HaltDialog::AddViewButton(const char* name, const char* caption, const char* tooltip,
                               std::function<std::string()> text) {
    connect(AddButton(name, caption, tooltip), &QPushButton::clicked, this,
            [this, text = std::move(text)] { ShowText(text()); });
}

void HaltDialog::ShowText(const QString& text) { ShowText(ToCoreLines(text)); }

void HaltDialog::ShowText(std::string text) {
    text1_->SetCoreText(std::move(text));
    text1_->repaint();
}

void HaltDialog::Form_Load() { ShowRunMode(); }

// The mode chosen here, else the run's mode.
void HaltDialog::ShowRunMode() {
    if (const char* name = RunModeName(answer_.runMode.value_or(host_.state().RunMode)))
        testmodus_->setText(QString::fromUtf8(name));
}

void HaltDialog::Fortsetzen_Click() { accept(); }

void HaltDialog::Abbruch_Click() {
    if (host_.ZEKSicherheitsabfrage(false) != AckAnswer::Ja) return;
    answer_.outcome = HaltOutcome::Abort;
    host_.SetText2(QStringLiteral("Abbruchsignal gesetzt"));
    accept();
}

void HaltDialog::SetRunMode(RunMode mode) {
    answer_.runMode = mode;
    ShowRunMode();
    host_.SetText2(QStringLiteral("ZE-Prozessor in Modus '%1' versetzt").arg(QString::fromUtf8(RunModeName(mode))));
}

void HaltDialog::Hilfe_Click() {
    ShowMessageBox(this, HelpText(), QStringLiteral("ZE-Prozessor: Halt"), MessageButtons::Ok);
}

void HaltDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Form_Resize();
}

// Text1 fills the window above a band of buttons in rows of five. The
// size read back in twips may lie a few twips under the minimum where a
// pixel is not a whole number of twips; the layout takes the clamped size.
void HaltDialog::Form_Resize() {
    if (isMinimized()) return;
    const int width = std::max(PixelsToTwipsX(this->width()) + FrameWidth, MinimumWidth);
    const int height = std::max(PixelsToTwipsY(this->height()) + FrameHeight, MinimumHeight);
    const QSize clamped(TwipsToPixelsX(width - FrameWidth), TwipsToPixelsY(height - FrameHeight));
    if (this->width() < clamped.width() || this->height() < clamped.height()) resize(size().expandedTo(clamped));
    QRect text1 = TwipsRect(60, 60, width - 216 - 180, height - 1260 - 180);
    text1_->setGeometry(text1);

    const int gap = TwipsToPixelsX(45);
    const int bandTop = text1.bottom() + 1 + gap;
    const int rows = static_cast<int>((band_.size() + BandColumns - 1) / BandColumns);
    const int rowHeight = (std::max(this->height(), clamped.height()) - gap - bandTop - (rows - 1) * gap) / rows;
    const int columnWidth = (text1.width() - (BandColumns - 1) * gap) / BandColumns;
    for (std::size_t i = 0; i < band_.size(); ++i) {
        const int row = static_cast<int>(i) / BandColumns;
        const int column = static_cast<int>(i) % BandColumns;
        band_[i]->setGeometry(text1.left() + column * (columnWidth + gap), bandTop + row * (rowHeight + gap),
                              columnWidth, rowHeight);
    }
}

}  // namespace zek::ui
