#include "RtfTestSupport.h"
#include "rtf/TextFormats.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QImage>
#include <QTest>
#include <QTextBlock>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QTextTable>

#include <functional>

using namespace Qt::StringLiterals;

class RtfReaderTest : public QObject {
    Q_OBJECT

private slots:
    void text_data();
    void text();
    void charFormat_data();
    void charFormat();
    void blockFormat_data();
    void blockFormat();
    void lineSpacingAndHangingIndent_data();
    void lineSpacingAndHangingIndent();
    void keepWithNext_data();
    void keepWithNext();
    void pageBreakStartsNextParagraphOnNewPage();
    void tableOfThreeRowsAndTwoColumns();
    void nestedTables_data();
    void nestedTables();
    void cellFormat_data();
    void cellFormat();
    void rowHeight_data();
    void rowHeight();
    void picture_data();
    void picture();
    void readingAgainReplacesContent();
};

void RtfReaderTest::text_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");

    const auto row = [](const char* name, const char* body, const QString& expected) {
        QTest::newRow(name) << QByteArray("{\\rtf1\\ansi\\ansicpg1252\\deff0 ") + body + "}" << expected;
    };
    row("plain", "Hello world", u"Hello world"_s);
    row("line ends in the source are no text", "Hello\r\nwor\nld", u"Helloworld"_s);
    row("paragraphs", "one\\par two\\par\nthree", u"one\ntwo\nthree"_s);
    row("backslash and line end is a paragraph", "one\\\ntwo", u"one\ntwo"_s);
    row("tab and line break", "a\\tab b\\line c", u"a\tb\u2028c"_s);
    row("escaped characters", "\\{x\\} \\\\", u"{x} \\"_s);
    row("delimiting space is consumed", "\\b bold\\b0  normal", u"bold normal"_s);

    row("windows-1252 letters", "\\'e4\\'f6\\'fc\\'df\\'e9\\'e8\\'e0\\'e7\\'f1\\'80", u"äöüßéèàçñ€"_s);
    row("windows-1252 punctuation", "\\'93q\\'94 \\'96 \\'85", u"“q” – …"_s);
    QTest::newRow("code page 1251 from ansicpg")
        << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8}") << u"При"_s;
    QTest::newRow("code page of the font's charset")
        << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset238 Arial CE;}}\\'e8{\\f1 \\'e8}}")
        << u"èč"_s;
    QTest::newRow("font of charset 0 follows ansicpg")
        << QByteArray("{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\fcharset0 Arial;}}\\f0 \\'cf\\'f0\\'e8}")
        << u"При"_s;
    QTest::newRow("mac roman from ansicpg") << QByteArray("{\\rtf1\\mac\\ansicpg10000 \\'8a\\'9f\\'a5}") << u"äü•"_s;
    QTest::newRow("mac japanese from ansicpg")
        << QByteArray("{\\rtf1\\mac\\ansicpg10001 \\'82\\'a0\\'8a\\'bf}") << u"あ漢"_s;
    QTest::newRow("mac fonts' charsets") << QByteArray(
        "{\\rtf1\\ansi{\\fonttbl\\f0\\fcharset77 Helvetica;\\f1\\fcharset78 Osaka;}\\f0 \\'8a\\'a5\\f1 \\'82\\'a0}")
                                         << u"ä•あ"_s;
    row("upr shows its unicode part", "{\\upr{\\b ansi}{\\*\\ud{\\b \\u27700?}}} after", u"水 after"_s);
    row("ud alone is no text", "{\\*\\ud lost}kept", u"kept"_s);
    row("unicode with one fallback", "\\u228?\\u246?\\u252?\\u223?\\u8364?", u"äöüß€"_s);
    row("unicode without fallback", "\\uc0\\u233\\u232\\u224\\u231\\u241", u"éèàçñ"_s);
    row("unicode with two fallbacks", "\\uc2\\u8364\\'80\\'80 x\\u228 ae!", u"€ xä!"_s);
    row("fallback hex counts as one", "\\u8364\\'80rest", u"€rest"_s);
    row("negative unicode", "\\u-3971?\\u-32?", u"\uF07D\uFFE0"_s);
    row("fallback ends at group end", "{\\uc3\\u228 a}bc", u"äbc"_s);
    row("uc is kept per group", "{\\uc0\\u228}\\u246?", u"äö"_s);

    row("special characters", "\\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote", u"—–•‘’“”"_s);
    row("special symbols", "a\\~b\\-c\\_d", u"a\u00A0b\u00ADc\u2011d"_s);

    row("bulleted list as written",
        "{\\*\\listtable{\\list{\\listlevel{\\leveltext\\'01\\u8226 ?;}}}}"
        "{\\listtext\\'95\\tab}First\\par{\\listtext\\'95\\tab}Second\\par",
        u"•\tFirst\n•\tSecond\n"_s);
    row("numbered list as written",
        "{\\pntext 1.\\tab}{\\*\\pn\\pnlvlbody\\pndec{\\pntxta .}}One\\par{\\pntext 2.\\tab}Two",
        u"1.\tOne\n2.\tTwo"_s);
    row("symbol font bullet", "{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset2 Symbol;}}{\\pntext\\f1\\'b7\\tab}Item",
        u"•\tItem"_s);
    row("symbol font glyphs as their characters",
        "{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset2 Symbol;}}{\\f1 abg\\'a3\\'b1\\u-3913?\\u61623?}x", u"αβγ≤±••x"_s);

    row("font and colour tables are no text",
        "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1 Times{\\*\\panose 0202}New Roman;}}"
        "{\\colortbl;\\red255\\green0\\blue0;}Text",
        u"Text"_s);
    row("ignored destinations",
        "{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}{\\author A}}{\\*\\generator Gen;}"
        "{\\*\\unknownthing hidden}{\\*\\bkmkstart b}{\\header head}{\\footnote note}Body",
        u"Body"_s);
    row("star amid a group marks nothing", "{\\i\\b Star\\i0\\b0\\*\\cs7  styled} text", u"Star styled text"_s);
    row("list definitions outside the list table",
        "{\\list\\listtemplateid7{\\listlevel\\levelnfc23{\\leveltext\\'01\\u8226 ?;}{\\levelnumbers;}}"
        "{\\listname Dots;}\\listid7}{\\listoverride\\listid7{\\lfolevel\\listoverridestartat}\\ls1}Body",
        u"Body"_s);
    QTest::newRow("a second document after the first") << QByteArray("{\\rtf1 first}{\\rtf1 second}") << u"first"_s;
    QTest::newRow("bytes after the document") << QByteArray("{\\rtf1 end}\r\n\0x}y", 16) << u"end"_s;
    row("field shows its result", "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}} after", u"link after"_s);
    row("unknown control words are ignored", "a\\foo b\\bar12 c\\zz-3 d", u"abcd"_s);
    row("binary data is skipped", "a\\bin3 {}\\b", u"ab"_s);
}

