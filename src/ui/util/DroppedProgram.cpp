#include "ui/util/DroppedProgram.h"

#include <QMimeData>
#include <QUrl>

namespace zek::ui {

QString DroppedProgramFile(const QMimeData* data) {
    if (!data || !data->hasUrls()) return {};
    for (const QUrl& url : data->urls()) {
        const QString path = url.toLocalFile();
        if (path.endsWith(QStringLiteral(".zek"), Qt::CaseInsensitive)) return path;
    }
    return {};
}

}  // namespace zek::ui
