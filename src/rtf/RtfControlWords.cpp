#include "rtf/RtfControlWords.h"

#include "rtf/RtfTableDefinition.h"

#include <string_view>
#include <unordered_map>

namespace rtf {

namespace {

using Table = std::unordered_map<std::string_view, ControlWord>;

ControlWord dest(Destination d)
{
    return {Action::Destination, static_cast<int>(d)};
}
ControlWord character(char16_t c)
{
    return {Action::Character, c};
}

const Table& table()
{
    static const Table words = [] {
        Table t{
            {"fonttbl", dest(Destination::FontTable)},
            {"colortbl", dest(Destination::ColorTable)},
            {"pict", dest(Destination::Picture)},
            {"rtf", {Action::TextGroup}},
            {"pntext", {Action::TextGroup}},
            {"listtext", {Action::TextGroup}},
            {"fldrslt", {Action::TextGroup}},
            {"field", {Action::TextGroup}},
            {"shppict", {Action::TextGroup}},
            {"result", {Action::TextGroup}},
            {"upr", dest(Destination::AnsiAlternative)},
            {"ud", {Action::UnicodeAlternative}},

            {"b", {Action::Bold}},
            {"i", {Action::Italic}},
            {"strike", {Action::Strike}},
            {"striked", {Action::Strike}},
            {"ul", {Action::Underline}},
            {"uld", {Action::Underline}},
            {"uldb", {Action::Underline}},
            {"uldash", {Action::Underline}},
            {"ulth", {Action::Underline}},
            {"ulw", {Action::Underline}},
            {"ulwave", {Action::Underline}},
            {"ulnone", {Action::UnderlineNone}},
            {"fs", {Action::FontSize}},
            {"f", {Action::Font}},
            {"cf", {Action::Color}},
            {"highlight", {Action::Highlight}},
            {"plain", {Action::Plain}},

            {"pard", {Action::ParagraphDefault}},
            {"ql", {Action::Align, static_cast<int>(Qt::AlignLeft)}},
            {"qc", {Action::Align, static_cast<int>(Qt::AlignHCenter)}},
            {"qr", {Action::Align, static_cast<int>(Qt::AlignRight)}},
            {"qj", {Action::Align, static_cast<int>(Qt::AlignJustify)}},
            {"li", {Action::LeftIndent}},
            {"ri", {Action::RightIndent}},
            {"fi", {Action::FirstIndent}},
            {"sb", {Action::SpaceBefore}},
            {"sa", {Action::SpaceAfter}},
            {"sl", {Action::LineSpacing}},
            {"slmult", {Action::LineMultiple}},
            {"keepn", {Action::KeepNext}},

            {"par", {Action::Paragraph}},
            {"sect", {Action::Paragraph}},
            {"page", {Action::Page}},
            {"tab", character(u'\t')},
            {"line", character(u'\u2028')},
            {"emdash", character(u'\u2014')},
            {"endash", character(u'\u2013')},
            {"emspace", character(u'\u2003')},
            {"enspace", character(u'\u2002')},
            {"bullet", character(u'\u2022')},
            {"lquote", character(u'\u2018')},
            {"rquote", character(u'\u2019')},
            {"ldblquote", character(u'\u201C')},
            {"rdblquote", character(u'\u201D')},

            {"uc", {Action::UnicodeSkip}},
            {"u", {Action::Unicode}},
            {"ansicpg", {Action::AnsiCodePage}},
            {"ansi", {Action::CodePage, 1252}},
            {"mac", {Action::CodePage, 10000}},
            {"pc", {Action::CodePage, 437}},
            {"pca", {Action::CodePage, 850}},
            {"deff", {Action::DefaultFont}},
            {"fcharset", {Action::FontCharset}},

            {"trowd", {Action::RowDefaults}},
            {"cellx", {Action::CellBoundary}},
            {"clcbpat", {Action::CellShading}},
            {"intbl", {Action::InTable}},
            {"itap", {Action::TableLevel}},
            {"cell", {Action::Cell}},
            {"row", {Action::Row}},
            {"nestcell", {Action::NestedCell}},
            {"nestrow", {Action::NestedRow}},
            {"nesttableprops", dest(Destination::NestedRowDefinition)},
            {"clvertalt", {Action::CellAlignment, QTextCharFormat::AlignTop}},
            {"clvertalc", {Action::CellAlignment, QTextCharFormat::AlignMiddle}},
            {"clvertalb", {Action::CellAlignment, QTextCharFormat::AlignBottom}},
            {"clbrdrt", {Action::CellBorder, Top}},
            {"clbrdrl", {Action::CellBorder, Left}},
            {"clbrdrb", {Action::CellBorder, Bottom}},
            {"clbrdrr", {Action::CellBorder, Right}},
            {"brdrw", {Action::BorderWidth}},
            {"brdrcf", {Action::BorderColor}},
            {"trrh", {Action::RowHeight}},
            {"trgaph", {Action::RowGap}},
            {"trpaddt", {Action::RowPadding, Top}},
            {"trpaddl", {Action::RowPadding, Left}},
            {"trpaddb", {Action::RowPadding, Bottom}},
            {"trpaddr", {Action::RowPadding, Right}},
            {"trpaddft", {Action::RowPaddingUnit, Top}},
            {"trpaddfl", {Action::RowPaddingUnit, Left}},
            {"trpaddfb", {Action::RowPaddingUnit, Bottom}},
            {"trpaddfr", {Action::RowPaddingUnit, Right}},

            {"bin", {Action::Binary}},
            {"pngblip", {Action::PictureType, PicturePng}},
            {"jpegblip", {Action::PictureType, PictureJpeg}},
            {"emfblip", {Action::PictureType, PictureOther}},
            {"wmetafile", {Action::PictureType, PictureOther}},
            {"macpict", {Action::PictureType, PictureOther}},
            {"dibitmap", {Action::PictureType, PictureOther}},
            {"wbitmap", {Action::PictureType, PictureOther}},
            {"pmmetafile", {Action::PictureType, PictureOther}},
            {"picwgoal", {Action::PictureGoalWidth}},
            {"pichgoal", {Action::PictureGoalHeight}},
            {"picscalex", {Action::PictureScaleX}},
            {"picscaley", {Action::PictureScaleY}},

            {"red", {Action::Red}},
            {"green", {Action::Green}},
            {"blue", {Action::Blue}},
        };
        // Border kinds by what Qt can draw of them: the many double and wavy kinds as double and solid lines.
        const auto border = [&t](QTextFrameFormat::BorderStyle style, std::initializer_list<const char*> names) {
            for (const char* name : names)
                t.emplace(name, ControlWord{Action::BorderStyle, style});
        };
        border(QTextFrameFormat::BorderStyle_Solid,
               {"brdrs", "brdrth", "brdrsh", "brdrhair", "brdrwavy", "brdrwavydb", "brdrframe", "brdrdashsm"});
        border(QTextFrameFormat::BorderStyle_Double,
               {"brdrdb", "brdrtriple", "brdrtnthsg", "brdrthtnsg", "brdrtnthtnsg", "brdrtnthmg", "brdrthtnmg",
                "brdrtnthtnmg", "brdrtnthlg", "brdrthtnlg", "brdrtnthtnlg"});
        border(QTextFrameFormat::BorderStyle_Dotted, {"brdrdot"});
        border(QTextFrameFormat::BorderStyle_Dashed, {"brdrdash"});
        border(QTextFrameFormat::BorderStyle_DotDash, {"brdrdashd", "brdrdashdotstr"});
        border(QTextFrameFormat::BorderStyle_DotDotDash, {"brdrdashdd"});
        border(QTextFrameFormat::BorderStyle_Inset, {"brdrinset"});
        border(QTextFrameFormat::BorderStyle_Outset, {"brdroutset"});
        border(QTextFrameFormat::BorderStyle_Groove, {"brdrengrave"});
        border(QTextFrameFormat::BorderStyle_Ridge, {"brdremboss"});
        border(QTextFrameFormat::BorderStyle_None, {"brdrnone", "brdrnil", "brdrtbl"});
        for (const char* name :
             {"brdrt", "brdrb", "brdrl", "brdrr", "brdrbtw", "brdrbar", "box", "trbrdrt", "trbrdrl", "trbrdrb",
              "trbrdrr", "trbrdrh", "trbrdrv", "chbrdr", "pgbrdrt", "pgbrdrb", "pgbrdrl", "pgbrdrr"})
            t.emplace(name, ControlWord{Action::OtherBorder});

        // Destinations whose content is not part of the visible text.
        for (const char* name : {"stylesheet",
                                 "info",
                                 "pn",
                                 "listtable",
                                 "listoverridetable",
                                 "list",  // list definitions, also where writers put them outside the tables
                                 "listlevel",
                                 "leveltext",
                                 "levelnumbers",
                                 "listname",
                                 "listoverride",
                                 "lfolevel",
                                 "header",
                                 "headerl",
                                 "headerr",
                                 "headerf",
                                 "footer",
                                 "footerl",
                                 "footerr",
                                 "footerf",
                                 "footnote",
                                 "fldinst",
                                 "revtbl",
                                 "rsidtbl",
                                 "nonshppict",
                                 "objdata",
                                 "objclass",
                                 "themedata",
                                 "colorschememapping",
                                 "datastore",
                                 "latentstyles",
                                 "xmlnstbl",
                                 "generator",
                                 "bkmkstart",
                                 "bkmkend",
                                 "annotation",
                                 "atnid",
                                 "atnauthor",
                                 "private",
                                 "userprops",
                                 "docvar",
                                 "pgdsctbl",
                                 "filetbl",
                                 "mmathPr",
                                 "xe",
                                 "tc",
                                 "txe",
                                 "template",
                                 "listpicture",
                                 "pnseclvl",
                                 "falt",
                                 "panose",
                                 "blipuid",
                                 "nonesttables"})
            t.emplace(name, dest(Destination::Skip));
        return t;
    }();
    return words;
}

}  // namespace

const ControlWord* findControlWord(QByteArrayView name)
{
    const Table& words = table();
    const auto it = words.find(std::string_view(name.data(), static_cast<size_t>(name.size())));
    return it == words.end() ? nullptr : &it->second;
}

}  // namespace rtf
