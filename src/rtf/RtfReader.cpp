#include "rtf/RtfReader.h"

#include "rtf/RtfParser.h"

#include <QTextDocument>

namespace rtf {

ReadReport read(QTextDocument& document, const QByteArray& data, const Limits& limits)
{
    ReadReport report;
    const bool undo = document.isUndoRedoEnabled();
    document.clear();
    document.setUndoRedoEnabled(false);  // an undo history of the load is of no use and costs time
    try {
        Parser parser(document, data, limits, report);
        parser.run();
    } catch (...) {
        report.complete = false;
        report.warnings.append(QStringLiteral("reading stopped by an internal error"));
    }
    document.setUndoRedoEnabled(undo);
    return report;
}

void readInto(QTextDocument& document, const QByteArray& data)
{
    read(document, data);
}

}  // namespace rtf
