// The instruction documents as the program finds them beside itself.

#include "instructions/frmAnleitung.h"
#include "rtf/RtfReader.h"
#include "texts/modTexte.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace {

// The captions a reader must find in the instructions of each language: the
// buttons, the header, the column headings, the lists, the results, the site
// details and the messages the instructions explain.
const QList<int> kCaptions{
    15,  24,  27,  102, 145, 146, 148,                                      // buttons
    45,  38,  39,  162, 163, 164, 165, 166,                                 // header and driver qualifications
    96,  143, 144, 142, 71,  75,  2,   18,  32, 138, 139, 140, 65, 89, 52,  // a row
    170, 118, 169, 156, 171, 167, 119,                                      // results
    141, 44,  21,  40,  147,                                                // site details
    150, 152, 153, 6,                                                       // printer, messages, what is not compared
};

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

bool hasBoldText(const QTextDocument& document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().fontWeight() >= QFont::Bold && !it.fragment().text().trimmed().isEmpty())
                return true;
    return false;
}

int tableCount(const QTextDocument& document)
{
    int tables = 0;
    for (QTextFrame* frame : document.rootFrame()->childFrames())
        tables += qobject_cast<QTextTable*>(frame) ? 1 : 0;
    return tables;
}

}  // namespace

class DocumentsTest : public QObject {
    Q_OBJECT

private slots:
    void eachDocumentUsesTheProgramsCaptions_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("Deutsch") << 1;
        QTest::newRow("English") << 2;
        QTest::newRow("Francais") << 3;
        QTest::newRow("Italiano") << 4;
        QTest::newRow("Espaniol") << 5;
    }
    void eachDocumentUsesTheProgramsCaptions()
    {
        QFETCH(int, language);
        const QString name = frmAnleitung::fileName(QTest::currentDataTag());
        QFile file(frmAnleitung::filePath(QStringLiteral(ZELVARO_PROGRAM_FOLDER), name));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(name + " is not beside the program"));
        QTextDocument document;
        const rtf::ReadReport report = rtf::read(document, file.readAll());
        QVERIFY2(report.complete, qPrintable(report.warnings.join("; ")));

        const QString text = normalised(document.toPlainText());
        QVERIFY(text.size() > 8000);
        modTexte::subInitSprache(quint8(language));
        QStringList missing;
        for (const int entry : kCaptions) {
            const QString caption = asRunningText(modTexte::Texte(language, entry));
            if (!text.contains(caption))
                missing << QStringLiteral("%1 \"%2\"").arg(entry).arg(caption);
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(", ")));
        // The status marks and the formula read as what they are.
        for (const QString& symbol :
             {QStringLiteral("☑"), QStringLiteral("☐"), QStringLiteral("√"), QStringLiteral("m/s²")})
            QVERIFY2(text.contains(symbol), qPrintable(symbol));
        QVERIFY(text.contains(QStringLiteral("File <") + name + QStringLiteral("> not found.")));

        QVERIFY(hasBoldText(document));
        QCOMPARE(tableCount(document), 1);
        QVERIFY(text.contains(QChar(0x2022)));                                                 // a bulleted list
        QVERIFY(QRegularExpression(QStringLiteral("(^|\\s)1\\.\\s")).match(text).hasMatch());  // a numbered one
    }
};

QTEST_MAIN(DocumentsTest)
#include "tst_documents.moc"