void RtfReaderTest::text()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    const ReadSample sample(rtf);
    QCOMPARE(sample.text(), expected);
    QVERIFY2(sample.report.complete, qPrintable(sample.report.warnings.join(", ")));
}

namespace {

const QByteArray tables = "{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times New Roman;}{\\f2\\fcharset2 Symbol;}}"
                          "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;\\red255\\green255\\blue0;}";

}  // namespace

void RtfReaderTest::charFormat_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<bool>("strike");
    QTest::addColumn<double>("points");
    QTest::addColumn<QString>("family");
    QTest::addColumn<QColor>("foreground");  // invalid: none set
    QTest::addColumn<QColor>("background");

    const QColor none;
    const QColor red(255, 0, 0);
    const QColor blue(0, 0, 255);
    const QColor yellow(255, 255, 0);
    const QString arial = u"Arial"_s;
    const QString times = u"Times New Roman"_s;
    QTest::newRow("default") << QByteArray("x TEXT") << u"TEXT"_s << false << false << false << false << 12.0 << arial
                             << none << none;
    QTest::newRow("bold") << QByteArray("\\b TEXT") << u"TEXT"_s << true << false << false << false << 12.0 << arial
                          << none << none;
    QTest::newRow("bold off") << QByteArray("\\b a\\b0 TEXT") << u"TEXT"_s << false << false << false << false << 12.0
                              << arial << none << none;
    QTest::newRow("italic") << QByteArray("\\i TEXT\\i0 x") << u"TEXT"_s << false << true << false << false << 12.0
                            << arial << none << none;
    QTest::newRow("italic off") << QByteArray("\\i x\\i0 TEXT") << u"TEXT"_s << false << false << false << false << 12.0
                                << arial << none << none;
    QTest::newRow("underline") << QByteArray("\\ul TEXT") << u"TEXT"_s << false << false << true << false << 12.0
                               << arial << none << none;
    QTest::newRow("underline none") << QByteArray("\\ul x\\ulnone TEXT") << u"TEXT"_s << false << false << false
                                    << false << 12.0 << arial << none << none;
    QTest::newRow("underline zero") << QByteArray("\\ul x\\ul0 TEXT") << u"TEXT"_s << false << false << false << false
                                    << 12.0 << arial << none << none;
    QTest::newRow("strike") << QByteArray("\\strike TEXT") << u"TEXT"_s << false << false << false << true << 12.0
                            << arial << none << none;
    QTest::newRow("strike off") << QByteArray("\\strike x\\strike0 TEXT") << u"TEXT"_s << false << false << false
                                << false << 12.0 << arial << none << none;
    QTest::newRow("size") << QByteArray("\\fs32 TEXT") << u"TEXT"_s << false << false << false << false << 16.0 << arial
                          << none << none;
    QTest::newRow("odd half points") << QByteArray("\\fs21 TEXT") << u"TEXT"_s << false << false << false << false
                                     << 10.5 << arial << none << none;
    QTest::newRow("font") << QByteArray("\\f1 TEXT") << u"TEXT"_s << false << false << false << false << 12.0 << times
                          << none << none;
    QTest::newRow("symbol bullet in the text font")
        << QByteArray("{\\listtext\\f2\\fs20\\'b7\\tab}TEXT") << u"•"_s << false << false << false << false << 10.0
        << arial << none << none;
    QTest::newRow("colour") << QByteArray("\\cf2 TEXT") << u"TEXT"_s << false << false << false << false << 12.0
                            << arial << blue << none;
    QTest::newRow("colour back to automatic") << QByteArray("\\cf1 x\\cf0 TEXT") << u"TEXT"_s << false << false << false
                                              << false << 12.0 << arial << none << none;
    QTest::newRow("highlight") << QByteArray("\\highlight3 TEXT") << u"TEXT"_s << false << false << false << false
                               << 12.0 << arial << none << yellow;
    QTest::newRow("colour outside the table")
        << QByteArray("\\cf9 TEXT") << u"TEXT"_s << false << false << false << false << 12.0 << arial << none << none;
    QTest::newRow("plain resets") << QByteArray("\\b\\i\\ul\\strike\\fs40\\f1\\cf1\\highlight3\\plain TEXT")
                                  << u"TEXT"_s << false << false << false << false << 12.0 << arial << none << none;
    QTest::newRow("group end restores") << QByteArray("{\\b\\i\\fs40\\cf1 x}TEXT") << u"TEXT"_s << false << false
                                        << false << false << 12.0 << arial << none << none;
    QTest::newRow("group inherits") << QByteArray("\\b\\cf1{\\i TEXT}") << u"TEXT"_s << true << true << false << false
                                    << 12.0 << arial << red << none;
    QTest::newRow("all at once") << QByteArray("\\b\\i\\ul\\strike\\fs18\\f1\\cf1\\highlight2 TEXT") << u"TEXT"_s
                                 << true << true << true << true << 9.0 << times << red << blue;
}

