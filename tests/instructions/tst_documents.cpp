// The instruction documents as the program finds them beside itself.

#include "base/Regional.h"
#include "calculation/DayTotals.h"
#include "calculation/Formulas.h"
#include "catalogue/Catalogue.h"
#include "instructions/frmAnleitung.h"
#include "printers/Printers.h"
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
#include <cmath>
#include <span>

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
        Planiermaschine, Planierraupe, Rohrleger, Lader, Radlader, LoadAndCarry,
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

// The catalogue row of the quick start: loader, wheel loader, load & carry, norm., 4 hours.
constexpr int kExampleFamily = 4;
constexpr int kExampleType = 13;
constexpr int kExampleWorkCycle = 27;
constexpr int kExampleCondition = 2;
constexpr double kExampleHours = 4;

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

// The shape of a document, one mark per block: headings by their size, list
// items by their mark, each table by its size, notes and paragraphs; and the
// numbers of each section, those of the worked example (the four-column table)
// apart as well.
struct Outline {
    QStringList marks;
    QList<QList<double>> sectionNumbers;
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

// The texts set in bold in the running text (headings and tables aside), each
// run of bold fragments as one text.
QStringList boldTexts(const QTextDocument& document)
{
    QStringList runs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (markOf(block).startsWith(QLatin1Char('H')) || QTextCursor(block).currentTable())
            continue;
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

QList<double> numbersIn(QString text)
{
    // Decimal commas and points read alike; the A(8) and m/s² marks are names, not numbers.
    text.replace(QStringLiteral("A(8)"), QString()).replace(QStringLiteral("m/s²"), QString());
    // Each country cites its own law (81/2008, 1311/2005, 2005), and the sample
    // settings line names the language's own list position.
    static const QRegularExpression citation(QStringLiteral("\\d+(?:/\\d+)+|\\d{4,}|SPRACHE=\\d"));
    text.remove(citation);
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
        std::sort(sectionNumbers.begin(), sectionNumbers.end());
        if (sectionHasExample)
            outline.exampleNumbers = sectionNumbers;
        outline.sectionNumbers << sectionNumbers;
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
        QTest::addColumn<QStringList>("quotes");      // opening and closing mark around a message
        QTest::addColumn<QStringList>("emphasis");    // bold words that are no caption
        QTest::addColumn<QString>("listTrap");        // the warning that tabbing through a row loses it
        QTest::newRow("Deutsch") << 1 << false << "de" << "OK"
                                 << QStringList{"Auslösewert", "Expositionsgrenzwert", "LärmVibrationsArbSchV"}
                                 << QStringList{"„", "“"} << QStringList{"kein", "Belastungspunkte"}
                                 << "verliert also Maschinentyp und Arbeitszyklus";
        QTest::newRow("English") << 2 << true << "en" << "OK"
                                 << QStringList{"exposure action value", "exposure limit value",
                                                "Control of Vibration at Work Regulations 2005 (Directive 2002/44/EC)",
                                                "normalised to an 8-hour reference period"}
                                 << QStringList{"“", "”"} << QStringList{"no", "Exposure points"}
                                 << "you lose the machine type and the work cycle";
        QTest::newRow("Francais") << 3 << false << "fr" << "OK"
                                  << QStringList{"valeur d'exposition journalière déclenchant l'action de prévention",
                                                 "valeur limite d'exposition journalière", "Code du travail"}
                                  << QStringList{"« ", " »"} << QStringList{"aucun", "Points d'exposition"}
                                  << "vous perdez donc le type de machine et le cycle de travail";
        QTest::newRow("Italiano") << 4 << false << "it" << "OK"
                                  << QStringList{"valore d'azione", "valore limite di esposizione giornaliero",
                                                 "D.Lgs. 81/2008"}
                                  << QStringList{"«", "»"} << QStringList{"Non", "Punti di esposizione"}
                                  << "perdete quindi il tipo di macchina e il ciclo di lavoro";
        QTest::newRow("Espaniol") << 5 << false << "es" << "Aceptar"
                                  << QStringList{"valor de exposición diaria que da lugar a una acción",
                                                 "valor límite de exposición diaria",
                                                 "vibraciones transmitidas al cuerpo entero", "RD 1311/2005"}
                                  << QStringList{"«", "»"} << QStringList{"No", "Puntos de exposición"}
                                  << "pierde el modelo de máquina y el ciclo de trabajo";
    }
    // clang-format on
    void eachDocumentUsesTheProgramsCaptions()
    {
        QFETCH(int, language);
        QFETCH(bool, decimalPoint);
        QFETCH(QString, qtLanguage);
        QFETCH(QString, okButton);
        QFETCH(QStringList, regulationTerms);
        QFETCH(QStringList, quotes);
        QFETCH(QStringList, emphasis);
        QFETCH(QString, listTrap);
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

        // Messages in the language's quotation marks, the file writer as the print list shows it.
        for (const QString& message : {asRunningText(modTexte::Texte(language, modTexte::NurDezimalzahlenZwischen)),
                                       modTexte::Texte(language, modTexte::BitteDruckerAuswaehlen),
                                       QStringLiteral("File <") + name + QStringLiteral("> not found.")}) {
            const QString quoted = normalised(quotes.first() + message + quotes.last());
            QVERIFY2(text.contains(quoted), qPrintable(quoted));
        }
        QVERIFY2(bold.contains(printers::pdfWriterName()), qPrintable(printers::pdfWriterName()));

        // Whatever is set in bold reads as the window shows it: a caption, a
        // list entry, a row or window title, a value to choose, a file name.
        QStringList shown{printers::pdfWriterName(),
                          okButton,
                          QStringLiteral("Go"),
                          QStringLiteral("A(8) x"),
                          QStringLiteral("A(8) y"),
                          QStringLiteral("A(8) z"),
                          modTexte::Texte(language, modTexte::Drucken) + QStringLiteral(" ...")};
        shown << kLanguages << emphasis;
        for (int entry = 1; entry <= modTexte::kEntries; ++entry)
            shown << asRunningText(modTexte::Texte(language, entry))
                  << asRunningText(modTexte::Texte(language, entry)) + QLatin1Char(':');
        for (int row = 1; row <= 5; ++row)
            shown << modTexte::rowFrameCaption(language, row).trimmed();
        static const QRegularExpression valueOrFile(
            QStringLiteral("^(\\d+([.,]\\d+)?|kv\\.inf|zelvaro|Readme_\\w+\\.rtf)$"));
        QStringList strangers;
        for (const QString& run : bold)
            if (!shown.contains(run) && !valueOrFile.match(run).hasMatch())
                strangers << run;
        QVERIFY2(strangers.isEmpty(), qPrintable(strangers.join(QStringLiteral(" | "))));

        // A finished row keeps its selection when the lists are tabbed through.
        QVERIFY2(!text.contains(listTrap), qPrintable(listTrap));
    }

    // The five documents are one text: the same sections, lists, tables and
    // notes in the same order, and each section with the same numbers.
    void theDocumentsShareOneStructure()
    {
        QTextDocument german;
        QVERIFY(load(german, kLanguages.first()));
        const Outline expected = outlineOf(german);
        QVERIFY(expected.marks.contains(QStringLiteral("bullet")));
        QVERIFY(expected.marks.contains(QStringLiteral("table 4x2")));  // the status marks
        QVERIFY(expected.marks.count(QStringLiteral("1.")) >= 4);
        QVERIFY(expected.marks.contains(QStringLiteral("6.")));  // the quick start
        const auto numbered = [](const QString& mark) { return mark.endsWith(QLatin1Char('.')); };
        for (qsizetype i = 0; i < expected.marks.size(); ++i)
            if (numbered(expected.marks[i]) && (i == 0 || !numbered(expected.marks[i - 1])))
                QCOMPARE(expected.marks[i], QStringLiteral("1."));
        // Two rows of 0.30 and 0.60 m/s² on x for 4 hours each: 18 + 72 = 90 points, A(8) 0.47.
        for (const double number : {0.3, 0.6, 4.0, 18.0, 72.0, 90.0, 0.47})
            QVERIFY2(expected.exampleNumbers.contains(number), qPrintable(QString::number(number)));

        // The catalogue row and the factor of x and y as the program's own tables and formulas give them.
        QList<double> documentNumbers;
        for (const QList<double>& section : expected.sectionNumbers)
            documentNumbers << section;
        const auto twoPlaces = [](double value) { return std::round(value * 100) / 100; };
        QVERIFY(catalogue::typesOfFamily(kExampleFamily).contains(kExampleType));
        QVERIFY(catalogue::workCyclesOfType(kExampleType).contains(kExampleWorkCycle));
        calculation::CountedRow row;
        row.hours = kExampleHours;
        QVERIFY(catalogue::fktSchwingungswertOK(kExampleWorkCycle, kExampleCondition, row.Messwert[0], row.Messwert[1],
                                                row.Messwert[2]));
        QList<double> catalogueRow{double(calculation::fktPunkteFormel(0.5, 1).value())};  // the tie rounded to 12
        for (std::size_t axis = 0; axis < 3; ++axis) {
            row.Punkte[axis] = calculation::fktPunkteFormel(row.Messwert[axis], row.hours).value();
            catalogueRow << row.Messwert[axis] << row.Punkte[axis];
        }
        const calculation::DayTotals day = calculation::dayTotals(std::span(&row, 1));
        for (const double a8 : day.A8)
            catalogueRow << twoPlaces(a8);
        catalogueRow << day.PktMax << twoPlaces(day.A8Max);
        catalogueRow << 1.4 << twoPlaces(1.4 * calculation::a8(0.3 * 0.3 * 4 + 0.6 * 0.6 * 4));
        for (const double number : catalogueRow)
            QVERIFY2(documentNumbers.contains(number), qPrintable(QString::number(number)));

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
            for (qsizetype i = 0; i < expected.sectionNumbers.size(); ++i)
                QVERIFY2(outline.sectionNumbers[i] == expected.sectionNumbers[i],
                         qPrintable(QStringLiteral("%1, section %2").arg(language).arg(i + 1)));
        }
    }
};

QTEST_MAIN(DocumentsTest)
#include "tst_documents.moc"
