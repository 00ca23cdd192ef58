// Feeds arbitrary bytes to the RTF reader. Odd-sized inputs use tiny limits, so that the
// cut-off paths are explored as well as ordinary reading.
#include "FuzzCheck.h"
#include "rtf/RtfReader.h"

#include <QGuiApplication>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <cstdint>
#include <cstdlib>

namespace {

// Qt writes past the end of a table's column widths when it adds columns to a table with fewer
// widths than columns, which the sanitizers see only much later, if at all; so every table has
// one width per column or none.
bool columnWidthsFit(const QTextFrame* frame)
{
    if (const auto* table = qobject_cast<const QTextTable*>(frame)) {
        const qsizetype widths = table->format().columnWidthConstraints().size();
        if (widths != 0 && widths != table->columns())
            return false;
    }
    for (const QTextFrame* child : frame->childFrames()) {
        if (!columnWidthsFit(child))
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(*argc, *argv);  // fonts and image plugins need the application
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    rtf::Limits limits;
    if (size % 2 == 1) {
        limits.maxDepth = 8;
        limits.maxTextLength = 64;
        limits.maxPictures = 2;
        limits.maxTableColumns = 4;
        limits.maxTableRows = 4;
        limits.maxFonts = 4;
        limits.maxColors = 4;
    }
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    static QTextDocument document;  // reading clears it; one document keeps the runs fast
    const rtf::ReadReport report = rtf::read(document, bytes, limits);
    FUZZ_CHECK(report.complete == report.warnings.isEmpty());
    // Cells and frames count against the text limit; the last paragraph may come on top.
    FUZZ_CHECK(document.characterCount() <= limits.maxTextLength + 2);
    FUZZ_CHECK(document.toPlainText().size() < document.characterCount());
    FUZZ_CHECK(columnWidthsFit(document.rootFrame()));
    return 0;
}