void RtfReaderTest::charFormat()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, needle);
    const ReadSample sample("{\\rtf1\\ansi\\deff0" + tables + body + "}");
    const QTextCursor cursor = sample.at(needle);
    QVERIFY(!cursor.isNull());
    const QTextCharFormat format = cursor.charFormat();
    QTEST(format.fontWeight() == QFont::Bold, "bold");
    QTEST(format.fontItalic(), "italic");
    QTEST(format.fontUnderline(), "underline");
    QTEST(format.fontStrikeOut(), "strike");
    QTEST(format.fontPointSize(), "points");
    QTEST(format.fontFamilies().toStringList().value(0), "family");
    QFETCH(QColor, foreground);
    QFETCH(QColor, background);
    QCOMPARE(format.hasProperty(QTextFormat::ForegroundBrush), foreground.isValid());
    if (foreground.isValid())
        QCOMPARE(format.foreground().color(), foreground);
    QCOMPARE(format.hasProperty(QTextFormat::BackgroundBrush), background.isValid());
    if (background.isValid())
        QCOMPARE(format.background().color(), background);
}

void RtfReaderTest::blockFormat_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<double>("left");  // pixels at 96 dpi: 15 twips each
    QTest::addColumn<double>("right");
    QTest::addColumn<double>("indent");
    QTest::addColumn<double>("before");
    QTest::addColumn<double>("after");

    const int left = Qt::AlignLeft;
    QTest::newRow("default") << QByteArray("PARA\\par") << left << 0.0 << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("centred") << QByteArray("\\qc PARA\\par") << int(Qt::AlignHCenter) << 0.0 << 0.0 << 0.0 << 0.0
                             << 0.0;
    QTest::newRow("right") << QByteArray("\\qr PARA\\par") << int(Qt::AlignRight) << 0.0 << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("justified") << QByteArray("\\qj PARA\\par") << int(Qt::AlignJustify) << 0.0 << 0.0 << 0.0 << 0.0
                               << 0.0;
    QTest::newRow("left after centred") << QByteArray("\\qc\\ql PARA\\par") << left << 0.0 << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("indents") << QByteArray("\\li720\\ri360\\fi-300 PARA\\par") << left << 48.0 << 24.0 << -20.0 << 0.0
                             << 0.0;
    QTest::newRow("spacing") << QByteArray("\\sb240\\sa120 PARA\\par") << left << 0.0 << 0.0 << 0.0 << 16.0 << 8.0;
    QTest::newRow("pard resets") << QByteArray("\\qc\\li720\\sb240 x\\par\\pard PARA\\par") << left << 0.0 << 0.0 << 0.0
                                 << 0.0 << 0.0;
    QTest::newRow("paragraph keeps its format")
        << QByteArray("\\qr\\li150 x\\par PARA\\par") << int(Qt::AlignRight) << 10.0 << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("format at the paragraph end counts")
        << QByteArray("PARA\\qc\\sa60\\par x") << int(Qt::AlignHCenter) << 0.0 << 0.0 << 0.0 << 0.0 << 4.0;
    QTest::newRow("heading hanging left of the text")
        << QByteArray("\\li0\\fi-432 PARA\\par\\pard x") << left << 28.8 << 0.0 << -28.8 << 0.0 << 0.0;
    QTest::newRow("text beside a hanging heading")
        << QByteArray("\\li0\\fi-432 x\\par\\pard PARA\\par") << left << 28.8 << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("negative left indent")
        << QByteArray("x\\par\\li-360 PARA\\par") << left << 0.0 << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("hanging beyond an inch")
        << QByteArray("\\li0\\fi-2160 PARA\\par") << left << 144.0 << 0.0 << -144.0 << 0.0 << 0.0;
    QTest::newRow("hanging in a table cell")
        << QByteArray("\\trowd\\cellx3000\\pard\\intbl\\li0\\fi-300 PARA\\cell\\row\\pard x\\par") << left << 20.0
        << 0.0 << -20.0 << 0.0 << 0.0;
    QTest::newRow("last paragraph without par")
        << QByteArray("x\\par\\qr\\ri300 PARA") << int(Qt::AlignRight) << 0.0 << 20.0 << 0.0 << 0.0 << 0.0;
}

