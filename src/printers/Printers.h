#pragma once

#include <QPageSize>
#include <QString>
#include <QStringList>
#include <memory>

class QLocale;
class QTextDocument;
class QWidget;

namespace printers {

// Page orientation as the print dialog numbers it.
constexpr int kPortrait = 1;
constexpr int kLandscape = 2;

// The run-time errors of printing: the printer refused or failed the job, or
// the PDF file could not be written.
constexpr int ErrPrinter = 482;
constexpr int ErrPathAccess = 75;

// The name of the PDF file writer that ends every collection; it has a blank,
// which no CUPS queue name can have, so a queue called "PDF" stays apart.
QString pdfWriterName();
// The PDF file writer's paper: US Letter where the region measures in US units, else A4.
QPageSize writerPageSize(const QLocale& region);
// What the PDF writer's save dialog suggests: "Zelvaro <date>.pdf" in the user's documents
// folder, or in the home folder where there is no documents folder.
QString suggestedPdfPath();

enum class PrintOutcome { Printed, Cancelled };

// What one print is called: the title of the PDF that carries it, and the
// caption of the save dialog if the PDF file writer asks for a file.
struct PrintJob {
    QString title;
    QString saveDialogTitle;
};

// The desktop's printers: the collection, the current printer and printing.
// Failures raise RuntimeError (ErrPrinter, ErrPathAccess, ErrSubscript);
// Cancelled means the user backed out of choosing a file and nothing was printed.
class Printers {
public:
    virtual ~Printers() = default;

    // The device names in the collection's fixed order; a position in this
    // list addresses the same printer in setCurrent.
    virtual QStringList deviceNames() = 0;
    // Empty when there is no current printer.
    virtual QString currentDeviceName() = 0;
    // Raises 9 (subscript out of range) for a position outside the collection.
    virtual void setCurrent(int position) = 0;
    // kPortrait or kLandscape; raises 5 (invalid call) for anything else.
    virtual void setOrientation(int orientation) = 0;
    virtual int orientation() const = 0;

    // The page widget's own painting scaled to fit the printable area,
    // centred, on one page, as vectors and text.
    virtual PrintOutcome printPage(QWidget& page, const PrintJob& job) = 0;
    // The document flowed onto as many pages as it needs.
    virtual PrintOutcome printDocument(const QTextDocument& document, const PrintJob& job) = 0;
};

// The CUPS destinations in QPrinterInfo order, then the PDF file writer.
// The current printer starts as the system default destination. Every PDF it
// makes, for a queue or a file, is PDF/A-1b, titled and signed by the program.
std::unique_ptr<Printers> makeCupsPrinters();

// The collection the program prints with (the CUPS one unless replaced).
Printers& collection();
// Replaces it for as long as the returned holder lives (tests).
class PrintersOverride {
public:
    explicit PrintersOverride(Printers& replacement);
    ~PrintersOverride();
    PrintersOverride(const PrintersOverride&) = delete;
    PrintersOverride& operator=(const PrintersOverride&) = delete;

private:
    Printers* m_previous;
};

}  // namespace printers
