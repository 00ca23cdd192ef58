#include "ui/Regional.h"
#include "ui/RuntimeError.h"

#include <QTest>

using ui::Regional;

namespace {

Regional settingsFor(const QString& name)
{
    return name == QLatin1String("de") ? Regional::german() : Regional::english();
}

}  // namespace

class RegionalTest : public QObject {
    Q_OBJECT

private slots:
    void numericTest_data()
    {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        QTest::newRow("de digits") << "de" << "9" << true;
        QTest::newRow("de comma") << "de" << "2,5" << true;
        QTest::newRow("de point refused") << "de" << "2.5" << false;
        QTest::newRow("en point") << "en" << "2.5" << true;
        QTest::newRow("en comma refused") << "en" << "2,5" << false;
        QTest::newRow("minus zero") << "de" << "-0" << true;
        QTest::newRow("plus sign") << "en" << "+3" << true;
        QTest::newRow("blanks around") << "en" << "  7  " << true;
        QTest::newRow("only blanks") << "en" << "   " << false;
        QTest::newRow("empty") << "en" << "" << false;
        QTest::newRow("letters") << "en" << "abc" << false;
        QTest::newRow("two separators") << "en" << "1.2.3" << false;
        QTest::newRow("sign only") << "en" << "-" << false;
        QTest::newRow("separator only") << "en" << "." << false;
        QTest::newRow("sign inside") << "en" << "1-2" << false;
        QTest::newRow("exponent refused") << "en" << "1e3" << false;
        QTest::newRow("thousands refused") << "en" << "1,000" << false;
    }
    void numericTest()
    {
        QFETCH(QString, settings);
        QFETCH(QString, text);
        QFETCH(bool, numeric);
        QCOMPARE(settingsFor(settings).isNumeric(text), numeric);
    }

    void toDoubleReadsRegionalText()
    {
        QCOMPARE(Regional::german().toDouble(QStringLiteral("2,5")), 2.5);
        QCOMPARE(Regional::english().toDouble(QStringLiteral(" -0.35 ")), -0.35);
        try {
            Regional::german().toDouble(QStringLiteral("2.5"));
            QFAIL("no type mismatch");
        } catch (const ui::RuntimeError& e) {
            QCOMPARE(e.number(), 13);
        }
    }

    void numberText_data()
    {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("general");
        QTest::addColumn<QString>("fixed");
        QTest::newRow("de 0.35") << "de" << 0.35 << "0,35" << "0,35";
        QTest::newRow("de 8") << "de" << 8.0 << "8" << "8,00";
        QTest::newRow("de 0.5") << "de" << 0.5 << "0,5" << "0,50";
        QTest::newRow("en 0.3") << "en" << 0.3 << "0.3" << "0.30";
        QTest::newRow("en zero") << "en" << 0.0 << "0" << "0.00";
        QTest::newRow("en 0.125 half up") << "en" << 0.125 << "0.125" << "0.13";
        QTest::newRow("en 0.475 decimal half up") << "en" << 0.475 << "0.475" << "0.48";
        QTest::newRow("en negative half away") << "en" << -0.125 << "-0.125" << "-0.13";
        QTest::newRow("en sqrt 0.225") << "en" << 0.474341649025257 << "0.474341649025257" << "0.47";
        QTest::newRow("en 15 digits") << "en" << 0.1 + 0.2 << "0.3" << "0.30";
        QTest::newRow("en large") << "en" << 1234.5 << "1234.5" << "1234.50";
        QTest::newRow("en 0.995 carries") << "en" << 0.995 << "0.995" << "1.00";
    }
    void numberText()
    {
        QFETCH(QString, settings);
        QFETCH(double, value);
        QFETCH(QString, general);
        QFETCH(QString, fixed);
        const Regional r = settingsFor(settings);
        QCOMPARE(r.generalNumber(value), general);
        QCOMPARE(r.fixed2(value), fixed);
    }

    void toInt16_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("expected");  // -1000000 = overflow
        QTest::newRow("12.5 to even") << 12.5 << 12;
        QTest::newRow("37.5 to even") << 37.5 << 38;
        QTest::newRow("62.5 to even") << 62.5 << 62;
        QTest::newRow("-2.5 to even") << -2.5 << -2;
        QTest::newRow("2.6") << 2.6 << 3;
        QTest::newRow("max") << 32767.0 << 32767;
        QTest::newRow("min") << -32768.0 << -32768;
        QTest::newRow("rounds to max") << 32767.4 << 32767;
        QTest::newRow("rounds past max") << 32767.5 << -1000000;
        QTest::newRow("40000") << 40000.0 << -1000000;
        QTest::newRow("below min") << -32769.0 << -1000000;
        QTest::newRow("nan") << std::nan("") << -1000000;
    }
    void toInt16()
    {
        QFETCH(double, value);
        QFETCH(int, expected);
        try {
            const int got = ui::toInt16(value);
            QCOMPARE(got, expected);
        } catch (const ui::RuntimeError& e) {
            QCOMPARE(expected, -1000000);
            QCOMPARE(e.number(), 6);
            QCOMPARE(e.description(), QStringLiteral("Overflow"));
        }
    }

    void toByteRange()
    {
        QCOMPARE(int(ui::toByte(255.4)), 255);
        QVERIFY_THROWS_EXCEPTION(ui::RuntimeError, ui::toByte(-1));
        QVERIFY_THROWS_EXCEPTION(ui::RuntimeError, ui::toByte(256));
    }
};

QTEST_GUILESS_MAIN(RegionalTest)
#include "tst_regional.moc"