void RtfReaderTest::blockFormat()
{
    QFETCH(QByteArray, body);
    const ReadSample sample("{\\rtf1\\ansi " + body + "}");
    const QTextCursor cursor = sample.at(u"PARA"_s);
    QVERIFY(!cursor.isNull());
    const QTextBlockFormat format = cursor.blockFormat();
    QTEST(int(format.alignment() & Qt::AlignHorizontal_Mask), "alignment");
    QTEST(format.leftMargin(), "left");
    QTEST(format.rightMargin(), "right");
    QTEST(format.textIndent(), "indent");
    QTEST(format.topMargin(), "before");
    QTEST(format.bottomMargin(), "after");
}

void RtfReaderTest::lineSpacingAndHangingIndent_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("heightType");
    QTest::addColumn<double>("height");
    QTest::addColumn<QList<double>>("tabs");

    const int single = QTextBlockFormat::SingleHeight;
    QTest::newRow("automatic") << QByteArray("PARA") << single << 0.0 << QList<double>();
    QTest::newRow("one and a half") << QByteArray("\\sl360\\slmult1 PARA") << int(QTextBlockFormat::ProportionalHeight)
                                    << 150.0 << QList<double>();
    QTest::newRow("at least") << QByteArray("\\sl300\\slmult0 PARA") << int(QTextBlockFormat::MinimumHeight) << 20.0
                              << QList<double>();
    QTest::newRow("exactly") << QByteArray("\\sl-240 PARA") << int(QTextBlockFormat::FixedHeight) << 16.0
                             << QList<double>();
    QTest::newRow("hanging indent tab") << QByteArray("\\li720\\fi-360 {\\pntext\\bullet\\tab}PARA") << single << 0.0
                                        << QList<double>{24.0};
}

void RtfReaderTest::lineSpacingAndHangingIndent()
{
    QFETCH(QByteArray, body);
    const ReadSample sample("{\\rtf1\\ansi " + body + "\\par}");
    const QTextBlockFormat format = sample.at(u"PARA"_s).blockFormat();
    QTEST(format.lineHeightType(), "heightType");
    QTEST(format.lineHeight(), "height");
    QList<double> tabs;
    for (const QTextOption::Tab& tab : format.tabPositions())
        tabs.append(tab.position);
    QTEST(tabs, "tabs");
}

