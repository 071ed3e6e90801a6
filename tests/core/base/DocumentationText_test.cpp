#include "core/base/DocumentationText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

namespace zek {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

const std::vector<std::string> kHeadings = {
    "1.  B e f e h l e",
    "2.  D a s   P r o g r a m m",
    "3.  O p e r a n d e n",
    "4.  V o r d e f i n i e r t e   V a r i a b l e n",
    "5.  E i n -   u n d   A u s g a b e ",
    "6.  F e l d e r   u n d   P o i n t e r",
    "7.  A b a r b e i t e n   u n d   D e b u g g e n ",
    "8.  A n m e r k u n g e n  ",
    "9.  F e h l e r c o d e s ",
};

// Index of the first line that equals `line`, or lines.size().
std::size_t IndexOf(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) - lines.begin();
}

// The lines after the heading of chapter `number` up to the next heading.
std::vector<std::string> Chapter(const std::vector<std::string>& lines, int number) {
    std::size_t begin = IndexOf(lines, kHeadings[number - 1]) + 1;
    std::size_t end = number < 9 ? IndexOf(lines, kHeadings[number]) : lines.size();
    return {lines.begin() + begin, lines.begin() + end};
}

TEST(DocumentationText, SkeletonAndLineEnds) {
    const std::string& text = DocumentationText();
    ASSERT_GE(text.size(), 2u);
    EXPECT_EQ(text.substr(0, 2), "\r\n");
    const std::string ending = "\r\n121: [frei]\r\n";
    EXPECT_EQ(text.substr(text.size() - ending.size()), ending);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            ASSERT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "lone CR at " << i;
        }
        if (text[i] == '\n') {
            ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "lone LF at " << i;
        }
    }
    std::vector<std::string> lines = Lines(text);
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "ZE-ASSEMBLER");
    EXPECT_EQ(lines[2], "=============");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], kHeadings[0]);
    EXPECT_GT(lines.size(), 280u);
    EXPECT_LT(lines.size(), 380u);
}

TEST(DocumentationText, HeadingsOnceInOrderWithTheirEmptyLines) {
    std::vector<std::string> lines = Lines(DocumentationText());
    std::size_t previous = 0;
    for (std::size_t k = 0; k < kHeadings.size(); ++k) {
        SCOPED_TRACE(kHeadings[k]);
        EXPECT_EQ(std::count(lines.begin(), lines.end(), kHeadings[k]), 1);
        std::size_t at = IndexOf(lines, kHeadings[k]);
        ASSERT_LT(at + 1, lines.size());
        EXPECT_GT(at, previous);
        EXPECT_EQ(lines[at + 1], "");
        if (k > 0) {
            EXPECT_EQ(lines[at - 1], "");
            EXPECT_EQ(lines[at - 2], "");
            EXPECT_NE(lines[at - 3], "");
        }
        previous = at;
    }
}

// A reference line: a mnemonic, blanks, operand letters, blanks, description.
// Lines of prose never match: they begin with a capital, a blank or "(", or
// have a single blank after their first word.
const std::regex kReferenceLine("([a-z_][a-z0-9_]*) +((?:[abcipqms] )*)  *\\S.*");

