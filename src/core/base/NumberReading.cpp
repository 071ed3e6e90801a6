#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <system_error>

#include "core/base/MachineConstants.h"
#include "core/base/NumberReading.h"

namespace zek {
namespace {

constexpr std::size_t MaxNumberTextLength = 200;
constexpr double GuardValue = 9.9999E306;
constexpr double GuardMagnitude = 308;

bool IsIgnored(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsExponentMarker(char c) { return c == 'E' || c == 'e' || c == 'D' || c == 'd'; }

// Walks a text character by character, skipping blanks, tabs and line feeds.
class NumberScanner {
public:
    explicit NumberScanner(std::string_view text) : text_(text) { SkipIgnored(); }

    char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
    void Advance() {
        ++pos_;
        SkipIgnored();
    }

private:
    void SkipIgnored() {
        while (pos_ < text_.size() && IsIgnored(text_[pos_])) ++pos_;
    }
    std::string_view text_;
    std::size_t pos_ = 0;
};

// The leading number of a text, cleaned for std::from_chars, with the rough
// decimal magnitude that tells an overflow from an underflow.
struct CleanedNumber {
    std::string text;
    bool hasDigits = false;
    std::int64_t magnitude = 0;
};

// Adds the digits at the scanner to `out`; returns how many there were.
std::size_t TakeDigits(NumberScanner& scan, std::string& out) {
    std::size_t count = 0;
    for (; IsDigit(scan.Peek()); scan.Advance(), ++count) out += scan.Peek();
    return count;
}

CleanedNumber ScanLeadingNumber(std::string_view text) {
    NumberScanner scan(text);
    CleanedNumber number;
    if (scan.Peek() == '+' || scan.Peek() == '-') {
        if (scan.Peek() == '-') number.text += '-';
        scan.Advance();
    }
    std::string digits;
    const std::size_t integerDigits = TakeDigits(scan, digits);
    std::size_t fractionDigits = 0;
    if (scan.Peek() == '.') {
        digits += '.';
        scan.Advance();
        fractionDigits = TakeDigits(scan, digits);
    }
    number.hasDigits = integerDigits + fractionDigits > 0;
    if (!number.hasDigits) return number;
    number.text += digits;

    // Position of the first significant digit relative to the decimal point.
    const std::size_t firstSignificant = digits.find_first_not_of("0.");
    if (firstSignificant == std::string::npos) return number;  // the value is zero
    number.magnitude = firstSignificant < integerDigits
                           ? static_cast<std::int64_t>(integerDigits - firstSignificant)
                           : -static_cast<std::int64_t>(firstSignificant - integerDigits - 1);

    if (!IsExponentMarker(scan.Peek())) return number;
    scan.Advance();
    std::string exponent = "e";
    bool negativeExponent = false;
    if (scan.Peek() == '+' || scan.Peek() == '-') {
        negativeExponent = scan.Peek() == '-';
        exponent += scan.Peek();
        scan.Advance();
    }
    std::string exponentDigits;
    if (TakeDigits(scan, exponentDigits) == 0) return number;  // "1E" and "1E+" read as 1
    number.text += exponent + exponentDigits;

    // A saturated exponent is enough to know the direction of a range fault.
    std::int64_t exponentValue = 0;
    for (char c : exponentDigits) exponentValue = std::min<std::int64_t>(exponentValue * 10 + (c - '0'), 1'000'000'000);
    number.magnitude += negativeExponent ? -exponentValue : exponentValue;
    return number;
}

double SignedGuard(double mantissa) {
    if (mantissa < 0) return -GuardValue;
    if (mantissa > 0) return GuardValue;
    return 0;
}

}  // namespace

double LeadingNumber(std::string_view text, bool* overflow) {
    if (overflow) *overflow = false;
    const CleanedNumber number = ScanLeadingNumber(text);
    if (!number.hasDigits) return 0;
    double value = 0;
    const char* first = number.text.data();
    const auto [end, error] = std::from_chars(first, first + number.text.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        if (number.magnitude > 0 && overflow) *overflow = true;
        return 0;  // an overflow is the caller's fault to report; an underflow is 0
    }
    return value + 0.0;  // no negative zero
}

double NumberFromText(std::string_view text, bool* overflow) {
    if (overflow) *overflow = false;
    if (text.empty() || text.size() > MaxNumberTextLength) return 0;

    // Both decimal separators are accepted; E and D both mark an exponent.
    std::string t(text);
    std::size_t markers = 0;
    std::size_t firstMarker = std::string::npos;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] == ',') t[i] = '.';
        if (IsExponentMarker(t[i])) {
            t[i] = 'D';
            if (markers++ == 0) firstMarker = i;
        }
    }
    if (markers == 0 || markers >= 3) return LeadingNumber(t, overflow);

    const double mantissa = LeadingNumber(std::string_view(t).substr(0, firstMarker));
    if (markers == 2) return SignedGuard(mantissa);

    const double m = mantissa == 0 ? 0.0001 : std::fabs(mantissa);
    const double exponent = LeadingNumber(std::string_view(t).substr(firstMarker + 1));
    if (std::fabs(std::log10(m)) + exponent >= GuardMagnitude) return SignedGuard(mantissa);
    return LeadingNumber(t, overflow);
}

double TypedNumber(std::string_view text) { return std::clamp(NumberFromText(text), -ValueLimit, ValueLimit); }

}  // namespace zek
