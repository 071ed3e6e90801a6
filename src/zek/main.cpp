// ZEK: the ZE-Assembler development environment.

#include <QApplication>
#include <QStringList>
#include <cstdio>
#include <string_view>

#include "core/base/Version.h"
#include "core/store/ZekState.h"
#include "ui/shell/MainWindow.h"
#include "ui/util/GermanQtTexts.h"

int main(int argc, char* argv[]) {
    // Answered before Qt starts, so that it works without a display.
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        std::printf("zek %s\n", zek::ProgramVersion);
        return 0;
    }
    QApplication app(argc, argv);
    zek::ui::InstallGermanQtTexts(app);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("de.zek_projekt.zek"));
    // The main window decides when the application ends: after its close,
    // and only once a run that was active at the close has returned.
    app.setQuitOnLastWindowClosed(false);

    zek::ZekState state;
    zek::ui::MainWindow window(state);
    QObject::connect(&window, &zek::ui::MainWindow::Closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    window.show();
    // `zek DATEI.zek` opens that program, as a desktop file association asks.
    if (const QStringList arguments = QCoreApplication::arguments(); arguments.size() > 1)
        window.OpenProgramFile(arguments.at(1));
    return app.exec();
}
