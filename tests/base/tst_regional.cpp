#include "../support/ReportedErrors.h"
#include "base/Regional.h"
#include "base/RuntimeError.h"

#include <QTest>

#include <limits>

using base::Regional;

namespace {

Regional settingsFor(const QString& name)
{
    return name == QLatin1String("de") ? Regional::german() : Regional::english();
}

}  // namespace

class RegionalTest : public QObject {
    Q_OBJECT

private slots:
    // clang-format off
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
    // clang-format on
    void numericTest()
    {
        QFETCH(QString, settings);
        QFETCH(QString, text);
        QFETCH(bool, numeric);
        QCOMPARE(settingsFor(settings).isNumeric(text), numeric);
    }

    // clang-format off
    void toDouble_data()
    {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("error");  // 0 = no error
        QTest::newRow("de comma") << "de" << "2,5" << 2.5 << 0;
        QTest::newRow("en blanks and sign") << "en" << " -0.35 " << -0.35 << 0;
        QTest::newRow("de point is a type mismatch") << "de" << "2.5" << 0.0 << 13;
        QTest::newRow("plus sign") << "en" << "+3" << 3.0 << 0;
        QTest::newRow("separator last") << "en" << "5." << 5.0 << 0;
        QTest::newRow("separator first") << "de" << ",5" << 0.5 << 0;
        QTest::newRow("309 whole digits") << "en" << "1" + QString(308, '0') << 1e308 << 0;
        QTest::newRow("310 whole digits overflow") << "en" << "1" + QString(309, '0') << 0.0 << 6;
        QTest::newRow("negative overflow") << "de" << "-9" + QString(320, '9') + ",5" << 0.0 << 6;
        QTest::newRow("just above the largest double")
            << "en" << "179769313486232" + QString(294, '0') << 0.0 << 6;
        QTest::newRow("largest double") << "en" << "17976931348623157" + QString(292, '0')
                                        << std::numeric_limits<double>::max() << 0;
        QTest::newRow("leading zeros") << "en" << QString(400, '0') + "1.5" << 1.5 << 0;
        QTest::newRow("fraction below the double range is zero") << "en" << "0." + QString(400, '0') + "1" << 0.0 << 0;
        QTest::newRow("smallest denormal") << "de" << "0," + QString(323, '0') + "5" << 5e-324 << 0;
    }
    // clang-format on
    void toDouble()
    {
        QFETCH(QString, settings);
        QFETCH(QString, text);
        QFETCH(double, value);
        QFETCH(int, error);
        double got = 0;
        QCOMPARE(support::errorNumber([&] { got = settingsFor(settings).toDouble(text); }), error);
        if (error == 0)
            QCOMPARE(got, value);
    }

    // clang-format off
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
        QTest::newRow("en 2.675 half up as written") << "en" << 2.675 << "2.675" << "2.68";
        QTest::newRow("en 99.995 carries into the whole part") << "en" << 99.995 << "99.995" << "100.00";
        QTest::newRow("en small negative has no minus") << "en" << -0.001 << "-0.001" << "0.00";
        QTest::newRow("en 13 digits rounds once") << "en" << 944444444444.44446 << "944444444444.444"
                                                  << "944444444444.44";
        QTest::newRow("en 13 digits, third decimal 4") << "en" << 383317708191.9845 << "383317708191.984"
                                                       << "383317708191.98";
        QTest::newRow("de 17 digits") << "de" << -36035448779742104.0 << "-36035448779742100"
                                      << "-36035448779742104,00";
        QTest::newRow("en 1E-05 written out") << "en" << 1e-5 << "0.00001" << "0.00";
        QTest::newRow("de 1E+15 written out") << "de" << 1e15 << "1000000000000000" << "1000000000000000,00";
        QTest::newRow("de 1E-20 written out") << "de" << -1.25e-20 << "-0,0000000000000000000125" << "0,00";
        QTest::newRow("en largest double") << "en" << std::numeric_limits<double>::max()
                                           << "179769313486232" + QString(294, '0')
                                           << "17976931348623157" + QString(292, '0') + ".00";
    }
    // clang-format on
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

    void nonFiniteNumberTextOverflows_data()
    {
        QTest::addColumn<double>("value");
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
        QTest::newRow("minus infinity") << -std::numeric_limits<double>::infinity();
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN();
    }
    void nonFiniteNumberTextOverflows()
    {
        QFETCH(double, value);
        for (const Regional& r : {Regional::german(), Regional::english()}) {
            for (const auto write : {&Regional::generalNumber, &Regional::fixed2})
                QCOMPARE(support::errorNumber(write, r, value), 6);
        }
    }

    void writtenTextIsReadBack_data()
    {
        QTest::addColumn<double>("value");
        QTest::newRow("1E-05") << 1e-5;
        QTest::newRow("1E+15") << 1e15;
        QTest::newRow("negative 1E+300") << -1e300;
        QTest::newRow("smallest denormal") << 5e-324;
        QTest::newRow("17 digits") << 1234567.8901234567;
    }
    void writtenTextIsReadBack()
    {
        QFETCH(double, value);
        const double fifteenDigits = QString::number(value, 'g', 15).toDouble();
        for (const Regional& r : {Regional::german(), Regional::english()}) {
            QVERIFY(r.isNumeric(r.fixed2(value)));
            const QString general = r.generalNumber(value);
            QVERIFY2(r.isNumeric(general), qPrintable(general));
            QCOMPARE(r.toDouble(general), fifteenDigits);
        }
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
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << -1000000;
        QTest::newRow("minus infinity") << -std::numeric_limits<double>::infinity() << -1000000;
    }
    void toInt16()
    {
        QFETCH(double, value);
        QFETCH(int, expected);
        try {
            const int got = base::toInt16(value);
            QCOMPARE(got, expected);
        } catch (const base::RuntimeError& e) {
            QCOMPARE(expected, -1000000);
            QCOMPARE(e.number(), 6);
            QCOMPARE(e.description(), QStringLiteral("Overflow"));
        }
    }

    // clang-format off
    void shortDateWritesTheYearInFull_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected");
        QTest::newRow("German") << "de_DE" << "09.12.2026";
        QTest::newRow("US English") << "en_US" << "12/9/2026";
        QTest::newRow("French, already in full") << "fr_FR" << "09/12/2026";
        QTest::newRow("Korean, year first") << "ko_KR" << "2026. 12. 9.";
    }
    // clang-format on
    void shortDateWritesTheYearInFull()
    {
        QFETCH(QString, locale);
        QFETCH(QString, expected);
        QCOMPARE(Regional(QLocale(locale)).shortDate(QDate(2026, 12, 9)), expected);
    }

    void toByteRange()
    {
        QCOMPARE(int(base::toByte(255.4)), 255);
        QVERIFY_THROWS_EXCEPTION(base::RuntimeError, base::toByte(-1));
        QVERIFY_THROWS_EXCEPTION(base::RuntimeError, base::toByte(256));
    }
};

QTEST_GUILESS_MAIN(RegionalTest)
#include "tst_regional.moc"
