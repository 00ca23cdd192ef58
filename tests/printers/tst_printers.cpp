// A document flowed onto pages: what stays together at a page's end, read back
// from the printed PDF; where the PDF file writer suggests a file, and its paper.
#include "../support/Pdf.h"
#include "printers/PagePainting.h"
#include "printers/Printers.h"
#include "rtf/TextFormats.h"

#include <QDate>
#include <QDir>
#include <QPageLayout>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

namespace {

// The text of each printed page.
QStringList printedPages(const QTextDocument& document)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("pages.pdf"));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                          QPageLayout::Millimeter));
        printers::paintDocument(printer, document);
    }
    QStringList pages = support::run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")}).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

int pageOf(const QStringList& pages, const QString& line)
{
    for (qsizetype page = 0; page < pages.size(); ++page)
        if (pages.at(page).split(QLatin1Char('\n')).contains(line))
            return int(page);
    return -1;
}

QString filler(int number)
{
    return QStringLiteral("Filler %1").arg(number);
}

void addBlock(QTextCursor& cursor, const QString& text, bool keepWithNext = false)
{
    QTextBlockFormat format;
    if (keepWithNext)
        format.setProperty(rtf::KeepWithNextProperty, true);
    if (!cursor.document()->isEmpty() || cursor.block().length() > 1)
        cursor.insertBlock(format);
    else
        cursor.setBlockFormat(format);
    cursor.insertText(text);
}

// fillers one-line paragraphs, then what the row puts at the end of the first page:
// kept headings (or one not kept) before a paragraph, or a table with its head row.
void build(QTextDocument& document, int fillers, const QString& ending)
{
    QTextCursor cursor(&document);
    for (int i = 1; i <= fillers; ++i)
        addBlock(cursor, filler(i));
    if (ending == QLatin1String("table")) {
        QTextTable* table = cursor.insertTable(3, 1);
        table->cellAt(0, 0).firstCursorPosition().insertText(QStringLiteral("Head"));
        table->cellAt(1, 0).firstCursorPosition().insertText(QStringLiteral("Row 1"));
        table->cellAt(2, 0).firstCursorPosition().insertText(QStringLiteral("Row 2"));
        cursor.movePosition(QTextCursor::End);
    } else {
        addBlock(cursor, QStringLiteral("Heading"), ending != QLatin1String("not kept"));
        if (ending == QLatin1String("two headings"))
            addBlock(cursor, QStringLiteral("Heading 2"), true);
    }
    addBlock(cursor, QStringLiteral("Body"));
}

}  // namespace

class PrintersTest : public QObject {
    Q_OBJECT

    int m_lastOnFirstPage = 0;

private slots:
    // How many one-line paragraphs fill the first page.
    void initTestCase()
    {
        QTextDocument document;
        build(document, 200, QStringLiteral("not kept"));
        const QStringList pages = printedPages(document);
        QVERIFY(pages.size() >= 3);
        for (int i = 1; i <= 200 && pageOf(pages, filler(i)) == 0; ++i)
            m_lastOnFirstPage = i;
        QVERIFY(m_lastOnFirstPage > 20);
    }

    // Wherever the page ends near them, kept headings go to the page of the
    // paragraph after them and a table's head row to the page of its first
    // row; nothing is lost on the way.
    // clang-format off
    void keptTogetherAtThePageEnd_data()
    {
        QTest::addColumn<QString>("ending");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("next");
        QTest::newRow("heading") << "heading" << "Heading" << "Body";
        QTest::newRow("two headings") << "two headings" << "Heading" << "Body";
        QTest::newRow("table head") << "table" << "Head" << "Row 1";
    }
    // clang-format on
    void keptTogetherAtThePageEnd()
    {
        QFETCH(QString, ending);
        QFETCH(QString, kept);
        QFETCH(QString, next);
        for (int fillers = m_lastOnFirstPage - 4; fillers <= m_lastOnFirstPage; ++fillers) {
            QTextDocument document;
            build(document, fillers, ending);
            const QStringList pages = printedPages(document);
            const QString where = QStringLiteral("after %1 fillers").arg(fillers);
            QVERIFY2(pageOf(pages, kept) >= 0, qPrintable(where));
            QVERIFY2(pageOf(pages, kept) == pageOf(pages, next), qPrintable(where));
            QVERIFY2(pageOf(pages, QStringLiteral("Heading 2"))
                         == (ending == "two headings" ? pageOf(pages, next) : -1),
                     qPrintable(where));
            for (int i = 1; i <= fillers; ++i)
                QVERIFY2(pageOf(pages, filler(i)) == 0, qPrintable(where + QStringLiteral(": ") + filler(i)));
            QVERIFY2(pages.size() <= 2, qPrintable(where));
        }
    }

    // A heading not kept with its paragraph stays where the page ends.
    void aHeadingNotKeptStaysAtThePageEnd()
    {
        QTextDocument document;
        build(document, m_lastOnFirstPage - 1, QStringLiteral("not kept"));
        const QStringList pages = printedPages(document);
        QCOMPARE(pageOf(pages, QStringLiteral("Heading")), 0);
        QCOMPARE(pageOf(pages, QStringLiteral("Body")), 1);
    }

    void pdfSuggestionFallsBackToHome_data()
    {
        QTest::addColumn<bool>("documentsFolder");
        QTest::newRow("documents folder") << true;
        QTest::newRow("no documents folder") << false;
    }

    void pdfSuggestionFallsBackToHome()
    {
        QFETCH(bool, documentsFolder);
        QTemporaryDir home;
        const QByteArray oldHome = qgetenv("HOME");
        const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(".config")));
        if (documentsFolder)
            QDir(home.path()).mkdir("Documents");
        const QString expected = QDir(documentsFolder ? home.filePath("Documents") : home.path())
                                     .filePath(QStringLiteral("Zelvaro %1.pdf")
                                                   .arg(QDate::currentDate().toString(Qt::ISODate)));
        const QString suggested = printers::suggestedPdfPath();
        qputenv("HOME", oldHome);
        qputenv("XDG_CONFIG_HOME", oldConfig);
        QCOMPARE(suggested, expected);
    }

    void pdfWriterPaperFollowsTheRegion_data()
    {
        QTest::addColumn<QString>("region");
        QTest::addColumn<int>("paper");
        QTest::newRow("United States") << "en_US" << int(QPageSize::Letter);
        QTest::newRow("Germany") << "de_DE" << int(QPageSize::A4);
        QTest::newRow("United Kingdom") << "en_GB" << int(QPageSize::A4);
        QTest::newRow("Canada, French") << "fr_CA" << int(QPageSize::A4);
    }

    void pdfWriterPaperFollowsTheRegion()
    {
        QFETCH(QString, region);
        QFETCH(int, paper);
        QCOMPARE(int(printers::writerPageSize(QLocale(region)).id()), paper);
    }
};

QTEST_MAIN(PrintersTest)
#include "tst_printers.moc"
