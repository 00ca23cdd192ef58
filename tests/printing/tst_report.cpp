// The report page: what it copies and shows, and what reaches the paper,
// through the private CUPS scheduler and through the PDF file writer.
#include "../support/MessageBoxes.h"
#include "../support/Languages.h"
#include "../support/PrintSupport.h"
#include "../support/SampleReport.h"
#include "../support/WidgetDriver.h"
#include "base/Regional.h"
#include "printing/frmDruckAnsicht.h"
#include "printing/ReportDrawing.h"
#include "texts/modTexte.h"
#include "texts/TextEntries.h"
#include "ui/MsgBox.h"
#include "ui/SaveDialog.h"
#include "ui/Widgets.h"

#include <QLabel>
#include <QPointer>
#include <QRegularExpression>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextDocument>

using namespace support;

namespace {

const QString kGermanTitle = QStringLiteral(
    "Ganzkörperschwingungen auf Erdbewegungsmaschinen - Berechnung der täglichen Schwingungsbelastung eines Fahrers");

}  // namespace

class ReportTest : public QObject {
    Q_OBJECT

    static QString text(const QWidget& page, const QString& name) { return driver::caption(&page, name); }

    support::OpenersLanguage m_language;

    // Loads the page from the data and prints it landscape on the printer of that name.
    bool printedOn(const QString& printer, const ReportData& data) const
    {
        auto printers = printers::makeCupsPrinters();
        const int position = int(printers->deviceNames().indexOf(printer));
        if (position < 0)
            return false;
        printers->setCurrent(position);
        printers->setOrientation(printers::kLandscape);
        frmDruckAnsicht page([&] { return data; }, m_language.number);
        page.Form_Load();
        return printers->printPage(page, {page.documentTitle(), {}}) == printers::PrintOutcome::Printed;
    }

    // The same through the PDF file writer, into that file.
    bool printedToFile(const ReportData& data, const QString& path) const
    {
        ui::SaveDialogRecorder dialog;
        dialog.answer = path;
        return printedOn(printers::pdfWriterName(), data) && QFile(path).size() > 0;
    }

private slots:
    void initTestCase() { ui::reportErrorsInMessageBoxes(); }

    void init()
    {
        base::setRegional(base::Regional::german());
        m_language.use(1);
    }

    void copiesCountedRowsOnly()
    {
        ui::MsgBoxRecorder boxes;
        frmDruckAnsicht page([] { return sample::filledReport(); }, m_language.number);
        page.Form_Load();
        QVERIFY(boxes.calls.isEmpty());
        QCOMPARE(page.width(), ui::twips(16600));
        QCOMPARE(text(page, "MaschinenTyp_1"), QStringLiteral("Hydraulikbagger auf Rädern"));
        QCOMPARE(text(page, "optEingabe_1"), QStringLiteral("genormt"));
        QVERIFY(page.findChild<QRadioButton*>("optEingabe_1")->isChecked());
        QCOMPARE(text(page, "PunkteZ_1"), QStringLiteral("221"));
        QCOMPARE(text(page, "txtAnmerkung_1"), QStringLiteral("Baugrube Nord"));
        QCOMPARE(text(page, "optEingabe_3"), QStringLiteral("eigene"));
        QCOMPARE(text(page, "MesswertZ_3"), QStringLiteral("0,62"));
        // Row 2 has values in the main window but was not counted.
        for (const char* name : {"optEingabe_2", "MaschinenFamilie_2", "MesswertX_2"})
            QCOMPARE(text(page, name), QString());
        QVERIFY(!page.findChild<QRadioButton*>("optEingabe_2")->isChecked());
        QCOMPARE(text(page, "fraEingabe_2"), QStringLiteral(" Eingabe 2 "));
        QCOMPARE(text(page, "txtA8Max"), QStringLiteral("0,47"));
        QCOMPARE(text(page, "txtFahrererfahrung"), QStringLiteral("erfahren"));
    }

