#pragma once
// Qt's own texts (the file dialogs' columns, buttons and tool tips, Qt's
// warnings, the names of file types) in German, whatever the system's
// locale. Numbers the user reads and types keep the user's own locale
// (QLocale::system()).

class QCoreApplication;

namespace zek::ui {

// Makes German Qt's default locale and loads Qt's German translation
// ("qtbase_de.qm" from Qt's translations folder) into `application`; false
// when it is not installed, and Qt's texts then stay English.
bool InstallGermanQtTexts(QCoreApplication& application);

}  // namespace zek::ui
