#include "core/assembler/SourceTokens.h"

#include "core/assembler/Assembler.h"
#include "core/base/Text1252.h"
#include "core/store/OpcodeTable.h"
#include "core/store/ProgramStore.h"

namespace zek {
namespace {

constexpr char Continuation = '\xB6';

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The keyword of a logical line. `open` when the token runs on into the
// next line, which leaves it unfinished.
SourceToken Keyword(std::string_view text, bool open, LineContext& context) {
    SourceToken token{0, text.size(), TokenKind::Operand, 0};
    if (open) return token;
    if (text.back() == ':') {
        token.kind = TokenKind::Label;
        context.dropped = true;
    } else if (IsPseudoInstruction(text)) {
        token.kind = TokenKind::Pseudo;
        context.labKeyword = ToLower1252(text) == "_lab";
    } else if (const std::int16_t group = LookupOpcode(text); group == UnknownGroup) {
        token.kind = TokenKind::UnknownMnemonic;
    } else {
        token.kind = TokenKind::Mnemonic;
        token.group = group;
    }
    return token;
}

TokenKind OperandKind(std::string_view text, int index, const LineContext& context) {
    if (context.dropped || index > 3) return TokenKind::Ignored;
    if (index == 1 && context.labKeyword) return TokenKind::Label;
    if (IsPredefinedSymbolName(text)) return TokenKind::Predefined;
    if (ReadsAsNumber(text)) return TokenKind::Number;
    return TokenKind::Operand;
}

// The token itself, then a marker for each "~" and "\" in a name.
void AddToken(std::vector<SourceToken>& tokens, SourceToken token, std::string_view line) {
    tokens.push_back(token);
    if (token.kind == TokenKind::Ignored || token.kind == TokenKind::Mnemonic || token.kind == TokenKind::Pseudo ||
        token.kind == TokenKind::UnknownMnemonic)
        return;
    for (std::size_t i = token.start; i < token.start + token.length; ++i)
        if (line[i] == '~' || line[i] == '\\') tokens.push_back({i, 1, TokenKind::Marker, 0});
}

}  // namespace

std::vector<SourceToken> ClassifySourceLine(std::string_view line, LineContext& context) {
    std::vector<SourceToken> tokens;
    std::size_t end = line.size();
    while (end > 0 && IsBlank(line[end - 1])) --end;
    if (end == 0) return tokens;  // a blank line neither counts nor ends a continuation
    const bool continues = line[end - 1] == Continuation;
    const std::size_t contentEnd = continues ? end - 1 : end;

    bool first = true;
    std::size_t i = 0;
    while (i < contentEnd && IsBlank(line[i])) ++i;
    while (i < contentEnd) {
        if (context.inComment || line[i] == ';') {
            context.inComment = true;
            tokens.push_back({i, contentEnd - i, TokenKind::Comment, 0});
            break;
        }
        const std::size_t start = i;
        while (i < contentEnd && !IsBlank(line[i]) && line[i] != ';') ++i;
        const std::string_view text = line.substr(start, i - start);
        const bool goesOn = first && context.joined;  // the rest of the previous line's last token
        const int index = goesOn ? context.tokens - 1 : context.tokens++;
        const bool open = continues && i == contentEnd;
        SourceToken token;
        if (index == 0)
            token = goesOn ? SourceToken{0, 0, TokenKind::Operand, 0} : Keyword(text, open, context);
        else
            token.kind = OperandKind(text, index, context);
        token.start = start;
        token.length = text.size();
        AddToken(tokens, token, line);
        first = false;
        while (i < contentEnd && IsBlank(line[i])) ++i;
    }
    if (!continues) {
        context = LineContext{};
        return tokens;
    }
    tokens.push_back({end - 1, 1, TokenKind::Marker, 0});
    if (contentEnd > 0) context.joined = !context.inComment && !IsBlank(line[contentEnd - 1]);
    return tokens;
}

}  // namespace zek
