#include "printers/Printers.h"

#include "base/RuntimeError.h"
#include "printers/PagePainting.h"
#include "ui/SaveDialog.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cups/cups.h>

namespace printers {

namespace {

constexpr const char* kJobTitle = "Zelvaro";

QPageLayout::Orientation pageOrientation(int orientation)
{
    return orientation == kLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

[[noreturn]] void printerError(const QString& printer, const QString& why)
{
    throw base::RuntimeError(ErrPrinter, QStringLiteral("Printer error: %1: %2").arg(printer, why));
}

[[noreturn]] void fileError(const QString& path)
{
    throw base::RuntimeError(ErrPathAccess,
                             QStringLiteral("Path/File access error: %1").arg(QDir::toNativeSeparators(path)));
}

QString cupsError()
{
    return QString::fromUtf8(cupsLastErrorString());
}

// Refuses a queue that would not print the job now: gone, stopped or not accepting.
void checkQueue(const QString& name)
{
    const QByteArray queue = name.toLocal8Bit();
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.constData(), nullptr);
    if (!dest)
        printerError(name, QStringLiteral("not available (%1)").arg(cupsError()));
    const char* accepting = cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const char* state = cupsGetOption("printer-state", dest->num_options, dest->options);
    const bool rejects = accepting && qstrcmp(accepting, "false") == 0;
    const bool stopped = state && qstrcmp(state, "5") == 0;
    cupsFreeDests(1, dest);
    if (rejects)
        printerError(name, QStringLiteral("the printer does not accept jobs"));
    if (stopped)
        printerError(name, QStringLiteral("the printer is stopped"));
}

// Hands a finished PDF to the scheduler and checks that it took the job.
// (Qt's own CUPS engine drops the scheduler's answer.)
void submit(const QString& name, const QString& file)
{
    const QByteArray queue = name.toLocal8Bit();
    const QByteArray path = QFile::encodeName(file);
    const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, queue.constData(), path.constData(), kJobTitle, 0, nullptr);
    if (job <= 0)
        printerError(name, cupsError());
}

class CupsPrinters : public Printers {
public:
    CupsPrinters()
        : m_current(QPrinterInfo::defaultPrinterName())
    {
    }

    QStringList deviceNames() override
    {
        m_names = QPrinterInfo::availablePrinterNames();
        m_names.append(pdfWriterName());
        return m_names;
    }

    QString currentDeviceName() override { return m_current; }

    void setCurrent(int position) override
    {
        if (m_names.isEmpty())
            deviceNames();
        if (position < 0 || position >= m_names.size())
            base::raise(base::ErrSubscript);
        m_current = m_names.at(position);
    }

    void setOrientation(int value) override
    {
        if (value != kPortrait && value != kLandscape)
            base::raise(base::ErrInvalidCall);
        m_orientation = value;
    }

    int orientation() const override { return m_orientation; }

    PrintOutcome printPage(QWidget& page, const PrintJob& job) override
    {
        return print(job, [&](QPrinter& printer) { return paintWidgetPage(printer, page); });
    }

    PrintOutcome printDocument(const QTextDocument& document, const PrintJob& job) override
    {
        return print(job, [&](QPrinter& printer) {
            paintDocument(printer, document);
            return true;
        });
    }

private:
    template <class Paint>
    PrintOutcome print(const PrintJob& job, Paint&& paint)
    {
        if (m_current.isEmpty())
            printerError(QStringLiteral("-"), QStringLiteral("no printer chosen"));
        if (m_current == pdfWriterName())
            return printToFile(job, paint);
        checkQueue(m_current);
        QTemporaryDir folder;
        if (!folder.isValid())
            fileError(folder.path());
        const QString file = folder.filePath(QStringLiteral("job.pdf"));
        const QPrinterInfo info = QPrinterInfo::printerInfo(m_current);
        writePdf(file, info.isNull() ? QPageSize(QPageSize::A4) : info.defaultPageSize(), job, paint);
        submit(m_current, file);
        return PrintOutcome::Printed;
    }

    template <class Paint>
    PrintOutcome printToFile(const PrintJob& job, Paint&& paint)
    {
        const QString path = ui::saveFileName(job.saveDialogTitle, suggestedPdfPath(), QStringLiteral("PDF (*.pdf)"));
        if (path.isEmpty())
            return PrintOutcome::Cancelled;
        writePdf(path, writerPageSize(QLocale::system()), job, paint);
        return PrintOutcome::Printed;
    }

    template <class Paint>
    void writePdf(const QString& path, const QPageSize& size, const PrintJob& job, Paint&& paint)
    {
        {
            // Fail with the path in the message before Qt fails silently.
            QFile probe(path);
            if (!probe.open(QIODevice::WriteOnly))
                fileError(path);
        }
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        // Safety records are kept for years: archival PDF, readable without the program.
        printer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
        printer.setDocName(job.title);
        printer.setCreator(QStringLiteral("Zelvaro " ZELVARO_VERSION));
        printer.setPageLayout(
            QPageLayout(size, pageOrientation(m_orientation), QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        if (!paint(printer) || QFileInfo(path).size() == 0)
            fileError(path);
    }

    QStringList m_names;
    QString m_current;
    int m_orientation = kPortrait;
};

Printers*& installed()
{
    static Printers* current = nullptr;
    return current;
}

}  // namespace

QString pdfWriterName()
{
    return QStringLiteral("PDF \u2026");
}

QPageSize writerPageSize(const QLocale& region)
{
    return QPageSize(region.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
}

QString suggestedPdfPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    // Without the folder the dialog would open in the working directory.
    if (!QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("Zelvaro %1.pdf").arg(QDate::currentDate().toString(Qt::ISODate)));
}

std::unique_ptr<Printers> makeCupsPrinters()
{
    return std::make_unique<CupsPrinters>();
}

Printers& collection()
{
    if (!installed()) {
        // One collection for the whole run: the current printer lives in it.
        static std::unique_ptr<Printers> program = makeCupsPrinters();
        installed() = program.get();
    }
    return *installed();
}

PrintersOverride::PrintersOverride(Printers& replacement)
    : m_previous(&collection())
{
    installed() = &replacement;
}

PrintersOverride::~PrintersOverride()
{
    installed() = m_previous;
}

}  // namespace printers
