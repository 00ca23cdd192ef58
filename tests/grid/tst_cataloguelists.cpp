#include "../support/ReportedErrors.h"
#include "../support/WidgetDriver.h"
#include "base/RuntimeError.h"
#include "catalogue/Catalogue.h"
#include "grid/CatalogueLists.h"
#include "texts/modTexte.h"
#include "ui/Lists.h"

#include <QComboBox>
#include <QTest>

namespace {

// A list as a fill routine finds it: holding an old entry that is selected.
void prepare(QComboBox& list, bool sorted)
{
    ui::setSorted(&list, sorted);
    ui::setItemData(&list, ui::addItem(&list, QStringLiteral("alt")), 99);
    ui::setListIndex(&list, 0);
}

// The code of the entry showing text; 0 when there is none.
int codeOf(const QComboBox& list, const QString& text)
{
    const int i = list.findText(text);
    return i < 0 ? 0 : ui::itemData(&list, i);
}

}  // namespace

class CatalogueListsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        modTexte::subInitSprache(1);
        modTexte::subInitSprache(2);
    }

    // The cascade's sorted lists: alphabetical, letter case ignored, umlauts beside
    // their base letters; each entry with its code; nothing selected.
    void cascadeLists_data()
    {
        QTest::addColumn<int>("level");  // 0 the families, 1 the types of a family, 2 the work cycles of a type
        QTest::addColumn<int>("code");   // of the family or type
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QList<int>>("codes");

        QTest::newRow("families") << 0 << 0
                                  << QStringList{"Bagger",         "Lader",           "Motorgrader", "Muldenfahrzeuge",
                                                 "Müllverdichter", "Planiermaschine", "Rohrleger",   "Scraper",
                                                 "Teleskoplader",  "Walzen"}
                                  << QList<int>{3, 4, 7, 2, 9, 5, 6, 8, 10, 1};
        QTest::newRow("Lader") << 1 << 4 << QStringList{"Baggerlader", "Kompakt-Radlader", "Kompakt-Skid-Steer-Lader",
                                                        "Laderaupe",   "Radlader",         "Raupen-Skid-Steer-Lader"}
                               << QList<int>{9, 12, 10, 14, 13, 11};
        QTest::newRow("Planiermaschine") << 1 << 5 << QStringList{"Planierraupe"} << QList<int>{15};
        QTest::newRow("Walzen") << 1 << 1 << QStringList{"Tandemwalze mit Vibration", "Vibrationswalzenzug"}
                                << QList<int>{2, 1};
        QTest::newRow("Radlader") << 2 << 13
                                  << QStringList{"Einsatz in Gewinnung", "Load & Carry", "Überführungsfahrt",
                                                 "V-Betrieb"}
                                  << QList<int>{28, 27, 29, 30};
        QTest::newRow("Rohrleger") << 2 << 16 << QStringList{"Arbeitszyklus"} << QList<int>{37};
        QTest::newRow("Raupenbagger") << 2 << 7
                                      << QStringList{"Baggern", "Einsatz in Gewinnung", "mit Hydraulikhammer",
                                                     "Überführungsfahrt"}
                                      << QList<int>{17, 19, 18, 20};
    }

    void cascadeLists()
    {
        QFETCH(int, level);
        QFETCH(int, code);
        QFETCH(QStringList, texts);
        QFETCH(QList<int>, codes);
        QComboBox list;
        prepare(list, true);
        if (level == 0)
            catalogue_lists::fillFamilies(&list, 1);
        else
            QVERIFY(level == 1 ? catalogue_lists::fillTypes(&list, 1, code)
                               : catalogue_lists::fillWorkCycles(&list, 1, code));
        QCOMPARE(driver::texts(&list), texts);
        QCOMPARE(driver::codes(&list), codes);
        QCOMPARE(ui::listIndex(&list), -1);
    }

    void sameWordingUnderTwoTypesIsTwoWorkCycles()
    {
        QComboBox mobile;
        QComboBox backhoe;
        prepare(mobile, true);
        prepare(backhoe, true);
        QVERIFY(catalogue_lists::fillWorkCycles(&mobile, 1, 8));
        QVERIFY(catalogue_lists::fillWorkCycles(&backhoe, 1, 9));
        const int mobileCode = codeOf(mobile, QStringLiteral("Baggern"));
        const int backhoeCode = codeOf(backhoe, QStringLiteral("Baggern"));
        QCOMPARE(mobileCode, 21);
        QCOMPARE(backhoeCode, 23);
        double x1, y1, z1, x2, y2, z2;
        QVERIFY(catalogue::fktSchwingungswertOK(quint8(mobileCode), 2, x1, y1, z1));
        QVERIFY(catalogue::fktSchwingungswertOK(quint8(backhoeCode), 2, x2, y2, z2));
        QVERIFY(x1 != x2 || y1 != y2 || z1 != z2);
    }

    // clang-format off
    void conditionsAndDurations_data()
    {
        QTest::addColumn<int>("language");  // 0: the durations, the same in every language
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QList<int>>("codes");
        QTest::newRow("conditions, German") << 1 << QStringList{"leicht", "norm.", "hart"} << QList<int>{1, 2, 3};
        QTest::newRow("conditions, English") << 2 << QStringList{"slightly", "norm.", "hard"} << QList<int>{1, 2, 3};
        QTest::newRow("durations") << 0 << QStringList{"1", "2", "3", "4", "5", "6", "7", "8"}
                                   << QList<int>{1, 2, 3, 4, 5, 6, 7, 8};
    }
    // clang-format on

    void conditionsAndDurations()
    {
        QFETCH(int, language);
        QFETCH(QStringList, texts);
        QFETCH(QList<int>, codes);
        QComboBox list;
        prepare(list, false);
        if (language == 0)
            catalogue_lists::fillDurations(&list);
        else
            catalogue_lists::fillConditions(&list, language);
        QCOMPARE(driver::texts(&list), texts);
        QCOMPARE(driver::codes(&list), codes);
        QCOMPARE(ui::listIndex(&list), -1);
    }

    void driverExperience_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("texts");

        QTest::newRow("German") << 1
                                << QStringList{"unerfahren", "angelernt", "erfahren", "ausgebildet",
                                               "ausgebildet/erfahren"};
        QTest::newRow("English") << 2
                                 << QStringList{"unskilled", "semiskilled", "skilled", "trained", "trained/skilled"};
    }

    void driverExperience()
    {
        QFETCH(int, language);
        QFETCH(QStringList, texts);
        QComboBox list;
        prepare(list, false);
        catalogue_lists::fillDriverExperience(&list, language);
        QCOMPARE(driver::texts(&list), texts);
        for (int i = 0; i < list.count(); ++i)
            QVERIFY(!list.itemData(i, Qt::UserRole).isValid());
        QCOMPARE(ui::listIndex(&list), -1);
    }

    void unknownCodeLeavesListEmpty_data()
    {
        QTest::addColumn<bool>("typeList");
        QTest::addColumn<int>("code");

        QTest::newRow("family 11") << true << 11;
        QTest::newRow("family 0") << true << 0;
        QTest::newRow("type 0") << false << 0;
        QTest::newRow("type 21") << false << 21;
    }

    void unknownCodeLeavesListEmpty()
    {
        QFETCH(bool, typeList);
        QFETCH(int, code);
        QComboBox list;
        prepare(list, true);
        const bool ok = typeList ? catalogue_lists::fillTypes(&list, 1, code)
                                 : catalogue_lists::fillWorkCycles(&list, 1, code);
        QVERIFY(!ok);
        QCOMPARE(list.count(), 0);
    }

    void languageOutsideTableRaisesNine_data()
    {
        QTest::addColumn<QString>("routine");
        QTest::addColumn<int>("language");

        for (const char* routine : {"families", "types", "workCycles", "conditions", "driverExperience"})
            for (int language : {0, 6})
                QTest::addRow("%s, language %d", routine, language) << QString::fromLatin1(routine) << language;
    }

    void languageOutsideTableRaisesNine()
    {
        QFETCH(QString, routine);
        QFETCH(int, language);
        QComboBox list;
        prepare(list, false);
        const int error = support::errorNumber([&] {
            if (routine == QLatin1String("families"))
                catalogue_lists::fillFamilies(&list, language);
            else if (routine == QLatin1String("types"))
                catalogue_lists::fillTypes(&list, language, 4);
            else if (routine == QLatin1String("workCycles"))
                catalogue_lists::fillWorkCycles(&list, language, 13);
            else if (routine == QLatin1String("conditions"))
                catalogue_lists::fillConditions(&list, language);
            else
                catalogue_lists::fillDriverExperience(&list, language);
        });
        QCOMPARE(error, int(base::ErrSubscript));
        // Cleared before the first text is read.
        QCOMPARE(list.count(), 0);
    }
};

QTEST_MAIN(CatalogueListsTest)
#include "tst_cataloguelists.moc"
