#include "ui/util/TextFile.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>

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

namespace {

// The whole file in one buffer of the size it says it has, read on in
// pieces should it have more (a device, a file still growing).
bool ReadAll(QFile& file, std::string& bytes) {
    bytes.resize(static_cast<std::size_t>(std::max<qint64>(file.size(), 0)));
    const qint64 got = file.read(bytes.data(), static_cast<qint64>(bytes.size()));
    if (got < 0) return false;
    bytes.resize(static_cast<std::size_t>(got));
    char piece[65536];
    qint64 more = 0;
    while ((more = file.read(piece, sizeof piece)) > 0) bytes.append(piece, static_cast<std::size_t>(more));
    return more == 0 && file.error() == QFileDevice::NoError;
}

}  // namespace

// A file whose lines all end with CR LF is taken as it is read: a program
// of megabytes is not copied once more.
bool ReadSourceFile(const QString& path, std::string& text) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    std::string bytes;
    if (!ReadAll(file, bytes)) return false;
    text = IsSourceText(bytes) ? std::move(bytes) : SourceTextFromBytes(bytes);
    return true;
}

}  // namespace zek::ui
