// Printing the report from the running program: the real frame window, a day
// entered with real events, the main window's print button, the print
// dialog's printer list and button, and the job read back from the private
// CUPS scheduler's queue (or from the PDF file writer's file).
#include "../support/MessageBoxes.h"
#include "../support/PrintSupport.h"
#include "../support/ProgramTest.h"
#include "../support/WidgetDriver.h"
#include "app/frmMDI.h"
#include "base/Regional.h"
#include "details/frmDetails.h"
#include "grid/frmMain.h"
#include "printing/frmDruckAnsicht.h"
#include "texts/modTexte.h"
#include "ui/MsgBox.h"
#include "ui/SaveDialog.h"

#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <memory>

using namespace support;

namespace {

// The page's text lines with the runs of blanks between columns made one blank.
QStringList lines(const QString& pdfText)
{
    QStringList result;
    for (const QString& line : pdfText.split(QLatin1Char('\n')))
        result << line.simplified();
    return result;
}

qsizetype lineMatching(const QStringList& page, const QRegularExpression& pattern)
{
    for (qsizetype i = 0; i < page.size(); ++i)
        if (pattern.match(page[i]).hasMatch())
            return i;
    return -1;
}

// The report's captions as the text table words them, in the languages the
// tests print in; multi-line ones with a blank for each line break.
struct Captions {
    QString title;
    QStringList withColon;  // company, driver, qualification, intermediate and final result
    QStringList others;     // the column headings, the rows' and results' captions, the site details
    QString rowFrame;       // before the row's number
    QString intermediate;   // the results' first caption, without its colon
    QString details;        // at the start of each row's second line
    QString catalogueOption;
    QString ownOption;
};

// clang-format off
const QHash<QString, Captions> kCaptions{
    {QStringLiteral("Deutsch"), {
        QStringLiteral("Ganzkörperschwingungen auf Erdbewegungsmaschinen - Berechnung der täglichen "
                       "Schwingungsbelastung eines Fahrers"),
        {"Firma:", "Fahrer:", "Fahrerqualifizierung:", "Zwischenergebnis:", "Endergebnis:"},
        {"Quelle der Messwerte", "Maschinenfamilie", "Maschinentyp", "Arbeitszyklus", "Betriebs- bedingung",
         "Einwirk- ungszeit in h", "x-Achse", "y-Achse", "z-Achse", "Pkte.", "Details", "Eingabe",
         "Summe aller Arbeitszyklen", "Tägliche Schwingungsbelastung in m/s²", "Gesamtpunktezahl",
         "Einwirkungs- zeit in h", "Zustand des Untergrundes", "Festigkeit des Untergrundes", "Bewegtes Material",
         "Fahrstil", "Anmerkungen"},
        "Eingabe", "Zwischenergebnis", "Details", "genormt", "eigene"}},
    {QStringLiteral("English"), {
        QStringLiteral("whole-body vibration on earth moving machinery - calculation of daily driver exposure to "
                       "vibration"),
        {"company:", "driver:", "driver qualifications:", "intermediate result:", "final result:"},
        {"source of measurement values", "machine family", "machine type", "operating cycle", "operating condition",
         "exp. time in h", "x-axis", "y-axis", "z-axis", "pt.", "details", "entry", "sum of all operating cycles",
         "daily exposure to vibration in m/s²", "total number of points", "exp. time in h", "surface condition",
         "surface strength", "moved material", "driving style", "notes"},
        "entry", "intermediate result", "details", "standardized", "own"}},
    {QStringLiteral("Italiano"), {
        QStringLiteral("vibrazioni al corpo intero sulle macchine di movimento terra - calcolo dell'esposizione "
                       "giornaliera alle vibrazioni di un operatore"),
        {"impresa:", "operatore:", "qualifica dell'operatore:", "risultato parziale:", "risultato finale:"},
        {"fonte dei valori di misura", "classe di macchine", "tipo di macchina", "ciclo di lavoro",
         "condizioni d'esercizio", "per. d'esposiz. in h", "asse x", "asse y", "asse z", "P", "dettagli",
         "immissione", "totale cicli di lavoro", "esposizione giornaliera alle vibrazioni in m/s²",
         "punteggio totale", "per. d'esposiz. in h", "stato del fondo", "stabilità del fondo",
         "materiale movimentato", "stile di guida", "note"},
        "immissione", "risultato parziale", "dettagli", "unificati", "propri"}},
};
// clang-format on

// The words printed inside row frame `row`: from its caption to the next frame's
// caption, or to the caption of the results for the last row.
QStringList frameWords(const QStringList& page, const Captions& captions, int row)
{
    const auto frameLine = [&](int number) {
        return page.indexOf(captions.rowFrame + QStringLiteral(" %1").arg(number));
    };
    const qsizetype from = frameLine(row);
    const qsizetype to = row < 5
        ? frameLine(row + 1)
        : lineMatching(page, QRegularExpression(QRegularExpression::escape(captions.intermediate)));
    if (from < 0 || to <= from)
        return {QStringLiteral("<frame %1 not found>").arg(row)};
    return wordsOf(page.mid(from + 1, to - from - 1).join(QLatin1Char(' ')));
}

// Types into the focused field key by key, also letters beyond ASCII.
void typeKeys(QWidget* field, const QString& text)
{
    driver::enter(field);
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

}  // namespace

class ProgramPrintingTest : public ProgramTest {
    Q_OBJECT

