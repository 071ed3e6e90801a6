#include "zekrun/JUnitReport.h"

#include "core/base/Encoding1252.h"
#include "core/exercise/ExerciseReport.h"

namespace zekrun {
namespace {

// Text for element content or an attribute value. Control characters that
// XML does not allow become "?"; line breaks and tabs stay, in an attribute
// as character references, which its normalisation keeps.
std::string Escaped(const std::string& text1252, bool attribute = false) {
    std::string escaped;
    for (const char c : text1252) {
        const bool attributeOnly = c == '"' || c == '\'' || c == '\n' || c == '\r' || c == '\t';
        if (attributeOnly && !attribute) {
            escaped += c;
            continue;
        }
        switch (c) {
            case '&': escaped += "&amp;"; break;
            case '<': escaped += "&lt;"; break;
            case '>': escaped += "&gt;"; break;
            case '"': escaped += "&quot;"; break;
            case '\'': escaped += "&apos;"; break;
            case '\n': escaped += "&#10;"; break;
            case '\r': escaped += "&#13;"; break;
            case '\t': escaped += "&#9;"; break;
            default: escaped += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
        }
    }
    return zek::Utf8From1252(escaped);
}

std::string Attribute(const char* name, const std::string& value1252) {
    return std::string(" ") + name + "=\"" + Escaped(value1252, true) + "\"";
}

std::string TestCase(const std::string& suiteName, const zek::CaseResult& result) {
    std::string xml = "  <testcase" + Attribute("name", result.name) + Attribute("classname", suiteName);
    if (result.Passed()) return xml + "/>\n";
    std::string details;
    for (const std::string& line : zek::FailureDetails(result)) details += line + "\n";
    xml += ">\n    <failure" + Attribute("message", zek::FailureReason(result)) + Attribute("type", "FEHLER") + ">";
    return xml + Escaped(details) + "</failure>\n  </testcase>\n";
}

}  // namespace

std::string JUnitXml(const std::string& suiteName, const std::vector<zek::CaseResult>& results) {
    const std::size_t failures = results.size() - zek::PassedCount(results);
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    xml += "<testsuite" + Attribute("name", suiteName) + Attribute("tests", std::to_string(results.size())) +
           Attribute("failures", std::to_string(failures)) + Attribute("errors", "0") + ">\n";
    for (const zek::CaseResult& result : results) xml += TestCase(suiteName, result);
    return xml + "</testsuite>\n";
}

}  // namespace zekrun
