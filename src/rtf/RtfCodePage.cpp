#include "rtf/RtfCodePage.h"

namespace rtf {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; holes decode as Latin-1 controls.
constexpr char16_t windows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString decode1252(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text.append(QChar(b >= 0x80 && b < 0xA0 ? windows1252High[b - 0x80] : char16_t(b)));
    }
    return text;
}

QString decodeSymbol(const QByteArray& bytes)
{
    QString text = QString::fromLatin1(bytes);
    text.replace(QChar(0xB7), QChar(0x2022));  // the bullet of the Symbol font
    return text;
}

}  // namespace

int codePageOfCharset(int charset)
{
    switch (charset) {
    case 2: return symbolCodePage;
    case 77: return 10000;
    case 78: return 10001;
    case 79: return 10003;
    case 80: return 10008;
    case 81: return 10002;
    case 85: return 10006;
    case 86: return 10081;
    case 88: return 10029;
    case 89: return 10007;
    case 128: return 932;
    case 129: return 949;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 254: return 437;
    default: return 0;
    }
}

static QByteArray converterName(int codePage)
{
    // The Mac pages as TextEdit and old Mac Word write them; the East Asian ones by their nearest
    // standard encodings, which the platform has.
    switch (codePage) {
    case 10000: return "macintosh";
    case 10001: return "Shift_JIS";
    case 10002: return "Big5";
    case 10003: return "EUC-KR";
    case 10006: return "x-mac-greek";
    case 10007: return "x-mac-cyrillic";
    case 10008: return "GBK";
    case 10029: return "x-mac-centraleurroman";
    case 10081: return "x-mac-turkish";
    default: break;
    }
    if (codePage == 437 || codePage == 850)
        return "IBM" + QByteArray::number(codePage);
    if (codePage == 65001)
        return "UTF-8";
    if ((codePage >= 874 && codePage <= 950) || (codePage >= 1250 && codePage <= 1258))
        return "windows-" + QByteArray::number(codePage);
    return {};
}

QString CodePageDecoder::decode(int codePage, const QByteArray& bytes)
{
    if (codePage == symbolCodePage)
        return decodeSymbol(bytes);
    if (codePage == 1252 || codePage <= 0)
        return decode1252(bytes);
    if (codePage != cachedPage_) {
        const QByteArray name = converterName(codePage);
        cached_ = name.isEmpty() ? QStringDecoder() : QStringDecoder(name.constData());
        cachedPage_ = codePage;
    }
    if (!cached_.isValid())
        return decode1252(bytes);
    cached_.resetState();
    return cached_.decode(bytes);
}

}  // namespace rtf