    QString m_language;  // as the language list names it

    const Captions& captions() const { return kCaptions.find(m_language).value(); }
    // The text of the main window's field of that name.
    QString fieldText(const char* name) const { return control<QLineEdit>(QLatin1String(name))->text(); }
    QString number(const QString& englishText) const
    {
        QString text = englishText;
        return text.replace(QLatin1Char('.'), base::regional().decimalSeparator());
    }

    // Starts the program anew under these regional settings.
    void startUnder(const base::Regional& settings)
    {
        base::setRegional(settings);
        start();
        m_language = QStringLiteral("Deutsch");
    }

    void useLanguage(const QString& language)
    {
        switchLanguage(language);
        QCOMPARE(main()->spracheText(), language);
        m_language = language;
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
        driver::chooseIndex(driver::find<QComboBox>(details, driver::rowName("cboZustandUntergrund", 1)), 3);
        driver::chooseIndex(driver::find<QComboBox>(details, driver::rowName("cboFestigkeitUntergrund", 1)), 1);
        driver::type(driver::find<QLineEdit>(details, driver::rowName("txtBewegtesMaterial", 1)),
                     QStringLiteral("Kies"));
        driver::chooseIndex(driver::find<QComboBox>(details, driver::rowName("cboFahrstil", 1)), 2);
        typeKeys(driver::find<QPlainTextEdit>(details, driver::rowName("txtAnmerkung", 1)),
                 QStringLiteral("Baugrube Nord"));
        driver::type(driver::find<QLineEdit>(details, driver::rowName("txtBewegtesMaterial", 2)),
                     QStringLiteral("Sand"));
        typeKeys(driver::find<QPlainTextEdit>(details, driver::rowName("txtAnmerkung", 3)),
                 QStringLiteral("Schlaglöcher"));
        QTest::mouseClick(driver::find<QPushButton>(details, QStringLiteral("btnSchliessen")), Qt::LeftButton);
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
            all << QString::number(r.counted) << r.optionCaption << r.MaschinenFamilie << r.MaschinenTyp
                << r.Arbeitszyklus << r.Betriebsbedingung << r.Einwirkungsdauer << r.ZustandUntergrund
                << r.FestigkeitUntergrund << r.BewegtesMaterial << r.Fahrstil << r.Anmerkung;
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

    // The main window's print button; whileOpen runs in the open dialog.
    bool withPrintDialog(const std::function<void(frmDrucken*)>& whileOpen) const
    {
        auto* button = control<QPushButton>(QStringLiteral("btnDrucken"));
        return withDialog([button] { QTest::mouseClick(button, Qt::LeftButton); }, whileOpen);
    }

    bool printOn(const QString& printer) const
    {
        return support::printOn(control<QPushButton>(QStringLiteral("btnDrucken")), printer);
    }

    // The PDF's title: the report's title, the company and the date as printed.
    QString printedTitle() const
    {
        return QStringList{captions().title, fieldText("txtFirma"), fieldText("txtDatum")}.join(QStringLiteral(" - "));
    }

    // Every caption in the current language; none of the German ones that this language words otherwise.
    void checkCaptions(const QStringList& page) const
    {
        const QStringList printed = wordsOf(page.join(QLatin1Char(' ')));
        const Captions& shown = captions();
        const QStringList all = QStringList{shown.title} + shown.withColon + shown.others;
        const QStringList current = wordsOf(all.join(QLatin1Char(' ')));
        for (const QString& word : current)
            QVERIFY2(printed.contains(word), qPrintable(word));
        // The one-line captions stand whole on their lines.
        for (const QString& caption : QStringList{shown.title} + shown.withColon)
            QVERIFY2(!page.filter(caption).isEmpty(), qPrintable(caption));
        if (m_language == QLatin1String("Deutsch"))
            return;
        const Captions german = kCaptions.value(QStringLiteral("Deutsch"));
        const QStringList germanWords = wordsOf(
            (QStringList{german.title} + german.withColon + german.others).join(QLatin1Char(' ')));
        for (const QString& word : germanWords)
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
            driver::find<QPlainTextEdit>(details, driver::rowName("txtAnmerkung", row))->toPlainText(),
            joined({captions().details,
                    driver::find<QComboBox>(details, driver::rowName("cboZustandUntergrund", row))->currentText(),
                    driver::find<QComboBox>(details, driver::rowName("cboFestigkeitUntergrund", row))->currentText(),
                    driver::find<QLineEdit>(details, driver::rowName("txtBewegtesMaterial", row))->text(),
                    driver::find<QComboBox>(details, driver::rowName("cboFahrstil", row))->currentText(),
                    shown("PunkteX"), shown("PunkteY"), shown("PunkteZ")})};
    }

