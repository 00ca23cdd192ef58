// The day totals without a window.
#include "../support/ReportedErrors.h"
#include "base/RuntimeError.h"
#include "calculation/DayTotals.h"

#include <QTest>
#include <cmath>
#include <limits>

using calculation::CountedRow;
using calculation::DayTotals;

Q_DECLARE_METATYPE(CountedRow)

namespace {

CountedRow counted(double x, double y, double z, double hours, qint16 px, qint16 py, qint16 pz)
{
    return CountedRow{{x, y, z}, {px, py, pz}, hours};
}

double a8Of(std::initializer_list<std::pair<double, double>> valuesAndHours)
{
    double sum = 0;
    for (const auto& [a, hours] : valuesAndHours)
        sum += a * a * hours;
    return std::sqrt(sum / 8);
}

}  // namespace

class DayTotalsTest : public QObject {
    Q_OBJECT

private slots:
    void totals_data()
    {
        QTest::addColumn<QList<CountedRow>>("rows");
        QTest::addColumn<int>("count");
        QTest::addColumn<double>("hours");
        QTest::addColumn<QList<int>>("points");  // X, Y, Z, maximum
        QTest::addColumn<QList<double>>("a8");   // X, Y, Z, maximum

        QTest::newRow("one row, X largest") << QList<CountedRow>{counted(0.5, 0.3, 0.2, 8, 100, 36, 16)} << 1 << 8.0
                                            << QList<int>{100, 36, 16, 100} << QList<double>{0.5, 0.3, 0.2, 0.5};
        QTest::newRow("Y largest") << QList<CountedRow>{counted(0.2, 0.6, 0.3, 8, 16, 144, 36)} << 1 << 8.0
                                   << QList<int>{16, 144, 36, 144} << QList<double>{0.2, 0.6, 0.3, 0.6};
        QTest::newRow("Z largest") << QList<CountedRow>{counted(0.2, 0.3, 0.7, 8, 16, 36, 196)} << 1 << 8.0
                                   << QList<int>{16, 36, 196, 196} << QList<double>{0.2, 0.3, 0.7, 0.7};
        const double x = a8Of({{0.3, 4}, {0.6, 4}});
        const double z = a8Of({{0.1, 4}, {0.9, 3}});
        QTest::newRow("two rows, Z largest only in sum")
            << QList<CountedRow>{counted(0.3, 0, 0.1, 4, 18, 0, 2), counted(0.6, 0, 0.9, 3, 54, 0, 122)} << 2 << 7.0
            << QList<int>{72, 0, 124, 124} << QList<double>{a8Of({{0.3, 4}, {0.6, 3}}), 0, z, z};
        QTest::newRow("same axis in two rows")
            << QList<CountedRow>{counted(0.3, 0, 0, 4, 18, 0, 0), counted(0.6, 0, 0, 4, 72, 0, 0)} << 2 << 8.0
            << QList<int>{90, 0, 0, 90} << QList<double>{x, 0, 0, x};
        QTest::newRow("no counted row") << QList<CountedRow>{} << 0 << 0.0 << QList<int>{0, 0, 0, 0}
                                        << QList<double>{0, 0, 0, 0};
        QTest::newRow("largest point total that fits")
            << QList<CountedRow>{counted(9, 0, 0, 8, 32400, 0, 0), counted(0.5, 0, 0, 1, 367, 0, 0)} << 2 << 9.0
            << QList<int>{32767, 0, 0, 32767}
            << QList<double>{a8Of({{9, 8}, {0.5, 1}}), 0, 0, a8Of({{9, 8}, {0.5, 1}})};
    }
    void totals()
    {
        QFETCH(QList<CountedRow>, rows);
        QFETCH(int, count);
        QFETCH(double, hours);
        QFETCH(QList<int>, points);
        QFETCH(QList<double>, a8);
        support::ErrorReports errors;
        const DayTotals day = calculation::dayTotals(std::span<const CountedRow>(rows.constData(), rows.size()));
        QCOMPARE(int(day.AnzSum), count);
        QCOMPARE(day.DauerSum, hours);
        QCOMPARE((QList<int>{day.PunkteGes[0], day.PunkteGes[1], day.PunkteGes[2], day.PktMax}), points);
        const QList<double> shown{day.A8[0], day.A8[1], day.A8[2], day.A8Max};
        for (int i = 0; i < 4; ++i)
            QVERIFY2(std::fabs(shown[i] - a8[i]) < 1e-12,
                     qPrintable(QStringLiteral("A(8) %1: %2").arg(i).arg(shown[i])));
        QVERIFY(errors.calls.isEmpty());
    }

    void overflowRaisesSix_data()
    {
        QTest::addColumn<QList<CountedRow>>("rows");
        QTest::newRow("point total past 32767")
            << QList<CountedRow>{counted(9, 0, 0, 8, 32400, 0, 0), counted(0.5, 0, 0, 1, 368, 0, 0)};
        QTest::newRow("point total below -32768")
            << QList<CountedRow>{counted(0, 0, 0, 8, 0, 0, -32768), counted(0, 0, 0, 8, 0, 0, -1)};
        QTest::newRow("square beyond double") << QList<CountedRow>{counted(0, 1e200, 0, 8, 0, 0, 0)};
        QTest::newRow("hours beyond double")
            << QList<CountedRow>{counted(0, 0, 0, std::numeric_limits<double>::max(), 0, 0, 0),
                                 counted(0, 0, 0, std::numeric_limits<double>::max(), 0, 0, 0)};
    }
    void overflowRaisesSix()
    {
        QFETCH(QList<CountedRow>, rows);
        const int error = support::errorNumber(
            [&] { calculation::dayTotals(std::span<const CountedRow>(rows.constData(), rows.size())); });
        QCOMPARE(error, int(base::ErrOverflow));
    }
};

QTEST_GUILESS_MAIN(DayTotalsTest)
#include "tst_daytotals.moc"
