#include "ui/workbench/FindDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zek::ui {
namespace {

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setAutoDefault(false);
    return button;
}

QLineEdit* MakeField(QWidget* parent, QGridLayout* grid, int row, const char* name, const char* label) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromUtf8(name));
    auto* caption = new QLabel(QString::fromUtf8(label), parent);
    caption->setBuddy(field);
    grid->addWidget(caption, row, 0);
    grid->addWidget(field, row, 1);
    return field;
}

}  // namespace

FindDialog::FindDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Suchen"));
    setWindowTitle(QStringLiteral("ZEK: Suchen und Ersetzen"));
    setModal(false);

    auto* grid = new QGridLayout;
    term_ = MakeField(this, grid, 0, "Suchbegriff", "&Suchen nach:");
    replacement_ = MakeField(this, grid, 1, "Ersetzung", "&Ersetzen durch:");
    caseSensitive_ = new QCheckBox(QStringLiteral("&Groß-/Kleinschreibung beachten"), this);
    caseSensitive_->setObjectName(QStringLiteral("GrossKlein"));
    grid->addWidget(caseSensitive_, 2, 1);

    QPushButton* next = MakeButton(this, "Weitersuchen", "&Weitersuchen");
    next->setDefault(true);
    QPushButton* previous = MakeButton(this, "Rueckwaerts", "&Rückwärts suchen");
    QPushButton* replace = MakeButton(this, "Ersetzen", "E&rsetzen");
    QPushButton* replaceAll = MakeButton(this, "AlleErsetzen", "&Alle ersetzen");
    QPushButton* close = MakeButton(this, "Schliessen", "Schließen");
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {next, previous, replace, replaceAll, close}) buttons->addWidget(button);
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(next, &QPushButton::clicked, this, [this] { emit FindRequested(false); });
    connect(previous, &QPushButton::clicked, this, [this] { emit FindRequested(true); });
    connect(replace, &QPushButton::clicked, this, &FindDialog::ReplaceRequested);
    connect(replaceAll, &QPushButton::clicked, this, &FindDialog::ReplaceAllRequested);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
}

QString FindDialog::Term() const { return term_->text(); }
QString FindDialog::Replacement() const { return replacement_->text(); }
bool FindDialog::CaseSensitive() const { return caseSensitive_->isChecked(); }

void FindDialog::Open(const QString& term, bool replacing) {
    if (!term.isEmpty()) term_->setText(term);
    show();
    raise();
    activateWindow();
    QLineEdit* field = replacing && !term_->text().isEmpty() ? replacement_ : term_;
    field->setFocus();
    field->selectAll();
}

}  // namespace zek::ui