    // What a filled day must show on the page, read from the windows.
    void checkFilledDay(const QStringList& page) const
    {
        QVERIFY2(page.value(0).startsWith(fieldText("txtDatum") + QLatin1Char(' ')), qPrintable(page.value(0)));
        const Captions& shown = captions();
        const QString header = QStringList{shown.withColon[0],
                                           fieldText("txtFirma"),
                                           shown.withColon[1],
                                           fieldText("txtFahrer"),
                                           shown.withColon[2],
                                           control<QComboBox>(QStringLiteral("cboFahrererfahrung"))->currentText()}
                                   .join(QLatin1Char(' '));
        QVERIFY2(page.contains(header), qPrintable(header));

        for (const auto& [row, suffix] : {std::pair{1, "G"}, std::pair{3, "E"}}) {
            const QString caption = control<QRadioButton>(row == 1 ? "optEingabe_G" : "optEingabe_E", row)->text();
            QCOMPARE(caption, row == 1 ? shown.catalogueOption : shown.ownOption);
            const QString frame = QLatin1Char(' ') + frameWords(page, shown, row).join(QLatin1Char(' '))
                + QLatin1Char(' ');
            const QStringList texts = rowTexts(row, suffix) << caption;
            for (const QString& expected : texts)
                QVERIFY2(frame.contains(QLatin1Char(' ') + expected + QLatin1Char(' ')),
                         qPrintable(expected + QStringLiteral(" | ") + frame));
        }
        for (int row : {2, 4, 5})
            QCOMPARE(frameWords(page, shown, row), QStringList{shown.details});
        for (const QString& uncounted : {QStringLiteral("Planierraupe"), number(QStringLiteral("2.37")),
                                         number(QStringLiteral("1.93")), QStringLiteral("Sand")})
            QVERIFY2(!wordsOf(page.join(QLatin1Char(' '))).contains(uncounted), qPrintable(uncounted));

        // The nine results with the main window's characters, in the page's order.
        QVERIFY(fieldText("txtA8Max").contains(base::regional().decimalSeparator()));
        const QString intermediate = QStringList{fieldText("txtDauerSum"),   fieldText("txtA8X"),
                                                 fieldText("txtPunkteGesX"), fieldText("txtA8Y"),
                                                 fieldText("txtPunkteGesY"), fieldText("txtA8Z"),
                                                 fieldText("txtPunkteGesZ")}
                                         .join(QLatin1Char(' '));
        QVERIFY2(!page.filter(QLatin1Char(' ') + intermediate + QLatin1Char(' ')).isEmpty(), qPrintable(intermediate));
        for (const QString& total : {fieldText("txtPktMax"), fieldText("txtA8Max")}) {
            const QRegularExpression endsWith(QStringLiteral("= %1$").arg(QRegularExpression::escape(total)));
            QVERIFY2(lineMatching(page, endsWith) >= 0, qPrintable(total));
        }
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        startUnder(base::Regional::german());
    }

