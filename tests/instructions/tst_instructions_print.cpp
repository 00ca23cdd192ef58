// Printing the instructions from the running program: the main window's
// instructions button, the instructions window's print button, the print
// dialog and a queue of the private CUPS scheduler, read back from the queue.
#include "../support/MessageBoxes.h"
#include "../support/PrintSupport.h"
#include "../support/ProgramTest.h"
#include "../support/WidgetDriver.h"
#include "app/frmMDI.h"
#include "grid/frmMain.h"
#include "instructions/frmAnleitung.h"
#include "rtf/TextFormats.h"
#include "texts/modTexte.h"
#include "ui/MsgBox.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <memory>

using namespace support;

namespace {

const QStringList kLanguages{"Deutsch", "English", "Francais", "Italiano", "Espaniol"};

// Text as pdftotext and the view both give it, compared word by word;
// a word broken at its hyphen at the end of a line reads as one.
QString comparable(QString text)
{
    text.replace(QChar(0x00A0), QLatin1Char(' '));
    text.remove(QRegularExpression(QStringLiteral("-\\s*")));
    text.replace(QChar::ParagraphSeparator, QLatin1Char(' '));
    text.replace(QChar::LineSeparator, QLatin1Char(' '));
    return text.simplified();
}

// The first word of each line of a printed page, top to bottom.
QList<WordBox> lineStarts(const QString& path, int page)
{
    QList<WordBox> starts;
    qreal lineTop = -1;
    for (const WordBox& word : wordBoxes(path, page)) {
        if (qAbs(word.top - lineTop) > 1)
            starts.append(word);
        lineTop = word.top;
    }
    return starts;
}

// Scrolls the view to the block and selects it with the mouse: a click at
// its start and a Shift-click at its end.
void selectWithTheMouse(QTextEdit* view, const QTextBlock& block)
{
    QTextCursor start(block);
    QTextCursor end(block);
    end.movePosition(QTextCursor::EndOfBlock);
    view->setTextCursor(end);
    view->ensureCursorVisible();
    view->setTextCursor(start);
    view->ensureCursorVisible();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, view->cursorRect(start).center());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ShiftModifier, view->cursorRect(end).center());
}

// A block below the title of at least this many characters that is a
// bulleted list item, or a paragraph; skip tells how many such to pass over.
QTextBlock findBlock(const QTextDocument* document, bool listItem, int minimumLength, int skip)
{
    for (QTextBlock block = document->begin().next(); block.isValid(); block = block.next()) {
        if (block.text().startsWith(QChar(0x2022)) != listItem || block.text().size() < minimumLength)
            continue;
        if (skip-- == 0)
            return block;
    }
    return {};
}

}  // namespace

class InstructionsPrintTest : public support::ProgramTest {
    Q_OBJECT

    frmAnleitung* openInstructions(const QString& language)
    {
        chooseLanguage(language);
        click(QStringLiteral("btnAnleitung"));
        return driver::shownWindows<frmAnleitung>().value(0);
    }

private slots:
    void init()
    {
        // The real documents, in a folder of the test's own for the settings file.
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
        for (const QString& language : kLanguages) {
            const QString name = frmAnleitung::fileName(language);
            QVERIFY(QFile::copy(QDir(QStringLiteral(ZELVARO_PROGRAM_FOLDER)).filePath(name), inFolder(name)));
        }
        start();
    }
    void cleanup() { end(); }

