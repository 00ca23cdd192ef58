#pragma once

#include <QByteArray>
#include <QStringList>

class QTextDocument;

namespace rtf {

// Hard bounds that keep any input, however hostile, within time and memory.
struct Limits {
    int maxDepth = 256;                            // groups deeper than this are skipped whole
    qsizetype maxTextLength = 2 * 1024 * 1024;     // characters (and table cells) in the document
    qsizetype maxPictureBytes = 16 * 1024 * 1024;  // decoded bytes of one picture
    qsizetype maxPicturePixels = 4096 * 4096;      // of one picture
    qsizetype maxTotalPicturePixels = 2 * 4096 * 4096;
    int maxPictures = 64;
    int maxTableColumns = 64;
    int maxTableRows = 10000;
    int maxFonts = 4096;
    int maxColors = 4096;
};

struct ReadReport {
    bool complete = true;  // false when the input was damaged or a limit cut something off
    QStringList warnings;  // what was skipped or repaired, in English
};

// Clears the document and fills it with the RTF in data. Never throws: a damaged file
// gives as much as could be read.
ReadReport read(QTextDocument& document, const QByteArray& data, const Limits& limits = {});

void readInto(QTextDocument& document, const QByteArray& data);

}  // namespace rtf
