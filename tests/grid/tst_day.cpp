// Completeness check, row and day calculation, and the resets, on the real main window.
#include "MainWindowFixture.h"

#include "base/RuntimeError.h"
#include "details/frmDetails.h"
#include "ui/MsgBox.h"

#include <QApplication>

class DayTest : public QObject {
    Q_OBJECT

private slots:
    void oneCompleteRow_data()
    {
        QTest::addColumn<bool>("german");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("english") << false
                                 << QStringList{"1", "8", "100", "36", "16", "100", "0.50", "0.30", "0.20", "0.50"};
        QTest::newRow("german") << true
                                << QStringList{"1", "8", "100", "36", "16", "100", "0,50", "0,30", "0,20", "0,50"};
    }
    void oneCompleteRow()
    {
        QFETCH(bool, german);
        QFETCH(QStringList, expected);
        MainWindowFixture f(german ? base::Regional::german() : base::Regional::english());
        const QChar sep = german ? QLatin1Char(',') : QLatin1Char('.');
        auto value = [sep](QString text) { return text.replace(QLatin1Char('.'), sep); };
        f.ownRow(1, value(QStringLiteral("0.5")), value(QStringLiteral("0.3")), value(QStringLiteral("0.2")), 8);
        f.calculate();
        QCOMPARE(f.results(), expected);
        QCOMPARE(f.status(1), QStringLiteral("\u2611"));
        const RowResult& r = f.seam().workingFields(1);
        QVERIFY(r.counted);
        QCOMPARE(r.Messwert[AxisY], 0.3);
        QCOMPARE(r.hours, 8);
        QCOMPARE(r.Punkte[AxisZ], std::optional<qint16>(16));
    }

    void twoRowsOnOneAxis()
    {
        MainWindowFixture f;
        f.ownRow(1, QStringLiteral("0.3"), QStringLiteral("0"), QStringLiteral("0"), 4);
        f.ownRow(2, QStringLiteral("0.6"), QStringLiteral("0"), QStringLiteral("0"), 4);
        f.calculate();
        QCOMPARE(f.field("PunkteX_E", 1)->text(), QStringLiteral("18"));
        QCOMPARE(f.field("PunkteX_E", 2)->text(), QStringLiteral("72"));
        QCOMPARE(f.result("txtPunkteGesX"), QStringLiteral("90"));
        QCOMPARE(f.result("txtA8X"), QStringLiteral("0.47"));
        QCOMPARE(f.result("txtA8Y"), QStringLiteral("0.00"));
        QCOMPARE(f.result("txtA8Max"), QStringLiteral("0.47"));
    }

    // clang-format off
    void whichRowsCount_data()
    {
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("hours");
        QTest::newRow("rows 2 and 4") << QList<int>{2, 4} << "2" << "16";
        QTest::newRow("five rows of 8 h") << QList<int>{1, 2, 3, 4, 5} << "5" << "40";
    }
    // clang-format on
    void whichRowsCount()
    {
        QFETCH(QList<int>, rows);
        QFETCH(QString, count);
        QFETCH(QString, hours);
        MainWindowFixture f;
        for (int row : rows)
            f.ownRow(row, QStringLiteral("0.1"), QStringLiteral("0.1"), QStringLiteral("0.1"), 8);
        f.calculate();
        QCOMPARE(f.result("txtAnzSum"), count);
        QCOMPARE(f.result("txtDauerSum"), hours);
        for (int row = 1; row <= 5; ++row)
            QCOMPARE(f.seam().workingFields(row).counted, rows.contains(row));
    }

    void noCompleteRowEmptiesTheResult()
    {
        MainWindowFixture f;
        f.ownRow(1, QStringLiteral("0.5"), QStringLiteral("0.5"), QStringLiteral("0.5"), 8);
        f.calculate();
        QVERIFY(!f.result("txtAnzSum").isEmpty());
        // A calculated value stays in the working fields only until the row stops being complete.
        driver::type(f.field("MesswertX_E", 1), QString());
        f.calculate();
        QCOMPARE(f.results(), QStringList(10, QString()));
        QCOMPARE(f.status(1), QStringLiteral("\u2610"));
        QCOMPARE(f.seam().workingFields(1).Messwert[AxisY], 0.0);
        QVERIFY(!f.seam().workingFields(1).counted);
    }

