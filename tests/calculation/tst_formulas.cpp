#include "../support/ReportedErrors.h"
#include "base/Regional.h"
#include "base/RuntimeError.h"
#include "calculation/Formulas.h"

#include <QTest>
#include <cmath>
#include <limits>

class FormulasTest : public QObject {
    Q_OBJECT

private slots:
    void points_data()
    {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("hours");
        QTest::addColumn<int>("expected");

        QTest::newRow("0.5 for 8 h is the reference") << 0.5 << 8.0 << 100;
        QTest::newRow("12.5 rounds down to even") << 0.5 << 1.0 << 12;
        QTest::newRow("37.5 rounds up to even") << 0.5 << 3.0 << 38;
        QTest::newRow("62.5 rounds down to even") << 0.5 << 5.0 << 62;
        for (int h = 1; h <= 8; ++h)
            QTest::addRow("zero for %d h", h) << 0.0 << double(h) << 0;
        QTest::newRow("0.3 for 4 h") << 0.3 << 4.0 << 18;
        QTest::newRow("0.6 for 4 h") << 0.6 << 4.0 << 72;
        QTest::newRow("1.84 for 8 h") << 1.84 << 8.0 << 1354;
        QTest::newRow("largest that fits") << 0.5 << 2621.36 << 32767;
    }

    void points()
    {
        QFETCH(double, a);
        QFETCH(double, hours);
        QFETCH(int, expected);
        support::ErrorReports errors;
        const std::optional<qint16> p = calculation::fktPunkteFormel(a, hours);
        QVERIFY(p.has_value());
        QCOMPARE(int(*p), expected);
        QVERIFY(errors.calls.isEmpty());
    }

    void pointsOverflowShowsOneMessage_data()
    {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("hours");

        QTest::newRow("10 for 8 h gives 40000") << 10.0 << 8.0;
        QTest::newRow("first value past 32767") << 0.5 << 2621.44;
        QTest::newRow("below -32768") << 0.5 << -2621.52;
        QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << 1.0;
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 1.0;
    }

    void pointsOverflowShowsOneMessage()
    {
        QFETCH(double, a);
        QFETCH(double, hours);
        support::ErrorReports errors;
        QVERIFY(!calculation::fktPunkteFormel(a, hours).has_value());
        support::expectRoutineError(errors, QStringLiteral("fktPunkteFormel"), base::ErrOverflow);
    }

    // clang-format off
    void dailyExposure_data()
    {
        QTest::addColumn<double>("sum");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("german");

        QTest::newRow("0.3 and 0.6 for 4 h each")
            << std::pow(0.3, 2) * 4 + std::pow(0.6, 2) * 4 << "0.47" << "0,47";
        QTest::newRow("0.5 for 8 h") << std::pow(0.5, 2) * 8 << "0.50" << "0,50";
        QTest::newRow("all rows zero") << 0.0 << "0.00" << "0,00";
        QTest::newRow("1.84 for 8 h") << std::pow(1.84, 2) * 8 << "1.84" << "1,84";
    }
    // clang-format on

    void dailyExposure()
    {
        QFETCH(double, sum);
        QFETCH(QString, english);
        QFETCH(QString, german);
        const double a = calculation::a8(sum);
        QCOMPARE(base::Regional::english().fixed2(a), english);
        QCOMPARE(base::Regional::german().fixed2(a), german);
    }

    void dailyExposureOfBrokenSumRaisesOverflow_data()
    {
        QTest::addColumn<double>("sum");

        QTest::newRow("overflowing sum") << std::numeric_limits<double>::max() * 2;
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("negative") << -1.0;
    }

    void dailyExposureOfBrokenSumRaisesOverflow()
    {
        QFETCH(double, sum);
        support::ErrorReports errors;
        QCOMPARE(support::errorNumber(calculation::a8, sum), int(base::ErrOverflow));
        // The caller's guard reports it, not a8 itself.
        QVERIFY(errors.calls.isEmpty());
    }

    void maximum_data()
    {
        QTest::addColumn<double>("first");
        QTest::addColumn<double>("second");
        QTest::addColumn<double>("third");
        QTest::addColumn<double>("expected");

        QTest::newRow("first two equal") << 5.0 << 5.0 << 3.0 << 5.0;
        QTest::newRow("all equal") << 90.0 << 90.0 << 90.0 << 90.0;
        QTest::newRow("largest first") << 0.47 << 0.2 << 0.3 << 0.47;
        QTest::newRow("largest second") << 0.2 << 0.47 << 0.3 << 0.47;
        QTest::newRow("largest third") << 0.2 << 0.3 << 0.47 << 0.47;
        QTest::newRow("third beats second") << 1.0 << 2.0 << 3.0 << 3.0;
        QTest::newRow("all negative") << -3.0 << -1.0 << -2.0 << -1.0;
    }

    void maximum()
    {
        QFETCH(double, first);
        QFETCH(double, second);
        QFETCH(double, third);
        QFETCH(double, expected);
        QCOMPARE(calculation::fktMaxZahl(first, second, third), expected);
    }

    void maximumKeepsTheEarlierOfEqualValues()
    {
        // -0.0 and 0.0 compare equal; the sign shows which argument was kept.
        QVERIFY(std::signbit(calculation::fktMaxZahl(-0.0, 0.0, 0.0)));
        QVERIFY(!std::signbit(calculation::fktMaxZahl(0.0, -0.0, -0.0)));
    }
};

QTEST_GUILESS_MAIN(FormulasTest)
#include "tst_formulas.moc"
