#include "RtfTestSupport.h"

#include <QRandomGenerator>
#include <QTest>
#include <QTextTable>

using namespace Qt::StringLiterals;

// Damaged and hostile input: each gives the readable text, or nothing, and says it was damaged.
class RtfDamagedTest : public QObject {
    Q_OBJECT

private slots:
    void damaged_data();
    void damaged();
    void limitsCutOff_data();
    void limitsCutOff();
    void tablesAndPicturesCountAgainstLimits_data();
    void tablesAndPicturesCountAgainstLimits();
    void randomBytesGiveAResult();
};

namespace {

QByteArray repeated(const char* piece, int times)
{
    return QByteArray(piece).repeated(times);
}

}  // namespace

void RtfDamagedTest::damaged_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("complete");

    QTest::newRow("empty") << QByteArray() << QString() << true;
    QTest::newRow("not rtf at all") << QByteArray("just some words") << u"just some words"_s << true;
    QTest::newRow("truncated in text") << QByteArray("{\\rtf1\\ansi Hello {\\b wor") << u"Hello wor"_s << false;
    QTest::newRow("truncated in a control word") << QByteArray("{\\rtf1 Hello\\par wor\\b") << u"Hello\nwor"_s << false;
    QTest::newRow("truncated after backslash") << QByteArray("{\\rtf1 Hello\\") << u"Hello"_s << false;
    QTest::newRow("truncated in hex") << QByteArray("{\\rtf1 Hello\\'e") << u"Hello"_s << false;
    QTest::newRow("truncated in font table") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Ari") << QString() << false;
    QTest::newRow("truncated in picture") << QByteArray("{\\rtf1 a{\\pict\\pngblip 89504e47") << u"a"_s << false;
    QTest::newRow("truncated in table") << QByteArray("{\\rtf1\\trowd\\cellx100\\intbl cell") << u"\ncell\n"_s << false;
    QTest::newRow("extra closing braces") << QByteArray("{\\rtf1 {a}}}b}") << u"a"_s << true;
    QTest::newRow("closing brace first") << QByteArray("}{\\rtf1 text}") << u"text"_s << false;
    QTest::newRow("unclosed groups") << QByteArray("{\\rtf1 a{\\i b{\\b c") << u"abc"_s << false;
    QTest::newRow("broken hex") << QByteArray("{\\rtf1 a\\'zzb\\'4}") << u"azzb"_s << true;
    QTest::newRow("unknown control words")
        << QByteArray("{\\rtf1 \\qqq a\\x99999999999999999 b\\verylongcontrolwordthatnoonewouldwriteever c}")
        << u"abc"_s << true;
    QTest::newRow("huge parameters") << QByteArray("{\\rtf1\\fs99999999999 a\\li-99999999999 b\\u99999999 c\\uc999"
                                                   "\\u65 dddddddddddddddddddde}")
                                     << u"abAdddde"_s << true;
    QTest::newRow("huge bin length") << QByteArray("{\\rtf1 a\\bin2147483647 bbbb}") << u"a"_s << false;
    QTest::newRow("bin past the end") << QByteArray("{\\rtf1 a\\bin99 bb") << u"a"_s << false;
    QTest::newRow("negative bin") << QByteArray("{\\rtf1 a\\bin-5 b}") << u"ab"_s << true;
    QTest::newRow("big bin data") << "{\\rtf1 a\\bin4000000 " + repeated("{}\\x", 1000000) + "b}" << u"ab"_s << true;
    QTest::newRow("100000 nested groups") << "{\\rtf1 start" + repeated("{", 100000) + "deep" + repeated("}", 100000)
            + " end}" << u"start end"_s << false;
    QTest::newRow("100000 unclosed groups") << "{\\rtf1 start" + repeated("{\\b ", 100000) + "x" << u"start"_s << false;
    QTest::newRow("100000 closing braces") << "{\\rtf1 a}" + repeated("}", 100000) << u"a"_s << true;
    QTest::newRow("nested pictures") << QByteArray("{\\rtf1 a{\\pict\\pngblip{\\pict\\pngblip 00}00}b}") << u"ab"_s
                                     << false;
    QTest::newRow("nested tables of fonts") << QByteArray("{\\rtf1{\\fonttbl{\\fonttbl{\\f0 X;}}}a}") << u"a"_s << true;
    QTest::newRow("cell outside a table") << QByteArray("{\\rtf1 a\\cell b\\row c}") << u"a\n\nbc"_s << true;
    QTest::newRow("nul bytes") << QByteArray("{\\rtf1 a\0b}", 11) << u"ab"_s << true;
}

void RtfDamagedTest::damaged()
{
    QFETCH(QByteArray, rtf);
    const ReadSample sample(rtf);
    QTEST(sample.text(), "expected");
    QTEST(sample.report.complete, "complete");
    QCOMPARE(sample.report.warnings.isEmpty(), sample.report.complete);
}