    void cleanup()
    {
        end();
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
        startUnder(base::Regional(QLocale(regional)));
        QVERIFY(fieldText("txtDatum").endsWith(QString::number(QDate::currentDate().year())));
        if (language != QLatin1String("Deutsch"))
            useLanguage(language);
        enterDay();
        calculate();
        const QStringList before = shownData();
        ui::MsgBoxRecorder boxes;
        clearOutput(queue);

        QVERIFY(printOn(queue));
        const QString output = waitForOutput(queue);
        QVERIFY(!output.isEmpty());
        QVERIFY(boxes.calls.isEmpty());
        expectReportPage(output);
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
        clearOutput(QStringLiteral("Werkstatt"));
        QVERIFY(printOn(QStringLiteral("Werkstatt")));
        const QString output = waitForOutput(QStringLiteral("Werkstatt"));
        QVERIFY(!output.isEmpty());
        expectReportPage(output);
        const QStringList page = lines(pdfText(output));
        checkCaptions(page);
        QVERIFY(!page.filter(QStringLiteral("Tiefbau Gruber GmbH")).isEmpty());
        for (int row = 1; row <= 5; ++row)
            QCOMPARE(frameWords(page, captions(), row), QStringList{captions().details});
        // Digits only in the date, the frame captions and the A(8) symbols.
        QStringList withDigits;
        for (const QString& word : wordsOf(page.join(QLatin1Char(' '))))
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
            for (int i = 0; i < support::printerList(dialog)->count(); ++i)
                listed << support::printerList(dialog)->item(i)->text();
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
        expectReportPage(saveBox.answer);
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
        QTest::addColumn<int>("error");
        QTest::newRow("stopped queue") << "stop" << "Baustelle" << int(printers::ErrPrinter);
        QTest::newRow("rejecting queue") << "reject" << "Baustelle" << int(printers::ErrPrinter);
        QTest::newRow("scheduler gone") << "gone" << "Baustelle" << int(printers::ErrPrinter);
        QTest::newRow("unwritable PDF path") << "path" << printers::pdfWriterName() << int(printers::ErrPathAccess);
    }
    // clang-format on

    // A fault shows the routine's message with the normal pointer back; the
    // dialog stays open and prints once the fault is cleared; the windows'
    // data stay as they were.
    void faults()
    {
        QFETCH(QString, fault);
        QFETCH(QString, printer);
        QFETCH(int, error);
        if (withoutScheduler() && printer != printers::pdfWriterName())
            QSKIP("run without a scheduler");
        enterDay();
        calculate();
        const QStringList before = shownData();
        QTemporaryDir folder;
        const QString unwritable = QStringLiteral("/nonexistent-zelvaro/Bericht.pdf");
        ui::SaveDialogRecorder saveBox;
        saveBox.answer = unwritable;
        clearOutput(printer);

        ui::MsgBoxRecorder boxes;
        bool busyDuringMessage = true;
        bool openDuringMessage = false;
        boxes.onMessage = [&](const ui::MsgBoxCall&) {
            busyDuringMessage = QApplication::overrideCursor() != nullptr;
            openDuringMessage = QApplication::activeModalWidget() != nullptr;
        };
        bool openAfterFault = false;
        bool nothingWritten = false;
        bool pending = false;
        bool printedAfterwards = false;
        const bool shown = withPrintDialog([&](frmDrucken* dialog) {
            choosePrinter(dialog, printer);
            setQueueFault(fault, printer, true);
            QTest::mouseClick(support::printButton(dialog), Qt::LeftButton);
            openAfterFault = dialog->isVisible();
            pending = frmDrucken::TestSeam(*dialog).printsReport();
            nothingWritten = nothingIn(printer == printers::pdfWriterName() ? unwritable : queueOutput(printer));

            setQueueFault(fault, printer, false);
            if (fault == QLatin1String("path"))
                saveBox.answer = folder.filePath(QStringLiteral("Bericht.pdf"));
            // The same dialog, the printer still chosen: the user tries again.
            if (support::printerList(dialog)->currentItem()
                && support::printerList(dialog)->currentItem()->text() == printer)
                QTest::mouseClick(support::printButton(dialog), Qt::LeftButton);
            printedAfterwards = !dialog->isVisible();
        });
        QVERIFY(shown);
        QVERIFY(openAfterFault);
        QVERIFY(pending);
        QVERIFY(nothingWritten);
        expectRoutineError(boxes, QStringLiteral("btnDrucken_Click"), error);
        const QString text = boxes.calls.value(0).text;
        QVERIFY2(text.contains(printer == printers::pdfWriterName() ? unwritable : printer), qPrintable(text));
        QVERIFY(!busyDuringMessage);
        QVERIFY(openDuringMessage);
        QCOMPARE(shownData(), before);

        QVERIFY(printedAfterwards);
        const QString output = printer == printers::pdfWriterName() ? saveBox.answer : waitForOutput(printer);
        QVERIFY(!output.isEmpty());
        expectReportPage(output);
        QVERIFY(pdfText(output).contains(QStringLiteral("Tiefbau Gruber GmbH")));
    }

    void reportExistsOnlyWhilePrinting_data() { programEnds(); }

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
        page = new frmDruckAnsicht([] { return ReportData{}; }, 1, new frmDrucken(main(), 1, {}, nullptr));
        QPointer<frmDetails> details = main()->details();
        ui::MsgBoxRecorder boxes;
        endProgram(exitButton);
        QVERIFY(details.isNull());
        QVERIFY(!m_frame->isVisible());
        driver::flushDeletes();
        QVERIFY(page.isNull());
        QVERIFY(boxes.calls.isEmpty());
    }
};

QTEST_MAIN(ProgramPrintingTest)
#include "tst_program_printing.moc"
