#pragma once

// What the printing tests share: the private CUPS scheduler the fixture
// started, reading a job's output, an in-memory printer collection for the
// cases CUPS cannot set up, and running the modal print dialog.

#include "base/RuntimeError.h"
#include "printers/Printers.h"
#include "printing/frmDrucken.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <functional>

namespace printing_test {

inline QString cupsDir()
{
    return qEnvironmentVariable("ZELVARO_CUPS_DIR");
}
inline QString cupsScript()
{
    return qEnvironmentVariable("ZELVARO_CUPS_SCRIPT");
}
// The generic PostScript queue, where CUPS's filters turn each job into PostScript.
const QString kPostScriptQueue = QStringLiteral("Laser");

inline QString queueOutput(const QString& queue)
{
    const QString kind = queue == kPostScriptQueue ? QStringLiteral("ps") : QStringLiteral("pdf");
    return cupsDir() + QStringLiteral("/out/%1.%2").arg(queue, kind);
}

// Runs a command line tool to its end; returns its standard output.
inline QString run(const QString& program, const QStringList& arguments, int* exitCode = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    if (exitCode)
        *exitCode = process.exitCode();
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline void cups(const QString& tool, const QStringList& arguments)
{
    int code = -1;
    run(tool, arguments, &code);
    if (code != 0)
        qWarning("%s failed", qPrintable(tool));
}

// Waits until the queue has finished its jobs and written its output file.
inline QString waitForOutput(const QString& queue)
{
    const QString path = queueOutput(queue);
    const bool done = QTest::qWaitFor(
        [&] {
            return QFile(path).size() > 0
                && run(QStringLiteral("lpstat"), {QStringLiteral("-o"), queue}).trimmed().isEmpty();
        },
        20000);
    return done ? path : QString();
}

inline QString pdfText(const QString& path)
{
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
}

inline QString pdfInfo(const QString& path)
{
    return run(QStringLiteral("pdfinfo"), {path});
}

// What keeps the PDF from reaching every kind of queue as vectors, or from
// being an archival PDF/A-1b with the title and the program as its creator;
// empty when nothing does. An empty title is not checked.
inline QString archivalFaults(const QString& path, const QString& title)
{
    QStringList faults;
    const QStringList images = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path})
                                   .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                   .mid(2);
    if (!images.isEmpty())
        faults << QStringLiteral("%1 images").arg(images.size());
    QFile file(path);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const QString raw = QString::fromLatin1(bytes);
    // "/SMask /None" says there is none, as PDF/A wants it said.
    static const QRegularExpression softMask(QStringLiteral("/SMask(?!\\s*/None)"));
    if (raw.contains(softMask))
        faults << QStringLiteral("soft mask");
    static const QRegularExpression alpha(QStringLiteral("/(CA|ca)\\s+([0-9.]+)"));
    for (const QRegularExpressionMatch& found : alpha.globalMatch(raw))
        if (found.captured(2).toDouble() < 1)
            faults << QStringLiteral("alpha %1").arg(found.captured(2));
    const QString info = pdfInfo(path);
    if (!info.contains(QRegularExpression(QStringLiteral("Metadata Stream:\\s+yes"))))
        faults << QStringLiteral("no metadata stream");
    if (!info.contains(QRegularExpression(QStringLiteral("Creator:\\s+Zelvaro \\d+\\.\\d+"))))
        faults << QStringLiteral("not made by Zelvaro");
    const QString xmp = run(QStringLiteral("pdfinfo"), {QStringLiteral("-meta"), path});
    QStringList needed{QStringLiteral("pdfaid:part=\"1\""), QStringLiteral("pdfaid:conformance=\"B\"")};
    if (!title.isEmpty())
        needed << QStringLiteral("<rdf:li xml:lang=\"x-default\">%1</rdf:li>").arg(title.toHtmlEscaped());
    for (const QString& part : needed)
        if (!xmp.contains(part))
            faults << QStringLiteral("XMP without %1").arg(part);
    return faults.join(QStringLiteral("; "));
}

// What keeps a PostScript queue's output from being drawn with fonts and lines
// (made a PDF by ps2pdf), on the expected number of pages when one is given;
// empty when nothing does.
inline QString postScriptFaults(const QString& postScript, int pages)
{
    const QString pdf = postScript + QStringLiteral(".pdf");
    int code = -1;
    run(QStringLiteral("ps2pdf"), {postScript, pdf}, &code);
    if (code != 0)
        return QStringLiteral("ps2pdf failed");
    QStringList faults;
    if (pages > 0 && !pdfInfo(pdf).contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(pages))))
        faults << QStringLiteral("not %1 pages").arg(pages);
    const QStringList fonts
        = run(QStringLiteral("pdffonts"), {pdf}).split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
    if (fonts.isEmpty())
        faults << QStringLiteral("no fonts");
    const QStringList images = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf})
                                   .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                   .mid(2);
    if (!images.isEmpty())
        faults << QStringLiteral("%1 images, the first: %2").arg(images.size()).arg(images.first().simplified());
    return faults.join(QStringLiteral("; "));
}

// A word of a PDF page: its left edge and the bottom of its box, in points from the top left.
struct WordBox {
    QString text;
    qreal left = 0;
    qreal bottom = 0;
};

inline QList<WordBox> wordBoxes(const QString& path)
{
    const QString html = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="[\d.]+" xMax="[\d.]+" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<WordBox> boxes;
    for (auto match = word.globalMatch(html); match.hasNext();) {
        const QRegularExpressionMatch m = match.next();
        QString text = m.captured(3);
        text.replace(QStringLiteral("&lt;"), QStringLiteral("<")).replace(QStringLiteral("&gt;"), QStringLiteral(">"));
        text.replace(QStringLiteral("&quot;"), QStringLiteral("\""))
            .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        boxes.append({text, m.captured(1).toDouble(), m.captured(2).toDouble()});
    }
    return boxes;
}

// A printer collection in memory, for what a scheduler cannot be made to
// show; records what was printed.
class MemoryPrinters : public printers::Printers {
public:
    QStringList names;
    QString current;
    int orientationSet = printers::kPortrait;
    QStringList printedOn;
    QList<int> orientations;

    QStringList deviceNames() override { return names; }
    QString currentDeviceName() override { return current; }
    void setCurrent(int position) override
    {
        if (position < 0 || position >= names.size())
            base::raise(base::ErrSubscript);
        current = names.at(position);
    }
    void setOrientation(int value) override { orientationSet = value; }
    int orientation() const override { return orientationSet; }
    printers::PrintOutcome printPage(QWidget&, const printers::PrintJob&) override { return record(); }
    printers::PrintOutcome printDocument(const QTextDocument&, const printers::PrintJob&) override { return record(); }

private:
    printers::PrintOutcome record()
    {
        printedOn.append(current);
        orientations.append(orientationSet);
        return printers::PrintOutcome::Printed;
    }
};

// Opens the dialog as the opener does and runs whileOpen on it once it is
// up; a dialog still open afterwards is closed with its close box, so a
// failing test cannot hang. Returns whether whileOpen ran (the dialog showed).
inline bool withDialog(const std::function<void()>& open, const std::function<void(frmDrucken*)>& whileOpen)
{
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<frmDrucken*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        shown = true;
        whileOpen(dialog);
        if (dialog->isVisible())
            dialog->close();
    });
    open();
    QApplication::processEvents();
    return shown;
}

}  // namespace printing_test
