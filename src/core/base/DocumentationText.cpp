#include "core/base/DocumentationText.h"

#include <string>
#include <string_view>
#include <utility>

#include "core/base/NumberFormat.h"

// The manual is written line by line into one string. Reference lines of
// chapter 1 are built from their three columns so that the fields always
// have their fixed widths; everything else is written out as it appears.
// All text is Windows-1252; "\x84" and "\x93" are the German quotes.

namespace zek {
namespace {

constexpr std::size_t kMnemonicField = 8;
constexpr std::size_t kOperandField = 10;
constexpr std::size_t kArcOperandField = 9;

class Manual {
public:
    void Line(std::string_view line) {
        text_.append(line);
        text_.append("\r\n");
    }

    void Empty() { Line({}); }

    // A chapter heading; every chapter but the first is preceded by two
    // empty lines, every heading is followed by one.
    void Chapter(std::string_view heading) {
        if (chapters_++ > 0) {
            Empty();
            Empty();
        }
        Line(heading);
        Empty();
    }

    void Section(std::string_view heading) {
        Line(heading);
        Empty();
    }

    void Ref(std::string_view mnemonic, std::string_view operands, std::string_view description,
             std::size_t operandField = kOperandField) {
        Line(PadRight(mnemonic, kMnemonicField) + PadRight(operands, operandField) + std::string(description));
    }