    // With nothing selected (a click only places the cursor) the whole document
    // prints, in portrait, as text, on as many pages as it needs.
    // clang-format off
    void theWholeDocument_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("queue");
        QTest::newRow("Deutsch") << "Deutsch" << "Werkstatt";
        QTest::newRow("English") << "English" << "Baustelle";
        QTest::newRow("Francais") << "Francais" << "Buero";
        QTest::newRow("Italiano") << "Italiano" << "Werkstatt";
        QTest::newRow("Espaniol") << "Espaniol" << "Baustelle";
    }
    // clang-format on
    void theWholeDocument()
    {
        QFETCH(QString, language);
        QFETCH(QString, queue);
        frmAnleitung* window = openInstructions(language);
        QVERIFY(window);
        QTextEdit* view = driver::find<QTextEdit>(window, "rtfAnleitung");
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(40, 40));
        QVERIFY(!view->textCursor().hasSelection());
        clearOutput(queue);

        QVERIFY(printOn(driver::find<QPushButton>(window, "btnDrucken"), queue));
        QVERIFY(window->isVisible());
        const QString output = waitForOutput(queue);
        QVERIFY2(!output.isEmpty(), qPrintable(queue));
        const QString info = pdfInfo(output);
        QVERIFY2(info.contains(QStringLiteral("595 x 842")), qPrintable(info));
        const int count = pdfPages(output);
        QVERIFY2(count >= 3, qPrintable(info));
        QCOMPARE(archivalFaults(output, window->windowTitle().trimmed()), QString());

        // Every word of the view reaches the paper, in the view's order (in
        // pdftotext's reading order, where a word broken at a line end is one).
        const QString printed = comparable(run(QStringLiteral("pdftotext"), {output, QStringLiteral("-")}))
                                    .remove(QLatin1Char(' '));
        const QStringList shown = comparable(view->toPlainText()).split(QLatin1Char(' '));
        qsizetype from = 0;
        for (const QString& word : shown) {
            const qsizetype at = printed.indexOf(word, from);
            QVERIFY2(at >= 0, qPrintable(QStringLiteral("\"%1\" missing after %2").arg(word).arg(from)));
            from = at + word.size();
        }
        // The lists keep their hanging indents on paper: below the centred title every
        // line starts at the text's left edge, or with its bullet or number a quarter
        // inch in, or, when it goes on an item, half an inch in.
        const QList<WordBox> starts = lineStarts(output, 1);
        QVERIFY(starts.size() > 30);
        qreal left = starts.at(1).left;
        for (const WordBox& start : starts)
            left = std::min(left, start.left);
        int bullets = 0;
        int itemLines = 0;
        for (qsizetype i = 1; i < starts.size(); ++i) {
            const qreal indent = starts.at(i).left - left;
            static const QRegularExpression marker(QStringLiteral("^(\u2022|\\d+\\.)$"));
            const bool bullet = marker.match(starts.at(i).text).hasMatch();
            QVERIFY2(bullet ? qAbs(indent - 18) < 1 : indent < 1 || qAbs(indent - 36) < 1,
                     qPrintable(QStringLiteral("%1 at %2 pt").arg(starts.at(i).text).arg(indent)));
            bullets += bullet ? 1 : 0;
            itemLines += indent > 30 ? 1 : 0;
        }
        QVERIFY(bullets >= 4);
        QVERIFY(itemLines >= 2);
        QVERIFY2(qAbs(left - 2 * 72 / 2.54) < 1, qPrintable(QString::number(left)));  // two centimetres

        // No page ends with a heading: each stands on the page of the text it heads.
        for (int page = 1; page < count; ++page) {
            const QStringList lines = pageText(output, page).trimmed().split(QLatin1Char('\n'));
            for (QTextBlock block = view->document()->begin(); block.isValid(); block = block.next())
                if (block.blockFormat().boolProperty(rtf::KeepWithNextProperty))
                    QVERIFY2(comparable(lines.last()) != comparable(block.text()), qPrintable(block.text()));
        }

        // The title starts the first page, the last word ends the last one.
        QVERIFY(comparable(pageText(output, 1)).startsWith(comparable(view->document()->begin().text())));
        QVERIFY(comparable(pageText(output, count)).endsWith(shown.last()));
    }

    // A PostScript printer gets the instructions drawn with fonts, page by page.
    void onAPostScriptQueue()
    {
        frmAnleitung* window = openInstructions(QStringLiteral("English"));
        QVERIFY(window);
        clearOutput(kPostScriptQueue);
        QVERIFY(printOn(driver::find<QPushButton>(window, "btnDrucken"), kPostScriptQueue));
        const QString output = waitForOutput(kPostScriptQueue);
        QVERIFY(!output.isEmpty());
        QCOMPARE(postScriptFaults(output, 0), QString());
    }

    // A selected paragraph prints alone, on one page, wherever it stands in the document.
    void onlyTheSelection_data()
    {
        QTest::addColumn<bool>("listItem");
        QTest::addColumn<int>("skip");
        QTest::newRow("first paragraph") << false << 0;
        QTest::newRow("a list item") << true << 0;
        QTest::newRow("a paragraph further down") << false << 12;
    }
    void onlyTheSelection()
    {
        QFETCH(bool, listItem);
        QFETCH(int, skip);
        frmAnleitung* window = openInstructions(QStringLiteral("Deutsch"));
        QVERIFY(window);
        QTextEdit* view = driver::find<QTextEdit>(window, "rtfAnleitung");
        const QTextBlock block = findBlock(view->document(), listItem, 60, skip);
        QVERIFY(block.isValid());
        selectWithTheMouse(view, block);
        QCOMPARE(view->textCursor().selectedText(), block.text());
        clearOutput("Buero");

        QVERIFY(printOn(driver::find<QPushButton>(window, "btnDrucken"), QStringLiteral("Buero")));
        const QString output = waitForOutput("Buero");
        QVERIFY(!output.isEmpty());
        QCOMPARE(pdfPages(output), 1);
        const QString info = pdfInfo(output);
        QVERIFY2(info.contains(QStringLiteral("595 x 842")), qPrintable(info));
        QCOMPARE(comparable(pdfText(output)), comparable(block.text()));
        // The selection stays for the next print.
        QCOMPARE(view->textCursor().selectedText(), block.text());
    }

    // The report turns the queue to landscape; the instructions printed after
    // it on the same queue, now preselected, are portrait again.
    void portraitAfterTheReport()
    {
        clearOutput("Werkstatt");
        QVERIFY(printOn(control<QPushButton>(QStringLiteral("btnDrucken")), "Werkstatt"));
        const QString report = waitForOutput("Werkstatt");
        QVERIFY(!report.isEmpty());
        QVERIFY(pdfInfo(report).contains(QStringLiteral("842 x 595")));
        // Emptied, not removed: a newer scheduler does not make a file: queue its file again.
        clearOutput("Werkstatt");

        frmAnleitung* window = openInstructions(QStringLiteral("English"));
        QVERIFY(window);
        int preselected = -1;
        QVERIFY(printOn(driver::find<QPushButton>(window, "btnDrucken"), QString(), [&](frmDrucken* dialog) {
            preselected = support::printerList(dialog)->currentRow();
            QCOMPARE(support::printerList(dialog)->currentItem()->text(), QStringLiteral("Werkstatt"));
        }));
        QCOMPARE(preselected, int(printers::collection().deviceNames().indexOf("Werkstatt")));
        const QString output = waitForOutput("Werkstatt");
        QVERIFY(!output.isEmpty());
        const QString info = pdfInfo(output);
        QVERIFY2(info.contains(QStringLiteral("595 x 842")), qPrintable(info));
        QVERIFY(pdfPages(output) > 1);
        QVERIFY(pdfText(output).contains(QStringLiteral("Operating instructions")));
    }

    // A queue that would not print the job: the routine's message, the dialog
    // stays open with the instructions still pending, nothing reaches the queue.
    void aQueueThatTakesNoJob_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::newRow("rejecting") << "reject";
        QTest::newRow("stopped") << "stop";
    }
    void aQueueThatTakesNoJob()
    {
        QFETCH(QString, fault);
        frmAnleitung* window = openInstructions(QStringLiteral("Deutsch"));
        QVERIFY(window);
        clearOutput("Baustelle");
        setQueueFault(fault, "Baustelle", true);
        ui::MsgBoxRecorder boxes;
        const QTextEdit* pending = nullptr;
        const bool closed = printOn(
            driver::find<QPushButton>(window, "btnDrucken"), QStringLiteral("Baustelle"),
            [&](frmDrucken* dialog) { pending = frmDrucken::TestSeam(*dialog).instructions(); });
        setQueueFault(fault, "Baustelle", false);
        QVERIFY(!closed);
        QCOMPARE(pending, driver::find<QTextEdit>(window, "rtfAnleitung"));
        support::expectRoutineError(boxes, QStringLiteral("btnDrucken_Click"), printers::ErrPrinter);
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QVERIFY(nothingIn(queueOutput("Baustelle")));
        QVERIFY(window->isVisible());
    }
};

QTEST_MAIN(InstructionsPrintTest)
#include "tst_instructions_print.moc"
