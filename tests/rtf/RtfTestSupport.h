#pragma once

#include "rtf/RtfReader.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

inline QByteArray imageHex(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    QByteArray hex = bytes.toHex();
    for (qsizetype i = 64; i < hex.size(); i += 65)
        hex.insert(i, '\n');  // writers wrap the hex data in lines
    return hex;
}

inline QImage testImage()
{
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(QColor(200, 30, 40));
    return image;
}

// Reads an RTF sample into a fresh document and finds formatted text in it.
struct ReadSample {
    explicit ReadSample(const QByteArray& rtfData, const rtf::Limits& limits = {})
        : report(rtf::read(document, rtfData, limits))
    {
    }

    // The text with line breaks and special spaces kept; paragraphs and table frames as '\n'.
    QString text() const
    {
        QString raw = document.toRawText();
        for (const char16_t separator : {u'\u2029', u'\uFDD0', u'\uFDD1'})
            raw.replace(QChar(separator), u'\n');
        return raw;
    }

    // A cursor on the first character of needle; null when the text is not there.
    QTextCursor at(const QString& needle) const
    {
        QTextCursor found = document.find(needle);
        if (found.isNull())
            return found;
        found.setPosition(found.selectionStart() + 1);
        return found;
    }

    // The document's tables as text: "[a|b/c|d]" for two rows of two cells; a table in a cell
    // stands in it, and the paragraphs around the tables are kept, those without text left out.
    QString tables() const { return describe(document.rootFrame()->begin()); }

    QTextDocument document;
    rtf::ReadReport report;

private:
    static QString describe(QTextFrame::iterator it)
    {
        QStringList parts;
        for (; !it.atEnd(); ++it) {
            if (auto* table = qobject_cast<QTextTable*>(it.currentFrame())) {
                QStringList rows;
                for (int r = 0; r < table->rows(); ++r) {
                    QStringList cells;
                    for (int c = 0; c < table->columns(); ++c)
                        cells.append(describe(table->cellAt(r, c).begin()));
                    rows.append(cells.join(u'|'));
                }
                parts.append(u'[' + rows.join(u'/') + u']');
            } else if (!it.currentBlock().text().isEmpty()) {
                parts.append(it.currentBlock().text());
            }
        }
        return parts.join(u' ');
    }
};