void RtfReaderTest::keepWithNext_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("kept");
    QTest::newRow("keepn") << QByteArray("\\keepn PARA\\par") << true;
    QTest::newRow("none") << QByteArray("PARA\\par") << false;
    QTest::newRow("switched off") << QByteArray("\\keepn\\keepn0 PARA\\par") << false;
    QTest::newRow("goes on to the next paragraph") << QByteArray("\\keepn x\\par PARA\\par") << true;
    QTest::newRow("ended by pard") << QByteArray("\\keepn x\\par\\pard PARA\\par") << false;
    QTest::newRow("ended with its group") << QByteArray("{\\keepn x\\par}PARA\\par") << false;
}

void RtfReaderTest::keepWithNext()
{
    QFETCH(QByteArray, body);
    const ReadSample sample("{\\rtf1\\ansi " + body + "}");
    QTEST(sample.at(u"PARA"_s).blockFormat().boolProperty(rtf::KeepWithNextProperty), "kept");
}

void RtfReaderTest::pageBreakStartsNextParagraphOnNewPage()
{
    const ReadSample sample("{\\rtf1 first\\page second\\par third}");
    QCOMPARE(sample.text(), u"first\nsecond\nthird"_s);
    QCOMPARE(sample.at(u"first"_s).blockFormat().pageBreakPolicy(), QTextFormat::PageBreak_Auto);
    QCOMPARE(sample.at(u"second"_s).blockFormat().pageBreakPolicy(), QTextFormat::PageBreak_AlwaysBefore);
    QCOMPARE(sample.at(u"third"_s).blockFormat().pageBreakPolicy(), QTextFormat::PageBreak_Auto);
}

void RtfReaderTest::tableOfThreeRowsAndTwoColumns()
{
    QByteArray rtf = "{\\rtf1\\ansi{\\colortbl;\\red224\\green224\\blue224;}before\\par";
    const char* cells[3][2] = {{"Name", "Value"}, {"\\b Alpha", "1"}, {"Beta", "2\\par two"}};
    for (int r = 0; r < 3; ++r) {
        const auto& row = cells[r];
        rtf += r == 0 ? "\\trowd\\trgaph108\\clcbpat1\\cellx2880\\cellx5760"
                      : "\\trowd\\trgaph108\\cellx2880\\cellx5760";
        for (const char* cell : row)
            rtf += QByteArray("\\pard\\intbl{") + cell + "}\\cell ";
        rtf += "\\row ";
    }
    rtf += "\\pard after\\par}";
    const ReadSample sample(rtf);

    const QTextCursor inside = sample.at(u"Name"_s);
    QTextTable* table = inside.currentTable();
    QVERIFY(table);
    QCOMPARE(table->rows(), 3);
    QCOMPARE(table->columns(), 2);
    const auto cellText = [table](int r, int c) {
        QTextCursor cursor = table->cellAt(r, c).firstCursorPosition();
        cursor.setPosition(table->cellAt(r, c).lastCursorPosition().position(), QTextCursor::KeepAnchor);
        return cursor.selectedText();
    };
    QCOMPARE(cellText(0, 0), u"Name"_s);
    QCOMPARE(cellText(0, 1), u"Value"_s);
    QCOMPARE(cellText(1, 0), u"Alpha"_s);
    QCOMPARE(cellText(1, 1), u"1"_s);
    QCOMPARE(cellText(2, 0), u"Beta"_s);
    QCOMPARE(cellText(2, 1), u"2\u2029two"_s);
    QCOMPARE(sample.at(u"Alpha"_s).charFormat().fontWeight(), int(QFont::Bold));
    QCOMPARE(table->cellAt(0, 0).format().background().color(), QColor(224, 224, 224));
    QCOMPARE(table->cellAt(0, 1).format().hasProperty(QTextFormat::BackgroundBrush), false);
    QCOMPARE(table->cellAt(1, 0).format().hasProperty(QTextFormat::BackgroundBrush), false);
    const QList<QTextLength> widths = table->format().columnWidthConstraints();
    QCOMPARE(widths.size(), 2);
    QCOMPARE(widths[0].rawValue(), 192.0);
    QCOMPARE(widths[1].rawValue(), 192.0);

    QVERIFY(!sample.at(u"before"_s).currentTable());
    QVERIFY(!sample.at(u"after"_s).currentTable());
    QVERIFY(sample.at(u"after"_s).position() > table->lastPosition());
}