TEST(DocumentationText, ReferenceListsTheMnemonicsInOrderWithFixedFields) {
    const std::vector<std::string> expected = {
        "mov",    "clr",    "inc",   "dec",   "add",   "sub",    "mul",     "div",   "power", "root",  "exp",
        "exp10",  "exp2",   "expx",  "log",   "log10", "log2",   "logx",    "sin",   "cos",   "tan",   "cot",
        "sec",    "csc",    "asin",  "acos",  "atan",  "acot",   "asec",    "acsc",  "sinh",  "cosh",  "tanh",
        "coth",   "sech",   "csch",  "asinh", "acosh", "atanh",  "acoth",   "asech", "acsch", "bin",   "not",
        "and",    "or",     "neg",   "abs",   "sgn",   "round",  "ceil",    "floor", "fix",   "frac",  "clip",
        "cmod",   "random", "cmpgt", "cmpge", "cmplt", "cmple",  "cmpeq",   "cmpne", "tstgt", "tstge", "tstlt",
        "tstle",  "tsteq",  "tstne", "jump",  "input", "output", "pause",   "proof", "info",  "cls",   "printn",
        "prints", "save",   "read",  "write", "adrof", "get",    "put",     "init",  "nop",   "mode",  "halt",
        "err",    "exit",   "_name", "_var",  "_dim",  "_lab",   "_config", "_end",
    };
    std::vector<std::string> found;
    bool inArcSection = false;
    for (const std::string& line : Chapter(Lines(DocumentationText()), 1)) {
        if (line == "Arkusfunktionen") inArcSection = true;
        if (line == "Hyperbelfunktionen") inArcSection = false;
        std::smatch match;
        if (!std::regex_match(line, match, kReferenceLine)) continue;
        found.push_back(match[1]);
        SCOPED_TRACE(line);
        std::size_t descriptionColumn = inArcSection ? 17 : 18;
        EXPECT_LE(match[1].length(), 7u);
        EXPECT_EQ(line.find_first_not_of(' ', match[1].length()), line.find_first_not_of(' ', 8));
        EXPECT_NE(line[descriptionColumn], ' ');
        EXPECT_EQ(line[descriptionColumn - 1], ' ');
    }
    EXPECT_EQ(found, expected);
}

TEST(DocumentationText, QuotedReferenceLinesArePresentExactly) {
    const std::vector<std::string> quoted = {
        "mov     b a       a nach b schaffen (Transportbefehl)",
        "clr     a         a auf 0 setzen (L\xF6schbefehl)",
        "root    a b       a = b-te Wurzel aus a",
        "log     a         a = nat\xFCrlicher Logarithmus aus a (Basis e)",
        "sec     a         a = sec(a)   = 1 / cos(a)",
        "csc     a         a = cosec(a) = 1 / sin(a)",
        "asin    a b      a = arcsin(a), Wertebereich \xB1pi, sofern b=sgn(cos(a))",
        "acsc    a b      a = arccsc(a), Wertebereich \xB1pi, sofern b=sgn(sec(a))",
        "acsch   a         a = area cosecans hyperbolicus (a)",
        "bin     a         a = 1, sofern a<>0, sonst 0 (Log. Identit\xE4t)",
        "or      a b       a = 1, sofern a<>0 oder b<>0, sonst 0",
        "clip    a b c     a = a, wenn a<b dann a = b, wenn a>c, dann a = c",
        "cmod    a b c     a mit Modulofunktion (S\xE4gezahn) in b ... c clippen",
        "random  a         a = Zufallszahl zwischen 0 und 1",
        "cmpgt   a b m     wenn a >  b, Sprung nach m (\x84"
        "compare greather than\x93)",
        "cmpne   a b m     wenn a <> b, Sprung nach m (\x84"
        "compare not equal\x93)",
        "tstlt   a m       wenn a <  0, Sprung nach m (\x84test less than\x93)",
        "tstne   a m       wenn a <> 0, Sprung nach m (\x84test not equal\x93)",
        "jump    m         Unbedingter Sprung nach m",
        "input   a s       fordert a mit Text s im Dialog an (mit Pause)",
        "cls               L\xF6schen des Ausgabetextes",
        "printn  a b c     Ausgabe der Zahl a mit b Vor- und c Nachkommastellen",
        "                  b=0: variable Vorkommastellenzahl, c=0: Ganzzahlausgabe",
        "read    a b       b+1 Symbole aus Datei a.dat lesen und ab Symbol a in Symboltabelle ablegen.",
        "write   a b       Ab Symbol a fortlaufend b+1 Symbole aus Symboltabelle in Datei a.dat schreiben.",
        "put     p q a     a auf das Symbol mit der Adresse (p+q) schaffen",
        "init              Erste Zeile eines Programmes (wird automatisch erzeugt)",
        "mode    a         a=0: 'Ohne Halt', 1: 'Fehlerhalt', 2: 'Schrittweise'",
        "err     a m       Fehlercode nach a. 0: Kein Fehler. Fehlersprung nach m",
        "_dim    a i       Feld a mit den Feldelementen a, a(0) ... a(i) deklarieren",
        "_config i         Virtuelle Maschine mit Parameter i konfigurieren",
        "_end              Programmende",
        "Pseudobefehle ",
        "Pseudobefehle sind Befehle, die nicht in fertigen Programm (\x84zur Laufzeit\x93), ",
        "sondern vom Assembler (\x84zur Assemblerzeit\x93) abgearbeitet werden. ",
        "F\xFCr den markendefinierenden Befehl \x84_lab xyz\x93 gibt es auch die Kurzschreibweise \x84xyz:\x93.",
        "(Die Operanden bedeuten: ",
        " a, b, c, p, q\tZahlen oder Variablen ",
        " i    \t\tnur Zahlen [Variablen gelten als Null]",
        " m    \t\tMarken",
        " s    \t\tZeichenketten)",
    };
    std::vector<std::string> lines = Chapter(Lines(DocumentationText()), 1);
    for (const std::string& line : quoted) EXPECT_EQ(std::count(lines.begin(), lines.end(), line), 1) << line;
}

