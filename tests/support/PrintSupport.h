#pragma once

// What the printing tests share: the private CUPS scheduler the fixture
// started and its queues' output, an in-memory printer collection for the
// cases CUPS cannot set up, and running the modal print dialog.

#include "OnScreen.h"
#include "Pdf.h"
#include "WidgetDriver.h"
#include "base/RuntimeError.h"
#include "printers/Printers.h"
#include "printing/frmDrucken.h"

#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <functional>

namespace support {

// The test runs with no scheduler at all, so that only the PDF file writer is listed.
inline bool withoutScheduler()
{
    return !qEnvironmentVariableIsEmpty("ZELVARO_NO_PRINTERS");
}

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

// Empties the queue's output file before a print. The file must stay: the scheduler writes
// into it but, since CUPS 2.4.18, no longer creates it.
inline void clearOutput(const QString& queue)
{
    QFile file(queueOutput(queue));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qWarning("cannot empty %s", qPrintable(file.fileName()));
}

// Nothing in the file since it was emptied (or none at all).
inline bool nothingIn(const QString& path)
{
    return QFile(path).size() == 0;
}

inline void cups(const QString& tool, const QStringList& arguments)
{
    // The queue switches (cupsenable, cupsreject) sit in /usr/sbin, outside an ordinary user's PATH.
    QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        program = QStandardPaths::findExecutable(tool, {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
    int code = -1;
    run(program.isEmpty() ? tool : program, arguments, &code);
    if (code != 0)
        qWarning("%s failed", qPrintable(tool));
}

// Puts the queue out of work as the fault says, or back to work: "stop" disables
// it, "reject" makes it refuse jobs, "gone" stops the whole scheduler.
inline void setQueueFault(const QString& fault, const QString& queue, bool on)
{
    if (fault == QLatin1String("stop"))
        cups(on ? QStringLiteral("cupsdisable") : QStringLiteral("cupsenable"), {queue});
    else if (fault == QLatin1String("reject"))
        cups(on ? QStringLiteral("cupsreject") : QStringLiteral("cupsaccept"), {queue});
    else if (fault == QLatin1String("gone"))
        cups(cupsScript(), {on ? QStringLiteral("stop") : QStringLiteral("start"), cupsDir()});
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

// The report as printed: one landscape A4 page, small, in embedded Liberation
// Sans with the bold cut for the titles and nothing else.
inline void expectReportPage(const QString& path)
{
    QCOMPARE(pdfPages(path), 1);
    const QString info = pdfInfo(path);
    QVERIFY2(info.contains(QStringLiteral("842 x 595")), qPrintable(info));
    QVERIFY2(QFile(path).size() < 200 * 1024, qPrintable(QString::number(QFile(path).size())));
    QCOMPARE(pdfFonts(path), QStringList({"LiberationSans", "LiberationSans-Bold"}));
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

// The dialog's printer list and buttons, found by their names.
inline QListWidget* printerList(const frmDrucken* dialog)
{
    return driver::find<QListWidget>(dialog, QStringLiteral("lstDrucker"));
}
inline QPushButton* printButton(const frmDrucken* dialog)
{
    return driver::find<QPushButton>(dialog, QStringLiteral("btnDrucken"));
}
inline QPushButton* closeButton(const frmDrucken* dialog)
{
    return driver::find<QPushButton>(dialog, QStringLiteral("btnSchliessen"));
}

// Opens the dialog as the opener does and runs whileOpen on it once it is
// up; a dialog still open afterwards is closed with its close box, so a
// failing test cannot hang. Returns whether whileOpen ran (the dialog showed).
inline bool withDialog(const std::function<void()>& open, const std::function<void(frmDrucken*)>& whileOpen)
{
    bool shown = false;
    onscreen::whileModal(open, [&](QWidget* modal) {
        if (auto* dialog = qobject_cast<frmDrucken*>(modal)) {
            shown = true;
            whileOpen(dialog);
        }
    });
    return shown;
}

// Clicks the printer in the dialog's list, scrolled to it; nothing when it is not listed.
inline void choosePrinter(frmDrucken* dialog, const QString& name)
{
    const QList<QListWidgetItem*> found = printerList(dialog)->findItems(name, Qt::MatchExactly);
    if (found.isEmpty())
        return;
    QListWidget* list = printerList(dialog);
    list->scrollToItem(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
}

// Opens the print dialog with the opener's print button, chooses the printer (an empty
// name keeps the one the dialog preselects), runs whileOpen and presses the
// dialog's print button, unless the printer was not listed. True when the
// dialog was shown and closed by printing.
inline bool printOn(QAbstractButton* opener, const QString& printer,
                    const std::function<void(frmDrucken*)>& whileOpen = {})
{
    bool closed = false;
    const bool shown = withDialog([opener] { QTest::mouseClick(opener, Qt::LeftButton); },
                                  [&](frmDrucken* dialog) {
                                      if (!printer.isEmpty())
                                          choosePrinter(dialog, printer);
                                      if (whileOpen)
                                          whileOpen(dialog);
                                      const QListWidgetItem* chosen = printerList(dialog)->currentItem();
                                      if (printer.isEmpty() || (chosen && chosen->text() == printer))
                                          QTest::mouseClick(printButton(dialog), Qt::LeftButton);
                                      closed = !dialog->isVisible();
                                  });
    return shown && closed;
}

}  // namespace support