void RtfReaderTest::nestedTables_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("expected");

    // A cell holding a table as Word writes it: the inner row's definition follows its cells.
    const QByteArray inner = "\\pard\\intbl\\itap2 x\\nestcell y\\nestcell"
                             "{\\*\\nesttableprops\\trowd\\cellx1000\\cellx2000\\nestrow}{\\nonesttables\\par}";
    const QByteArray outerRow = "\\trowd\\cellx3000\\cellx6000";
    QTest::newRow("table in a cell") << outerRow + "\\pard\\intbl A\\cell" + inner + "\\pard\\intbl\\itap1\\cell\\row"
            + "\\pard after" << u"[A|[x|y]] after"_s;
    QTest::newRow("outer row defined after its cells")
        << "\\pard\\intbl\\itap1 A\\cell" + inner + inner + "\\pard\\intbl\\itap1\\cell" + outerRow + "\\row"
        << u"[A|[x|y/x|y]]"_s;
    QTest::newRow("tables in two rows") << outerRow + "\\pard\\intbl A\\cell" + inner
            + "\\pard\\intbl\\itap1\\cell\\row" + "\\pard\\intbl B\\cell" + inner + "\\pard\\intbl\\itap1\\cell\\row"
                                        << u"[A|[x|y]/B|[x|y]]"_s;
    QTest::newRow("text after a table in the cell")
        << outerRow + "\\pard\\intbl" + inner + "\\pard\\intbl\\itap1 under\\cell B\\cell\\row" << u"[[x|y] under|B]"_s;
    QTest::newRow("three levels") << QByteArray(
        "\\pard\\intbl\\itap3 deep\\nestcell{\\*\\nesttableprops\\trowd\\cellx900\\nestrow}"
        "\\pard\\intbl\\itap2\\nestcell{\\*\\nesttableprops\\trowd\\cellx1000\\nestrow}"
        "\\pard\\intbl\\itap1\\cell\\row")
                                  << u"[[[deep]]]"_s;
    QTest::newRow("nested table without its props")
        << outerRow + "\\pard\\intbl\\itap2 x\\nestcell y\\nestcell\\nestrow" + "\\pard\\intbl\\itap1\\cell\\row"
        << u"[[x|y]|]"_s;
    QTest::newRow("row defined after more cells than it names")
        << QByteArray("\\pard\\intbl a\\cell b\\cell c\\cell\\trowd\\cellx1000\\row\\pard\\intbl 1\\cell 2\\cell "
                      "3\\cell 4\\cell\\row")
        << u"[a|b|c|/1|2|3|4]"_s;
    QTest::newRow("itap0 leaves the table")
        << outerRow + "\\pard\\intbl a\\cell\\row\\pard\\itap0 text" << u"[a|] text"_s;
}

void RtfReaderTest::nestedTables()
{
    QFETCH(QByteArray, body);
    const ReadSample sample("{\\rtf1\\ansi " + body + "}");
    QTEST(sample.tables(), "expected");
    QVERIFY2(sample.report.complete, qPrintable(sample.report.warnings.join(", ")));
    // Qt needs a width for every column, or none, when it adds columns.
    const std::function<void(QTextFrame*)> checkWidths = [&checkWidths](QTextFrame* frame) {
        if (auto* table = qobject_cast<QTextTable*>(frame)) {
            const qsizetype widths = table->format().columnWidthConstraints().size();
            QVERIFY2(widths == 0 || widths == table->columns(), qPrintable(QString::number(widths)));
        }
        for (QTextFrame* child : frame->childFrames())
            checkWidths(child);
    };
    checkWidths(sample.document.rootFrame());
}

namespace {

QString borderText(double width, QTextFrameFormat::BorderStyle style, const QBrush& brush)
{
    if (width == 0 || style == QTextFrameFormat::BorderStyle_None)
        return u"-"_s;
    const char* names[] = {"none",       "dotted", "dashed", "solid", "double", "dotdash",
                           "dotdotdash", "groove", "ridge",  "inset", "outset"};
    return QStringLiteral("%1 %2 %3").arg(width).arg(QLatin1String(names[style]), brush.color().name());
}

}  // namespace

