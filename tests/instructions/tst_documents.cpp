// The instruction documents as the program finds them beside itself.

#include "base/Regional.h"
#include "instructions/frmAnleitung.h"
#include "rtf/RtfReader.h"
#include "texts/TextEntries.h"
#include "texts/modTexte.h"

#include <QFile>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QTranslator>
#include <algorithm>

namespace {

// The captions a reader must find in the instructions of each language: the
// buttons, the header, the column headings, the lists, the results, the site
// details, the messages the instructions explain and the catalogue entries
// they give as examples.
// clang-format off
const QList<int> kCaptions = [] {
    using namespace modTexte;
    return QList<int>{
        Berechnen, Details, Drucken, Reset, Anleitung, Beenden, Schliessen,
        Firma, Fahrer, Fahrerqualifizierung, Unerfahren, Angelernt, Erfahren, Ausgebildet, AusgebildetErfahren,
        QuelleDerMesswerte, Genormt, Eigene, Eingabe, Maschinenfamilie, Maschinentyp, Arbeitszyklus,
        Betriebsbedingung, EinwirkungszeitInH, XAchse, YAchse, ZAchse, Leicht, Norm, Hart,
        Planiermaschine, Planierraupe, Rohrleger,
        Zwischenergebnis, SummeAllerArbeitszyklen, EinwirkungszeitSumme, AnzahlZyklen, Endergebnis,
        Gesamtpunktezahl, TaeglicheSchwingungsbelastung,
        ZustandDesUntergrundes, FestigkeitDesUntergrundes, BewegtesMaterial, Fahrstil, Anmerkungen,
        Drucker, BitteDruckerAuswaehlen, FehlerhafteEingabe, NurDezimalzahlenZwischen};
}();
// clang-format on

// Captions the window shows with a colon; the document quotes them in bold just so.
const QList<int> kCaptionsWithColon{modTexte::Firma, modTexte::Fahrer, modTexte::Fahrerqualifizierung,
                                    modTexte::Zwischenergebnis, modTexte::Endergebnis};

const QStringList kLanguages{QStringLiteral("Deutsch"), QStringLiteral("English"), QStringLiteral("Francais"),
                             QStringLiteral("Italiano"), QStringLiteral("Espaniol")};

// A caption as it reads in running text: no line breaks, hyphenation joined, single blanks.
QString asRunningText(QString caption)
{
    caption.replace(QStringLiteral("-\r\n"), QString());
    caption.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    return caption.simplified();
}

QString normalised(QString text)
{
    text.replace(QChar(0x00A0), QLatin1Char(' '));
    return text.simplified();
}

bool load(QTextDocument& document, const QString& language)
{
    const QString name = frmAnleitung::fileName(language);
    QFile file(frmAnleitung::filePath(QStringLiteral(ZELVARO_PROGRAM_FOLDER), name));
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("%s is not beside the program", qPrintable(name));
        return false;
    }
    const rtf::ReadReport report = rtf::read(document, file.readAll());
    if (!report.complete)
        qWarning("%s: %s", qPrintable(name), qPrintable(report.warnings.join(QStringLiteral("; "))));
    return report.complete;
}

// The texts set in bold, each run of bold fragments as one text.
QStringList boldTexts(const QTextDocument& document)
{
    QStringList runs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QString run;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().fontWeight() >= QFont::Bold) {
                run += it.fragment().text();
            } else if (!run.isEmpty()) {
                runs << normalised(run);
                run.clear();
            }
        }
        if (!run.isEmpty())
            runs << normalised(run);
    }
    return runs;
}

// The shape of a document, one mark per block: headings by their size, list
// items by their mark, each table by its size, notes and paragraphs; and the
// numbers of the section that holds the worked example (the four-column table).
struct Outline {
    QStringList marks;
    QList<double> exampleNumbers;
};

