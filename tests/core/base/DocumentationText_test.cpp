#include "core/base/DocumentationText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "core/store/OpcodeTable.h"

namespace zek {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

// The manual as it must read, byte for byte (Windows-1252, CR LF), beside this test.
std::string GoldenText() {
    const auto path = std::filesystem::path(__FILE__).parent_path() / "DocumentationText.golden";
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(DocumentationText, IsTheGoldenTextByteForByte) {
    const std::string golden = GoldenText();
    ASSERT_FALSE(golden.empty()) << "DocumentationText.golden is missing";
    const std::string& text = DocumentationText();
    if (text == golden) return;
    const std::vector<std::string> expected = Lines(golden);
    const std::vector<std::string> got = Lines(text);
    std::size_t line = 0;
    while (line < expected.size() && line < got.size() && expected[line] == got[line]) ++line;
    ADD_FAILURE() << "first difference in line " << line + 1
                  << "\n  expected: " << (line < expected.size() ? expected[line] : "(end of text)")
                  << "\n  got:      " << (line < got.size() ? got[line] : "(end of text)");
}

// Every instruction of the opcode table has one reference line (a line that
// begins with its name and a blank), except the three the manual leaves to
// its prose: errjump, errcode and end.
TEST(DocumentationText, ReferenceLinesCoverTheOpcodeTable) {
    std::map<std::string, int> referenceLines;
    for (const std::string& line : Lines(DocumentationText())) {
        const std::string word = line.substr(0, line.find(' '));
        for (const OpcodeEntry& entry : OpcodeTable)
            if (word == entry.name && line.size() > word.size()) ++referenceLines[word];
    }
    for (const OpcodeEntry& entry : OpcodeTable) {
        const std::string name(entry.name);
        const bool leftToProse = name == "errjump" || name == "errcode" || name == "end";
        EXPECT_EQ(referenceLines[name], leftToProse ? 0 : 1) << name;
    }
}

// Two lines that once described the opposite comparison.
TEST(DocumentationText, TestJumpsDescribeTheirComparisonCorrectly) {
    const std::vector<std::string> lines = Lines(DocumentationText());
    EXPECT_EQ(std::count(lines.begin(), lines.end(),
                         "tstgt   a m       wenn a >  0, Sprung nach m (\x84test greather than\x93)"),
              1);
    EXPECT_EQ(std::count(lines.begin(), lines.end(),
                         "tstge   a m       wenn a >= 0, Sprung nach m (\x84test greather equal\x93)"),
              1);
}

// The angle factors are written with the degree sign (B0), never with the
// ordinal indicator (BA) that looks like it.
TEST(DocumentationText, AngleFactorsAreNamedWithTheDegreeSign) {
    const std::string& text = DocumentationText();
    EXPECT_NE(text.find(" \xB0(\t"), std::string::npos);
    EXPECT_NE(text.find(" (\xB0\t"), std::string::npos);
    EXPECT_EQ(text.find('\xBA'), std::string::npos);
}

TEST(DocumentationText, SameTextAtEveryCall) {
    std::string first = DocumentationText();
    EXPECT_EQ(DocumentationText(), first);
    EXPECT_EQ(&DocumentationText(), &DocumentationText());
}

}  // namespace
}  // namespace zek