void RtfReaderTest::cellFormat_data()
{
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<QStringList>("borders");  // top, left, bottom, right: width in pixels, style, colour
    QTest::addColumn<QList<double>>("padding");
    QTest::addColumn<int>("alignment");

    const QStringList none{u"-"_s, u"-"_s, u"-"_s, u"-"_s};
    const QList<double> standard{0, 7.2, 0, 7.2};
    const int top = QTextCharFormat::AlignTop;
    QTest::newRow("no borders asked for") << QByteArray("\\trowd\\cellx2000") << none << standard << top;
    QTest::newRow("borders of their own")
        << QByteArray(
               "\\trowd\\clbrdrt\\brdrs\\brdrw30\\brdrcf1\\clbrdrb\\brdrdb\\brdrw10\\clbrdrr\\brdrdot\\cellx2000")
        << QStringList{u"2 solid #ff0000"_s, u"-"_s, u"3 double #000000"_s, u"1 dotted #000000"_s} << standard << top;
    QTest::newRow("border switched off") << QByteArray("\\trowd\\clbrdrl\\brdrs\\brdrnone\\clbrdrt\\brdrtbl\\cellx2000")
                                         << none << standard << top;
    QTest::newRow("row and paragraph borders are not the cell's")
        << QByteArray("\\trowd\\clbrdrl\\brdrs\\trbrdrt\\brdrdb\\brdrw60\\cellx2000\\brdrb\\brdrdash")
        << QStringList{u"-"_s, u"1 solid #000000"_s, u"-"_s, u"-"_s} << standard << top;
    QTest::newRow("properties belong to the next cell")
        << QByteArray("\\trowd\\cellx1000\\clbrdrl\\brdrs\\cellx2000") << none << standard << top;
    QTest::newRow("padding and centred") << QByteArray(
        "\\trowd\\trpaddl60\\trpaddt30\\trpaddfl3\\trpaddft3\\clvertalc\\cellx2000")
                                         << none << QList<double>{2, 4, 0, 7.2} << int(QTextCharFormat::AlignMiddle);
    QTest::newRow("gap as padding") << QByteArray("\\trowd\\trgaph150\\clvertalb\\cellx2000") << none
                                    << QList<double>{0, 10, 0, 10} << int(QTextCharFormat::AlignBottom);
    QTest::newRow("padding without unit") << QByteArray("\\trowd\\trpaddl60\\trpaddfl0\\trpaddr15\\cellx2000") << none
                                          << QList<double>{0, 7.2, 0, 1} << top;
}

void RtfReaderTest::cellFormat()
{
    QFETCH(QByteArray, row);
    const ReadSample sample("{\\rtf1\\ansi{\\colortbl;\\red255\\green0\\blue0;}" + row
                            + "\\pard\\intbl CELL\\cell\\pard\\intbl x\\cell\\row}");
    QTextTable* table = sample.at(u"CELL"_s).currentTable();
    QVERIFY(table);
    QCOMPARE(table->format().border(), 0.0);
    const QTextTableCellFormat format = table->cellAt(0, 0).format().toTableCellFormat();
    QTEST((QStringList{borderText(format.topBorder(), format.topBorderStyle(), format.topBorderBrush()),
                       borderText(format.leftBorder(), format.leftBorderStyle(), format.leftBorderBrush()),
                       borderText(format.bottomBorder(), format.bottomBorderStyle(), format.bottomBorderBrush()),
                       borderText(format.rightBorder(), format.rightBorderStyle(), format.rightBorderBrush())}),
          "borders");
    QTEST((QList<double>{format.topPadding(), format.leftPadding(), format.bottomPadding(), format.rightPadding()}),
          "padding");
    QTEST(int(format.verticalAlignment()), "alignment");
}

void RtfReaderTest::rowHeight_data()
{
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<double>("height");  // of the laid out row, in pixels; 0: as the text needs
    QTest::addColumn<int>("alignment");

    QTest::newRow("as the text needs") << QByteArray("\\trowd\\cellx3000") << 0.0 << int(QTextCharFormat::AlignTop);
    QTest::newRow("at least") << QByteArray("\\trowd\\trrh1500\\cellx3000") << 100.0 << int(QTextCharFormat::AlignTop);
    QTest::newRow("at least, centred") << QByteArray("\\trowd\\trrh1500\\clvertalc\\cellx3000") << 100.0
                                       << int(QTextCharFormat::AlignMiddle);
    QTest::newRow("exactly, at the bottom")
        << QByteArray("\\trowd\\trrh-900\\clvertalb\\cellx3000") << 60.0 << int(QTextCharFormat::AlignBottom);
    QTest::newRow("lower than the text") << QByteArray("\\trowd\\trrh60\\cellx3000") << 0.0
                                         << int(QTextCharFormat::AlignTop);
}

