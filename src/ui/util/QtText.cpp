#include "ui/util/QtText.h"

#include "core/base/Encoding1252.h"

namespace zek::ui {

namespace {

QChar CharOf(char byte) {
    const auto code = static_cast<unsigned char>(byte);
    return QChar(static_cast<char16_t>(code < 0x80 ? code : CodePointOf1252(code)));
}

// The characters of `text`, leaving out each CR that a LF follows when
// `joinCrLf`. A program's text has megabytes: written in place, not appended.
QString Converted(std::string_view text, bool joinCrLf) {
    QString result(static_cast<qsizetype>(text.size()), Qt::Uninitialized);
    QChar* out = result.data();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (joinCrLf && text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        *out++ = CharOf(text[i]);
    }
    result.truncate(out - result.constData());
    return result;
}

}  // namespace

QString FromCore(std::string_view text) { return Converted(text, false); }

std::string ToCore(const QString& text) {
    std::string result;
    result.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // A character beyond U+FFFF comes as two code units but is one character.
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            result += ReplacementByte1252;
            ++i;
            continue;
        }
        const int byte = ByteOf1252(c.unicode());
        result += byte < 0 ? ReplacementByte1252 : static_cast<char>(byte);
    }
    return result;
}

std::string ToCoreUnits(QStringView text) {
    std::string result(static_cast<std::size_t>(text.size()), ReplacementByte1252);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int byte = ByteOf1252(text[i].unicode());
        if (byte >= 0) result[static_cast<std::size_t>(i)] = static_cast<char>(byte);
    }
    return result;
}

QString FromCoreLines(std::string_view text) { return Converted(text, true); }

std::string ToCoreLines(const QString& text) {
    QString crlf = text;
    crlf.replace(QChar(0x2029), QChar('\n'));  // paragraph separators of QTextDocument
    std::string bytes = ToCore(crlf);
    std::string result;
    result.reserve(bytes.size() + bytes.size() / 16);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) result += '\r';
        result += bytes[i];
    }
    return result;
}

}  // namespace zek::ui
