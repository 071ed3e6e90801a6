#include "core/reports/TableNumberFormat.h"

#include <cmath>

#include "core/base/NumberFormat.h"

namespace zek {

namespace {

constexpr std::size_t kWidth = 7;

// "1.2E+05" becomes "1.2E05"; -1.0E100 and beyond do not fit.
std::string ExponentField(double value) {
    std::string text = FormatPicture(value, "#.0E+00");
    const std::size_t plus = text.find("E+");
    if (plus != std::string::npos) text.erase(plus + 1, 1);
    if (text.size() > kWidth) return std::string(kWidth, '*');
    return PadLeftKeepRight(text, kWidth);
}

}  // namespace

std::string FormatTableValue(double value) {
    // FormatPicture always writes a point, so no locale's comma can appear.
    const bool whole = value == std::round(value);
    if (whole && value > -999999 && value < 9999999) return PadLeftKeepRight(FormatPicture(value, "######0"), kWidth);
    if (!whole && value > -9999 && value < 99999) return PadLeftKeepRight(FormatPicture(value, "####0.0"), kWidth);
    return ExponentField(value);
}

}  // namespace zek
