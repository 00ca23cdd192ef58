#include "rtf/RtfControlWords.h"

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
            {"cell", {Action::Cell}},
            {"row", {Action::Row}},

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
                                 "nesttableprops",
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