TEST(DocumentationText, EmptyLinesInsideJumpAndInputOutputSections) {
    std::vector<std::string> lines = Chapter(Lines(DocumentationText()), 1);
    auto lineBefore = [&](const std::string& mnemonic) {
        auto it = std::find_if(lines.begin(), lines.end(),
                               [&](const std::string& l) { return l.rfind(mnemonic + " ", 0) == 0; });
        return it == lines.begin() || it == lines.end() ? std::string("?") : *(it - 1);
    };
    for (const char* mnemonic : {"tstgt", "jump", "cls", "read", "mov"})
        EXPECT_EQ(lineBefore(mnemonic), "") << mnemonic;
    for (const char* mnemonic : {"cmpge", "tstge", "output", "printn", "write"})
        EXPECT_NE(lineBefore(mnemonic), "") << mnemonic;
}

TEST(DocumentationText, TestJumpsDescribeTheirComparisonCorrectly) {
    std::vector<std::string> lines = Lines(DocumentationText());
    EXPECT_EQ(std::count(lines.begin(), lines.end(),
                         "tstgt   a m       wenn a >  0, Sprung nach m (\x84test greather than\x93)"),
              1);
    EXPECT_EQ(std::count(lines.begin(), lines.end(),
                         "tstge   a m       wenn a >= 0, Sprung nach m (\x84test greather equal\x93)"),
              1);
}

TEST(DocumentationText, ErrcodeAndErrjumpHaveNoReferenceLine) {
    for (const std::string& line : Lines(DocumentationText())) {
        EXPECT_NE(line.rfind("errcode", 0), 0u) << line;
        EXPECT_NE(line.rfind("errjump", 0), 0u) << line;
    }
}

TEST(DocumentationText, AngleFactorsAreNamedWithTheDegreeSign) {
    std::string chapter4;
    for (const std::string& line : Chapter(Lines(DocumentationText()), 4)) chapter4 += line + "\n";
    EXPECT_NE(chapter4.find(" \xB0(\t"), std::string::npos);
    EXPECT_NE(chapter4.find(" (\xB0\t"), std::string::npos);
    EXPECT_EQ(chapter4.find('\xBA'), std::string::npos);
    EXPECT_NE(chapter4.find("Bei jedem Programmstart werden bestimmte vordefinierte Symbole bereitgestellt: \n"),
              std::string::npos);
}

