#include "core/base/CharacterConversion.h"

#include <span>

namespace zek {

namespace {

struct Replacement {
    std::string_view from;
    std::string_view to;
};

// The recodings are fixed sequences of replace-all steps. Where a step's
// target byte is the source of a later step, the step goes through a
// placeholder of four characters that the last steps resolve.
constexpr Replacement kToDos[] = {
    {"\xA3", "\x9C"}, {"\xAA", "{OA}"}, {"\xBA", "\xA7"}, {"\xBF", "\xA8"}, {"\xAC", "\xAA"}, {"\xBD", "{HF}"},
    {"\xBC", "\xAC"}, {"\xA1", "\xAD"}, {"\xAB", "\xAE"}, {"\xBB", "\xAF"}, {"\xB5", "{MY}"}, {"\xB1", "{PM}"},
    {"\xF7", "{DV}"}, {"\xB0", "{DG}"}, {"\xB2", "\xFD"},

    {"\xC7", "\x80"}, {"\xE7", "\x87"}, {"\xDC", "\x9A"}, {"\xFC", "\x81"}, {"\xC9", "\x90"}, {"\xE9", "\x82"},
    {"\xC4", "\x8E"}, {"\xE4", "\x84"}, {"\xC5", "\x8F"}, {"\xE5", "\x86"}, {"\xC6", "\x92"}, {"\xE6", "\x91"},
    {"\xD6", "\x99"}, {"\xF6", "\x94"}, {"\xD1", "\xA5"}, {"\xF1", "\xA4"}, {"\xDF", "\xE1"},

    {"{MY}", "\xE6"}, {"{OA}", "\xA6"}, {"{DG}", "\xF8"}, {"{HF}", "\xAB"}, {"{DV}", "\xF6"}, {"{PM}", "\xF1"},
};

constexpr Replacement kToWindows[] = {
    {"\x9C", "\xA3"},
    {"\xA6", "{OA}"},
    {"\xA7", "\xBA"},
    {"\xA8", "\xBF"},
    {"\xAA", "{NG}"},
    {"\xAB", "\xBD"},
    {"\xAC", "\xBC"},
    {"\xAD", "\xA1"},
    {"\xAE", "\xAB"},
    {"\xAF", "\xBB"},
    {"\xE6", "\xB5"},
    {"\xF1", "\xB1"},
    {"\xF6", "\xF7"},
    {"\xF8", "\xB0"},
    {"\xFD", "\xB2"},

    {"\x80", "\xC7"},
    {"\x87", "\xE7"},
    {"\x9A", "\xDC"},
    {"\x81", "\xFC"},
    {"\x90", "\xC9"},
    {"\x82", "\xE9"},
    {"\x8E", "{AE}"},
    {"\x84", "\xE4"},
    {"\x8F", "\xC5"},
    {"\x86", "\xE5"},
    {"\x92", "\xC6"},
    {"\x91", "\xE6"},
    {"\x99", "\xD6"},
    {"\x94", "\xF6"},
    {"\xA5", "\xD1"},
    {"\xA4", "\xF1"},
    {"\xE1", "\xDF"},

    // The DOS line characters have no Windows counterpart.
    {"\xCD", "="},
    {"\xC4", "-"},

    {"{NG}", "\xAC"},
    {"{AE}", "\xC4"},
    {"{OA}", "\xAA"},
};

std::string ReplaceAll(std::string_view text, const Replacement& step) {
    std::string result;
    result.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t at = text.find(step.from); at != std::string_view::npos; at = text.find(step.from, start)) {
        result.append(text.substr(start, at - start)).append(step.to);
        start = at + step.from.size();
    }
    return result.append(text.substr(start));
}

std::string ApplySteps(std::string_view text, std::span<const Replacement> steps) {
    std::string result(text);
    for (const Replacement& step : steps) result = ReplaceAll(result, step);
    return result;
}

}  // namespace

std::string ConvertInDOS(std::string_view text) { return ApplySteps(text, kToDos); }

std::string ConvertInWin(std::string_view text) { return ApplySteps(text, kToWindows); }

}  // namespace zek
