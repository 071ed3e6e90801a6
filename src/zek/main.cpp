// ZEK: the ZE-Assembler development environment.

#include <QApplication>
#include <QStringList>

#include "core/store/ZekState.h"
#include "ui/shell/MainWindow.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
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