QString markOf(const QTextBlock& block)
{
    const QTextCharFormat format = block.begin().atEnd() ? block.charFormat() : block.begin().fragment().charFormat();
    const QString text = block.text();
    if (format.fontWeight() >= QFont::Bold && format.fontPointSize() > 10.5)
        return QStringLiteral("H%1").arg(format.fontPointSize(), 0, 'f', 0);
    if (text.startsWith(QChar(0x2022)))
        return QStringLiteral("bullet");
    const QRegularExpressionMatch item = QRegularExpression(QStringLiteral("^(\\d+)\\.\\t")).match(text);
    if (item.hasMatch())
        return item.captured(1) + QLatin1Char('.');
    if (format.fontItalic())
        return QStringLiteral("note");
    return QStringLiteral("paragraph");
}

QList<double> numbersIn(QString text)
{
    // Decimal commas and points read alike; the A(8) and m/s² marks are names, not numbers.
    text.replace(QStringLiteral("A(8)"), QString()).replace(QStringLiteral("m/s²"), QString());
    QList<double> numbers;
    static const QRegularExpression number(QStringLiteral("\\d+(?:[.,]\\d+)?"));
    for (auto it = number.globalMatch(text); it.hasNext();)
        numbers << it.next().captured().replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    return numbers;
}

Outline outlineOf(const QTextDocument& document)
{
    Outline outline;
    QList<double> sectionNumbers;
    bool sectionHasExample = false;
    const auto endSection = [&] {
        if (sectionHasExample)
            outline.exampleNumbers = sectionNumbers;
        sectionNumbers.clear();
        sectionHasExample = false;
    };
    const QTextTable* lastTable = nullptr;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.text().trimmed().isEmpty())
            continue;
        const QTextTable* table = QTextCursor(block).currentTable();
        QString mark;
        if (table) {
            if (table == lastTable) {
                sectionNumbers << numbersIn(block.text());
                continue;
            }
            lastTable = table;
            mark = QStringLiteral("table %1x%2").arg(table->rows()).arg(table->columns());
            sectionHasExample = sectionHasExample || table->columns() == 4;
        } else {
            mark = markOf(block);
        }
        if (mark.startsWith(QLatin1Char('H')))
            endSection();
        outline.marks << mark;
        sectionNumbers << numbersIn(block.text());
    }
    endSection();
    std::sort(outline.exampleNumbers.begin(), outline.exampleNumbers.end());
    return outline;
}

