#pragma once
// The text window: a small modeless viewer and editor for one text, with a
// proportional and a fixed-pitch font in sizes 4 to 16 point, saving,
// printing and the DOS/Windows recoding of umlauts. Read-only text box =
// display mode ("Anzeige"), writable = edit mode ("Editieren").
//
// The caller sets the text (Text()), the caption, the font (SetFontIsMonospaced)
// and, for edit mode, SetEditable(true); then ShowModeless(). After the
// window has closed, EditorResultText() holds the text handed back. That is
// the whole public interface; the user's commands are the window's own
// controls and menus, whose handlers are private.

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QWindow>
#include <array>

#include "ui/textwindow/TextBox.h"
#include "ui/util/StatusLine.h"

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace zek::ui {

class TextWindow : public QMainWindow {
    Q_OBJECT

public:
    // `text2` receives the status messages (the main window's Text2).
    explicit TextWindow(StatusLine text2, QWidget* parent = nullptr);

    TextBox* Text() { return text_; }
    void SetEditable(bool editable);
    bool IsEditMode() const;
    // Whether the text is shown in the fixed-pitch font; takes effect at the next activation.
    void SetFontIsMonospaced(bool monospaced) { FontIsMonospaced = monospaced; }
    // Shows the window modeless and activates it.
    void ShowModeless();
    // The text handed back when the window closed.
    QString EditorResultText() const { return editorResultText_; }

protected:
    void closeEvent(QCloseEvent* event) override;  // Form_Unload
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Entries 1 to 10 in point; index 0 and 11 to 16 are not used.
    static constexpr std::array<int, 17> FontSizes{0, 4, 5, 6, 7, 8, 9, 10, 12, 14, 16, 0, 0, 0, 0, 0, 0};

    // Event and menu handlers.
    void Form_Activate();
    void Schriftart_Click();
    void HScroll1_Change();
    void Schliessen_Click();
    void Abbrechen_Click();
    void mnuAbspeichern_Click();
    void mnuDrucken_Click();
    void mnuRuecksetzen_Click();
    void mnuAusschneiden_Click();
    void mnuKopieren_Click();
    void mnuEinfuegen_Click();
    void mnuInDOS_Click();
    void mnuInWin_Click();
    void mnuHilfe_Click();
    void mnuCodePageHilfe_Click();
    void mnuEdithilfe_Click();

    void CreateControls();
    void CreateMenus();
    void Form_Load();
    bool Form_Unload();  // true lets the window close
    void OnFocusWindowChanged(QWindow* window);

    void ApplyTextFont();
    void ShowFontButton();
    QString CurrentText() const;
    std::string CurrentCoreText() const;
    void Recode(bool inDos);
    QString CodePageDescription() const;

    StatusLine text2_;

    bool FontIsMonospaced = false;  // the text is in the fixed-pitch font
    QString HelpPage;               // the caller's help page, named in a message; none so far
    QString EditorFileName;         // the file the text was last saved to
    QString editorResultText_;      // the text handed back on close

    // Datei menu
    QAction* mnuAbspeichern = nullptr;
    QAction* mnuDrucken = nullptr;
    QAction* mnuRuecksetzen = nullptr;  // objectName "mnuRücksetzen"
    QAction* mnuAbbrechen = nullptr;
    QAction* mnuSchliessen = nullptr;
    // Bearbeiten menu
    QAction* mnuAusschneiden = nullptr;
    QAction* mnuKopieren = nullptr;
    QAction* mnuEinfuegen = nullptr;  // objectName "mnuEinfügen"
    QAction* mnuInDOS = nullptr;
    QAction* mnuInWin = nullptr;
    // Hilfe menu
    QAction* mnuHilfe = nullptr;
    QAction* mnuCodePageHilfe = nullptr;
    QAction* mnuEdithilfe = nullptr;

    QString monoFontName_;
    QString varioFontName_;
    int sizeIndex_ = 7;
    QString activationText_;
    bool acceptOnClose_ = false;
    QPointer<QWindow> lastOtherWindow_;  // the window that had the focus last

    QScrollBar* hScroll1_ = nullptr;
    QLineEdit* punkt_ = nullptr;
    QPushButton* schriftart_ = nullptr;
    QPushButton* abbrechen_ = nullptr;
    QPushButton* schliessen_ = nullptr;
    QLabel* codepagetext_ = nullptr;
    QLabel* monoFontLabel_ = nullptr;
    QLabel* varioFontLabel_ = nullptr;
    TextBox* text_ = nullptr;
};

}  // namespace zek::ui
