#pragma once

#include "rtf/RtfControlWords.h"

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QImage>
#include <QList>
#include <QSizeF>
#include <QString>

namespace rtf {

struct Limits;

struct Font {
    QString name;
    int codePage = 0;  // 0: the document's code page
};

// Collects \fonttbl entries: "\fN\fcharsetC Name;" one after the other or in groups.
class FontTable {
public:
    void beginEntry(int number);
    void setCharset(int charset);
    void addNameBytes(QByteArrayView bytes, int maxFonts);
    void endEntry(int maxFonts);
    const Font* find(int number) const;

private:
    QHash<int, Font> fonts_;
    int number_ = -1;
    int codePage_ = 0;
    QByteArray name_;
};

// Collects \colortbl entries; an entry without components is the automatic colour.
class ColorTable {
public:
    void setComponent(Action which, int value);
    void endEntry(int maxColors);
    QColor at(int index) const;

private:
    QList<QColor> colors_;
    int red_ = 0;
    int green_ = 0;
    int blue_ = 0;
    bool any_ = false;
};

// Collects the hex data and sizes of one \pict group.
class Picture {
public:
    void begin();
    void setKind(int kind) { kind_ = kind; }
    void setGoalWidth(int twips) { goalWidth_ = twips; }
    void setGoalHeight(int twips) { goalHeight_ = twips; }
    void setScaleX(int percent) { scaleX_ = percent; }
    void setScaleY(int percent) { scaleY_ = percent; }
    void addHex(QByteArrayView text, qsizetype maxBytes);

    // The decoded image, or a null image for unsupported, oversized or broken pictures.
    // At most pixelBudget pixels are decoded.
    QImage image(const Limits& limits, qsizetype pixelBudget, QString* problem) const;
    // The display size in pixels, from the goal sizes and scales, else the image's own.
    QSizeF displaySize(const QImage& image) const;

private:
    QByteArray data_;
    int kind_ = PictureOther;
    int goalWidth_ = 0;
    int goalHeight_ = 0;
    int scaleX_ = 100;
    int scaleY_ = 100;
    int highNibble_ = -1;
    bool tooLarge_ = false;
};

}  // namespace rtf
