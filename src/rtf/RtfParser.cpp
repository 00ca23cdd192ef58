#include "rtf/RtfParser.h"

#include "rtf/TextFormats.h"

#include <QTextDocument>

#include <algorithm>
#include <utility>

namespace rtf {

namespace {

constexpr int maxUnicodeSkip = 16;

bool switchedOn(const Token& token)
{
    return !token.hasParam || token.param != 0;
}

}  // namespace

Parser::Parser(QTextDocument& document, const QByteArray& data, const Limits& limits, ReadReport& report)
    : limits_(limits)
    , report_(report)
    , tokenizer_(data)
    , builder_(document, limits)
{
    builder_.setRowDefinition(rowDefinition_.row());
}

void Parser::warn(Warning which, const QString& text)
{
    report_.complete = false;
    if (warned_[which])
        return;
    warned_[which] = true;
    report_.warnings.append(text);
}

void Parser::run()
{
    while (!builder_.full() && !ended_) {
        Token token = tokenizer_.next();
        if (token.kind == Token::Kind::End)
            break;
        if (overflowDepth_ > 0) {
            // Inside skipped deep groups only the braces and \bin data matter.
            if (token.kind == Token::Kind::GroupOpen)
                overflowDepth_ = std::min(overflowDepth_ + 1, 1 << 30);
            else if (token.kind == Token::Kind::GroupClose)
                --overflowDepth_;
            else if (token.kind == Token::Kind::ControlWord && token.word == "bin")
                skipBinary(token);
            continue;
        }
        if (fallbackPending_ > 0 && consumeFallback(token))
            continue;
        const bool groupStart = std::exchange(groupStart_, false);
        switch (token.kind) {
        case Token::Kind::GroupOpen: openGroup(); break;
        case Token::Kind::GroupClose: closeGroup(); break;
        case Token::Kind::ControlWord: controlWord(token); break;
        case Token::Kind::ControlSymbol:
            // StarWriter writes \* amid a group's formats too, where it marks nothing.
            if (token.symbol == '*')
                state_.starred = groupStart;
            else
                controlSymbol(token.symbol);
            break;
        case Token::Kind::Text: text(token.word); break;
        case Token::Kind::HexByte: {
            const char byte = static_cast<char>(token.byte);
            text(QByteArrayView(&byte, 1));
            break;
        }
        case Token::Kind::End: break;
        }
    }
    flushBytes();
    if (builder_.full())
        warn(TextCut, QStringLiteral("text beyond the length limit cut off"));
    else if (!stack_.empty() || overflowDepth_ > 0)
        warn(Truncated, QStringLiteral("the file ends inside a group"));
    if (builder_.tableCut())
        warn(TableCut, QStringLiteral("table larger than the limit simplified"));
    // The last paragraph may lack its \par: it keeps the format its text was written with.
    state_.para = lastPara_;
    builder_.finish(blockFormat(), lastPara_.tableLevel);
}

// Skips the fallback characters after \uN; true when the token was used up by that.
bool Parser::consumeFallback(Token& token)
{
    switch (token.kind) {
    case Token::Kind::GroupOpen:
    case Token::Kind::GroupClose: fallbackPending_ = 0; return false;
    case Token::Kind::Text: {
        const qsizetype skipped = std::min<qsizetype>(fallbackPending_, token.word.size());
        fallbackPending_ -= static_cast<int>(skipped);
        token.word = token.word.sliced(skipped);
        return token.word.isEmpty();
    }
    case Token::Kind::ControlWord:
        if (token.word == "bin")
            skipBinary(token);
        --fallbackPending_;
        return true;
    default: --fallbackPending_; return true;
    }
}

void Parser::openGroup()
{
    flushBytes();
    if (stack_.size() >= static_cast<size_t>(std::max(1, limits_.maxDepth))) {
        overflowDepth_ = 1;
        warn(TooDeep, QStringLiteral("groups nested deeper than %1 skipped").arg(limits_.maxDepth));
        return;
    }
    stack_.push_back(state_);
    state_.starred = false;
    groupStart_ = true;
}

void Parser::closeGroup()
{
    flushBytes();
    if (stack_.empty()) {
        warn(Unbalanced, QStringLiteral("closing brace without an opening one ignored"));
        return;
    }
    if (state_.destination == Destination::FontTable) {
        fonts_.endEntry(limits_.maxFonts);
        cachedFont_ = -2;
    } else if (state_.destination == Destination::ColorTable) {
        cachedFont_ = -2;
    }
    if (static_cast<qsizetype>(stack_.size()) == pictureDepth_)
        finishPicture();
    state_ = stack_.back();
    stack_.pop_back();
    ended_ = stack_.empty();
}

void Parser::controlWord(const Token& token)
{
    flushBytes();
    const ControlWord* entry = findControlWord(token.word);
    if (state_.starred) {
        state_.starred = false;
        if (!entry
            || (entry->action != Action::Destination && entry->action != Action::TextGroup
                && entry->action != Action::UnicodeAlternative)) {
            state_.destination = Destination::Skip;
            return;
        }
    }
    if (!entry)
        return;
    if (entry->action == Action::UnicodeAlternative) {
        const bool inUpr = state_.destination == Destination::AnsiAlternative;
        state_.destination = inUpr ? Destination::Text : Destination::Skip;
        return;
    }
    if (entry->action == Action::Binary) {
        skipBinary(token);
        return;
    }
    if (entry->action == Action::Unicode) {
        if (state_.destination == Destination::Text && token.hasParam) {
            const int code = token.param < 0 ? token.param + 65536 : token.param;
            // Word writes Symbol glyphs as U+F0xx, the places Windows gives a symbol font's glyphs.
            if (code >= 0xF020 && code <= 0xF0FF && codePage() == symbolFontCodePage)
                emitText(QString(symbolFontCharacter(static_cast<unsigned char>(code - 0xF000))));
            else if (code > 0 && code <= 0xFFFF)
                emitText(QString(QChar(static_cast<char16_t>(code))));
        }
        fallbackPending_ = state_.unicodeSkip;
        return;
    }
    if (entry->action == Action::UnicodeSkip) {
        state_.unicodeSkip = token.hasParam ? std::clamp(token.param, 0, maxUnicodeSkip) : 1;
        return;
    }
    if (entry->action == Action::Destination || entry->action == Action::TextGroup) {
        if (entry->action == Action::Destination)
            startDestination(static_cast<Destination>(entry->value));
        return;
    }
    if (state_.destination == Destination::Text)
        textControlWord(*entry, token);
    else
        destinationControlWord(*entry, token);
}

void Parser::startDestination(Destination destination)
{
    if (state_.destination != Destination::Text) {
        state_.destination = Destination::Skip;  // tables and pictures do not nest
        return;
    }
    if (destination == Destination::Picture) {
        if (pictureDepth_ >= 0) {
            state_.destination = Destination::Skip;
            return;
        }
        picture_.begin();
        pictureDepth_ = static_cast<qsizetype>(stack_.size());
    }
    state_.destination = destination;
}

void Parser::destinationControlWord(const ControlWord& entry, const Token& token)
{
    switch (state_.destination) {
    case Destination::FontTable:
        if (entry.action == Action::Font)
            fonts_.beginEntry(token.hasParam ? token.param : -1);
        else if (entry.action == Action::FontCharset && token.hasParam)
            fonts_.setCharset(token.param);
        break;
    case Destination::ColorTable:
        if (entry.action == Action::Red || entry.action == Action::Green || entry.action == Action::Blue)
            colors_.setComponent(entry.action, token.hasParam ? token.param : 0);
        break;
    case Destination::Picture:
        if (entry.action == Action::PictureType)
            picture_.setKind(entry.value);
        else if (entry.action == Action::PictureGoalWidth)
            picture_.setGoalWidth(twips(token));
        else if (entry.action == Action::PictureGoalHeight)
            picture_.setGoalHeight(twips(token));
        else if (entry.action == Action::PictureScaleX)
            picture_.setScaleX(token.hasParam ? token.param : 100);
        else if (entry.action == Action::PictureScaleY)
            picture_.setScaleY(token.hasParam ? token.param : 100);
        break;
    case Destination::NestedRowDefinition: tableControlWord(entry, token); break;
    case Destination::Text:
    case Destination::Skip:
    case Destination::AnsiAlternative: break;
    }
}

void Parser::textControlWord(const ControlWord& entry, const Token& token)
{
    CharState& chars = state_.chars;
    ParaState& para = state_.para;
    switch (entry.action) {
    case Action::Bold: chars.bold = switchedOn(token); break;
    case Action::Italic: chars.italic = switchedOn(token); break;
    case Action::Strike: chars.strike = switchedOn(token); break;
    case Action::Underline: chars.underline = switchedOn(token); break;
    case Action::UnderlineNone: chars.underline = false; break;
    case Action::FontSize: chars.halfPoints = token.hasParam ? std::clamp(token.param, 2, 3276) : 24; break;
    case Action::Font: chars.font = token.hasParam ? token.param : -1; break;
    case Action::Color: chars.color = token.hasParam ? token.param : 0; break;
    case Action::Highlight: chars.highlight = token.hasParam ? token.param : 0; break;
    case Action::Plain: chars = CharState(); break;
    case Action::ParagraphDefault: para = ParaState(); break;
    case Action::Align: para.alignment = Qt::Alignment(entry.value); break;
    case Action::LeftIndent: para.leftTwips = twips(token); break;
    case Action::RightIndent: para.rightTwips = twips(token); break;
    case Action::FirstIndent: para.firstTwips = twips(token); break;
    case Action::SpaceBefore: para.beforeTwips = twips(token); break;
    case Action::SpaceAfter: para.afterTwips = twips(token); break;
    case Action::LineSpacing: para.lineTwips = twips(token); break;
    case Action::LineMultiple: para.lineMultiple = switchedOn(token); break;
    case Action::KeepNext: para.keepNext = switchedOn(token); break;
    case Action::Paragraph:
        builder_.endParagraph(blockFormat(), para.tableLevel);
        lastPara_ = para;
        break;
    case Action::Page:
        builder_.pageBreak(blockFormat(), para.tableLevel);
        lastPara_ = para;
        break;
    case Action::Character: emitText(QString(QChar(static_cast<char16_t>(entry.value)))); break;
    case Action::AnsiCodePage:
        if (token.hasParam && token.param > 0)
            ansiCodePage_ = token.param;
        break;
    case Action::CodePage: ansiCodePage_ = entry.value; break;
    case Action::DefaultFont: defaultFont_ = token.hasParam ? token.param : -1; break;
    case Action::InTable: para.tableLevel = std::max(para.tableLevel, 1); break;
    case Action::TableLevel:
        para.tableLevel = token.hasParam ? std::clamp(token.param, 0, DocumentBuilder::maxTableLevel) : 1;
        break;
    default: tableControlWord(entry, token); break;
    }
}

void Parser::tableControlWord(const ControlWord& entry, const Token& token)
{
    // \cell and \row end the first level's cells and rows; the nested ones have words of their own.
    const int nestedLevel = std::max(2, state_.para.tableLevel);
    switch (entry.action) {
    case Action::Cell: builder_.endCell(blockFormat(), 1); break;
    case Action::Row: builder_.endRow(1, rowDefinition_.row()); break;
    case Action::NestedCell: builder_.endCell(blockFormat(), nestedLevel); break;
    case Action::NestedRow: builder_.endRow(nestedLevel, nestedRowDefinition_.row()); break;
    default:
        if (state_.destination == Destination::NestedRowDefinition)
            nestedRowDefinition_.read(entry, token, colors_, limits_.maxTableColumns);
        else
            rowDefinition_.read(entry, token, colors_, limits_.maxTableColumns);
        break;
    }
}

void Parser::controlSymbol(char symbol)
{
    switch (symbol) {
    case '\\':
    case '{':
    case '}': text(QByteArrayView(&symbol, 1)); return;
    default: break;
    }
    if (state_.destination != Destination::Text)
        return;
    switch (symbol) {
    case '~': emitText(QString(QChar(0x00A0))); break;
    case '-': emitText(QString(QChar(0x00AD))); break;
    case '_': emitText(QString(QChar(0x2011))); break;
    case '\t': emitText(QStringLiteral("\t")); break;
    default: break;  // \| \: and unknown symbols carry no text
    }
}

void Parser::text(QByteArrayView bytes)
{
    switch (state_.destination) {
    case Destination::Text:
        if (bytes_.size() + bytes.size() > limits_.maxTextLength)
            flushBytes();
        bytes_.append(bytes);
        break;
    case Destination::FontTable: fonts_.addNameBytes(bytes, limits_.maxFonts); break;
    case Destination::ColorTable:
        for (const char c : bytes) {
            if (c == ';')
                colors_.endEntry(limits_.maxColors);
        }
        break;
    case Destination::Picture: picture_.addHex(bytes, limits_.maxPictureBytes); break;
    case Destination::Skip:
    case Destination::AnsiAlternative:
    case Destination::NestedRowDefinition: break;
    }
}

void Parser::skipBinary(const Token& token)
{
    if (!token.hasParam || token.param <= 0)
        return;
    if (tokenizer_.skipBytes(token.param) < token.param)
        warn(Truncated, QStringLiteral("the file ends inside binary data"));
}

void Parser::finishPicture()
{
    pictureDepth_ = -1;
    QString problem;
    const QImage image = picture_.image(limits_, limits_.maxTotalPicturePixels - picturePixels_, &problem);
    if (!problem.isEmpty())
        warn(PictureProblem, problem);
    if (image.isNull())
        return;
    picturePixels_ += static_cast<qsizetype>(image.width()) * image.height();
    if (!builder_.addImage(image, picture_.displaySize(image), state_.para.tableLevel))
        warn(PictureProblem, QStringLiteral("pictures beyond the limit skipped"));
}

void Parser::emitText(const QString& text)
{
    flushBytes();
    builder_.addText(text, charFormat(), state_.para.tableLevel);
    lastPara_ = state_.para;
}

int Parser::codePage() const
{
    const int index = state_.chars.font >= 0 ? state_.chars.font : defaultFont_;
    const Font* font = fonts_.find(index);
    return font && font->codePage != 0 ? font->codePage : ansiCodePage_;
}

void Parser::flushBytes()
{
    if (bytes_.isEmpty())
        return;
    QString decoded = decoder_.decode(codePage(), bytes_);
    bytes_.clear();
    // Control characters other than the tab are no text in RTF.
    decoded.removeIf([](QChar c) { return c.unicode() < 0x20 && c != u'\t'; });
    builder_.addText(decoded, charFormat(), state_.para.tableLevel);
    lastPara_ = state_.para;
}

const QTextCharFormat& Parser::charFormat()
{
    const CharState& chars = state_.chars;
    const int fontIndex = chars.font >= 0 ? chars.font : defaultFont_;
    if (cachedFont_ == fontIndex && cachedChars_ == chars)
        return cachedFormat_;
    QTextCharFormat format;
    format.setFontWeight(chars.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(chars.italic);
    format.setFontUnderline(chars.underline);
    format.setFontStrikeOut(chars.strike);
    format.setFontPointSize(chars.halfPoints / 2.0);
    if (const Font* font = textFont(fontIndex))
        format.setFontFamilies({font->name});
    if (const QColor color = colors_.at(chars.color); color.isValid())
        format.setForeground(color);
    if (const QColor color = colors_.at(chars.highlight); color.isValid())
        format.setBackground(color);
    cachedChars_ = chars;
    cachedFont_ = fontIndex;
    cachedFormat_ = format;
    return cachedFormat_;
}

// The font whose family a run is drawn in: the Symbol font's text is read as Unicode characters,
// which the document's default font draws.
const Font* Parser::textFont(int fontIndex) const
{
    const Font* font = fonts_.find(fontIndex);
    if (font && font->codePage == symbolFontCodePage)
        font = fonts_.find(defaultFont_);
    if (!font || font->name.isEmpty() || font->codePage == symbolFontCodePage)
        return nullptr;
    return font;
}

QTextBlockFormat Parser::blockFormat() const
{
    const ParaState& para = state_.para;
    QTextBlockFormat format;
    format.setAlignment(para.alignment);
    format.setLeftMargin(twipsToPixels(para.leftTwips));  // the builder keeps it within the page
    format.setRightMargin(twipsToPixels(std::max(0, para.rightTwips)));
    format.setTextIndent(twipsToPixels(para.firstTwips));
    format.setTopMargin(twipsToPixels(std::max(0, para.beforeTwips)));
    format.setBottomMargin(twipsToPixels(std::max(0, para.afterTwips)));
    if (para.firstTwips < 0) {
        // A hanging indent has an implicit tab stop at the left indent, where list text starts.
        format.setTabPositions({QTextOption::Tab(twipsToPixels(-para.firstTwips), QTextOption::LeftTab)});
    }
    if (para.lineTwips != 0 && para.lineMultiple) {
        const double percent = std::clamp(std::abs(para.lineTwips) * 100.0 / 240.0, 50.0, 500.0);
        format.setLineHeight(percent, QTextBlockFormat::ProportionalHeight);
    } else if (para.lineTwips != 0) {
        format.setLineHeight(twipsToPixels(std::abs(para.lineTwips)),
                             para.lineTwips > 0 ? QTextBlockFormat::MinimumHeight : QTextBlockFormat::FixedHeight);
    }
    if (para.keepNext)
        format.setProperty(rtf::KeepWithNextProperty, true);
    return format;
}

}  // namespace rtf
