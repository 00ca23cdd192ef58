#pragma once

#include <QByteArrayView>

namespace rtf {

// The value of one hex digit, -1 for any other character.
int hexDigit(char c);

// One lexical unit of an RTF stream. Views point into the tokenizer's input.
struct Token {
    enum class Kind { End, GroupOpen, GroupClose, ControlWord, ControlSymbol, Text, HexByte };

    Kind kind = Kind::End;
    QByteArrayView word;  // control word name (letters only), or a run of plain text bytes
    bool hasParam = false;
    int param = 0;
    char symbol = 0;         // the character of a control symbol
    unsigned char byte = 0;  // the value of \'hh
};

// Splits RTF bytes into tokens. Every call consumes at least one byte until the end,
// so a loop over next() always finishes in time linear in the input.
class Tokenizer {
public:
    explicit Tokenizer(QByteArrayView data);

    Token next();
    // Skips the raw bytes of \binN; returns how many could be skipped.
    qsizetype skipBytes(qsizetype count);
    bool atEnd() const { return pos_ >= data_.size(); }

private:
    Token controlWord();
    Token hexByte();

    QByteArrayView data_;
    qsizetype pos_ = 0;
};

}  // namespace rtf