    // clang-format off
    void captions_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("firma");
        QTest::addColumn<QString>("points");
        QTest::addColumn<QString>("title");
        QTest::newRow("de") << 1 << " Eingabe 3 " << "Firma: " << "Pkte." << kGermanTitle;
        QTest::newRow("en") << 2 << " entry 3 " << "company: " << "pt."
            << "whole-body vibration on earth moving machinery - calculation of daily driver exposure to vibration";
        QTest::newRow("fr") << 3 << " saisie 3 " << "société: " << "pt."
            << "vibrations transmises à l'ensemble du corps par les machines de terrassement - calcul de "
               "l'exposition journalière du conducteur aux vibrations";
        QTest::newRow("it") << 4 << " immissione 3 " << "impresa: " << "P"
            << "vibrazioni al corpo intero sulle macchine di movimento terra - calcolo dell'esposizione "
               "giornaliera alle vibrazioni di un operatore";
        QTest::newRow("es") << 5 << " entrada 3 " << "empresa: " << "pto."
            << "vibración cuerpo completo en maquinaria de movimiento de tierras - cálculo de  la carga vibratoria "
               "diaria sobre un operador";
    }
    // clang-format on

    void captions()
    {
        QFETCH(int, language);
        QFETCH(QString, frame);
        QFETCH(QString, firma);
        QFETCH(QString, points);
        QFETCH(QString, title);
        m_language.use(quint8(language));
        frmDruckAnsicht page([] { return sample::emptyReport(); }, m_language.number);
        page.Form_Load();
        QCOMPARE(text(page, "fraEingabe_3"), frame);
        QCOMPARE(text(page, "lblFirma"), firma);
        QCOMPARE(text(page, "lblPunkteAchse_2"), points);
        QCOMPARE(text(page, "lblPunkteErgebnis_0"), points);
        QCOMPARE(text(page, "lblTitel"), title);
        QCOMPARE(text(page, "optEingabe_1"), QString());
    }

    void captionsFitTheirBoxes_data() { everyLanguage(); }

    // Every caption, wrapped at blanks where it does not fit on one line, is
    // shown whole in its box; so is the caption of a counted row's option.
    void captionsFitTheirBoxes()
    {
        QFETCH(int, language);
        m_language.use(quint8(language));
        ReportData data = sample::filledReport();
        data.rows[0].optionCaption = modTexte::Texte(language, modTexte::Genormt);
        data.rows[2].optionCaption = modTexte::Texte(language, modTexte::Eigene);
        frmDruckAnsicht page([&] { return data; }, m_language.number);
        page.Form_Load();
        QStringList cut;
        for (const QLabel* label : page.findChildren<QLabel*>()) {
            // The fields hold the windows' texts and clip them as a text box does.
            if (label->frameShape() != QFrame::NoFrame || label->text().isEmpty())
                continue;
            const QRect room = label->contentsRect();
            QSize needed = label->sizeHint();
            if (label->textFormat() != Qt::RichText) {
                const int wrap = label->wordWrap() ? int(Qt::TextWordWrap) : 0;
                needed = label->fontMetrics()
                             .boundingRect(QRect(0, 0, room.width(), 10000), int(label->alignment()) | wrap,
                                           label->text())
                             .size();
            }
            if (needed.width() > room.width() || needed.height() > room.height())
                cut << QStringLiteral("%1 \"%2\"").arg(label->objectName(), label->text());
        }
        for (int row : {1, 3}) {
            const auto* option = page.findChild<QRadioButton*>(QStringLiteral("optEingabe_%1").arg(row));
            const auto* firstField = page.findChild<QLabel*>(QStringLiteral("MaschinenFamilie_%1").arg(row));
            if (report_drawing::optionWidth(*option) > firstField->x() - option->x())
                cut << QStringLiteral("%1 \"%2\"").arg(option->objectName(), option->text());
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
    }

    // The page is a window of its owner, the print dialog: never drawn into
    // the dialog, never shown, and gone with the dialog.
    void pageIsAWindowOfItsOwner()
    {
        auto owner = std::make_unique<QWidget>();
        owner->show();
        QPointer<frmDruckAnsicht> page = new frmDruckAnsicht([] { return sample::filledReport(); }, m_language.number,
                                                             owner.get());
        page->Form_Load();
        QVERIFY(page->isWindow());
        QCOMPARE(page->parentWidget(), owner.get());
        QVERIFY(!page->isVisible());
        owner.reset();
        QVERIFY(page.isNull());
    }

    // What a user gets from the queue: one landscape page, text as text,
    // the counted rows and the results with the main window's characters.
    void reportThroughCups_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("a8");
        QTest::addColumn<QString>("heading");  // the title's first part
        QTest::addColumn<QString>("title");    // of the PDF
        QTest::addColumn<QString>("option");
        QTest::newRow("German") << 1 << "0,47"
                                << "Ganzkörperschwingungen auf Erdbewegungsmaschinen"
                                << "Ganzkörperschwingungen auf Erdbewegungsmaschinen - Berechnung der täglichen "
                                   "Schwingungsbelastung eines Fahrers - Tiefbau Gruber GmbH - 09.12.2026"
                                << "genormt";
        QTest::newRow("English") << 2 << "0.47"
                                 << "whole-body vibration on earth moving machinery"
                                 << "whole-body vibration on earth moving machinery - calculation of daily driver "
                                    "exposure to vibration - Tiefbau Gruber GmbH - 09.12.2026"
                                 << "standardized";
    }

    void reportThroughCups()
    {
        QFETCH(int, language);
        QFETCH(QString, a8);
        QFETCH(QString, heading);
        QFETCH(QString, title);
        QFETCH(QString, option);
        m_language.use(quint8(language));
        ReportData data = sample::filledReport();
        data.txtA8Max = a8;
        data.rows[0].optionCaption = option;
        clearOutput("Werkstatt");

        QVERIFY(printedOn("Werkstatt", data));

        const QString output = waitForOutput("Werkstatt");
        QVERIFY(!output.isEmpty());
        expectReportPage(output);
        QCOMPARE(archivalFaults(output, title), QString());
        const QString shown = pdfText(output);
        for (const QString& expected : {heading, QString("Tiefbau Gruber GmbH"), QString("Anna Berger"),
                                        QString("09.12.2026"), QString("Hydraulikbagger auf Rädern"), option,
                                        QString("Tandemwalze 10 t"), QString("Baugrube Nord"), QString(" 509 "), a8})
            QVERIFY2(shown.contains(expected), qPrintable(expected));
        QVERIFY(!shown.contains("NICHT GEZAEHLT"));
    }

    // A PostScript printer gets the page drawn with fonts and lines, not as a
    // picture of the page; so does a plain page of text.
    void onAPostScriptQueue_data()
    {
        QTest::addColumn<bool>("report");
        QTest::newRow("report") << true;
        QTest::newRow("plain text") << false;
    }

    void onAPostScriptQueue()
    {
        QFETCH(bool, report);
        clearOutput(kPostScriptQueue);
        auto printers = printers::makeCupsPrinters();
        printers->setCurrent(int(printers->deviceNames().indexOf(kPostScriptQueue)));
        printers->setOrientation(report ? printers::kLandscape : printers::kPortrait);
        frmDruckAnsicht page([] { return sample::filledReport(); }, m_language.number);
        page.Form_Load();
        QTextDocument plain(QStringLiteral("Baugrube Nord, Tiefbau Gruber GmbH"));
        const printers::PrintOutcome outcome = report ? printers->printPage(page, {page.documentTitle(), {}})
                                                      : printers->printDocument(plain, {});
        QCOMPARE(outcome, printers::PrintOutcome::Printed);
        const QString output = waitForOutput(kPostScriptQueue);
        QVERIFY(!output.isEmpty());
        QCOMPARE(postScriptFaults(output, 1), QString());
    }

    // Paper does not follow the desktop: under another widget style and under
    // a dark palette the printed page gives the same picture, pixel for pixel.
    void sameOnEveryDesktop_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<bool>("dark");
        QTest::newRow("Windows style") << "Windows" << false;
        QTest::newRow("dark palette") << "Fusion" << true;
    }

    void sameOnEveryDesktop()
    {
        QFETCH(QString, style);
        QFETCH(bool, dark);
        QTemporaryDir folder;
        const auto picture = [&](const QString& name) {
            const QString pdf = folder.filePath(name + ".pdf");
            if (!printedToFile(sample::filledReport(), pdf))
                return QImage();
            run("pdftoppm", {"-r", "100", "-png", "-singlefile", pdf, folder.filePath(name)});
            return QImage(folder.filePath(name + ".png")).convertToFormat(QImage::Format_RGB32);
        };
        QApplication::setStyle(QStringLiteral("Fusion"));
        const QPalette light = QApplication::palette();
        const QImage usual = picture("usual");
        QVERIFY(QApplication::setStyle(style));
        if (dark) {
            QPalette night = light;
            for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
                night.setColor(role, QColor(30, 30, 30));
            for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
                night.setColor(role, QColor(230, 230, 230));
            QApplication::setPalette(night);
        }
        const QImage other = picture("other");
        QApplication::setStyle(QStringLiteral("Fusion"));
        QApplication::setPalette(light);
        QVERIFY(!usual.isNull());
        QCOMPARE(other.size(), usual.size());
        QVERIFY2(other == usual, qPrintable(style));
    }

    // clang-format off
    void captionsStandOnTheirFieldsLine_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("field");
        QTest::newRow("company") << "Firma:" << "Tiefbau";
        QTest::newRow("driver") << "Fahrer:" << "Anna";
        QTest::newRow("qualification") << "Fahrerqualifizierung:" << "erfahren";
        QTest::newRow("row details") << "Details" << "uneben";
        QTest::newRow("total points") << "Gesamtpunktezahl" << "612";
        QTest::newRow("total points symbol") << "P" << "612";
        QTest::newRow("total points equals") << "=" << "612";
        QTest::newRow("daily exposure") << "Tägliche" << "0,58";
        QTest::newRow("daily exposure symbol") << "A" << "0,58";
        QTest::newRow("daily exposure equals") << "=" << "0,58";
    }
    // clang-format on

    // A caption that names the field beside it prints on the line of the
    // field's text, not a point or two below it.
    void captionsStandOnTheirFieldsLine()
    {
        QFETCH(QString, caption);
        QFETCH(QString, field);
        ReportData data = sample::filledReport();
        data.txtPktMax = QStringLiteral("612");
        data.txtA8Max = QStringLiteral("0,58");
        QTemporaryDir folder;
        const QString pdf = folder.filePath("linie.pdf");
        QVERIFY(printedToFile(data, pdf));

        const QList<WordBox> boxes = wordBoxes(pdf);
        const auto fieldBox = std::find_if(boxes.begin(), boxes.end(),
                                           [&](const WordBox& b) { return b.text == field; });
        QVERIFY2(fieldBox != boxes.end(), qPrintable(field));
        // Of several words of the caption's text, the one nearest to the field's line.
        qreal offset = 1e9;
        for (const WordBox& b : boxes)
            if (b.text == caption && b.left < fieldBox->left
                && std::abs(b.bottom - fieldBox->bottom) < std::abs(offset))
                offset = b.bottom - fieldBox->bottom;
        QVERIFY2(std::abs(offset) < 0.25, qPrintable(QStringLiteral("%1 pt").arg(offset)));
    }

    void emptyReportPrintsCaptionsOnly()
    {
        QTemporaryDir folder;
        const QString pdf = folder.filePath("leer.pdf");
        QVERIFY(printedToFile(sample::emptyReport(), pdf));
        const QString shown = pdfText(pdf);
        QVERIFY(shown.contains("Endergebnis"));
        QVERIFY(shown.contains("Eingabe 5"));
        QVERIFY(!shown.contains(QRegularExpression("\\d,\\d")));
    }

    // Every field at its greatest length and in every language still gives
    // one page, with the texts clipped in their boxes.
    void longestTexts_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("finalResult");
        QTest::newRow("1") << 1 << "Endergebnis";
        QTest::newRow("2") << 2 << "final result";
        QTest::newRow("3") << 3 << "résultat final";
        QTest::newRow("4") << 4 << "risultato finale";
        QTest::newRow("5") << 5 << "resultato final";
    }

    void longestTexts()
    {
        QFETCH(int, language);
        QFETCH(QString, finalResult);
        m_language.use(quint8(language));
        ReportData data = sample::filledReport();
        const QString wide(50, QChar(0x00C4));
        data.txtFirma = data.txtFahrer = wide;
        for (ReportRow& row : data.rows) {
            row.counted = true;
            row.MaschinenFamilie = row.MaschinenTyp = row.Arbeitszyklus = row.BewegtesMaterial = wide;
            row.Anmerkung = QString(255, QChar('W'));
        }
        QTemporaryDir folder;
        const QString pdf = folder.filePath("lang.pdf");
        QVERIFY(printedToFile(data, pdf));
        QCOMPARE(pdfPages(pdf), 1);
        QVERIFY(pdfText(pdf).contains(finalResult));
    }
};

QTEST_MAIN(ReportTest)
#include "tst_report.moc"
