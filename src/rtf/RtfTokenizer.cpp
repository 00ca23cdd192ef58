#include "rtf/RtfTokenizer.h"

#include <algorithm>
#include <limits>

namespace rtf {

namespace {

// Names longer than this are no RTF control word; the rest of the letters is dropped.
constexpr qsizetype maxWordLength = 32;

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

Tokenizer::Tokenizer(QByteArrayView data)
    : data_(data)
{
}

Token Tokenizer::next()
{
    Token token;
    while (pos_ < data_.size()) {
        const char c = data_[pos_];
        if (c == '{') {
            ++pos_;
            token.kind = Token::Kind::GroupOpen;
            return token;
        }
        if (c == '}') {
            ++pos_;
            token.kind = Token::Kind::GroupClose;
            return token;
        }
        if (c == '\\')
            return controlWord();
        if (c == '\r' || c == '\n') {
            ++pos_;  // line ends in RTF text carry no meaning
            continue;
        }
        const qsizetype start = pos_;
        while (pos_ < data_.size()) {
            const char t = data_[pos_];
            if (t == '{' || t == '}' || t == '\\' || t == '\r' || t == '\n')
                break;
            ++pos_;
        }
        token.kind = Token::Kind::Text;
        token.word = data_.sliced(start, pos_ - start);
        return token;
    }
    return token;
}

Token Tokenizer::controlWord()
{
    Token token;
    ++pos_;  // the backslash
    if (pos_ >= data_.size())
        return token;
    const char c = data_[pos_];
    if (c == '\'') {
        ++pos_;
        return hexByte();
    }
    if (!isLetter(c)) {
        ++pos_;
        if (c == '\r' || c == '\n') {
            token.kind = Token::Kind::ControlWord;
            token.word = "par";
            return token;
        }
        token.kind = Token::Kind::ControlSymbol;
        token.symbol = c;
        return token;
    }
    const qsizetype start = pos_;
    while (pos_ < data_.size() && isLetter(data_[pos_]))
        ++pos_;
    token.kind = Token::Kind::ControlWord;
    token.word = data_.sliced(start, std::min(pos_ - start, maxWordLength));

    const bool negative = pos_ + 1 < data_.size() && data_[pos_] == '-' && isDigit(data_[pos_ + 1]);
    if (negative)
        ++pos_;
    if (pos_ < data_.size() && isDigit(data_[pos_])) {
        long long value = 0;
        constexpr long long cap = std::numeric_limits<int>::max();
        while (pos_ < data_.size() && isDigit(data_[pos_])) {
            value = std::min(cap, value * 10 + (data_[pos_] - '0'));
            ++pos_;
        }
        token.hasParam = true;
        token.param = static_cast<int>(negative ? -value : value);
    }
    if (pos_ < data_.size() && data_[pos_] == ' ')
        ++pos_;  // the delimiter belongs to the control word
    return token;
}

Token Tokenizer::hexByte()
{
    Token token;
    int value = 0;
    int digits = 0;
    while (digits < 2 && pos_ < data_.size()) {
        const int h = hexDigit(data_[pos_]);
        if (h < 0)
            break;
        value = value * 16 + h;
        ++digits;
        ++pos_;
    }
    if (digits == 0) {
        // A broken \' yields nothing; report it as an unknown symbol so skipping counts stay right.
        token.kind = Token::Kind::ControlSymbol;
        token.symbol = '\'';
        return token;
    }
    token.kind = Token::Kind::HexByte;
    token.byte = static_cast<unsigned char>(value);
    return token;
}

qsizetype Tokenizer::skipBytes(qsizetype count)
{
    const qsizetype skipped = std::clamp<qsizetype>(count, 0, data_.size() - pos_);
    pos_ += skipped;
    return skipped;
}

}  // namespace rtf