    std::string Take() { return std::move(text_); }

private:
    std::string text_;
    int chapters_ = 0;
};

void TitleBlock(Manual& m) {
    m.Empty();
    m.Line("ZE-ASSEMBLER");
    m.Line("=============");
    m.Empty();
}

void SimpleAndArithmetic(Manual& m) {
    m.Section("Einfache Befehle");
    m.Ref("mov", "b a", "a nach b schaffen (Transportbefehl)");
    m.Ref("clr", "a", "a auf 0 setzen (L\xF6schbefehl)");
    m.Ref("inc", "a", "a = a + 1 (Inkrement)");
    m.Ref("dec", "a", "a = a - 1 (Dekrement)");
    m.Empty();

    m.Section("Grundrechenarten");
    m.Ref("add", "a b", "a = a + b");
    m.Ref("sub", "a b", "a = a - b");
    m.Ref("mul", "a b", "a = a * b");
    m.Ref("div", "a b", "a = a / b");
    m.Empty();

    m.Section("H\xF6here Rechenarten");
    m.Ref("power", "a b", "a = a hoch b");
    m.Ref("root", "a b", "a = b-te Wurzel aus a");
    m.Empty();

    m.Section("Exponentialfunktionen");
    m.Ref("exp", "a", "a = e hoch a");
    m.Ref("exp10", "a", "a = 10 hoch a");
    m.Ref("exp2", "a", "a = 2 hoch a");
    m.Ref("expx", "a b", "a = b hoch a");
    m.Empty();

    m.Section("Logarithmusfunktionen");
    m.Ref("log", "a", "a = nat\xFCrlicher Logarithmus aus a (Basis e)");
    m.Ref("log10", "a", "a = dekadischer Logarithmus aus a (Basis 10)");
    m.Ref("log2", "a", "a = dyadischer Logarithmus aus a (Basis 2)");
    m.Ref("logx", "a b", "a = beliebiger Logarithmus aus a (Basis b)");
    m.Empty();
}

void TranscendentalFunctions(Manual& m) {
    m.Section("Winkelfunktionen");
    m.Ref("sin", "a", "a = sin(a)");
    m.Ref("cos", "a", "a = cos(a)");
    m.Ref("tan", "a", "a = tan(a)");
    m.Ref("cot", "a", "a = cot(a)");
    m.Ref("sec", "a", "a = sec(a)   = 1 / cos(a)");
    m.Ref("csc", "a", "a = cosec(a) = 1 / sin(a)");
    m.Empty();

    m.Section("Arkusfunktionen");
    m.Ref("asin", "a b", "a = arcsin(a), Wertebereich \xB1pi, sofern b=sgn(cos(a))", kArcOperandField);
    m.Ref("acos", "a b", "a = arccos(a), Wertebereich \xB1pi, sofern b=sgn(sin(a))", kArcOperandField);
    m.Ref("atan", "a b", "a = arctan(a), Wertebereich \xB1pi, sofern b=sgn(cos(a))", kArcOperandField);
    m.Ref("acot", "a b", "a = arccot(a), Wertebereich \xB1pi, sofern b=sgn(sin(a))", kArcOperandField);
    m.Ref("asec", "a b", "a = arcsec(a), Wertebereich \xB1pi, sofern b=sgn(csc(a))", kArcOperandField);
    m.Ref("acsc", "a b", "a = arccsc(a), Wertebereich \xB1pi, sofern b=sgn(sec(a))", kArcOperandField);
    m.Empty();

    m.Section("Hyperbelfunktionen");
    m.Ref("sinh", "a", "a = sinus hyperbolicus (a)");
    m.Ref("cosh", "a", "a = cosinus hyperbolicus (a)");
    m.Ref("tanh", "a", "a = tangens hyperbolicus (a)");
    m.Ref("coth", "a", "a = cotangens hyperbolicus (a)");
    m.Ref("sech", "a", "a = secans hyperbolicus (a)");
    m.Ref("csch", "a", "a = cosecans hyperbolicus (a)");
    m.Empty();

    m.Section("Areafunktionen");
    m.Ref("asinh", "a", "a = area sinus hyperbolicus (a)");
    m.Ref("acosh", "a", "a = area cosinus hyperbolicus (a)");
    m.Ref("atanh", "a", "a = area tangens hyperbolicus (a)");
    m.Ref("acoth", "a", "a = area cotangens hyperbolicus (a)");
    m.Ref("asech", "a", "a = area secans hyperbolicus (a)");
    m.Ref("acsch", "a", "a = area cosecans hyperbolicus (a)");
    m.Empty();
}

void LogicAndOtherComputing(Manual& m) {
    m.Section("Logische Befehle");
    m.Ref("bin", "a", "a = 1, sofern a<>0, sonst 0 (Log. Identit\xE4t)");
    m.Ref("not", "a", "a = 1, sofern a=0, sonst 0 (Log. Negation)");
    m.Ref("and", "a b", "a = 1, sofern a<>0 und b<>0, sonst 0");
    m.Ref("or", "a b", "a = 1, sofern a<>0 oder b<>0, sonst 0");
    m.Empty();

    m.Section("Sonstige Rechenbefehle");
    m.Ref("neg", "a", "Vorzeichen von a umkehren (Negation)");
    m.Ref("abs", "a", "Absolutbetrag von a bilden");
    m.Ref("sgn", "a", "Vorzeichen von a (+1, 0 oder -1)");
    m.Ref("round", "a", "a runden");
    m.Ref("ceil", "a", "a aufrunden");
    m.Ref("floor", "a", "a abrunden");
    m.Ref("fix", "a", "Vorkommastellen von a (a zur 0 hin runden)");
    m.Ref("frac", "a", "Nachkommastellen von a");
    m.Ref("clip", "a b c", "a = a, wenn a<b dann a = b, wenn a>c, dann a = c");
    m.Ref("cmod", "a b c", "a mit Modulofunktion (S\xE4gezahn) in b ... c clippen");
    m.Ref("random", "a", "a = Zufallszahl zwischen 0 und 1");
    m.Empty();
}

void JumpInstructions(Manual& m) {
    m.Section("Sprungbefehle");
    m.Ref("cmpgt", "a b m",
          "wenn a >  b, Sprung nach m (\x84"
          "compare greather than\x93)");
    m.Ref("cmpge", "a b m",
          "wenn a >= b, Sprung nach m (\x84"
          "compare greather equal\x93)");
    m.Ref("cmplt", "a b m",
          "wenn a <  b, Sprung nach m (\x84"
          "compare less than\x93)");
    m.Ref("cmple", "a b m",
          "wenn a <= b, Sprung nach m (\x84"
          "compare less equal\x93)");
    m.Ref("cmpeq", "a b m",
          "wenn a =  b, Sprung nach m (\x84"
          "compare equal\x93)");
    m.Ref("cmpne", "a b m",
          "wenn a <> b, Sprung nach m (\x84"
          "compare not equal\x93)");
    m.Empty();
    m.Ref("tstgt", "a m", "wenn a >  0, Sprung nach m (\x84test greather than\x93)");
    m.Ref("tstge", "a m", "wenn a >= 0, Sprung nach m (\x84test greather equal\x93)");
    m.Ref("tstlt", "a m", "wenn a <  0, Sprung nach m (\x84test less than\x93)");
    m.Ref("tstle", "a m", "wenn a <= 0, Sprung nach m (\x84test less equal\x93)");
    m.Ref("tsteq", "a m", "wenn a =  0, Sprung nach m (\x84test equal\x93)");
    m.Ref("tstne", "a m", "wenn a <> 0, Sprung nach m (\x84test not equal\x93)");
    m.Empty();
    m.Ref("jump", "m", "Unbedingter Sprung nach m");
    m.Empty();
}

void InputOutputInstructions(Manual& m) {
    m.Section("Ein-/Ausgabebefehle");
    m.Ref("input", "a s", "fordert a mit Text s im Dialog an (mit Pause)");
    m.Ref("output", "a s", "zeigt a mit Text s im Dialog an (mit Pause)");
    m.Ref("pause", "s", "Programmpause mit Dialogtext s (mit Pause)");
    m.Ref("proof", "a s", "Testausgabe von a mit Mitteilung s (ohne Pause)");
    m.Ref("info", "s", "Mitteilung s (ohne Pause)");
    m.Empty();
    m.Ref("cls", "", "L\xF6schen des Ausgabetextes");
    m.Ref("printn", "a b c", "Ausgabe der Zahl a mit b Vor- und c Nachkommastellen");
    m.Ref("", "", "b=0: variable Vorkommastellenzahl, c=0: Ganzzahlausgabe");
    m.Ref("prints", "s", "Ausgabe der Zeichenkette s in den Ausgabetext");
    m.Ref("save", "s", "Speichern des Ausgabetextes in Textdatei s");
    m.Empty();
    m.Ref("read", "a b", "b+1 Symbole aus Datei a.dat lesen und ab Symbol a in Symboltabelle ablegen.");
    m.Ref("write", "a b", "Ab Symbol a fortlaufend b+1 Symbole aus Symboltabelle in Datei a.dat schreiben.");
    m.Empty();
}

void IndirectAndSystemInstructions(Manual& m) {
    m.Section("Indirektbefehle");
    m.Ref("adrof", "p a", "Adresse von a nach p schaffen. p wird Pointer auf a");
    m.Ref("get", "a p q", "Das Symbol mit der Adresse (p+q) nach a schaffen");
    m.Ref("put", "p q a", "a auf das Symbol mit der Adresse (p+q) schaffen");
    m.Empty();

    m.Section("Systembefehle");
    m.Ref("init", "", "Erste Zeile eines Programmes (wird automatisch erzeugt)");
    m.Ref("nop", "", "Nullbefehl. Dieser Befehl macht nichts");
    m.Ref("mode", "a", "a=0: 'Ohne Halt', 1: 'Fehlerhalt', 2: 'Schrittweise'");
    m.Ref("halt", "", "H\xE4lt das Programm an");
    m.Ref("err", "a m", "Fehlercode nach a. 0: Kein Fehler. Fehlersprung nach m");
    m.Ref("exit", "", "Programmbeendigung");
    m.Empty();
}

void PseudoInstructions(Manual& m) {
    m.Section("Pseudobefehle ");
    m.Line("Pseudobefehle sind Befehle, die nicht in fertigen Programm (\x84zur Laufzeit\x93), ");
    m.Line("sondern vom Assembler (\x84zur Assemblerzeit\x93) abgearbeitet werden. ");
    m.Empty();
    m.Ref("_name", "s", "Dem Programm den Namen s geben");
    m.Ref("_var", "a", "Variable a deklarieren");
    m.Ref("_dim", "a i", "Feld a mit den Feldelementen a, a(0) ... a(i) deklarieren");
    m.Ref("_lab", "m", "Marke m definieren");
    m.Ref("_config", "i", "Virtuelle Maschine mit Parameter i konfigurieren");
    m.Ref("_end", "", "Programmende");
    m.Empty();
    m.Line(
        "F\xFCr den markendefinierenden Befehl \x84_lab xyz\x93 gibt es auch die Kurzschreibweise "
        "\x84xyz:\x93.");
    m.Empty();
    m.Line("(Die Operanden bedeuten: ");
    m.Empty();
    m.Line(" a, b, c, p, q\tZahlen oder Variablen ");
    m.Line(" i    \t\tnur Zahlen [Variablen gelten als Null]");
    m.Line(" m    \t\tMarken");
    m.Line(" s    \t\tZeichenketten)");
}

void Chapter1(Manual& m) {
    m.Chapter("1.  B e f e h l e");
    SimpleAndArithmetic(m);
    TranscendentalFunctions(m);
    LogicAndOtherComputing(m);
    JumpInstructions(m);
    InputOutputInstructions(m);
    IndirectAndSystemInstructions(m);
    PseudoInstructions(m);
}

void Chapter2(Manual& m) {
    m.Chapter("2.  D a s   P r o g r a m m");
    m.Line("Jeder Befehl steht in einer eigenen Zeile. Alle Befehle zusammen bilden das Programm.");
    m.Empty();
    m.Line(
        "Die Befehle werden der Reihe nach abgearbeitet, so wie sie im Programm untereinander "
        "stehen. Das folgende Beispiel aus drei Zeilen berechnet a=sin(b/10):");
    m.Empty();
    m.Line("    mov     a      b       ; Transportiere b nach a ");
    m.Line("    div     a      10      ; Dividiere a durch 10 ");
    m.Line("    sin     a              ; Berechne nun den Sinus von a ");
    m.Empty();
    m.Line(
        "Leerzeilen sind erlaubt. Hinter einem Semikolon steht ein Kommentar, der bis zum Ende "
        "der Zeile reicht und vom Assembler \xFC"
        "bergangen wird. Ist das letzte Zeichen einer "
        "Zeile das Zeichen \x84\xB6\x93 (Zeichencode Alt/182), so wird die Zeile in der "
        "n\xE4"
        "chsten Zeile fortgesetzt; auf diese Weise lassen sich lange Befehle auf "
        "mehrere Zeilen verteilen.");
}

void Chapter3(Manual& m) {
    m.Chapter("3.  O p e r a n d e n");
    m.Line(
        "Ein Befehl besteht aus dem Befehlscode und bis zu drei Operanden, die durch Leerzeichen "
        "oder Tabulatoren voneinander getrennt werden. Jeder Operand wird in die Symboltabelle "
        "eingetragen, und zwar mit einem Symbolnamen (dem Text, der im Programm steht) und einem "
        "Symbolwert (der Zahl, mit der der Befehl rechnet). Die Zeilennummer eines Symbols in "
        "der Symboltabelle ist seine Symboladresse. Ein Symbol kann als Variable, als Zahl, als "
        "Zeichenkette oder als Marke dienen.");
    m.Empty();
    m.Line(
        "Variablen: Jedes Symbol kann jede beliebige Zahl aufnehmen. Als Variablen k\xF6nnen "
        "daher zum Beispiel die folgenden Namen verwendet werden:");
    m.Empty();
    m.Line("  a  x1  alpha  b11  aber auch  ??9  (\xB0  055$  oder  [PM343]");
    m.Empty();
    m.Line(
        "Zahlen: Ein Name, der sich als Zahl lesen l\xE4sst, gibt dem Symbol beim Programmstart "
        "diesen Wert, zum Beispiel");
    m.Empty();
    m.Line("  1  2  +1.5  -3.3E6 -2.3E-2");
    m.Empty();
    m.Line(
        "Das Dezimaltrennzeichen ist immer der Punkt, niemals das Komma. Der Buchstabe E oder e "
        "kennzeichnet den Exponenten.");
    m.Empty();
    m.Line(
        "Marken: Sprungbefehle brauchen Marken als Sprungziele. Marken sind Symbole, deren Wert "
        "als Nummer einer Programmzeile genommen wird. Sie werden durch Markendefinitionen wie "
        "\x84_lab marke1\x93 (oder kurz \x84marke1:\x93) gesetzt.");
    m.Empty();
    m.Line(
        "Zeichenketten: Einige Befehle verwenden den Symbolnamen als Zeichenkette, zum Beispiel "
        "als Text eines Dialogs. In Zeichenketten steht \"~\" f\xFCr ein Leerzeichen und \"\\\" "
        "f\xFCr einen Zeilenumbruch. Eine Zeichenkette darf h\xF6"
        "chstens 1024 Zeichen lang "
        "sein. Beispiel:");
    m.Empty();
    m.Line("  \\Beginn~der~Berechnung\\\\");
    m.Empty();
    m.Line(
        "Variablen, Zahlen, Marken und Zeichenketten sind nur verschiedene Lesarten von "
        "Symbolen, keine Datentypen. ZE unterscheidet keine Datentypen. Jeder Operand ist immer "
        "nur ein Symbol.");
}

void Chapter4(Manual& m) {
    m.Chapter("4.  V o r d e f i n i e r t e   V a r i a b l e n");
    m.Line("Bei jedem Programmstart werden bestimmte vordefinierte Symbole bereitgestellt: ");
    m.Empty();
    m.Line(" .\t\tDas leere Symbol, immer 0");
    m.Line(" ..\t\tDer Befehlszeiger, immer die Adresse des aktuellen Befehls");
    m.Line(" e\t\tDie Eulersche Zahl");
    m.Line(" pi\t\tDie Kreiszahl pi");
    m.Line(" pi/2\t\tpi halbe");
    m.Line(" pi/4\t\tpi viertel");
    m.Line(" \xAE\t\tDer \xC4quatorradius der Erde in Metern (Zeichencode Alt/0174)");
    m.Line(
        " \xAE"
        "f\t\tDie Abplattung des Erdellipsoids (Polradius ist \xAE-\xAE"
        "f*\xAE)");
    m.Line(" \xB0(\t\tDer Faktor von Grad nach Radiant");
    m.Line(" (\xB0\t\tDer Faktor von Radiant nach Grad (Zeichencode Alt/0176)");
    m.Line(
        " eps\t\tDie kleinste Zahl \xFC"
        "ber Null");
    m.Line(" max\t\tDie gr\xF6\xDFte zul\xE4ssige Zahl");
    m.Line(" r0 ... r7\tAcht allgemeine Register");
    m.Line(" x, y\t\tDie gegebenen, zu transformierenden Koordinaten");
    m.Line(" x', y'\t\tDie gesuchten, transformierten Koordinaten");
    m.Line(" z, z'\t\tTestvariablen");
    m.Line(" Rx, Ry\t\tDer \xC4quatorradius im Geokoordinatenma\xDF des Quellbildes (x-/y-Richtung)");
    m.Line(" Rx', Ry'\tDer \xC4quatorradius im Geokoordinatenma\xDF des Zielbildes (x-/y-Richtung)");
    m.Line(" Cx, Cy\t\tDie Bildmitte im Geokoordinatenma\xDF des Quellbildes");
    m.Line(" Cx', Cy'\tDie Bildmitte im Geokoordinatenma\xDF des Zielbildes");
}

void Chapter5(Manual& m) {
    m.Chapter("5.  E i n -   u n d   A u s g a b e ");
    m.Line(
        "Es gibt drei Wege, Zahlen in ein Programm hinein- und aus ihm herauszubringen: "
        "Dialoge, einen globalen Ausgabetext und Dateien.");
    m.Empty();
    m.Line(
        "Dialoge: Mit den Befehlen input und output werden Variablen in einem Fenster "
        "eingegeben und angezeigt. Auch die Befehle pause, proof und info geh\xF6ren zu dieser "
        "Gruppe.");
    m.Empty();
    m.Line(
        "Globaler Ausgabetext: Die Befehle printn und prints schreiben in den Ausgabetext, der "
        "Befehl cls l\xF6scht ihn, und der Befehl save speichert ihn als Datei.");
    m.Empty();
    m.Line(
        "Dateien: Mit den Befehlen write und read werden Variablen in einfachen Textdateien vom "
        "Typ \x84.dat\x93 gespeichert und geladen; die Datei tr\xE4gt den Namen der Variablen. "
        "Ist der zweite Operand b > 0, so werden b+1 aufeinanderfolgende Symbole \xFC"
        "bertragen "
        "(b=0 eine Zahl, b=1 zwei Werte, b=2 drei Werte).");
}

void Chapter6(Manual& m) {
    m.Chapter("6.  F e l d e r   u n d   P o i n t e r");
    m.Line("Felder");
    m.Empty();
    m.Line(
        "Der Befehl \x84_dim a 10\x93 definiert zun\xE4"
        "chst das gew\xF6hnliche Symbol a und "
        "danach 11 Feldelemente a(0) ... a(10). In a wird die Zeilennummer von a(0) in der "
        "Symboltabelle abgelegt; damit wird a zum Pointer auf das Feld (\x84"
        "Feldpointer\x93).");
    m.Empty();
    m.Line("Der Pointerzugriff");
    m.Empty();
    m.Line(
        "Die Befehle put und get greifen indirekt auf ein Symbol zu: Pointer p und Offset q "
        "ergeben zusammen die Adresse des Symbols, das gelesen oder geschrieben wird. So holt "
        "\x84get z a i\x93 das Element i des Feldes a nach z, und \x84put b j 22\x93 schreibt 22 "
        "in das Element j des Feldes b.");
    m.Empty();
    m.Line(
        "Pointer wirken auch auf gew\xF6hnliche Symbole. Der Befehl adrof liefert die Adresse "
        "eines Symbols.");
    m.Empty();
    m.Line(
        "Mit _dim, put, get und adrof lassen sich Stapel, Matrizen und Listen aufbauen. Wird "
        "kein Offset gebraucht, so setzt man daf\xFCr das leere Symbol \x84.\x93 ein.");
    m.Empty();
    m.Line("Die Befehle read und write f\xFCr Felder");
    m.Empty();
    m.Line(
        "Auch Felder lassen sich mit read und write \xFC"
        "bertragen. Der zweite Operand ist die "
        "Feldl\xE4nge; sie z\xE4hlt das Element 0 mit, den Pointer aber nicht, der trotzdem "
        "mit \xFC"
        "bertragen wird. F\xFCr ein Feld f mit dem h\xF6"
        "chsten Index {n} gilt:");
    m.Empty();
    m.Line("  \xB7 Es wird mit \x84_dim  f {n}\x93 definiert.");
    m.Line("  \xB7 Es wird mit \x84write f {n+1}\x93 geschrieben.");
    m.Line("  \xB7 Es belegt {n+2} Pl\xE4tze in der Symboltabelle.");
    m.Line(
        "  \xB7 Es belegt {n+2} Zeilen in der Datei \x84"
        "f.dat\x93.");
    m.Empty();
    m.Line(
        "Nach write steht in der Datei ein beliebiger Wert f\xFCr den Pointer. Nach read muss "
        "der Pointer daher mit \x84"
        "adrof f f(0)\x93 wiederhergestellt werden.");
    m.Empty();
    m.Line("Hinweise");
    m.Empty();
    m.Line(
        "Es gibt keine Pointerpr\xFC"
        "fung. Falsche Pointer k\xF6nnen daher die ganze "
        "Symboltabelle zerst\xF6ren. Beachten Sie deshalb:");
    m.Empty();
    m.Line("  \xB7 Felder immer mit _dim deklarieren.");
    m.Line("  \xB7 Die Feldl\xE4nge bei _dim als Zahl angeben (Variablen gelten als 0).");
    m.Line("  \xB7 Bei put auf richtigen Pointer und richtigen Offset achten.");
    m.Line("  \xB7 Bei write niemals zu kleine L\xE4ngen angeben.");
    m.Line(
        "  \xB7 Bei read niemals zu gro\xDF"
        "e L\xE4ngen angeben.");
    m.Line("  \xB7 Nach dem Lesen von Feldern den Pointer immer mit adrof wiederherstellen.");
}

void Chapter7(Manual& m) {
    m.Chapter("7.  A b a r b e i t e n   u n d   D e b u g g e n ");
    m.Line(
        "Ein Programm kann in drei Betriebsarten abgearbeitet werden: 0 'Ohne Halt', "
        "1 'Fehlerhalt' und 2 'Schrittweise'. Die Betriebsart wird in der "
        "Bedienoberfl\xE4"
        "che eingestellt oder vom Programm mit dem Befehl mode gesetzt.");
    m.Empty();
    m.Line("Zwei Signale beeinflussen ein laufendes Programm.");
    m.Empty();
    m.Line(
        "Das Haltsignal unterbricht das Programm nach dem aktuellen Befehl. Es wird vom "
        "Debugger oder durch den Befehl halt gesetzt.");
    m.Empty();
    m.Line(
        "Das Abbruchsignal beendet das Programm sofort. Es wirkt wie der Befehl exit und kann "
        "auch mit dem Z-Interrupt (Strg/Z) gegeben werden.");
}

void Chapter8(Manual& m) {
    m.Chapter("8.  A n m e r k u n g e n  ");
    m.Line(
        "Zahlen: Jedes Symbol ist eine Gleitkommazahl doppelter Genauigkeit (double). "
        "Zul\xE4ssig sind Betr\xE4ge bis \xB1"
        "1E99, intern bis \xB1"
        "1E308. Gerechnet wird "
        "auf 14 Dezimalstellen genau; oberhalb von 100.000.000.000.000 kann die Genauigkeit "
        "leiden.");
    m.Empty();
    m.Line(
        "Symbolnamen d\xFCrfen beliebige Sonderzeichen enthalten; Gro\xDF- und Kleinschreibung "
        "wird unterschieden. Die runden Klammern ( ) verwendet der dim-Befehl; sie sollten "
        "sonst nicht verwendet werden.");
    m.Empty();
    m.Line(
        "Dateinamen: Die Befehle read, write und save erlauben in Dateinamen nur die "
        "Sonderzeichen _, $, ( und ). Andere Sonderzeichen werden zu Unterstrichen, "
        "Gro\xDF"
        "buchstaben werden zu Kleinbuchstaben.");
    m.Empty();
    m.Line(
        "Fehlende Operanden werden durch das leere Symbol ersetzt; fehlende Operanden gelten "
        "daher als Null.");
    m.Empty();
    m.Line(
        "Die Symbole \".\" und \"..\" k\xF6nnen nicht beschrieben werden; sie enthalten immer 0 "
        "und die Zeilennummer des aktuellen Befehls. Alle anderen Symbole, selbst \x84"
        "2\x93, "
        "\x84"
        "10\x93 oder \x84pi\x93, k\xF6nnen beschrieben werden, doch sollten Programme das "
        "nicht tun.");
    m.Empty();
    m.Line(
        "Eine Deklaration ist nicht erforderlich: Jedes Symbol wird bei seiner ersten "
        "Verwendung eingetragen. Trotzdem lohnt sich das Deklarieren mit _var, denn die "
        "Symboltabelle wird \xFC"
        "bersichtlicher, und Symbole, die durch Tippfehler entstanden "
        "sind, sammeln sich \x84unten\x93 am Ende der Tabelle, wo sie leicht zu finden sind. "
        "Felder m\xFCssen immer mit _dim deklariert werden.");
}

void Chapter9(Manual& m) {
    m.Chapter("9.  F e h l e r c o d e s ");
    m.Line("100: Allgemeiner ZEK-Laufzeitfehler");
    m.Line(
        "101: \xDC"
        "berlauf. Betrag > 9E99");
    m.Line("102: Division durch 0");
    m.Line("103: Potenz 0 hoch 0");
    m.Line("104: Potenz von Zahl < 0, Exponent Bruch mit Z\xE4hler <> 1 oder geradem Nenner");
    m.Line("105: Wurzel aus Zahl < 0, Exponent gerade oder Bruch mit Z\xE4hler <> 1");
    m.Line("106: Wurzelexponent 0");
    m.Line("107: Logarithmus aus Zahl < 0");
    m.Line("108: Logarithmus aus 0");
    m.Line("109: Logarithmenbasis < 0");
    m.Line("110: Logarithmenbasis 0");
    m.Line("111: Logarithmenbasis 1");
    m.Line("112: Funktionswert nicht definiert");
    m.Line("113: Dateifehler");
    m.Line("114: Nichtexistierende Symboladresse");
    m.Line("115: Nichtexistierende Codeadresse");
    m.Line("116: Unbekannter Befehl");
    m.Line("117: Symbol nicht definiert");
    m.Line("118: Symbol bereits definiert");
    m.Line("119: Symboltabelle voll");
    m.Line("120: Symbolname l\xE4nger als 1024 Zeichen");
    m.Line("121: [frei]");
}

std::string BuildDocumentationText() {
    Manual m;
    TitleBlock(m);
    Chapter1(m);
    Chapter2(m);
    Chapter3(m);
    Chapter4(m);
    Chapter5(m);
    Chapter6(m);
    Chapter7(m);
    Chapter8(m);
    Chapter9(m);
    return m.Take();
}

}  // namespace

const std::string& DocumentationText() {
    static const std::string text = BuildDocumentationText();
    return text;
}

}  // namespace zek
