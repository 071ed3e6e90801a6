#include "core/base/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace zek {

namespace {

// What a picture pattern asks for.
struct Picture {
    int integerPlaces = 0;   // digit placeholders before the point
    int integerMinimum = 0;  // placeholders from the first "0" up to the point
    bool point = false;
    int fractionMaximum = 0;  // digit placeholders after the point
    int fractionMinimum = 0;  // placeholders up to and including the last "0"
    bool exponent = false;
    char exponentLetter = 'E';
    bool exponentSignAlways = false;
    int exponentMinimum = 0;  // zeros of the exponent
};

Picture ParsePicture(std::string_view pattern) {
    Picture picture;
    enum class Section { Integer, Fraction, Exponent } section = Section::Integer;
    bool zeroSeen = false;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        const bool digit = c == '0' || c == '#';
        if (section != Section::Exponent && (c == 'E' || c == 'e') && i + 1 < pattern.size() &&
            (pattern[i + 1] == '+' || pattern[i + 1] == '-')) {
            picture.exponent = true;
            picture.exponentLetter = c;
            picture.exponentSignAlways = pattern[i + 1] == '+';
            section = Section::Exponent;
            ++i;
        } else if (section == Section::Integer && c == '.') {
            picture.point = true;
            section = Section::Fraction;
        } else if (digit && section == Section::Integer) {
            ++picture.integerPlaces;
            zeroSeen = zeroSeen || c == '0';
            if (zeroSeen) ++picture.integerMinimum;
        } else if (digit && section == Section::Fraction) {
            ++picture.fractionMaximum;
            if (c == '0') picture.fractionMinimum = picture.fractionMaximum;
        } else if (c == '0' && section == Section::Exponent) {
            ++picture.exponentMinimum;
        }
    }
    return picture;
}

// A non-negative decimal number: digits[0] stands at the power of ten
// `exponent`, each further digit one power lower. No digits means zero.
struct Decimal {
    std::string digits;
    int exponent = 0;

    bool IsZero() const { return digits.find_first_not_of('0') == std::string::npos; }

    char DigitAt(int power) const {
        const long index = static_cast<long>(exponent) - power;
        return index >= 0 && index < static_cast<long>(digits.size()) ? digits[static_cast<std::size_t>(index)] : '0';
    }
};

// The shortest digits that read back as `magnitude` (at most 17). Rounding
// these rather than the exact binary value makes 2.675 show as 2.68, as the
// user typed it.
Decimal ShortestDecimal(double magnitude) {
    Decimal decimal;
    if (magnitude == 0) return decimal;
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t e = text.find('e');
    for (char c : text.substr(0, e)) {
        if (c != '.') decimal.digits += c;
    }
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), decimal.exponent);
    return decimal;
}

// Rounds to the power of ten `lastPower`, halves away from zero.
void RoundAt(Decimal& decimal, int lastPower) {
    const long keep = static_cast<long>(decimal.exponent) - lastPower + 1;
    if (keep >= static_cast<long>(decimal.digits.size())) return;
    if (keep < 0) {
        decimal.digits.clear();
        return;
    }
    const bool up = decimal.digits[static_cast<std::size_t>(keep)] >= '5';
    decimal.digits.resize(static_cast<std::size_t>(keep));
    if (!up) return;
    for (std::size_t i = decimal.digits.size(); i-- > 0;) {
        if (decimal.digits[i] != '9') {
            ++decimal.digits[i];
            return;
        }
        decimal.digits[i] = '0';
    }
    // Every kept digit was a nine (or none was kept): one more digit in front.
    decimal.digits.insert(decimal.digits.begin(), '1');
    ++decimal.exponent;
}

// The fraction digits for the powers -1 .. -maximum, trailing zeros dropped
// down to `minimum` digits; with the point when the pattern has one.
std::string FractionPart(const Decimal& decimal, int lowestIntegerPower, const Picture& picture) {
    std::string fraction;
    for (int i = 1; i <= picture.fractionMaximum; ++i) fraction += decimal.DigitAt(lowestIntegerPower - i);
    std::size_t length = fraction.size();
    while (length > static_cast<std::size_t>(picture.fractionMinimum) && fraction[length - 1] == '0') --length;
    fraction.resize(length);
    return picture.point ? "." + fraction : fraction;
}

std::string FixedForm(Decimal decimal, const Picture& picture) {
    RoundAt(decimal, -picture.fractionMaximum);
    std::string integer;
    if (!decimal.IsZero()) {
        for (int power = decimal.exponent; power >= 0; --power) integer += decimal.DigitAt(power);
    }
    if (integer.size() < static_cast<std::size_t>(picture.integerMinimum)) {
        integer.insert(0, static_cast<std::size_t>(picture.integerMinimum) - integer.size(), '0');
    }
    return integer + FractionPart(decimal, 0, picture);
}

std::string ExponentForm(Decimal decimal, const Picture& picture) {
    const int significant = picture.integerPlaces + picture.fractionMaximum;
    int shownExponent = 0;
    if (!decimal.IsZero()) {
        RoundAt(decimal, decimal.exponent - significant + 1);
        shownExponent = decimal.exponent - picture.integerPlaces + 1;
    }
    // A rounding carry has already moved the exponent, so the mantissa is
    // taken from the new leading digit.
    const int lowestIntegerPower = decimal.exponent - picture.integerPlaces + 1;
    std::string mantissa;
    for (int power = decimal.exponent; power >= lowestIntegerPower; --power) mantissa += decimal.DigitAt(power);
    mantissa += FractionPart(decimal, lowestIntegerPower, picture);

    std::string exponentDigits = std::to_string(std::abs(shownExponent));
    if (exponentDigits.size() < static_cast<std::size_t>(picture.exponentMinimum)) {
        exponentDigits.insert(0, static_cast<std::size_t>(picture.exponentMinimum) - exponentDigits.size(), '0');
    }
    std::string sign;
    if (shownExponent < 0) {
        sign = "-";
    } else if (picture.exponentSignAlways) {
        sign = "+";
    }
    return mantissa + picture.exponentLetter + sign + exponentDigits;
}

bool ShowsOnlyZeros(const std::string& text) {
    for (char c : text) {
        if (c >= '1' && c <= '9') return false;
        if (c == 'E' || c == 'e') break;
    }
    return true;
}

std::string NonFinite(double value) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

}  // namespace

std::string FormatPicture(double value, std::string_view pattern) {
    if (!std::isfinite(value)) return NonFinite(value);
    const Picture picture = ParsePicture(pattern);
    const Decimal decimal = ShortestDecimal(std::fabs(value));
    std::string text = picture.exponent ? ExponentForm(decimal, picture) : FixedForm(decimal, picture);
    // A value that rounds to zero shows no minus sign.
    if (value < 0 && !ShowsOnlyZeros(text)) text.insert(0, 1, '-');
    return text;
}

std::string GeneralNumber(double value) {
    if (value == 0) return "0";  // also -0
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    const std::size_t e = text.find('e');
    if (e != std::string::npos) text[e] = 'E';
    return text;
}

std::string PadRight(std::string_view text, std::size_t width) {
    std::string result(text.substr(0, width));
    result.resize(width, ' ');
    return result;
}

std::string PadLeftKeepRight(std::string_view text, std::size_t width) {
    if (text.size() >= width) return std::string(text.substr(text.size() - width));
    return std::string(width - text.size(), ' ') + std::string(text);
}

}  // namespace zek
