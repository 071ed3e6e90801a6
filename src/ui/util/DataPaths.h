#pragma once
// Where the program finds the data it ships with.

#include <QString>

namespace zek::ui {

// The directory of the shipped example programs: the installed data
// directory "../share/zek/examples" beside the program's directory when it
// exists, otherwise the source tree's examples/ (a program run from its
// build tree).
QString ExamplesDirectory();

// The same for a program in `applicationDirectory`.
QString ExamplesDirectoryFor(const QString& applicationDirectory);

}  // namespace zek::ui
