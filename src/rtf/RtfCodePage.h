#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

namespace rtf {

// The code page that \fcharsetN stands for, or 0 for "use the document's \ansicpg".
int codePageOfCharset(int charset);

// \fcharset2: the bytes are glyph numbers of a symbol font.
constexpr int symbolCodePage = 42;
// No Windows code page: the encoding of the font named Symbol, whose every glyph has a Unicode
// character. Text in it is read as those characters and drawn in a text font, since the Symbol
// font found on another system may lack them or not be a symbol font at all.
constexpr int symbolFontCodePage = -42;

// The character of a Symbol font glyph number (0x20..0xFF); U+FFFD for the empty places.
QChar symbolFontCharacter(unsigned char glyph);

// Turns bytes of a Windows code page into text. Windows-1252 is built in; other pages go
// through the platform's converters and fall back to Windows-1252. Other symbol fonts than
// Symbol pass bytes through, with the bullet mapped.
class CodePageDecoder {
public:
    QString decode(int codePage, const QByteArray& bytes);

private:
    int cachedPage_ = 0;
    QStringDecoder cached_;  // opening a converter is costly; documents rarely switch pages
};

}  // namespace rtf
