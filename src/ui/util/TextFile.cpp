#include "ui/util/TextFile.h"

#include <QFile>
#include <QSaveFile>

#include "core/assembler/SourceReader.h"

namespace zek::ui {

bool WriteTextFile(const QString& path, std::string_view bytes) {
    if (path.isEmpty()) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const auto size = static_cast<qint64>(bytes.size());
    // Without commit() the destructor discards the temporary file. The write
    // is flushed first: commit() would take a file cut short by a failing
    // flush (a full disk) for a good one.
    if (file.write(bytes.data(), size) != size || !file.flush()) return false;
    return file.commit();
}

bool ReadSourceFile(const QString& path, std::string& text) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return false;
    text = SourceTextFromBytes(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    return true;
}

}  // namespace zek::ui
