#pragma once

#include "rtf/RtfReader.h"

#include <QByteArray>
#include <QTextCursor>
#include <QTextDocument>

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

    QTextDocument document;
    rtf::ReadReport report;
};
