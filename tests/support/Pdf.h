#pragma once

// Reading back what was printed: the text, pages, fonts and words of a PDF
// (poppler's tools), and what keeps it from being an archival vector PDF.

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

namespace support {

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

// The text of the pages, with the columns of a line kept apart by blanks.
inline QString pdfText(const QString& path)
{
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
}

// The text of one page (counted from 1), as it flows.
inline QString pageText(const QString& path, int page)
{
    const QString number = QString::number(page);
    return run(QStringLiteral("pdftotext"),
               {QStringLiteral("-f"), number, QStringLiteral("-l"), number, path, QStringLiteral("-")});
}

inline QString pdfInfo(const QString& path)
{
    return run(QStringLiteral("pdfinfo"), {path});
}

// The number of pages; -1 when the file is no PDF.
inline int pdfPages(const QString& path)
{
    static const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)\\n"));
    const QRegularExpressionMatch found = pages.match(pdfInfo(path));
    return found.hasMatch() ? found.captured(1).toInt() : -1;
}

// The names of the fonts the PDF uses, in pdffonts' order.
inline QStringList pdfFonts(const QString& path)
{
    QStringList fonts;
    const QStringList lines = run(QStringLiteral("pdffonts"), {path}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& line : lines.mid(2))
        fonts << line.section(QLatin1Char(' '), 0, 0);
    return fonts;
}

// The pictures in the PDF, a line each as pdfimages lists them.
inline QStringList pdfImages(const QString& path)
{
    return run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path})
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
        .mid(2);
}

// The words of a text, split at any white space.
inline QStringList wordsOf(const QString& text)
{
    return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

// A word of a PDF page: where its box lies, in points from the top left of the paper.
struct WordBox {
    QString text;
    qreal left = 0;
    qreal top = 0;
    qreal bottom = 0;
};

// The words of one page (counted from 1), or of all pages (0), in reading order.
inline QList<WordBox> wordBoxes(const QString& path, int page = 0)
{
    QStringList arguments{QStringLiteral("-bbox"), path, QStringLiteral("-")};
    if (page > 0)
        arguments = QStringList{QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                QString::number(page)}
            + arguments;
    const QString html = run(QStringLiteral("pdftotext"), arguments);
    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<WordBox> boxes;
    for (const QRegularExpressionMatch& m : word.globalMatch(html)) {
        QString text = m.captured(4);
        text.replace(QStringLiteral("&lt;"), QStringLiteral("<")).replace(QStringLiteral("&gt;"), QStringLiteral(">"));
        text.replace(QStringLiteral("&quot;"), QStringLiteral("\""))
            .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        boxes.append({text, m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble()});
    }
    return boxes;
}

// What keeps the PDF from reaching every kind of queue as vectors, or from
// being an archival PDF/A-1b with the title and the program as its creator;
// empty when nothing does. An empty title is not checked.
inline QString archivalFaults(const QString& path, const QString& title)
{
    QStringList faults;
    if (const QStringList images = pdfImages(path); !images.isEmpty())
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
    if (pages > 0 && pdfPages(pdf) != pages)
        faults << QStringLiteral("not %1 pages").arg(pages);
    if (pdfFonts(pdf).isEmpty())
        faults << QStringLiteral("no fonts");
    if (const QStringList images = pdfImages(pdf); !images.isEmpty())
        faults << QStringLiteral("%1 images, the first: %2").arg(images.size()).arg(images.first().simplified());
    return faults.join(QStringLiteral("; "));
}

}  // namespace support
