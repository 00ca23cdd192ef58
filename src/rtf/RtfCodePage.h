#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

namespace rtf {

// The code page that \fcharsetN stands for, or 0 for "use the document's \ansicpg".
int codePageOfCharset(int charset);

constexpr int symbolCodePage = 42;

// Turns bytes of a Windows code page into text. Windows-1252 is built in; other pages go
// through the platform's converters and fall back to Windows-1252. The symbol charset passes
// bytes through, with the Symbol font's bullet mapped.
class CodePageDecoder {
public:
    QString decode(int codePage, const QByteArray& bytes);

private:
    int cachedPage_ = 0;
    QStringDecoder cached_;  // opening a converter is costly; documents rarely switch pages
};

}  // namespace rtf
