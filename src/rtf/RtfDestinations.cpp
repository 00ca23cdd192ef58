#include "rtf/RtfDestinations.h"

#include "rtf/RtfCodePage.h"
#include "rtf/RtfReader.h"
#include "rtf/RtfState.h"
#include "rtf/RtfTokenizer.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>

namespace rtf {

namespace {

// Font names are short; anything longer is damage and would only cost memory.
constexpr qsizetype maxFontName = 256;

}  // namespace

void FontTable::beginEntry(int number)
{
    number_ = number;
    codePage_ = 0;
    name_.clear();
}

void FontTable::setCharset(int charset)
{
    codePage_ = codePageOfCharset(charset);
}

void FontTable::addNameBytes(QByteArrayView bytes, int maxFonts)
{
    for (const char c : bytes) {
        if (c == ';') {
            endEntry(maxFonts);
            continue;
        }
        if (name_.size() < maxFontName)
            name_.append(c);
    }
}

void FontTable::endEntry(int maxFonts)
{
    if (number_ >= 0 && (fonts_.size() < maxFonts || fonts_.contains(number_))) {
        // Font names are plain ASCII in practice; Latin-1 keeps any stray byte visible.
        const QString name = QString::fromLatin1(name_).trimmed();
        const bool symbolFont = codePage_ == symbolCodePage && name.compare(u"Symbol", Qt::CaseInsensitive) == 0;
        fonts_.insert(number_, Font{name, symbolFont ? symbolFontCodePage : codePage_});
    }
    number_ = -1;
    codePage_ = 0;
    name_.clear();
}

const Font* FontTable::find(int number) const
{
    const auto it = fonts_.constFind(number);
    return it == fonts_.constEnd() ? nullptr : &it.value();
}

void ColorTable::setComponent(Action which, int value)
{
    const int component = std::clamp(value, 0, 255);
    if (which == Action::Red)
        red_ = component;
    else if (which == Action::Green)
        green_ = component;
    else
        blue_ = component;
    any_ = true;
}

void ColorTable::endEntry(int maxColors)
{
    if (colors_.size() < maxColors)
        colors_.append(any_ ? QColor(red_, green_, blue_) : QColor());
    red_ = green_ = blue_ = 0;
    any_ = false;
}

QColor ColorTable::at(int index) const
{
    return index >= 0 && index < colors_.size() ? colors_[index] : QColor();
}

void Picture::begin()
{
    *this = Picture();
}

void Picture::addHex(QByteArrayView text, qsizetype maxBytes)
{
    if (tooLarge_ || kind_ == PictureOther)
        return;
    for (const char c : text) {
        const int h = hexDigit(c);
        if (h < 0)
            continue;
        if (highNibble_ < 0) {
            highNibble_ = h;
            continue;
        }
        if (data_.size() >= maxBytes) {
            tooLarge_ = true;
            data_.clear();
            return;
        }
        data_.append(static_cast<char>(highNibble_ * 16 + h));
        highNibble_ = -1;
    }
}

QImage Picture::image(const Limits& limits, qsizetype pixelBudget, QString* problem) const
{
    if (kind_ == PictureOther)
        return {};
    if (tooLarge_) {
        *problem = QStringLiteral("picture larger than the limit skipped");
        return {};
    }
    QBuffer buffer;
    buffer.setData(data_);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, kind_ == PicturePng ? "png" : "jpeg");
    const QSize size = reader.size();
    const qsizetype pixels = static_cast<qsizetype>(size.width()) * size.height();
    if (!size.isValid() || pixels > std::min(limits.maxPicturePixels, pixelBudget)) {
        *problem = QStringLiteral("picture with unreadable or oversized dimensions skipped");
        return {};
    }
    QImage image = reader.read();
    if (image.isNull())
        *problem = QStringLiteral("damaged picture skipped");
    return image;
}

QSizeF Picture::displaySize(const QImage& image) const
{
    const double width = goalWidth_ > 0 ? twipsToPixels(goalWidth_) : image.width();
    const double height = goalHeight_ > 0 ? twipsToPixels(goalHeight_) : image.height();
    const auto scale = [](int percent) { return percent > 0 && percent <= 10000 ? percent / 100.0 : 1.0; };
    return {width * scale(scaleX_), height * scale(scaleY_)};
}

}  // namespace rtf
