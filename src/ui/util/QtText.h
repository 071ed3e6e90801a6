#pragma once
// The boundary between core text (Windows-1252 bytes, lines ending with
// CR LF) and Qt text (Unicode, lines ending with "\n").

#include <QString>
#include <QStringView>
#include <string>
#include <string_view>

namespace zek::ui {

// Windows-1252 bytes to a QString, character for character.
QString FromCore(std::string_view text);
// A QString to Windows-1252 bytes; unrepresentable characters become "?".
std::string ToCore(const QString& text);

// Each UTF-16 code unit to one byte ("?" where the code page has none), so
// that a position in the text is the same position in the bytes.
std::string ToCoreUnits(QStringView text);

// For multi-line text boxes: CR LF becomes "\n" on the way in, "\n" becomes
// CR LF on the way out (a lone CR or LF from the core stays as it is).
QString FromCoreLines(std::string_view text);
std::string ToCoreLines(const QString& text);

}  // namespace zek::ui
