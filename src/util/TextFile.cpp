#include "util/TextFile.h"

#include <QFile>
#include <QSaveFile>

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

std::string SourceTextFromBytes(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() + 2);
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t end = bytes.find_first_of("\r\n", i);
        if (end == std::string_view::npos) {
            text.append(bytes.substr(i));
            text += "\r\n";
            break;
        }
        text.append(bytes.substr(i, end - i));
        text += "\r\n";
        const bool crlf = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
        i = end + (crlf ? 2 : 1);
    }
    return text;
}

}  // namespace zek::ui
