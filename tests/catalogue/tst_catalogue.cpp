#include "../support/ReportedErrors.h"
#include "base/RuntimeError.h"
#include "catalogue/Catalogue.h"

#include <QTest>
#include <algorithm>
#include <array>

using catalogue::fktSchwingungswertOK;

namespace {

struct Values {
    bool ok;
    double x, y, z;
};

Values lookup(int workCycle, int condition)
{
    Values v{false, -1.0, -1.0, -1.0};
    v.ok = fktSchwingungswertOK(quint8(workCycle), quint8(condition), v.x, v.y, v.z);
    return v;
}

}  // namespace

class CatalogueTest : public QObject {
    Q_OBJECT

private slots:
    void lookup_data()
    {
        QTest::addColumn<int>("workCycle");
        QTest::addColumn<int>("condition");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<double>("z");

        QTest::newRow("first pair") << 1 << 1 << true << 0.30 << 0.31 << 0.29;
        QTest::newRow("last pair") << 43 << 3 << true << 1.01 << 0.68 << 0.81;
        QTest::newRow("V-Betrieb hart") << 25 << 3 << true << 1.51 << 1.84 << 1.14;
        QTest::newRow("smallest value") << 10 << 1 << true << 0.01 << 0.05 << 0.02;
        QTest::newRow("middle row, norm.") << 28 << 2 << true << 1.27 << 0.97 << 0.81;
        QTest::newRow("work cycle 44") << 44 << 1 << false << 0.0 << 0.0 << 0.0;
        QTest::newRow("work cycle 0") << 0 << 2 << false << 0.0 << 0.0 << 0.0;
        QTest::newRow("condition 0") << 5 << 0 << false << 0.0 << 0.0 << 0.0;
        QTest::newRow("condition 4") << 5 << 4 << false << 0.0 << 0.0 << 0.0;
        QTest::newRow("both 255") << 255 << 255 << false << 0.0 << 0.0 << 0.0;
    }

    void lookup()
    {
        QFETCH(int, workCycle);
        QFETCH(int, condition);
        QFETCH(bool, ok);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(double, z);
        support::ErrorReports errors;
        const Values v = ::lookup(workCycle, condition);
        QCOMPARE(v.ok, ok);
        QCOMPARE(v.x, x);
        QCOMPARE(v.y, y);
        QCOMPARE(v.z, z);
        QVERIFY(errors.calls.isEmpty());
    }

    void tableExtremes()
    {
        double largest = 0.0;
        double smallest = 100.0;
        int largestCount = 0;
        int smallestCount = 0;
        for (int wc = 1; wc <= catalogue::kWorkCycles; ++wc) {
            for (int c = 1; c <= catalogue::kConditions; ++c) {
                const Values v = ::lookup(wc, c);
                QVERIFY(v.ok);
                for (double value : {v.x, v.y, v.z}) {
                    largestCount = value > largest ? 1 : largestCount + (value == largest);
                    smallestCount = value < smallest ? 1 : smallestCount + (value == smallest);
                    largest = std::max(largest, value);
                    smallest = std::min(smallest, value);
                }
            }
        }
        QCOMPARE(largest, 1.84);
        QCOMPARE(largestCount, 1);
        QCOMPARE(smallest, 0.01);
        QCOMPARE(smallestCount, 1);
    }

    void pipelayerAndScraperAreIdentical()
    {
        for (int c = 1; c <= catalogue::kConditions; ++c) {
            const Values a = ::lookup(37, c);
            const Values b = ::lookup(41, c);
            QVERIFY(a.ok && b.ok);
            QCOMPARE(a.x, b.x);
            QCOMPARE(a.y, b.y);
            QCOMPARE(a.z, b.z);
        }
    }

    void harderConditionsNeverLower()
    {
        for (int wc = 1; wc <= catalogue::kWorkCycles; ++wc) {
            const Values l = ::lookup(wc, 1);
            const Values n = ::lookup(wc, 2);
            const Values h = ::lookup(wc, 3);
            const std::array<std::array<double, 3>, 3> axes{{{l.x, n.x, h.x}, {l.y, n.y, h.y}, {l.z, n.z, h.z}}};
            for (int axis = 0; axis < 3; ++axis) {
                const auto& v = axes[axis];
                QVERIFY2(v[0] <= v[1] && v[1] <= v[2],
                         qPrintable(QStringLiteral("work cycle %1 axis %2").arg(wc).arg(axis)));
            }
        }
    }

    void everyCodeBelongsToExactlyOneParent()
    {
        QList<int> typeSeen(catalogue::kTypes + 1, 0);
        QList<int> cycleSeen(catalogue::kWorkCycles + 1, 0);
        for (int family = 0; family <= catalogue::kFamilies + 1; ++family)
            for (int type : catalogue::typesOfFamily(family)) {
                QVERIFY(type >= 1 && type <= catalogue::kTypes);
                ++typeSeen[type];
            }
        for (int type = 0; type <= catalogue::kTypes + 1; ++type)
            for (int cycle : catalogue::workCyclesOfType(type)) {
                QVERIFY(cycle >= 1 && cycle <= catalogue::kWorkCycles);
                ++cycleSeen[cycle];
            }
        QCOMPARE(typeSeen.mid(1), QList<int>(catalogue::kTypes, 1));
        QCOMPARE(cycleSeen.mid(1), QList<int>(catalogue::kWorkCycles, 1));
    }

    void codesOutsideTheirRange()
    {
        QVERIFY(catalogue::typesOfFamily(0).isEmpty());
        QVERIFY(catalogue::typesOfFamily(11).isEmpty());
        QVERIFY(catalogue::workCyclesOfType(0).isEmpty());
        QVERIFY(catalogue::workCyclesOfType(21).isEmpty());
        QCOMPARE(support::errorNumber(catalogue::familyTextEntry, 11), int(base::ErrSubscript));
        QCOMPARE(support::errorNumber(catalogue::typeTextEntry, 0), int(base::ErrSubscript));
        QCOMPARE(support::errorNumber(catalogue::workCycleTextEntry, 44), int(base::ErrSubscript));
        QCOMPARE(support::errorNumber(catalogue::conditionTextEntry, 4), int(base::ErrSubscript));
    }
};

QTEST_GUILESS_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
