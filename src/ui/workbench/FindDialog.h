#pragma once
// The modeless dialog "Suchen und Ersetzen": a search term, a replacement,
// match case, and the buttons that ask the window to act on the source.

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace zek::ui {

class FindDialog : public QDialog {
    Q_OBJECT

public:
    explicit FindDialog(QWidget* parent);

    QString Term() const;
    QString Replacement() const;
    bool CaseSensitive() const;

    // Shows the dialog with `term` (when not empty) and puts the focus into
    // the search field, or into the replacement field for replacing.
    void Open(const QString& term, bool replacing);

signals:
    void FindRequested(bool backward);
    void ReplaceRequested();
    void ReplaceAllRequested();

private:
    QLineEdit* term_ = nullptr;
    QLineEdit* replacement_ = nullptr;
    QCheckBox* caseSensitive_ = nullptr;
};

}  // namespace zek::ui
