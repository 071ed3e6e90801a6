#include "ui/workbench/SourceHighlighter.h"

#include <QTextBlock>
#include <QTextCharFormat>

#include "core/base/ErrorText.h"
#include "ui/util/QtText.h"
#include "ui/workbench/LineNumbering.h"

namespace zek::ui {
namespace {

constexpr std::uint8_t UnknownMnemonicCode = 116;

std::vector<SourceToken> TokensOf(const QTextBlock& block, LineContext& context) {
    return ClassifySourceLine(ToCoreUnits(block.text()), context);
}

}  // namespace

LineContext SourceHighlighter::ContextOf(const QTextBlock& block) {
    LineContext context;
    const SourceMap& map = numbering_.Map();
    const int number = block.blockNumber();
    const std::int32_t line = map.LineOfPhysical(number);
    if (line == SourceMap::NoLine || map.StartsLine(number)) return context;
    for (QTextBlock before = block.document()->findBlockByNumber(map.FirstPhysicalOf(line));
         before.isValid() && before.blockNumber() < number; before = before.next())
        TokensOf(before, context);
    return context;
}

void SourceHighlighter::Format(QTextBlock first, const std::function<bool(const QTextBlock&)>& wanted) {
    if (!first.isValid()) return;
    LineContext context = ContextOf(first);
    for (QTextBlock block = first; block.isValid() && wanted(block); block = block.next()) {
        const QList<QTextLayout::FormatRange> formats = FormatsOf(TokensOf(block, context));
        if (formats != block.layout()->formats()) block.layout()->setFormats(formats);
    }
}

QString SourceHighlighter::ComplaintAt(const QTextBlock& block, int position) {
    LineContext context = ContextOf(block);
    for (const SourceToken& token : TokensOf(block, context)) {
        const auto start = static_cast<int>(token.start);
        if (token.kind == TokenKind::UnknownMnemonic && position >= start &&
            position <= start + static_cast<int>(token.length))
            return FromCore(ErrorText(UnknownMnemonicCode)) + QLatin1Char(' ') +
                   block.text().mid(start, static_cast<int>(token.length));
    }
    return {};
}

QList<QTextLayout::FormatRange> SourceHighlighter::FormatsOf(const std::vector<SourceToken>& tokens) const {
    QList<QTextLayout::FormatRange> formats;
    for (const SourceToken& token : tokens) {
        if (token.kind == TokenKind::Operand) continue;
        formats.append({static_cast<int>(token.start), static_cast<int>(token.length), FormatOf(token)});
    }
    return formats;
}

QTextCharFormat SourceHighlighter::FormatOf(const SourceToken& token) const {
    QTextCharFormat format;
    switch (token.kind) {
        case TokenKind::Mnemonic:
            format.setForeground(colours_.Mnemonic(token.group));
            format.setFontWeight(QFont::Bold);
            break;
        case TokenKind::UnknownMnemonic:
            format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
            format.setUnderlineColor(colours_.error);
            break;
        case TokenKind::Pseudo:
            format.setForeground(colours_.pseudo);
            format.setFontWeight(QFont::Bold);
            break;
        case TokenKind::Label:
            format.setForeground(colours_.label);
            format.setFontWeight(QFont::Bold);
            break;
        case TokenKind::Number: format.setForeground(colours_.number); break;
        case TokenKind::Predefined:
            format.setForeground(colours_.predefined);
            format.setFontItalic(true);
            break;
        case TokenKind::Ignored:
            format.setForeground(colours_.comment);
            format.setFontStrikeOut(true);
            break;
        case TokenKind::Comment:
            format.setForeground(colours_.comment);
            format.setFontItalic(true);
            break;
        case TokenKind::Marker:
            format.setForeground(colours_.marker);
            format.setFontWeight(QFont::Bold);
            break;
        case TokenKind::Operand: break;
    }
    return format;
}

}  // namespace zek::ui