TEST(DocumentationText, ChaptersTwoToEightCarryTheirQuotedPieces) {
    struct Piece {
        int chapter;
        const char* text;
    };
    const Piece pieces[] = {
        {2,
         "    mov     a      b       ; Transportiere b nach a \n"
         "    div     a      10      ; Dividiere a durch 10 \n"
         "    sin     a              ; Berechne nun den Sinus von a \n"},
        {2, "\xB6"},
        {2, "Alt/182"},
        {3, "  a  x1  alpha  b11  aber auch  ??9  (\xB0  055$  oder  [PM343]\n"},
        {3, "  1  2  +1.5  -3.3E6 -2.3E-2\n"},
        {3, "\x84_lab marke1\x93"},
        {3, "\x84marke1:\x93"},
        {3, "  \\Beginn~der~Berechnung\\\\\n"},
        {3, "1024"},
        {3, "ZE unterscheidet keine Datentypen. Jeder Operand ist immer nur ein Symbol."},
        {4, "Alt/0174"},
        {4, "Alt/0176"},
        {4,
         "\xAE-\xAE"
         "f*\xAE"},
        {5, "\x84.dat\x93"},
        {6, "Felder\n"},
        {6, "Der Pointerzugriff\n"},
        {6, "Die Befehle read und write f\xFCr Felder\n"},
        {6, "Hinweise\n"},
        {6, "\x84_dim a 10\x93"},
        {6,
         "\x84"
         "Feldpointer\x93"},
        {6, "\x84get z a i\x93"},
        {6, "\x84put b j 22\x93"},
        {6, "\x84.\x93"},
        {6, "\x84_dim  f {n}\x93"},
        {6, "\x84write f {n+1}\x93"},
        {6,
         "\x84"
         "f.dat\x93"},
        {6,
         "\x84"
         "adrof f f(0)\x93"},
        {7, "'Ohne Halt'"},
        {7, "'Fehlerhalt'"},
        {7, "'Schrittweise'"},
        {7, "Strg/Z"},
        {8,
         "\xB1"
         "1E99"},
        {8,
         "\xB1"
         "1E308"},
        {8, "100.000.000.000.000"},
        {8,
         "\x84"
         "2\x93"},
        {8, "\x84pi\x93"},
        {8, "\x84unten\x93"},
    };
    std::vector<std::string> lines = Lines(DocumentationText());
    for (const Piece& piece : pieces) {
        std::string chapter;
        for (const std::string& line : Chapter(lines, piece.chapter)) chapter += line + "\n";
        EXPECT_NE(chapter.find(piece.text), std::string::npos) << "chapter " << piece.chapter << ": " << piece.text;
    }
    std::string chapter6;
    for (const std::string& line : Chapter(lines, 6)) chapter6 += line + "\n";
    auto count = [&](const std::string& s) {
        std::size_t n = 0;
        for (std::size_t at = 0; (at = chapter6.find(s, at)) != std::string::npos; ++at) ++n;
        return n;
    };
    EXPECT_EQ(count("\n  \xB7 "), 10u);  // the four-item and the six-item list
}

TEST(DocumentationText, ErrorListIsTheDocumentationTexts) {
    const std::vector<std::string> expected = {
        "",
        "100: Allgemeiner ZEK-Laufzeitfehler",
        "101: \xDC"
        "berlauf. Betrag > 9E99",
        "102: Division durch 0",
        "103: Potenz 0 hoch 0",
        "104: Potenz von Zahl < 0, Exponent Bruch mit Z\xE4hler <> 1 oder geradem Nenner",
        "105: Wurzel aus Zahl < 0, Exponent gerade oder Bruch mit Z\xE4hler <> 1",
        "106: Wurzelexponent 0",
        "107: Logarithmus aus Zahl < 0",
        "108: Logarithmus aus 0",
        "109: Logarithmenbasis < 0",
        "110: Logarithmenbasis 0",
        "111: Logarithmenbasis 1",
        "112: Funktionswert nicht definiert",
        "113: Dateifehler",
        "114: Nichtexistierende Symboladresse",
        "115: Nichtexistierende Codeadresse",
        "116: Unbekannter Befehl",
        "117: Symbol nicht definiert",
        "118: Symbol bereits definiert",
        "119: Symboltabelle voll",
        "120: Symbolname l\xE4nger als 1024 Zeichen",
        "121: [frei]",
    };
    EXPECT_EQ(Chapter(Lines(DocumentationText()), 9), expected);
}

TEST(DocumentationText, SameTextAtEveryCall) {
    std::string first = DocumentationText();
    EXPECT_EQ(DocumentationText(), first);
    EXPECT_EQ(&DocumentationText(), &DocumentationText());
}

}  // namespace
}  // namespace zek
