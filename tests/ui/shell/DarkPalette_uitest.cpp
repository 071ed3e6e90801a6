// Under a dark desktop palette every text box, label and button of the
// windows stays readable: none pins a colour of its own, so text and
// background both come from the palette. The test sets a dark palette of its
// own; with ZEK_DESKTOP_PALETTE set it keeps the one the desktop theme gave
// (which must be dark), and with ZEK_SCREENSHOT_DIR set it saves each window
// there as a PNG (scripts/dark-screenshots.sh does both under Xvfb).

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <algorithm>
#include <cmath>
#include <memory>

#include "support/ui/Actions.h"
#include "support/ui/MainWindowProbe.h"
#include "support/ui/ModalScript.h"
#include "ui/shell/MainWindow.h"
#include "ui/textwindow/TextWindow.h"
#include "ui/util/MessageBoxes.h"

using zek::ui::MainWindow;
using zek::uitest::ModalScript;

namespace {

QPalette DarkPalette() {
    const QColor window(0x2d, 0x2d, 0x2d), base(0x1e, 0x1e, 0x1e), button(0x3a, 0x3a, 0x3a);
    const QColor text(0xe8, 0xe8, 0xe8), dimmed(0x80, 0x80, 0x80);
    QPalette palette(button, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::ToolTipBase, base);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, dimmed);
    palette.setColor(QPalette::Highlight, QColor(0x35, 0x84, 0xe4));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, dimmed);
    return palette;
}

// The contrast ratio of two colours after the web's accessibility
// guidelines: 1 for equal colours up to 21 for black on white.
double Contrast(const QColor& a, const QColor& b) {
    auto luminance = [](const QColor& c) {
        auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double x = luminance(a), y = luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

// A text colour on its background and the least contrast it needs: 4.5 for
// text, 3 for the selection (a highlight the desktop chose).
struct ColourPair {
    QPalette::ColorRole text;
    QPalette::ColorRole background;
    double minimum;
};

// The colour pairs a widget draws its text with; none for widgets without text.
QList<ColourPair> TextColours(const QWidget* widget) {
    if (qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget) ||
        qobject_cast<const QTextEdit*>(widget) || qobject_cast<const zek::ui::TextView*>(widget))
        return {{QPalette::Text, QPalette::Base, 4.5}, {QPalette::HighlightedText, QPalette::Highlight, 3}};
    if (qobject_cast<const QLabel*>(widget)) return {{QPalette::WindowText, QPalette::Window, 4.5}};
    if (qobject_cast<const QAbstractButton*>(widget)) return {{QPalette::ButtonText, QPalette::Button, 4.5}};
    return {};
}

// Every visible, enabled widget of `window` that shows text, with each colour
// it draws that is not the application palette's or reads badly.
QStringList Unreadable(QWidget* window) {
    QStringList faults;
    const QPalette desktop = QApplication::palette();
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : widgets) {
        if (!widget->isVisible() || !widget->isEnabled()) continue;
        const QString name = window->objectName() + "/" + widget->objectName();
        // A text box paints its background on its viewport.
        auto* area = qobject_cast<QAbstractScrollArea*>(widget);
        const QPalette& text = widget->palette();
        const QPalette& background = area ? area->viewport()->palette() : text;
        for (const ColourPair& pair : TextColours(widget)) {
            const QColor foreground = text.color(QPalette::Active, pair.text);
            const QColor behind = background.color(QPalette::Active, pair.background);
            if (foreground != desktop.color(QPalette::Active, pair.text) ||
                behind != desktop.color(QPalette::Active, pair.background))
                faults << name + ": eigene Farben " + foreground.name() + " auf " + behind.name();
            else if (Contrast(foreground, behind) < pair.minimum)
                faults << name + ": zu wenig Kontrast " + foreground.name() + " auf " + behind.name();
        }
    }
    return faults;
}

void SaveScreenshot(QWidget* window, const QString& name) {
    const QString dir = qEnvironmentVariable("ZEK_SCREENSHOT_DIR");
    if (dir.isEmpty()) return;
    QVERIFY(QDir().mkpath(dir));
    QVERIFY(window->grab().save(dir + "/" + name + ".png"));
}

