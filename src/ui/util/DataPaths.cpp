#include "ui/util/DataPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace zek::ui {

QString ExamplesDirectory() { return ExamplesDirectoryFor(QCoreApplication::applicationDirPath()); }

QString ExamplesDirectoryFor(const QString& applicationDirectory) {
    const QString installed = QDir(applicationDirectory).filePath(QStringLiteral("../share/zek/examples"));
    if (QFileInfo(installed).isDir()) return QDir::cleanPath(installed);
    return QStringLiteral(ZEK_SOURCE_EXAMPLES);
}

}  // namespace zek::ui
