// Printing the report from the running program: the real frame window, a day
// entered with real events, the main window's print button, the print
// dialog's printer list and button, and the job read back from the private
// CUPS scheduler's queue (or from the PDF file writer's file).
#include "../support/WidgetDriver.h"
#include "PrintSupport.h"
#include "app/frmMDI.h"
#include "base/Regional.h"
#include "details/frmDetails.h"
#include "grid/frmMain.h"
#include "printing/frmDruckAnsicht.h"
#include "texts/modTexte.h"
#include "ui/MsgBox.h"
#include "ui/SaveDialog.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <memory>

using namespace printing_test;

namespace {

bool withoutScheduler()
{
    return !qEnvironmentVariableIsEmpty("ZELVARO_NO_PRINTERS");
}

QStringList words(const QString& text)
{
    return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

// The page's text lines with the runs of blanks between columns made one blank.
QStringList lines(const QString& pdfText)
{
    QStringList result;
    for (const QString& line : pdfText.split(QLatin1Char('\n')))
        result << line.simplified();
    return result;
}

bool hasLineWith(const QStringList& page, const QString& part)
{
    return std::any_of(page.begin(), page.end(), [&](const QString& line) { return line.contains(part); });
}

qsizetype lineMatching(const QStringList& page, const QRegularExpression& pattern)
{
    for (qsizetype i = 0; i < page.size(); ++i)
        if (pattern.match(page[i]).hasMatch())
            return i;
    return -1;
}

// The words printed inside row frame `row`: from its caption to the next frame's
// caption, or to the caption of the results for the last row.
QStringList frameWords(const QStringList& page, int row)
{
    const auto captionLine = [&](const QString& caption) { return page.indexOf(caption.simplified()); };
    const qsizetype from = captionLine(QStringLiteral(" %1 %2 ").arg(modTexte::text(142)).arg(row));
    const qsizetype to = row < 5
        ? captionLine(QStringLiteral(" %1 %2 ").arg(modTexte::text(142)).arg(row + 1))
        : lineMatching(page, QRegularExpression(QRegularExpression::escape(modTexte::text(170))));
    if (from < 0 || to <= from)
        return {QStringLiteral("<frame %1 not found>").arg(row)};
    return words(page.mid(from + 1, to - from - 1).join(QLatin1Char(' ')));
}

// Types into the focused field key by key, also letters beyond ASCII.
void typeKeys(QWidget* field, const QString& text)
{
    driver::enter(field);
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// The captions as the report prints them, in the current language.
QStringList printedCaptions()
{
    QStringList captions{modTexte::text(46) + QStringLiteral(" - ") + modTexte::text(16)};
    for (int entry : {45, 38, 39, 170, 171})
        captions << modTexte::text(entry) + QLatin1Char(':');
    for (int entry : {96, 71, 75, 2, 18, 32, 138, 139, 140, 94, 24, 142, 118, 119, 167, 169, 141, 44, 21, 40, 147})
        captions << modTexte::text(entry);
    return captions;
}

}  // namespace

class ProgramPrintingTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<frmMDI> m_frame;

    frmMain* main() const { return m_frame->main(); }
    template <class T = QWidget>
    T* control(const QString& name) const
    {
        return driver::find<T>(main(), name);
    }
    template <class T = QWidget>
    T* control(const char* base, int row) const
    {
        return control<T>(driver::rowName(base, row));
    }
    // The text of the main window's field of that name.
    QString fieldText(const char* name) const { return control<QLineEdit>(QLatin1String(name))->text(); }
    QString number(const QString& englishText) const
    {
        QString text = englishText;
        return text.replace(QLatin1Char('.'), base::regional().decimalSeparator());
    }

    void click(const QString& name) const
    {
        QTest::mouseClick(control(name), Qt::LeftButton);
        QApplication::processEvents();
    }
    void click(const char* base, int row) const { click(driver::rowName(base, row)); }

    // Starts the program anew under these regional settings.
    void start(const base::Regional& settings)
    {
        m_frame.reset();
        base::setRegional(settings);
        m_frame = std::make_unique<frmMDI>(m_folder->path());
        m_frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    }

    void switchLanguage(const QString& language) const
    {
        QComboBox* list = main()->cboSprache();
        QVERIFY(driver::chooseIndex(list, list->findText(language)));
        click(QStringLiteral("btnSpracheGo"));
        QCOMPARE(main()->spracheText(), language);
    }

    // Row 1 from the catalogue, row 3 with own values, both complete; row 2
    // with values but no duration; site details for rows 1 to 3.
    void enterDay() const
    {
        driver::type(control<QLineEdit>(QStringLiteral("txtFirma")), QStringLiteral("Tiefbau Gruber GmbH"));
        driver::type(control<QLineEdit>(QStringLiteral("txtFahrer")), QStringLiteral("Anna Berger"));
        driver::chooseIndex(control<QComboBox>(QStringLiteral("cboFahrererfahrung")), 2);

        click("optEingabe_G", 1);
        for (const auto& [list, code] : {std::pair{"MaschinenFamilie_G", 4},
                                         {"MaschinenTyp_G", 13},
                                         {"Arbeitszyklus_G", 28},
                                         {"Betriebsbedingung_G", 2},
                                         {"Einwirkungsdauer_G", 4}})
            QVERIFY2(driver::choose(control<QComboBox>(list, 1), code), list);

        click("optEingabe_E", 2);
        driver::type(control<QLineEdit>("MaschinenFamilie_E", 2), QStringLiteral("Planierraupe"));
        driver::type(control<QLineEdit>("MesswertX_E", 2), number(QStringLiteral("2.37")));
        driver::type(control<QLineEdit>("MesswertY_E", 2), number(QStringLiteral("1.93")));

        click("optEingabe_E", 3);
        driver::type(control<QLineEdit>("MaschinenFamilie_E", 3), QStringLiteral("Walze"));
        driver::type(control<QLineEdit>("MaschinenTyp_E", 3), QStringLiteral("Tandemwalze"));
        driver::type(control<QLineEdit>("Arbeitszyklus_E", 3), QStringLiteral("Verdichten"));
        driver::chooseIndex(control<QComboBox>("Betriebsbedingung_E", 3), 2);
        driver::choose(control<QComboBox>("Einwirkungsdauer_E", 3), 3);
        driver::type(control<QLineEdit>("MesswertX_E", 3), number(QStringLiteral("0.5")));
        driver::type(control<QLineEdit>("MesswertY_E", 3), number(QStringLiteral("0.7")));
        driver::type(control<QLineEdit>("MesswertZ_E", 3), number(QStringLiteral("0.9")));

        click(QStringLiteral("btnDetails"));
        frmDetails* details = main()->details();
        QVERIFY(details->isVisible());
        driver::chooseIndex(details->cboZustandUntergrund(1), 3);
        driver::chooseIndex(details->cboFestigkeitUntergrund(1), 1);
        driver::type(details->txtBewegtesMaterial(1), QStringLiteral("Kies"));
        driver::chooseIndex(details->cboFahrstil(1), 2);
        typeKeys(details->txtAnmerkung(1), QStringLiteral("Baugrube Nord"));
        driver::type(details->txtBewegtesMaterial(2), QStringLiteral("Sand"));
        typeKeys(details->txtAnmerkung(3), QStringLiteral("Schlaglöcher"));
        QTest::mouseClick(details->btnSchliessen(), Qt::LeftButton);
        QVERIFY(!details->isVisible());
    }

    void calculate() const
    {
        click(QStringLiteral("btnBerechnen"));
        QCOMPARE(fieldText("txtAnzSum"), QStringLiteral("2"));
    }

    // Everything the main and details windows show that the report copies.
    QStringList shownData() const
    {
        const ReportData d = main()->reportData();
        QStringList all{d.txtDatum,    d.txtFirma, d.txtFahrer,     d.txtFahrererfahrung, d.txtA8X,
                        d.txtA8Y,      d.txtA8Z,   d.txtPunkteGesX, d.txtPunkteGesY,      d.txtPunkteGesZ,
                        d.txtDauerSum, d.txtA8Max, d.txtPktMax};
        for (const ReportRow& r : d.rows) {
            all << r.txtAnzNr << r.optionCaption << r.MaschinenFamilie << r.MaschinenTyp << r.Arbeitszyklus
                << r.Betriebsbedingung << r.Einwirkungsdauer << r.ZustandUntergrund << r.FestigkeitUntergrund
                << r.BewegtesMaterial << r.Fahrstil << r.Anmerkung;
            for (std::size_t axis = 0; axis < 3; ++axis)
                all << r.Messwert[axis] << r.Punkte[axis];
        }
        return all;
    }

    // Whether a report page is alive anywhere in the program.
    static bool reportPageLeft()
    {
        const QWidgetList widgets = QApplication::allWidgets();
        return std::any_of(widgets.begin(), widgets.end(),
                           [](QWidget* widget) { return qobject_cast<frmDruckAnsicht*>(widget) != nullptr; });
    }

    static void choosePrinter(frmDrucken* dialog, const QString& name)
    {
        const QList<QListWidgetItem*> found = dialog->lstDrucker->findItems(name, Qt::MatchExactly);
        if (found.isEmpty())
            return;
        QListWidget* list = dialog->lstDrucker;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.last()).center());
    }

    // The main window's print button; whileOpen runs in the open dialog.
    bool withPrintDialog(const std::function<void(frmDrucken*)>& whileOpen) const
    {
        auto* button = control<QPushButton>(QStringLiteral("btnDrucken"));
        return withDialog([button] { QTest::mouseClick(button, Qt::LeftButton); }, whileOpen);
    }

    // Chooses the printer in the dialog and presses its print button; true when the dialog closed.
    bool printOn(const QString& printer) const
    {
        bool closed = false;
        const bool shown = withPrintDialog([&](frmDrucken* dialog) {
            choosePrinter(dialog, printer);
            if (dialog->lstDrucker->currentItem() && dialog->lstDrucker->currentItem()->text() == printer)
                QTest::mouseClick(dialog->btnDrucken, Qt::LeftButton);
            closed = !dialog->isVisible();
        });
        return shown && closed;
    }

    // The PDF's title: the report's title, the company and the date as printed.
    QString printedTitle() const
    {
        return QStringLiteral("%1 - %2 - %3 - %4")
            .arg(modTexte::text(46), modTexte::text(16), fieldText("txtFirma"), fieldText("txtDatum"));
    }

    static void checkOnePage(const QString& path)
    {
        const QString info = pdfInfo(path);
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("842 x 595")), qPrintable(info));
        QVERIFY2(QFile(path).size() < 200 * 1024, qPrintable(QString::number(QFile(path).size())));
        // Embedded Liberation Sans, the bold cut for the titles; nothing else.
        QStringList fonts = lines(run(QStringLiteral("pdffonts"), {path})).mid(2);
        fonts.removeAll(QString());
        for (QString& font : fonts)
            font = font.section(QLatin1Char(' '), 0, 0);
        QCOMPARE(fonts, QStringList({"LiberationSans", "LiberationSans-Bold"}));
    }

    // Every caption in the current language; none of the German ones that this language words otherwise.
    static void checkCaptions(const QStringList& page)
    {
        const QStringList printed = words(page.join(QLatin1Char(' ')));
        const QStringList captions = printedCaptions();
        const QStringList current = words(captions.join(QLatin1Char(' ')));
        for (const QString& word : current)
            QVERIFY2(printed.contains(word), qPrintable(word));
        // The one-line captions stand whole on their lines.
        for (qsizetype i = 0; i < 6; ++i)
            QVERIFY2(hasLineWith(page, captions[i].simplified()), qPrintable(captions[i]));
        if (bytSprachNr == 1)
            return;
        const quint8 language = bytSprachNr;
        bytSprachNr = 1;
        const QStringList german = words(printedCaptions().join(QLatin1Char(' ')));
        bytSprachNr = language;
        for (const QString& word : german)
            if (!current.contains(word))
                QVERIFY2(!printed.contains(word), qPrintable(word));
    }

    // The texts of a counted row as the main and details windows show them:
    // the values line, the remark, the details and points line.
    QStringList rowTexts(int row, const char* suffix) const
    {
        auto shown = [&](const char* base) {
            const QString name = QStringLiteral("%1_%2").arg(QLatin1String(base), QLatin1String(suffix));
            QWidget* widget = control(driver::rowName(name.toLatin1().constData(), row));
            if (auto* list = qobject_cast<QComboBox*>(widget))
                return list->currentText();
            return static_cast<QLineEdit*>(widget)->text();
        };
        auto joined = [](QStringList parts) {
            parts.removeAll(QString());
            return parts.join(QLatin1Char(' '));
        };
        frmDetails* details = main()->details();
        return {
            joined({shown("MaschinenFamilie"), shown("MaschinenTyp"), shown("Arbeitszyklus"),
                    shown("Betriebsbedingung"), shown("Einwirkungsdauer"), shown("MesswertX"), shown("MesswertY"),
                    shown("MesswertZ")}),
            details->txtAnmerkung(row)->toPlainText(),
            joined({modTexte::text(24), details->cboZustandUntergrund(row)->currentText(),
                    details->cboFestigkeitUntergrund(row)->currentText(), details->txtBewegtesMaterial(row)->text(),
                    details->cboFahrstil(row)->currentText(), shown("PunkteX"), shown("PunkteY"), shown("PunkteZ")})};
    }

    // What a filled day must show on the page, read from the windows.
    void checkFilledDay(const QStringList& page) const
    {
        QVERIFY2(page.value(0).startsWith(fieldText("txtDatum") + QLatin1Char(' ')), qPrintable(page.value(0)));
        const QString header = QStringLiteral("%1: %2 %3: %4 %5: %6")
                                   .arg(modTexte::text(45), fieldText("txtFirma"), modTexte::text(38),
                                        fieldText("txtFahrer"), modTexte::text(39),
                                        control<QComboBox>(QStringLiteral("cboFahrererfahrung"))->currentText());
        QVERIFY2(page.contains(header), qPrintable(header));

        for (const auto& [row, suffix] : {std::pair{1, "G"}, std::pair{3, "E"}}) {
            const QString caption = control<QRadioButton>(row == 1 ? "optEingabe_G" : "optEingabe_E", row)->text();
            QCOMPARE(caption, modTexte::text(row == 1 ? 143 : 144));
            const QString frame = QLatin1Char(' ') + frameWords(page, row).join(QLatin1Char(' ')) + QLatin1Char(' ');
            const QStringList texts = rowTexts(row, suffix) << caption;
            for (const QString& expected : texts)
                QVERIFY2(frame.contains(QLatin1Char(' ') + expected + QLatin1Char(' ')),
                         qPrintable(expected + QStringLiteral(" | ") + frame));
        }
        for (int row : {2, 4, 5})
            QCOMPARE(frameWords(page, row), QStringList{modTexte::text(24)});
        for (const QString& uncounted : {QStringLiteral("Planierraupe"), number(QStringLiteral("2.37")),
                                         number(QStringLiteral("1.93")), QStringLiteral("Sand")})
            QVERIFY2(!words(page.join(QLatin1Char(' '))).contains(uncounted), qPrintable(uncounted));

        // The nine results with the main window's characters, in the page's order.
        QVERIFY(fieldText("txtA8Max").contains(base::regional().decimalSeparator()));
        const QString intermediate = QStringList{fieldText("txtDauerSum"),   fieldText("txtA8X"),
                                                 fieldText("txtPunkteGesX"), fieldText("txtA8Y"),
                                                 fieldText("txtPunkteGesY"), fieldText("txtA8Z"),
                                                 fieldText("txtPunkteGesZ")}
                                         .join(QLatin1Char(' '));
        QVERIFY2(hasLineWith(page, QLatin1Char(' ') + intermediate + QLatin1Char(' ')), qPrintable(intermediate));
        for (const QString& total : {fieldText("txtPktMax"), fieldText("txtA8Max")}) {
            const QRegularExpression endsWith(QStringLiteral("= %1$").arg(QRegularExpression::escape(total)));
            QVERIFY2(lineMatching(page, endsWith) >= 0, qPrintable(total));
        }
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        start(base::Regional::german());
    }

    void cleanup()
    {
        m_frame.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(strDruckDokument, QString());
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    // clang-format off
    void filledDayThroughCups_data()
    {
        QTest::addColumn<QString>("regional");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("queue");
        QTest::newRow("German") << "de_DE" << "Deutsch" << "Buero";
        QTest::newRow("English") << "en_US" << "English" << "Werkstatt";
        QTest::newRow("Italian, French regional settings") << "fr_FR" << "Italiano" << "Baustelle";
    }
    // clang-format on
    void filledDayThroughCups()
    {
        if (withoutScheduler())
            QSKIP("run without a scheduler");
        QFETCH(QString, regional);
        QFETCH(QString, language);
        QFETCH(QString, queue);
        // The date is written at start-up, under the regional settings of then.
        start(base::Regional(QLocale(regional)));
        QVERIFY(fieldText("txtDatum").endsWith(QString::number(QDate::currentDate().year())));
        if (language != QLatin1String("Deutsch"))
            switchLanguage(language);
        enterDay();
        calculate();
        const QStringList before = shownData();
        ui::MsgBoxRecorder boxes;
        QFile::remove(queueOutput(queue));

        QVERIFY(printOn(queue));
        const QString output = waitForOutput(queue);
        QVERIFY(!output.isEmpty());
        QVERIFY(boxes.calls.isEmpty());
        checkOnePage(output);
        QCOMPARE(archivalFaults(output, printedTitle()), QString());
        const QStringList page = lines(pdfText(output));
        checkCaptions(page);
        checkFilledDay(page);
        QCOMPARE(shownData(), before);
        QVERIFY(!reportPageLeft());
    }

    // Complete rows that were never calculated are not counted: captions, the
    // header and empty frames and results.
    void beforeAnyCalculation()
    {
        if (withoutScheduler())
            QSKIP("run without a scheduler");
        enterDay();
        QFile::remove(queueOutput(QStringLiteral("Werkstatt")));
        QVERIFY(printOn(QStringLiteral("Werkstatt")));
        const QString output = waitForOutput(QStringLiteral("Werkstatt"));
        QVERIFY(!output.isEmpty());
        checkOnePage(output);
        const QStringList page = lines(pdfText(output));
        checkCaptions(page);
        QVERIFY(hasLineWith(page, QStringLiteral("Tiefbau Gruber GmbH")));
        for (int row = 1; row <= 5; ++row)
            QCOMPARE(frameWords(page, row), QStringList{modTexte::text(24)});
        // Digits only in the date, the frame captions and the A(8) symbols.
        QStringList withDigits;
        for (const QString& word : words(page.join(QLatin1Char(' '))))
            if (word.contains(QRegularExpression(QStringLiteral("[0-9]"))))
                withDigits << word;
        withDigits.sort();
        QStringList expected{fieldText("txtDatum"), "1", "2", "3", "4", "5", "A(8)", "A(8)", "A(8)", "A(8)"};
        expected.sort();
        QCOMPARE(withDigits, expected);
    }

    // The file writer ends the list, with printers and without any; it writes
    // the same page where the save dialog says.
    void pdfWriter()
    {
        enterDay();
        calculate();
        QTemporaryDir folder;
        ui::SaveDialogRecorder saveBox;
        saveBox.answer = folder.filePath(QStringLiteral("Bericht.pdf"));
        QStringList listed;
        const bool shown = withPrintDialog([&](frmDrucken* dialog) {
            for (int i = 0; i < dialog->lstDrucker->count(); ++i)
                listed << dialog->lstDrucker->item(i)->text();
        });
        QVERIFY(shown);
        if (withoutScheduler())
            QCOMPARE(listed, QStringList{printers::pdfWriterName()});
        else
            QCOMPARE(listed,
                     QStringList({"Baustelle", "Buero", "Laser", "PDF", "Werkstatt", printers::pdfWriterName()}));

        QVERIFY(printOn(printers::pdfWriterName()));
        QCOMPARE(saveBox.calls.size(), 1);
        QVERIFY(QFile::exists(saveBox.answer));
        checkOnePage(saveBox.answer);
        QCOMPARE(archivalFaults(saveBox.answer, printedTitle()), QString());
        const QStringList page = lines(pdfText(saveBox.answer));
        checkCaptions(page);
        checkFilledDay(page);
    }

    // clang-format off
    void faults_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("printer");
        QTest::addColumn<QString>("message");
        QTest::newRow("stopped queue") << "stop" << "Baustelle" << "482 => ";
        QTest::newRow("rejecting queue") << "reject" << "Baustelle" << "482 => ";
        QTest::newRow("scheduler gone") << "gone" << "Baustelle" << "482 => ";
        QTest::newRow("unwritable PDF path") << "path" << printers::pdfWriterName() << "75 => ";
    }
    // clang-format on

    // A fault shows the routine's message with the normal pointer back; the
    // dialog stays open and prints once the fault is cleared; the windows'
    // data stay as they were.
    void faults()
    {
        QFETCH(QString, fault);
        QFETCH(QString, printer);
        QFETCH(QString, message);
        if (withoutScheduler() && printer != printers::pdfWriterName())
            QSKIP("run without a scheduler");
        enterDay();
        calculate();
        const QStringList before = shownData();
        QTemporaryDir folder;
        const QString unwritable = QStringLiteral("/nonexistent-zelvaro/Bericht.pdf");
        ui::SaveDialogRecorder saveBox;
        saveBox.answer = unwritable;
        QFile::remove(queueOutput(printer));

        ui::MsgBoxRecorder boxes;
        bool busyDuringMessage = true;
        bool openDuringMessage = false;
        boxes.onMessage = [&](const ui::MsgBoxCall&) {
            busyDuringMessage = QApplication::overrideCursor() != nullptr;
            openDuringMessage = QApplication::activeModalWidget() != nullptr;
        };
        bool openAfterFault = false;
        bool nothingWritten = false;
        QString pending;
        bool printedAfterwards = false;
        const bool shown = withPrintDialog([&](frmDrucken* dialog) {
            choosePrinter(dialog, printer);
            if (fault == QLatin1String("stop"))
                cups(QStringLiteral("cupsdisable"), {printer});
            else if (fault == QLatin1String("reject"))
                cups(QStringLiteral("cupsreject"), {printer});
            else if (fault == QLatin1String("gone"))
                cups(cupsScript(), {QStringLiteral("stop"), cupsDir()});
            QTest::mouseClick(dialog->btnDrucken, Qt::LeftButton);
            openAfterFault = dialog->isVisible();
            pending = strDruckDokument;
            nothingWritten = !QFile::exists(printer == printers::pdfWriterName() ? unwritable : queueOutput(printer));

            if (fault == QLatin1String("stop"))
                cups(QStringLiteral("cupsenable"), {printer});
            else if (fault == QLatin1String("reject"))
                cups(QStringLiteral("cupsaccept"), {printer});
            else if (fault == QLatin1String("gone"))
                cups(cupsScript(), {QStringLiteral("start"), cupsDir()});
            else
                saveBox.answer = folder.filePath(QStringLiteral("Bericht.pdf"));
            // The same dialog, the printer still chosen: the user tries again.
            if (dialog->lstDrucker->currentItem() && dialog->lstDrucker->currentItem()->text() == printer)
                QTest::mouseClick(dialog->btnDrucken, Qt::LeftButton);
            printedAfterwards = !dialog->isVisible();
        });
        QVERIFY(shown);
        QVERIFY(openAfterFault);
        QCOMPARE(pending, QStringLiteral("frmDruckAnsicht"));
        QVERIFY(nothingWritten);
        QCOMPARE(boxes.calls.size(), 1);
        const ui::MsgBoxCall& box = boxes.calls.front();
        QCOMPARE(box.title, QStringLiteral("Error in Routine <btnDrucken_Click>"));
        QCOMPARE(box.icon, ui::MsgIcon::Critical);
        QVERIFY2(box.text.startsWith(message), qPrintable(box.text));
        QVERIFY2(box.text.contains(printer == printers::pdfWriterName() ? unwritable : printer), qPrintable(box.text));
        QVERIFY(!busyDuringMessage);
        QVERIFY(openDuringMessage);
        QCOMPARE(shownData(), before);

        QVERIFY(printedAfterwards);
        const QString output = printer == printers::pdfWriterName() ? saveBox.answer : waitForOutput(printer);
        QVERIFY(!output.isEmpty());
        checkOnePage(output);
        QVERIFY(pdfText(output).contains(QStringLiteral("Tiefbau Gruber GmbH")));
    }

    void reportExistsOnlyWhilePrinting_data()
    {
        QTest::addColumn<bool>("exitButton");
        QTest::newRow("exit button") << true;
        QTest::newRow("frame closed") << false;
    }

    // The report page exists only while it prints, as a window of the print
    // dialog, which is the main window's; so the program's end, which unloads
    // the details window and then the main window, unloads a report page too.
    void reportExistsOnlyWhilePrinting()
    {
        QFETCH(bool, exitButton);
        QTemporaryDir folder;
        ui::SaveDialogRecorder saveBox;
        saveBox.answer = folder.filePath(QStringLiteral("Bericht.pdf"));
        QPointer<frmDruckAnsicht> page;
        bool windowWhilePrinting = false;
        saveBox.onCall = [&](const ui::SaveDialogCall&) {
            page = main()->findChild<frmDruckAnsicht*>();
            windowWhilePrinting = page && page->isWindow();
        };
        QVERIFY(printOn(printers::pdfWriterName()));
        QVERIFY(QFile::exists(saveBox.answer));
        QVERIFY(windowWhilePrinting);
        QVERIFY(page.isNull());
        QVERIFY(!reportPageLeft());

        // As while a print runs: a page of a print dialog of the main window.
        page = new frmDruckAnsicht([] { return ReportData{}; }, new frmDrucken(main(), {}, nullptr));
        QPointer<frmDetails> details = main()->details();
        ui::MsgBoxRecorder boxes;
        if (exitButton)
            click(QStringLiteral("btnExit"));
        else
            QVERIFY(m_frame->close());
        QVERIFY(details.isNull());
        QVERIFY(!m_frame->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(page.isNull());
        QVERIFY(boxes.calls.isEmpty());
    }
};

QTEST_MAIN(ProgramPrintingTest)
#include "tst_program_printing.moc"
