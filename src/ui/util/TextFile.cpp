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
    // Without commit() the destructor discards the temporary file.
    if (file.write(bytes.data(), size) != size) return false;
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
