// ZEK: the ZE-Assembler development environment.

#include <QApplication>

#include "core/store/ZekState.h"
#include "ui/shell/MainWindow.h"
#include "ui/util/GermanQtTexts.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zek::ui::InstallGermanQtTexts(app);
    // The main window decides when the application ends: after its close,
    // and only once a run that was active at the close has returned.
    app.setQuitOnLastWindowClosed(false);

    zek::ZekState state;
    zek::ui::MainWindow window(state);
    QObject::connect(&window, &zek::ui::MainWindow::Closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    window.show();
    return app.exec();
}
