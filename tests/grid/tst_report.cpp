// What the main window hands to the report and the print and instructions buttons.
#include "MainWindowFixture.h"

#include "base/RuntimeError.h"
#include "details/frmDetails.h"
#include "ui/MsgBox.h"

#include <QPlainTextEdit>

namespace {

QStringList lineTexts(const ReportRow& r)
{
    return {r.counted ? QStringLiteral("1") : QStringLiteral("0"),
            r.optionCaption,
            r.MaschinenFamilie,
            r.MaschinenTyp,
            r.Arbeitszyklus,
            r.Betriebsbedingung,
            r.Einwirkungsdauer,
            r.Messwert[0],
            r.Punkte[0],
            r.Messwert[1],
            r.Punkte[1],
            r.Messwert[2],
            r.Punkte[2]};
}

QStringList detailsTexts(const ReportRow& r)
{
    return {r.ZustandUntergrund, r.FestigkeitUntergrund, r.BewegtesMaterial, r.Fahrstil, r.Anmerkung};
}

}  // namespace

class ReportTest : public QObject {
    Q_OBJECT

private slots:
    void rowsAsTheWindowsShowThem_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("line");  // counted flag, option caption, the eleven fields
        QTest::addColumn<QStringList>("details");
        QTest::newRow("catalogue row") << 1
                                       << QStringList{"1",     "genormt", "Lader", "Radlader", "Einsatz in Gewinnung",
                                                      "norm.", "4",       "1.27",  "323",      "0.97",
                                                      "188",   "0.81",    "131"}
                                       << QStringList{"wellig", "", "Kies", "", "nass\nund kalt"};
        QTest::newRow("own values with texts")
            << 2
            << QStringList{"1", "eigene", "", "Eigenbau", "Planieren", "", "3", "0.5", "38", "0.7", "73", "0.9", "122"}
            << QStringList{"", "sandig", "", "schnell ", ""};
        QTest::newRow("incomplete row") << 3 << QStringList{"0", "genormt", "Bagger", "", "", "hart", "",
                                                            "",  "",        "",       "", "", ""}
                                        << QStringList{"", "", "", "", ""};
        QTest::newRow("switched off") << 4 << QStringList{"0", "eigene", "", "", "", "", "", "", "", "", "", "", ""}
                                      << QStringList{"", "", "", "", ""};
    }
    void rowsAsTheWindowsShowThem()
    {
        QFETCH(int, row);
        QFETCH(QStringList, line);
        QFETCH(QStringList, details);
        MainWindowFixture f;
        f.catalogueRow(1, 4, 13, 28, 2, 4);
        f.ownRow(2, QStringLiteral("0.5"), QStringLiteral("0.7"), QStringLiteral("0.9"), 3);
        driver::type(f.field("MaschinenTyp_E", 2), QStringLiteral("Eigenbau"));
        driver::type(f.field("Arbeitszyklus_E", 2), QStringLiteral("Planieren"));
        f.chooseMode("G", 3);
        driver::choose(f.list("MaschinenFamilie_G", 3), 3);
        driver::choose(f.list("Betriebsbedingung_G", 3), 3);
        f.calculate();

        frmDetails* window = f.window->details();
        QTest::mouseClick(f.get<QPushButton>(QStringLiteral("btnDetails")), Qt::LeftButton);
        driver::find<QComboBox>(window, driver::rowName("cboZustandUntergrund", 1))->setCurrentIndex(3);
        driver::find<QLineEdit>(window, driver::rowName("txtBewegtesMaterial", 1))->setText(QStringLiteral("Kies"));
        driver::find<QPlainTextEdit>(window, driver::rowName("txtAnmerkung", 1))
            ->setPlainText(QStringLiteral("nass\nund kalt"));
        driver::find<QComboBox>(window, driver::rowName("cboFestigkeitUntergrund", 2))->setCurrentIndex(3);
        driver::find<QComboBox>(window, driver::rowName("cboFahrstil", 2))->setCurrentIndex(3);
        QTest::mouseClick(driver::find<QPushButton>(window, QStringLiteral("btnSchliessen")), Qt::LeftButton);

        const ReportData report = f.window->reportData();
        const ReportRow& r = report.rows[static_cast<std::size_t>(row - 1)];
        QCOMPARE(lineTexts(r), line);
        QCOMPARE(detailsTexts(r), details);
    }

    void headerAndResults()
    {
        MainWindowFixture f;
        driver::type(f.get<QLineEdit>(QStringLiteral("txtFirma")), QStringLiteral("Tiefbau AG"));
        driver::type(f.get<QLineEdit>(QStringLiteral("txtFahrer")), QStringLiteral("M. Huber"));
        driver::type(f.get<QLineEdit>(QStringLiteral("txtDatum")), QStringLiteral("01.02.2026"));
        ReportData report = f.window->reportData();
        QCOMPARE(report.txtFahrererfahrung, QString());
        QCOMPARE(report.txtA8Max, QString());

        f.get<QComboBox>(QStringLiteral("cboFahrererfahrung"))->setCurrentIndex(1);
        f.ownRow(1, QStringLiteral("0.5"), QStringLiteral("0.3"), QStringLiteral("0.2"), 8);
        f.ownRow(5, QStringLiteral("0.1"), QStringLiteral("0.6"), QStringLiteral("0.1"), 2);
        f.calculate();
        report = f.window->reportData();
        QCOMPARE((QStringList{report.txtDatum, report.txtFirma, report.txtFahrer, report.txtFahrererfahrung}),
                 (QStringList{"01.02.2026", "Tiefbau AG", "M. Huber", "angelernt"}));
        QCOMPARE((QStringList{report.txtA8X, report.txtA8Y, report.txtA8Z, report.txtPunkteGesX, report.txtPunkteGesY,
                              report.txtPunkteGesZ, report.txtDauerSum, report.txtA8Max, report.txtPktMax}),
                 (QStringList{f.result("txtA8X"), f.result("txtA8Y"), f.result("txtA8Z"), f.result("txtPunkteGesX"),
                              f.result("txtPunkteGesY"), f.result("txtPunkteGesZ"), f.result("txtDauerSum"),
                              f.result("txtA8Max"), f.result("txtPktMax")}));
        QCOMPARE(report.txtA8Max, QStringLiteral("0.50"));
        QCOMPARE(report.txtPktMax, QStringLiteral("101"));
        QVERIFY(report.rows[4].counted);
    }

    void detailsNotLoadedGiveEmptyTexts()
    {
        MainWindowFixture f;
        driver::find<QLineEdit>(f.window->details(), driver::rowName("txtBewegtesMaterial", 2))
            ->setText(QStringLiteral("Kies"));
        f.window->unloadDetails();
        QCOMPARE(detailsTexts(f.window->reportData().rows[1]), QStringList(5, QString()));
    }

    // clang-format off
    void buttonsOpenTheirDocument_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("document");
        QTest::newRow("print") << "btnDrucken" << "report";
        QTest::newRow("instructions") << "btnAnleitung" << "instructions";
    }
    // clang-format on
    void buttonsOpenTheirDocument()
    {
        QFETCH(QString, button);
        QFETCH(QString, document);
        MainWindowFixture f;
        ui::MsgBoxRecorder boxes;
        QTest::mouseClick(f.get<QPushButton>(button), Qt::LeftButton);  // nothing opens without an opener

        QStringList opened;
        f.window->setPrintOpener([&] { opened << "report"; });
        f.window->setInstructionsOpener([&] { opened << "instructions"; });
        QTest::mouseClick(f.get<QPushButton>(button), Qt::LeftButton);
        QCOMPARE(opened, QStringList{document});
        QVERIFY(boxes.calls.isEmpty());
    }

    void openerFailureIsReportedUnderTheButton_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("print") << "btnDrucken";
        QTest::newRow("instructions") << "btnAnleitung";
    }
    void openerFailureIsReportedUnderTheButton()
    {
        QFETCH(QString, button);
        MainWindowFixture f;
        auto failing = [] { base::raise(base::ErrFileNotFound); };
        f.window->setPrintOpener(failing);
        f.window->setInstructionsOpener(failing);
        ui::MsgBoxRecorder boxes;
        QTest::mouseClick(f.get<QPushButton>(button), Qt::LeftButton);
        support::expectRoutineError(boxes, button + QStringLiteral("_Click"), base::ErrFileNotFound);
    }
};

QTEST_MAIN(ReportTest)
#include "tst_report.moc"