    void completenessVerdicts()
    {
        MainWindowFixture f;
        // Catalogue row without a duration.
        f.chooseMode("G", 1);
        driver::choose(f.list("MaschinenFamilie_G", 1), 1);
        driver::choose(f.list("MaschinenTyp_G", 1), 1);
        driver::choose(f.list("Arbeitszyklus_G", 1), 1);
        driver::choose(f.list("Betriebsbedingung_G", 1), 1);
        // Own values without a duration.
        f.chooseMode("E", 2);
        driver::type(f.field("MesswertX_E", 2), QStringLiteral("1"));
        driver::type(f.field("MesswertY_E", 2), QStringLiteral("1"));
        driver::type(f.field("MesswertZ_E", 2), QStringLiteral("1"));
        // Own values all zero.
        f.ownRow(3, QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), 5);
        f.calculate();

        QCOMPARE(f.status(1), QStringLiteral("\u2610"));
        // Greyed by its colour, so that the keyboard still reaches it.
        QCOMPARE(f.get("lblStatus", 1)->palette().color(QPalette::WindowText),
                 QApplication::palette().color(QPalette::Disabled, QPalette::WindowText));
        QVERIFY(f.field("MesswertX_G", 1)->text().isEmpty());
        QCOMPARE(f.seam().workingFields(1).Messwert[AxisX], 0.0);
        QCOMPARE(f.status(2), QStringLiteral("\u2610"));
        QCOMPARE(f.status(3), QStringLiteral("\u2611"));
        QCOMPARE(f.field("PunkteX_E", 3)->text(), QStringLiteral("0"));
        QCOMPARE(f.status(4), QString());
        QCOMPARE(f.result("txtAnzSum"), QStringLiteral("1"));
        QCOMPARE(f.result("txtA8X"), QStringLiteral("0.00"));

