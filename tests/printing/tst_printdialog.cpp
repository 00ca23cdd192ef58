// The print dialog on the private CUPS scheduler and, where a scheduler
// cannot show the case, on an in-memory collection.
#include "../support/MessageBoxes.h"
#include "../support/Languages.h"
#include "../support/PrintSupport.h"
#include "../support/SampleReport.h"
#include "base/Regional.h"
#include "texts/modTexte.h"
#include "ui/MsgBox.h"
#include "ui/SaveDialog.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

using namespace support;

namespace {

void openReport()
{
    frmDrucken::showModal(nullptr, 1, [] { return sample::filledReport(); });
}

int position(const QString& name)
{
    return int(printers::collection().deviceNames().indexOf(name));
}

}  // namespace

class PrintDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ui::reportErrorsInMessageBoxes();
        base::setRegional(base::Regional::german());
        support::useLanguage(1);
    }

    // Must run first: the program's current printer is still the default.
    void opensWithTheDefaultQueueSelected()
    {
        if (withoutScheduler())
            QSKIP("run without a scheduler");
        QStringList shown;
        int selected = -1;
        QVERIFY(withDialog(openReport, [&](frmDrucken* dialog) {
            for (int i = 0; i < support::printerList(dialog)->count(); ++i)
                shown << support::printerList(dialog)->item(i)->text();
            selected = support::printerList(dialog)->currentRow();
            QCOMPARE(dialog->windowTitle(), QStringLiteral(" Drucken ..."));
            QCOMPARE(driver::find<QGroupBox>(dialog, QStringLiteral("frmDrucker"))->title(),
                     QStringLiteral(" Drucker "));
            QCOMPARE(support::closeButton(dialog)->text(), QStringLiteral("Schließen"));
            QVERIFY(support::printButton(dialog)->isDefault());
            QVERIFY(frmDrucken::TestSeam(*dialog).printsReport());
            support::closeButton(dialog)->click();
        }));
        QCOMPARE(shown, QStringList({"Baustelle", "Buero", "Laser", "PDF", "Werkstatt", printers::pdfWriterName()}));
        QCOMPARE(selected, 1);
    }

    // A queue called "PDF", as the virtual PDF printer of many desktops, is a
    // queue like any other beside the file writer: preselected when it is the
    // default, and Enter prints on it without asking for a file.
    void aQueueCalledPdf()
    {
        if (withoutScheduler())
            QSKIP("run without a scheduler");
        cups("lpadmin", {"-d", "PDF"});
        auto collection = printers::makeCupsPrinters();
        cups("lpadmin", {"-d", "Buero"});
        printers::PrintersOverride use(*collection);
        ui::SaveDialogRecorder saveBox;
        clearOutput("PDF");
        QString preselected;
        bool closed = false;
        QVERIFY(withDialog(openReport, [&](frmDrucken* dialog) {
            preselected = support::printerList(dialog)->currentItem()->text();
            QTest::keyClick(support::printerList(dialog), Qt::Key_Return);
            closed = !dialog->isVisible();
        }));
        QCOMPARE(preselected, QStringLiteral("PDF"));
        QVERIFY(closed);
        QVERIFY(saveBox.calls.isEmpty());
        const QString output = waitForOutput("PDF");
        QVERIFY(!output.isEmpty());
        QVERIFY(pdfText(output).contains("Tandemwalze 10 t"));
    }

    // Printing makes the queue current: the next opening preselects it.
    void printedQueueIsPreselectedNextTime()
    {
        if (withoutScheduler())
            QSKIP("run without a scheduler");
        clearOutput("Werkstatt");
        bool closedAfterPrint = false;
        withDialog(openReport, [&](frmDrucken* dialog) {
            choosePrinter(dialog, "Werkstatt");
            QTest::keyClick(support::printerList(dialog), Qt::Key_Return);
            closedAfterPrint = !dialog->isVisible();
        });
        QVERIFY(closedAfterPrint);
        QVERIFY(!waitForOutput("Werkstatt").isEmpty());
        int selected = -1;
        withDialog(openReport, [&](frmDrucken* dialog) { selected = support::printerList(dialog)->currentRow(); });
        QCOMPARE(selected, position("Werkstatt"));
    }

    void closingPrintsNothing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("close button") << "button";
        QTest::newRow("Escape") << "escape";
        QTest::newRow("close box") << "box";
    }

    void closingPrintsNothing()
    {
        QFETCH(QString, how);
        MemoryPrinters memory;
        memory.names = {"A", "B"};
        printers::PrintersOverride use(memory);
        bool closed = false;
        QVERIFY(withDialog(openReport, [&](frmDrucken* dialog) {
            if (how == "button")
                QTest::mouseClick(support::closeButton(dialog), Qt::LeftButton);
            else if (how == "escape")
                QTest::keyClick(support::printerList(dialog), Qt::Key_Escape);
            else
                dialog->close();
            closed = !dialog->isVisible();
        }));
        QVERIFY(closed);
        QVERIFY(memory.printedOn.isEmpty());
    }

    void nothingPendingClosesAtOnce()
    {
        MemoryPrinters memory;
        memory.names = {"A"};
        printers::PrintersOverride use(memory);
        QVERIFY(!withDialog([] { frmDrucken::showModal(nullptr, 1, frmDruckAnsicht::Source{}); }, [](frmDrucken*) {}));
        QVERIFY(!withDialog([] { frmDrucken::showModal(nullptr, 1, static_cast<const QTextEdit*>(nullptr)); },
                            [](frmDrucken*) {}));
        QVERIFY(memory.printedOn.isEmpty());
    }

    void preselection_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("current");
        QTest::addColumn<int>("selected");
        QTest::newRow("second current") << QStringList{"A", "B", "C"} << "B" << 1;
        QTest::newRow("no match: first") << QStringList{"A", "B", "C"} << "X" << 0;
        QTest::newRow("case matters") << QStringList{"A", "b", "B"} << "B" << 2;
        QTest::newRow("no printers") << QStringList{} << "" << -1;
    }

    void preselection()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, current);
        QFETCH(int, selected);
        MemoryPrinters memory;
        memory.names = names;
        memory.current = current;
        printers::PrintersOverride use(memory);
        int shown = -2;
        withDialog(openReport, [&](frmDrucken* dialog) {
            shown = support::printerList(dialog)->selectedItems().isEmpty()
                ? -1
                : support::printerList(dialog)->currentRow();
            support::closeButton(dialog)->click();
        });
        QCOMPARE(shown, selected);
    }

    void nothingSelectedAsksForAPrinter()
    {
        MemoryPrinters memory;
        printers::PrintersOverride use(memory);
        ui::MsgBoxRecorder boxes;
        bool stillOpen = false;
        withDialog(openReport, [&](frmDrucken* dialog) {
            support::printButton(dialog)->click();
            stillOpen = dialog->isVisible();
        });
        QVERIFY(stillOpen);
        support::expectBox(boxes, QStringLiteral("Drucker ?"), QStringLiteral("Bitte Drucker auswählen"),
                           ui::MsgIcon::Exclamation);
        QVERIFY(memory.printedOn.isEmpty());
    }

    void orientationFollowsTheDocument()
    {
        MemoryPrinters memory;
        memory.names = {"A"};
        printers::PrintersOverride use(memory);
        withDialog(openReport, [](frmDrucken* dialog) { support::printButton(dialog)->click(); });
        QTextEdit view;
        view.setPlainText("Text");
        withDialog([&] { frmDrucken::showModal(nullptr, 1, &view); },
                   [](frmDrucken* dialog) { support::printButton(dialog)->click(); });
        QCOMPARE(memory.orientations, QList<int>({printers::kLandscape, printers::kPortrait}));
    }

    // Faults of the queue or the scheduler: the routine's message with the
    // normal pointer back, the dialog still open, nothing reported as printed.
    void queueFaults_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::newRow("rejecting") << "reject";
        QTest::newRow("stopped") << "stop";
        QTest::newRow("scheduler gone") << "gone";
    }

    void queueFaults()
    {
        if (withoutScheduler())
            QSKIP("run without a scheduler");
        QFETCH(QString, fault);
        ui::MsgBoxRecorder boxes;
        bool pointerBusy = true;
        boxes.onMessage = [&](const ui::MsgBoxCall&) { pointerBusy = QApplication::overrideCursor() != nullptr; };
        bool stillOpen = false;
        clearOutput("Baustelle");
        withDialog(openReport, [&](frmDrucken* dialog) {
            choosePrinter(dialog, "Baustelle");
            setQueueFault(fault, "Baustelle", true);
            support::printButton(dialog)->click();
            stillOpen = dialog->isVisible();
            QVERIFY(frmDrucken::TestSeam(*dialog).printsReport());
        });
        setQueueFault(fault, "Baustelle", false);
        QVERIFY(stillOpen);
        support::expectRoutineError(boxes, QStringLiteral("btnDrucken_Click"), printers::ErrPrinter);
        QVERIFY(!pointerBusy);
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QVERIFY(nothingIn(queueOutput("Baustelle")));
    }

    void pdfWriter_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("printed");
        QTest::addColumn<QString>("message");
        QTest::newRow("file") << "report.pdf" << true << "";
        QTest::newRow("cancelled") << "" << false << "";
        QTest::newRow("unwritable folder") << "/nonexistent-folder/report.pdf" << false << "75 => ";
    }

    // The writer is the last entry, also when no printer is installed at all.
    void pdfWriter()
    {
        QFETCH(QString, answer);
        QFETCH(bool, printed);
        QFETCH(QString, message);
        QTemporaryDir folder;
        ui::SaveDialogRecorder dialogBox;
        dialogBox.answer = answer.isEmpty() || answer.startsWith('/') ? answer : folder.filePath(answer);
        bool busyWhileChoosing = true;
        dialogBox.onCall = [&](const ui::SaveDialogCall&) { busyWhileChoosing = QApplication::overrideCursor(); };
        ui::MsgBoxRecorder boxes;
        bool stillOpen = false;
        withDialog(openReport, [&](frmDrucken* dialog) {
            support::printerList(dialog)->setCurrentRow(support::printerList(dialog)->count() - 1);
            QCOMPARE(support::printerList(dialog)->currentItem()->text(), printers::pdfWriterName());
            support::printButton(dialog)->click();
            stillOpen = dialog->isVisible();
        });
        QCOMPARE(dialogBox.calls.size(), 1);
        QCOMPARE(dialogBox.calls[0].title, QStringLiteral("Drucken"));
        QVERIFY(!busyWhileChoosing);
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QVERIFY(dialogBox.calls[0].suggestedPath.endsWith(
            QStringLiteral("Zelvaro %1.pdf").arg(QDate::currentDate().toString(Qt::ISODate))));
        QCOMPARE(stillOpen, !printed);
        QCOMPARE(boxes.calls.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QVERIFY(boxes.calls[0].text.startsWith(message));
        if (printed) {
            expectReportPage(dialogBox.answer);
            QVERIFY(pdfText(dialogBox.answer).contains("Tandemwalze 10 t"));
            QCOMPARE(archivalFaults(dialogBox.answer, {}), QString());
        }
    }

    void noPrinterAtAll()
    {
        if (!withoutScheduler())
            QSKIP("needs a run without a scheduler");
        QCOMPARE(printers::collection().deviceNames(), QStringList({printers::pdfWriterName()}));
        QCOMPARE(printers::makeCupsPrinters()->currentDeviceName(), QString());
    }

    // The instructions: the selection if there is one, portrait.
    void instructionsSelection()
    {
        if (withoutScheduler())
            QSKIP("run without a scheduler");
        QTextEdit view;
        view.setPlainText("Erster Absatz zum Einstieg\nZweiter Absatz nur dieser\nDritter Absatz am Ende");
        QTextCursor cursor(view.document()->findBlockByNumber(1));
        cursor.select(QTextCursor::BlockUnderCursor);
        view.setTextCursor(cursor);
        clearOutput("Werkstatt");
        withDialog([&] { frmDrucken::showModal(nullptr, 1, &view); },
                   [](frmDrucken* dialog) {
                       choosePrinter(dialog, "Werkstatt");
                       support::printButton(dialog)->click();
                   });
        const QString output = waitForOutput("Werkstatt");
        QVERIFY(!output.isEmpty());
        QVERIFY(pdfInfo(output).contains("595 x 842"));
        const QString shown = pdfText(output);
        QVERIFY(shown.contains("Zweiter Absatz nur dieser"));
        QVERIFY(!shown.contains("Erster"));
        QVERIFY(!shown.contains("Dritter"));
    }
};

QTEST_MAIN(PrintDialogTest)
#include "tst_printdialog.moc"
