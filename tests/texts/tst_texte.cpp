#include "../support/Languages.h"
#include "../support/ReportedErrors.h"
#include "base/Regional.h"
#include "base/RuntimeError.h"
#include "texts/TextEntries.h"
#include "texts/modTexte.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace modTexte;

namespace {

const QString crlf = u"\r\n"_s;

QStringList column(int language)
{
    QStringList texts;
    for (int entry = 1; entry <= kEntries; ++entry)
        texts << Texte(language, entry);
    return texts;
}

// True when a line of the text starts or ends with a blank or holds two in a row.
bool hasUnusualBlanks(const QString& text)
{
    for (const QString& line : text.split(crlf)) {
        if (line.startsWith(u' ') || line.endsWith(u' ') || line.contains(u"  "_s))
            return true;
    }
    return false;
}

}  // namespace

class TexteTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Nothing has been applied yet in this process.
        for (int language = 1; language <= kLanguages; ++language)
            QCOMPARE(column(language), QStringList(kEntries, QString()));
    }

    void init() { base::setRegional(base::Regional::german()); }

    void everyEntryIsFilled_data() { support::everyLanguage(); }

    void everyEntryIsFilled()
    {
        QFETCH(int, language);
        support::ErrorReports errors;
        subInitSprache(static_cast<quint8>(language));
        for (int entry = 1; entry <= kEntries; ++entry)
            QVERIFY2(!Texte(language, entry).isEmpty(), qPrintable(u"entry %1"_s.arg(entry)));
        QVERIFY(errors.calls.isEmpty());
    }

    void exactTexts_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("expected");
        QTest::newRow("de first") << 1 << 1 << u"Achse"_s;
        QTest::newRow("de trailing blank") << 1 << int(Schnell) << u"schnell "_s;
        QTest::newRow("de no trailing blank") << 1 << int(SchwingungswertInMs2) << u"Schwingungswert in m/s²"_s;
        QTest::newRow("de umlaut") << 1 << int(UeberfuehrungsfahrtBagger) << u"Überführungsfahrt"_s;
        QTest::newRow("de repeated") << 1 << int(Ueberfuehrungsfahrt) << u"Überführungsfahrt"_s;
        QTest::newRow("de out of order, first")
            << 1 << int(MuldenfzMitKnickgelenkrahmen) << u"Muldenfz mit Knickgelenkrahmen"_s;
        QTest::newRow("de out of order, second")
            << 1 << int(MuldenfahrzeugMitStarrrahmen) << u"Muldenfahrzeug mit Starrrahmen"_s;
        QTest::newRow("de three lines") << 1 << int(EinwirkungszeitInH) << u"Einwirk-\r\nungszeit\r\nin h"_s;
        QTest::newRow("de last") << 1 << kEntries << u"Endergebnis"_s;
        QTest::newRow("en first") << 2 << 1 << u"axis"_s;
        QTest::newRow("en trailing blank") << 2 << int(SchwingungswertInMs2) << u"vibration value in m/s² "_s;
        QTest::newRow("en single line") << 2 << int(Betriebsbedingung) << u"operating condition"_s;
        QTest::newRow("en two lines") << 2 << int(SummeAllerArbeitszyklen) << u"sum of all\r\noperating cycles"_s;
        QTest::newRow("en last") << 2 << kEntries << u"final result"_s;
        QTest::newRow("fr comma kept") << 3 << 111 << u"fabrica,nt du siège"_s;
        QTest::newRow("fr transfer of the excavators") << 3 << int(UeberfuehrungsfahrtBagger) << u"translation"_s;
        QTest::newRow("fr transfer of the others") << 3 << int(Ueberfuehrungsfahrt) << u"transfert entre postes"_s;
        QTest::newRow("fr last") << 3 << kEntries << u"résultat final"_s;
        QTest::newRow("it trailing blank") << 4 << int(Maschinentyp) << u"tipo di macchina "_s;
        QTest::newRow("it doubled blank") << 4 << 113 << u"stato di manutenzione  sedile"_s;
        QTest::newRow("it refuse compactor family") << 4 << int(Muellverdichter) << u"compattat. rifiuti"_s;
        QTest::newRow("it refuse compactor type") << 4 << int(MuellverdichterTyp) << u"compattatore di rifiuti"_s;
        QTest::newRow("it two lines") << 4 << int(AnzahlZyklen) << u"n. dei\r\ncicli"_s;
        QTest::newRow("it last") << 4 << kEntries << u"risultato finale"_s;
        QTest::newRow("es doubled blank") << 5 << 6 << u"valor de  disparo"_s;
        QTest::newRow("es two trailing blanks") << 5 << 122 << u"total  "_s;
        QTest::newRow("es blank before break") << 5 << int(EinwirkungszeitSumme) << u"tiempo de \r\nacción en h"_s;
        QTest::newRow("es last") << 5 << kEntries << u"resultato final"_s;
    }

    void exactTexts()
    {
        QFETCH(int, language);
        QFETCH(int, entry);
        QFETCH(QString, expected);
        subInitSprache(static_cast<quint8>(language));
        QCOMPARE(Texte(language, entry), expected);
    }

    // Catches blanks trimmed or collapsed anywhere in a column, not just in the samples above.
    void unusualBlanksOnlyWhereIntended_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QList<int>>("entries");
        // Entries the program shows by name; the others by number.
        QTest::newRow("de") << 1 << QList<int>{Schnell};
        QTest::newRow("en") << 2 << QList<int>{SchwingungswertInMs2};
        QTest::newRow("fr") << 3 << QList<int>{RaupenSkidSteerLader, Vibrationswalzenzug};
        QTest::newRow("it") << 4 << QList<int>{51, Maschinentyp, 76, 113, Vibrationswalzenzug, Angelernt};
        // clang-format off
        const QList<int> spanish{6, BerechnungDerTaeglichenSchwingungsbelastung, Lader, SummeAllerArbeitszyklen,
                                 TandemwalzeMitVibration, 122, EinwirkungszeitSumme};
        // clang-format on
        QTest::newRow("es") << 5 << spanish;
    }

    void unusualBlanksOnlyWhereIntended()
    {
        QFETCH(int, language);
        QFETCH(QList<int>, entries);
        subInitSprache(static_cast<quint8>(language));
        QList<int> found;
        for (int entry = 1; entry <= kEntries; ++entry) {
            if (hasUnusualBlanks(Texte(language, entry)))
                found << entry;
        }
        QCOMPARE(found, entries);
    }

    void lineBreaks_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QList<int>>("breaks");  // pairs of entry, number of breaks
        const QList<int> others{EinwirkungszeitInH, 2, SummeAllerArbeitszyklen, 1, EinwirkungszeitSumme, 1};
        QTest::newRow("de") << 1 << QList<int>{Betriebsbedingung,  1, EinwirkungszeitInH,   2,
                                               QuelleDerMesswerte, 2, EinwirkungszeitSumme, 1};
        QTest::newRow("en") << 2 << others;
        QTest::newRow("fr") << 3 << others;
        QTest::newRow("it") << 4 << QList<int>{EinwirkungszeitInH, 2, SummeAllerArbeitszyklen, 1,
                                               AnzahlZyklen,       1, EinwirkungszeitSumme,    1};
        QTest::newRow("es") << 5 << others;
    }

    void lineBreaks()
    {
        QFETCH(int, language);
        QFETCH(QList<int>, breaks);
        subInitSprache(static_cast<quint8>(language));
        QList<int> found;
        for (int entry = 1; entry <= kEntries; ++entry) {
            const QString text = Texte(language, entry);
            const auto count = text.count(crlf);
            // Every CR and every LF belongs to a CR LF pair.
            QCOMPARE(text.count(u'\r'), count);
            QCOMPARE(text.count(u'\n'), count);
            if (count > 0)
                found << entry << static_cast<int>(count);
        }
        QCOMPARE(found, breaks);
    }

    void rejectedValueMessage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("german");
        QTest::addColumn<QString>("expected");
        QTest::newRow("de, German settings")
            << 1 << true << u"Es dürfen nur Dezimalzahlen zwischen 0,00 und 9,00 eingeben werden !"_s;
        QTest::newRow("de, English settings")
            << 1 << false << u"Es dürfen nur Dezimalzahlen zwischen 0.00 und 9.00 eingeben werden !"_s;
        QTest::newRow("en, English settings")
            << 2 << false << u"only decimal numbers between 0.00 and 9.00 may be entered !"_s;
        QTest::newRow("fr, German settings") << 3 << true << u"seules sont admises les valeurs entre 0,00 et 9,00 !"_s;
        QTest::newRow("it, English settings") << 4 << false << u"indicare solo decimali tra 0.00 e 9.00 !"_s;
        QTest::newRow("es, German settings") << 5 << true << u"introducir solo números decimales entre 0,00 y 9,00 !"_s;
    }

    void rejectedValueMessage()
    {
        QFETCH(int, language);
        QFETCH(bool, german);
        QFETCH(QString, expected);
        base::setRegional(german ? base::Regional::german() : base::Regional::english());
        subInitSprache(static_cast<quint8>(language));
        QCOMPARE(Texte(language, NurDezimalzahlenZwischen), expected);
    }

    void earlierColumnKeptAfterSwitch()
    {
        subInitSprache(2);
        subInitSprache(1);
        QCOMPARE(Texte(2, Ganzkoerperschwingungen), u"whole-body vibration on earth moving machinery"_s);
        QCOMPARE(Texte(1, Ganzkoerperschwingungen), u"Ganzkörperschwingungen auf Erdbewegungsmaschinen"_s);
        QCOMPARE(Texte(1, Schliessen), u"Schließen"_s);
        QCOMPARE(Texte(2, Schliessen), u"close"_s);
    }

    void languageOutsideRangeFillsNothing_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("0") << 0;
        QTest::newRow("6") << 6;
        QTest::newRow("255") << 255;
    }

    void languageOutsideRangeFillsNothing()
    {
        QFETCH(int, language);
        QList<QStringList> before;
        for (int l = 1; l <= kLanguages; ++l) {
            subInitSprache(static_cast<quint8>(l));
            before << column(l);
        }
        // A refill under other settings would change every rejected-value message.
        base::setRegional(base::Regional::english());
        support::ErrorReports errors;
        subInitSprache(static_cast<quint8>(language));
        for (int l = 1; l <= kLanguages; ++l)
            QCOMPARE(column(l), before[l - 1]);
        QVERIFY(errors.calls.isEmpty());
    }

    void subscriptOutOfRange_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("entry");
        QTest::newRow("language 0") << 0 << 1;
        QTest::newRow("language 6") << 6 << 1;
        QTest::newRow("language 6, last entry") << 6 << 171;
        QTest::newRow("language -1") << -1 << 1;
        QTest::newRow("entry 0") << 1 << 0;
        QTest::newRow("entry 172") << 5 << 172;
        QTest::newRow("entry 172, a filled column") << 2 << 172;
    }

    void subscriptOutOfRange()
    {
        QFETCH(int, language);
        QFETCH(int, entry);
        subInitSprache(1);
        subInitSprache(2);
        const int error = support::errorNumber([&] { Texte(language, entry); });
        QCOMPARE(error, 9);
    }
};

QTEST_GUILESS_MAIN(TexteTest)
#include "tst_texte.moc"