void CheckReadable(QWidget* window, const QString& screenshot) {
    const QStringList faults = Unreadable(window);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
    SaveScreenshot(window, screenshot);
}

zek::ui::TextWindow* OpenTextWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* textWindow = qobject_cast<zek::ui::TextWindow*>(widget); textWindow && textWindow->isVisible())
            return textWindow;
    return nullptr;
}

}  // namespace

class DarkPaletteTest : public QObject {
    Q_OBJECT

    std::unique_ptr<zek::ZekState> state_;
    std::unique_ptr<MainWindow> window_;
    QTemporaryDir files_;

private slots:
    void initTestCase() {
        if (qEnvironmentVariableIsSet("ZEK_DESKTOP_PALETTE")) {
            const QPalette desktop = QApplication::palette();
            QVERIFY2(desktop.color(QPalette::Base).lightnessF() < desktop.color(QPalette::Text).lightnessF(),
                     "the desktop theme gives no dark palette");
        } else {
            QApplication::setPalette(DarkPalette());
        }
        zek::ui::SetMessageBoxAnswerer(
            [](const QString&, const QString&, zek::MessageButtons) { return zek::MessageAnswer::Ok; });
        state_ = std::make_unique<zek::ZekState>();
        window_ = std::make_unique<MainWindow>(*state_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanupTestCase() {
        window_.reset();
        zek::ui::SetMessageBoxAnswerer(nullptr);
    }

    // The palette of the check itself reads well, so a fault below is the windows'.
    void darkPaletteReadsWell() {
        const QPalette dark = DarkPalette();
        QVERIFY(Contrast(dark.color(QPalette::Text), dark.color(QPalette::Base)) >= 7);
        QVERIFY(Contrast(dark.color(QPalette::HighlightedText), dark.color(QPalette::Highlight)) >= 3);
        QCOMPARE(Contrast(Qt::black, Qt::white), 21.0);
        QCOMPARE(Contrast(Qt::gray, Qt::gray), 1.0);
    }

    void mainWindowWithEditor() {
        const QString source = QStringLiteral(
            "; Quadrat einer Zahl\n_name Quadrat\n        input  x Zahl?\n"
            "        mov    q x\n        mul    q x\n        halt\n"
            "        printn q 0 0\n        exit\n");
        zek::testing::SetSource(*window_, source);
        QVERIFY(zek::testing::SaveSourceAs(*window_, files_.filePath(QStringLiteral("quadrat.zek"))));
        CheckReadable(window_.get(), "main-editor");
    }

    // A run with an input and a halt brings up the I/O dialog and the halt dialog.
    void dialogsOfARun() {
        ModalScript script;
        script.Then("IoDialog", [](QWidget* dialog) {
            auto* field = dialog->findChild<QPlainTextEdit*>("Symbolwert");
            QTest::keyClicks(field, "12");
            CheckReadable(dialog, "io-dialog");
            QTest::keyClick(field, Qt::Key_Return);
        });
        script.Then("HaltDialog", [](QWidget* dialog) {
            CheckReadable(dialog, "halt-dialog");
            zek::uitest::ClickButton(dialog, "Fortsetzen");
        });
        QVERIFY(zek::uitest::ClickControl(*window_, "Start"));
        QVERIFY2(script.failures.isEmpty(), qPrintable(script.failures.join("; ")));
        QVERIFY(script.Done());
    }

    void mainWindowWithReport() {
        QVERIFY(zek::uitest::ClickControl(*window_, "Code"));
        QVERIFY(zek::testing::Text3Of(*window_)->isVisible());
        CheckReadable(window_.get(), "main-report");
    }

    void textWindow() {
        QVERIFY(zek::uitest::TriggerAction(*window_, "mnuHilfe21"));
        zek::ui::TextWindow* textWindow = OpenTextWindow();
        QVERIFY(textWindow);
        QVERIFY(QTest::qWaitForWindowExposed(textWindow));
        CheckReadable(textWindow, "text-window");
        textWindow->close();
    }
};

QTEST_MAIN(DarkPaletteTest)
#include "DarkPalette_uitest.moc"
