#pragma once
// Qt's own texts (the file dialogs' columns, buttons and tool tips, Qt's
// warnings) in German, whatever the system's locale.

class QCoreApplication;

namespace zek::ui {

// Loads Qt's German translation ("qtbase_de.qm" from Qt's translations
// folder) into `application`; false when it is not installed, and Qt's
// texts then stay English.
bool InstallGermanQtTexts(QCoreApplication& application);

}  // namespace zek::ui