void RtfDamagedTest::limitsCutOff_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("expected");

    QTest::newRow("text length") << QByteArray("{\\rtf1 0123456789abcdef}") << 10 << u"0123456789"_s;
    QTest::newRow("paragraphs count as text") << "{\\rtf1 " + repeated("\\par ", 100) + "}" << 10 << QString(10, u'\n');
    QTest::newRow("depth") << QByteArray("{\\rtf1 a{b{c{d{e{f}}}}}g}") << 4 << u"abcdg"_s;
    QTest::newRow("table rows") << "{\\rtf1 " + repeated("\\trowd\\cellx100\\pard\\intbl x\\cell\\row ", 5) + "}" << 3
                                << u"\nx\nx\nx\nxx"_s;
    QTest::newRow("table columns") << "{\\rtf1\\trowd\\pard\\intbl " + repeated("y\\cell ", 5) + "\\row}" << 3
                                   << u"\ny\ny\nyyy\n"_s;
}

void RtfDamagedTest::limitsCutOff()
{
    QFETCH(QByteArray, rtf);
    QFETCH(int, limit);
    rtf::Limits limits;
    const QByteArray tag = QTest::currentDataTag();
    if (tag.startsWith("table rows"))
        limits.maxTableRows = limit;
    else if (tag.startsWith("table columns"))
        limits.maxTableColumns = limit;
    else if (tag.startsWith("depth"))
        limits.maxDepth = limit;
    else
        limits.maxTextLength = limit;
    const ReadSample sample(rtf, limits);
    QTEST(sample.text(), "expected");
    QVERIFY(!sample.report.complete);
}

void RtfDamagedTest::tablesAndPicturesCountAgainstLimits_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<int>("maxCharacters");
    QTest::addColumn<int>("images");

    const QByteArray png = "{\\pict\\pngblip " + imageHex(testImage(), "PNG") + "}";
    QTest::newRow("many small tables") << "{\\rtf1 "
            + repeated("\\trowd\\cellx1\\cellx2\\cellx3\\cellx4\\pard\\intbl x\\row\\pard\\par ", 500)
            + "}" << 1000 << 0;
    QTest::newRow("wide rows") << "{\\rtf1\\pard\\intbl " + repeated("\\cell ", 60) + repeated("\\row\\cell ", 500)
            + "}" << 1000 << 0;
    QTest::newRow("tables in cells") << "{\\rtf1 "
            + repeated("\\pard\\intbl\\itap2 x\\nestcell\\nestrow\\pard\\intbl\\itap1\\cell\\row ", 500)
            + "}" << 1000 << 0;
    QTest::newRow("tables deep in cells")
        << "{\\rtf1 " + repeated("\\pard\\intbl\\itap99 x\\nestcell\\nestrow\\itap3 y\\par ", 500) + "}" << 1000 << 0;
    QTest::newRow("picture count") << "{\\rtf1 " + png.repeated(100) + "}" << 1000 << 64;
    QTest::newRow("picture pixels") << "{\\rtf1 " + png.repeated(100) + "}" << 1000 << 5;
}

void RtfDamagedTest::tablesAndPicturesCountAgainstLimits()
{
    QFETCH(QByteArray, rtf);
    QFETCH(int, maxCharacters);
    QFETCH(int, images);
    rtf::Limits limits;
    limits.maxTextLength = maxCharacters;
    if (QByteArray(QTest::currentDataTag()) == "picture pixels")
        limits.maxTotalPicturePixels = 5 * 12 + 11;  // room for five of the 4 x 3 pictures
    const ReadSample sample(rtf, limits);
    QVERIFY(!sample.report.complete);
    QVERIFY2(sample.document.characterCount() <= maxCharacters + 1,
             qPrintable(QString::number(sample.document.characterCount())));
    QCOMPARE(sample.text().count(QChar::ObjectReplacementCharacter), images);
}

void RtfDamagedTest::randomBytesGiveAResult()
{
    // Random bytes mixed with RTF syntax: the reader must end and leave a usable document.
    QRandomGenerator random(20240611);
    const QByteArray alphabet = "{}\\\\\\'*abcdefpictbinuc0123456789- ;\n";
    for (int round = 0; round < 200; ++round) {
        QByteArray data = "{\\rtf1 ";
        const int length = random.bounded(2000);
        for (int i = 0; i < length; ++i) {
            data.append(random.bounded(4) == 0 ? char(random.bounded(256))
                                               : alphabet[random.bounded(int(alphabet.size()))]);
        }
        const ReadSample sample(data);
        QVERIFY(sample.document.characterCount() >= 1);
    }
}

QTEST_MAIN(RtfDamagedTest)
#include "tst_rtfdamaged.moc"