        driver::choose(f.list("Einwirkungsdauer_G", 1), 8);
        f.calculate();
        QCOMPARE(f.status(1), QStringLiteral("\u2611"));
        QCOMPARE(f.field("MesswertX_G", 1)->text(), QStringLiteral("0.30"));
        QCOMPARE(f.field("MesswertY_G", 1)->text(), QStringLiteral("0.31"));
        QCOMPARE(f.seam().workingFields(1).Messwert[AxisX], 0.3);
        QCOMPARE(f.seam().workingFields(1).hours, 8);
        QCOMPARE(f.field("PunkteX_G", 1)->text(), QStringLiteral("36"));
    }

    void rowButtonCalculatesOnlyThatRow()
    {
        MainWindowFixture f;
        f.ownRow(1, QStringLiteral("0.5"), QStringLiteral("0"), QStringLiteral("0"), 8);
        f.ownRow(2, QStringLiteral("0.5"), QStringLiteral("0"), QStringLiteral("0"), 8);
        f.calculate();
        f.seam().workingFields(2).counted = false;
        QTest::mouseClick(f.get<QPushButton>("btnBerechnenZeile", 2), Qt::LeftButton);
        QCOMPARE(f.results(), QStringList(10, QString()));
        QVERIFY(f.seam().workingFields(2).counted);
        QVERIFY(f.seam().workingFields(1).counted);
        QCOMPARE(f.field("PunkteX_E", 2)->text(), QStringLiteral("100"));
    }

    void pointsOverflowShowsAndEmptiesThenTheDayFails()
    {
        MainWindowFixture f;
        f.chooseMode("E", 1);
        ui::MsgBoxRecorder boxes;
        f.seam().subBerechnePunkte(1, QStringLiteral("E"), 10, 0.5, 0, 8);
        support::expectRoutineError(boxes, QStringLiteral("fktPunkteFormel"), base::ErrOverflow);
        QVERIFY(f.field("PunkteX_E", 1)->text().isEmpty());
        QCOMPARE(f.field("PunkteY_E", 1)->text(), QStringLiteral("100"));
        QVERIFY(!f.seam().workingFields(1).Punkte[AxisX]);

        RowResult& r = f.seam().workingFields(1);
        r.counted = true;
        r.Messwert = {10, 0.5, 0};
        r.hours = 8;
        boxes.clear();
        f.seam().subErmittleSummen();
        support::expectRoutineError(boxes, QStringLiteral("subErmittleSummen"), base::ErrTypeMismatch);
        QCOMPARE(f.results(), QStringList(10, QString()));
    }

    void pointSumBeyond16BitsFailsWithoutPartialResult()
    {
        MainWindowFixture f;
        for (int row = 1; row <= 5; ++row)
            f.ownRow(row, QStringLiteral("9"), QStringLiteral("0.5"), QStringLiteral("0.5"), 8);
        ui::MsgBoxRecorder boxes;
        f.calculate();
        QCOMPARE(f.field("PunkteX_E", 5)->text(), QStringLiteral("32400"));
        support::expectRoutineError(boxes, QStringLiteral("subErmittleSummen"), base::ErrOverflow);
        QCOMPARE(f.results(), QStringList(10, QString()));
    }

    void rowResetRecalculatesFromTheOtherRows()
    {
        MainWindowFixture f;
        f.ownRow(1, QStringLiteral("0.5"), QStringLiteral("0.3"), QStringLiteral("0.2"), 8);
        f.catalogueRow(2, 2, 5, 12, 3, 4);
        f.calculate();
        QCOMPARE(f.result("txtAnzSum"), QStringLiteral("2"));
        driver::find<QLineEdit>(f.window->details(), driver::rowName("txtBewegtesMaterial", 2))
            ->setText(QStringLiteral("Kies"));
        driver::find<QLineEdit>(f.window->details(), driver::rowName("txtBewegtesMaterial", 1))
            ->setText(QStringLiteral("Sand"));

        QTest::mouseClick(f.get<QPushButton>("btnResetZeile", 2), Qt::LeftButton);
        QCOMPARE(f.results(), (QStringList{"1", "8", "100", "36", "16", "100", "0.50", "0.30", "0.20", "0.50"}));
        QVERIFY(!f.window->rowInUse(2));
        QVERIFY(!f.get("btnResetZeile", 2)->isEnabled());
        QCOMPARE(f.list("MaschinenFamilie_G", 2)->count(), 0);
        QCOMPARE(f.field("PunkteX_E", 1)->text(), QStringLiteral("100"));
        QVERIFY(
            driver::find<QLineEdit>(f.window->details(), driver::rowName("txtBewegtesMaterial", 2))->text().isEmpty());
        QCOMPARE(driver::find<QLineEdit>(f.window->details(), driver::rowName("txtBewegtesMaterial", 1))->text(),
                 QStringLiteral("Sand"));

        QTest::mouseClick(f.get<QPushButton>("btnResetZeile", 1), Qt::LeftButton);
        QCOMPARE(f.results(), QStringList(10, QString()));
    }

    void formResetKeepsTheHeader()
    {
        MainWindowFixture f;
        driver::type(f.get<QLineEdit>(QStringLiteral("txtFirma")), QStringLiteral("Tiefbau AG"));
        driver::type(f.get<QLineEdit>(QStringLiteral("txtFahrer")), QStringLiteral("M. Huber"));
        driver::type(f.get<QLineEdit>(QStringLiteral("txtDatum")), QStringLiteral("01.02.2026"));
        f.get<QComboBox>(QStringLiteral("cboFahrererfahrung"))->setCurrentIndex(2);
        for (int row = 1; row <= 5; ++row)
            f.ownRow(row, QStringLiteral("0.4"), QStringLiteral("0.4"), QStringLiteral("0.4"), 2);
        driver::find<QLineEdit>(f.window->details(), driver::rowName("txtBewegtesMaterial", 4))
            ->setText(QStringLiteral("Kies"));
        f.calculate();

        QTest::mouseClick(f.get<QPushButton>(QStringLiteral("btnReset")), Qt::LeftButton);
        for (int row = 1; row <= 5; ++row) {
            QVERIFY(!f.window->rowInUse(row));
            QVERIFY(!f.option("E", row)->isChecked());
            QVERIFY(f.field("MesswertX_E", row)->text().isEmpty());
            QVERIFY(!f.get("btnBerechnenZeile", row)->isEnabled());
            QCOMPARE(f.status(row), QString());
            QVERIFY(!f.seam().workingFields(row).counted);
            QVERIFY(driver::find<QLineEdit>(f.window->details(), driver::rowName("txtBewegtesMaterial", row))
                        ->text()
                        .isEmpty());
        }
        QCOMPARE(f.results(), QStringList(10, QString()));
        QCOMPARE(f.get<QLineEdit>(QStringLiteral("txtFirma"))->text(), QStringLiteral("Tiefbau AG"));
        QCOMPARE(f.get<QLineEdit>(QStringLiteral("txtFahrer"))->text(), QStringLiteral("M. Huber"));
        QCOMPARE(f.get<QLineEdit>(QStringLiteral("txtDatum"))->text(), QStringLiteral("01.02.2026"));
        QCOMPARE(f.get<QComboBox>(QStringLiteral("cboFahrererfahrung"))->currentText(), QStringLiteral("erfahren"));
    }
};

QTEST_MAIN(DayTest)
#include "tst_day.moc"