void RtfReaderTest::rowHeight()
{
    QFETCH(QByteArray, row);
    QFETCH(double, height);
    QFETCH(int, alignment);
    const ReadSample sample("{\\rtf1\\ansi " + row + "\\pard\\intbl\\sb90\\sa60 CELL\\par\\fs32 two\\cell\\row}");
    QTextTable* table = sample.at(u"CELL"_s).currentTable();
    QVERIFY(table);
    QAbstractTextDocumentLayout* layout = sample.document.documentLayout();
    // The table stands first, at the document's margin.
    const double rowTop = sample.document.documentMargin();
    const double rowHeight = layout->frameBoundingRect(table).height();
    // The text with the space before its first paragraph and after its last, as word processors show it.
    const QTextBlock first = sample.at(u"CELL"_s).block();
    const QTextBlock last = sample.at(u"two"_s).block();
    const QRectF text = layout->blockBoundingRect(first)
                            .united(layout->blockBoundingRect(last))
                            .adjusted(0, -first.blockFormat().topMargin(), 0, last.blockFormat().bottomMargin());
    QVERIFY2(qAbs(rowHeight - std::max(height, text.height())) < 1.5,
             qPrintable(QStringLiteral("row %1, text %2").arg(rowHeight).arg(text.height())));
    const double above = text.top() - rowTop;
    const double below = rowTop + rowHeight - text.bottom();
    if (alignment == QTextCharFormat::AlignTop)
        QVERIFY2(above < 1.5, qPrintable(QString::number(above)));
    else if (alignment == QTextCharFormat::AlignBottom)
        QVERIFY2(below < 1.5, qPrintable(QString::number(below)));
    else
        QVERIFY2(qAbs(above - below) < 1.5, qPrintable(QStringLiteral("%1 above, %2 below").arg(above).arg(below)));
}

void RtfReaderTest::picture_data()
{
    QTest::addColumn<QByteArray>("picture");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QSizeF>("size");

    const QByteArray png = imageHex(testImage(), "PNG");
    const QByteArray jpeg = imageHex(testImage(), "JPEG");
    QTest::newRow("png") << "{\\pict\\pngblip\\picw4\\pich3 " + png + "}" << true << QSizeF(4, 3);
    QTest::newRow("png with goal size") << "{\\pict\\pngblip\\picwgoal1500\\pichgoal600 " + png + "}" << true
                                        << QSizeF(100, 40);
    QTest::newRow("png scaled") << "{\\pict\\pngblip\\picwgoal1500\\pichgoal600\\picscalex50\\picscaley200 " + png + "}"
                                << true << QSizeF(50, 80);
    QTest::newRow("png in shppict") << "{\\*\\shppict{\\pict{\\*\\picprop x}\\pngblip " + png
            + "}}{\\nonshppict{\\pict\\wmetafile8 0102}}"
                                    << true << QSizeF(4, 3);
    QTest::newRow("jpeg") << "{\\pict\\jpegblip " + jpeg + "}" << true << QSizeF(4, 3);
    QTest::newRow("metafile skipped") << QByteArray("{\\pict\\wmetafile8\\picw10\\pich10 0100090000}") << false
                                      << QSizeF();
    QTest::newRow("damaged png skipped") << "{\\pict\\pngblip " + png.left(40) + "}" << false << QSizeF();
}

void RtfReaderTest::picture()
{
    QFETCH(QByteArray, picture);
    QFETCH(bool, shown);
    const ReadSample sample("{\\rtf1\\ansi before " + picture + " after}");
    QVERIFY(sample.text().startsWith(u"before "_s));
    QVERIFY(sample.text().endsWith(u" after"_s));

    QTextImageFormat image;
    bool found = false;
    for (QTextBlock block = sample.document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isImageFormat()) {
                image = it.fragment().charFormat().toImageFormat();
                found = true;
            }
        }
    }
    QCOMPARE(found, shown);
    if (!shown)
        return;
    const QVariant resource = sample.document.resource(QTextDocument::ImageResource, QUrl(image.name()));
    const QImage loaded = resource.value<QImage>();
    QCOMPARE(loaded.size(), QSize(4, 3));
    const QColor pixel = loaded.pixelColor(1, 1);
    QVERIFY(qAbs(pixel.red() - 200) < 12 && qAbs(pixel.green() - 30) < 12 && qAbs(pixel.blue() - 40) < 12);
    QTEST(QSizeF(image.width(), image.height()), "size");
}

void RtfReaderTest::readingAgainReplacesContent()
{
    QTextDocument document;
    rtf::readInto(document, "{\\rtf1 first {\\pict\\pngblip " + imageHex(testImage(), "PNG") + "}}");
    rtf::readInto(document, "{\\rtf1 second}");
    QCOMPARE(document.toPlainText(), u"second"_s);
}

QTEST_MAIN(RtfReaderTest)
#include "tst_rtfreader.moc"