// What Qt's own message-box button reads once its translation for the language is loaded.
QString translatedOkButton(const QString& qtLanguage)
{
    QTranslator translator;
    if (!translator.load(QStringLiteral("qtbase_") + qtLanguage, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return {};
    const QString text = translator.translate("QPlatformTheme", "OK");
    return text.isEmpty() ? QStringLiteral("OK") : text;
}

}  // namespace

class DocumentsTest : public QObject {
    Q_OBJECT

private slots:
    // clang-format off
    void eachDocumentUsesTheProgramsCaptions_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("decimalPoint");
        QTest::addColumn<QString>("qtLanguage");
        QTest::addColumn<QString>("okButton");
        QTest::addColumn<QStringList>("regulationTerms");
        QTest::newRow("Deutsch") << 1 << false << "de" << "OK"
                                 << QStringList{"Auslösewert", "Expositionsgrenzwert", "LärmVibrationsArbSchV"};
        QTest::newRow("English") << 2 << true << "en" << "OK"
                                 << QStringList{"exposure action value", "exposure limit value",
                                                "Directive 2002/44/EC"};
        QTest::newRow("Francais") << 3 << false << "fr" << "OK"
                                  << QStringList{"valeur d'exposition journalière déclenchant l'action de prévention",
                                                 "valeur limite d'exposition journalière", "Code du travail"};
        QTest::newRow("Italiano") << 4 << false << "it" << "OK"
                                  << QStringList{"valore d'azione", "valore limite di esposizione giornaliero",
                                                 "D.Lgs. 81/2008"};
        QTest::newRow("Espaniol") << 5 << false << "es" << "Aceptar"
                                  << QStringList{"valor de exposición diaria que da lugar a una acción",
                                                 "valor límite de exposición diaria",
                                                 "vibraciones transmitidas al cuerpo entero", "RD 1311/2005"};
    }
    // clang-format on
    void eachDocumentUsesTheProgramsCaptions()
    {
        QFETCH(int, language);
        QFETCH(bool, decimalPoint);
        QFETCH(QString, qtLanguage);
        QFETCH(QString, okButton);
        QFETCH(QStringList, regulationTerms);
        const QString name = frmAnleitung::fileName(QTest::currentDataTag());
        QTextDocument document;
        QVERIFY(load(document, QTest::currentDataTag()));

        const QString text = normalised(document.toPlainText());
        QVERIFY(text.size() > 8000);
        // The rejected-value message is quoted as it reads under the regional settings the document names.
        base::setRegional(decimalPoint ? base::Regional::english() : base::Regional::german());
        modTexte::subInitSprache(quint8(language));
        QStringList missing;
        for (const int entry : kCaptions) {
            const QString caption = asRunningText(modTexte::Texte(language, entry));
            if (!text.contains(caption))
                missing << QStringLiteral("%1 \"%2\"").arg(entry).arg(caption);
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(", ")));
        const QStringList bold = boldTexts(document);
        for (const int entry : kCaptionsWithColon) {
            const QString caption = asRunningText(modTexte::Texte(language, entry)) + QLatin1Char(':');
            QVERIFY2(bold.contains(caption), qPrintable(caption));
        }
        for (const QString& term : regulationTerms)
            QVERIFY2(text.contains(term), qPrintable(term));

        // The message boxes' button as Qt names it in the language; where a
        // translation is installed, it must read so.
        QVERIFY2(bold.contains(okButton), qPrintable(okButton));
        if (okButton != QLatin1String("OK"))
            QVERIFY(!bold.contains(QStringLiteral("OK")));
        const QString translated = translatedOkButton(qtLanguage);
        if (!translated.isEmpty())
            QCOMPARE(translated, okButton);

        // The status marks and the formula read as what they are.
        for (const QString& symbol :
             {QStringLiteral("☑"), QStringLiteral("☐"), QStringLiteral("√"), QStringLiteral("m/s²")})
            QVERIFY2(text.contains(symbol), qPrintable(symbol));
        QVERIFY(text.contains(QStringLiteral("File <") + name + QStringLiteral("> not found.")));
    }

    // The five documents are one text: the same sections, lists, tables and
    // notes in the same order, and the worked example with the same numbers.
    void theDocumentsShareOneStructure()
    {
        QTextDocument german;
        QVERIFY(load(german, kLanguages.first()));
        const Outline expected = outlineOf(german);
        QVERIFY(expected.marks.contains(QStringLiteral("bullet")));
        QVERIFY(expected.marks.contains(QStringLiteral("table 4x2")));  // the status marks
        QVERIFY(expected.marks.count(QStringLiteral("1.")) >= 3);
        // Two rows of 0.30 and 0.60 m/s² on x for 4 hours each: 18 + 72 = 90 points, A(8) 0.47.
        for (const double number : {0.3, 0.6, 4.0, 18.0, 72.0, 90.0, 0.47})
            QVERIFY2(expected.exampleNumbers.contains(number), qPrintable(QString::number(number)));

        for (const QString& language : kLanguages.mid(1)) {
            QTextDocument document;
            QVERIFY(load(document, language));
            const Outline outline = outlineOf(document);
            for (qsizetype i = 0; i < std::min(expected.marks.size(), outline.marks.size()); ++i)
                QVERIFY2(outline.marks[i] == expected.marks[i],
                         qPrintable(QStringLiteral("%1, block %2: %3 where German has %4")
                                        .arg(language)
                                        .arg(i)
                                        .arg(outline.marks[i], expected.marks[i])));
            QCOMPARE(outline.marks.size(), expected.marks.size());
            QCOMPARE(outline.exampleNumbers, expected.exampleNumbers);
        }
    }
};

QTEST_MAIN(DocumentsTest)
#include "tst_documents.moc"
