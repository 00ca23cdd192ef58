#pragma once

#include "rtf/RtfTokenizer.h"

#include <Qt>

#include <algorithm>

namespace rtf {

// Where the text of a group goes.
// AnsiAlternative: the text of \upr, shown only through its \ud part. NestedRowDefinition: the
// definition of a nested table's row, which follows the row's cells.
enum class Destination { Text, Skip, FontTable, ColorTable, Picture, AnsiAlternative, NestedRowDefinition };

struct CharState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int halfPoints = 24;  // RTF's default size is 12 pt
    int font = -1;        // index into the font table, -1 = none chosen
    int color = 0;        // index into the colour table, 0 = automatic
    int highlight = 0;

    bool operator==(const CharState&) const = default;
};

struct ParaState {
    Qt::Alignment alignment = Qt::AlignLeft;
    int leftTwips = 0;
    int rightTwips = 0;
    int firstTwips = 0;
    int beforeTwips = 0;
    int afterTwips = 0;
    int lineTwips = 0;          // \slN: 0 automatic, > 0 at least, < 0 exactly
    bool lineMultiple = false;  // \slmult1: \sl is a multiple of single spacing (240 = 1)
    bool keepNext = false;      // \keepn: on the page of the next paragraph
    int tableLevel = 0;         // \intbl, \itapN: 0 outside tables, 1 in a table, 2 in a table in a table ...

    bool operator==(const ParaState&) const = default;
};

// Everything an RTF group saves on '{' and restores on '}'.
struct GroupState {
    Destination destination = Destination::Text;
    CharState chars;
    ParaState para;
    int unicodeSkip = 1;   // \ucN: fallback characters that follow each \uN
    bool starred = false;  // the group began with \*: unknown destinations are skipped
};

}  // namespace rtf

namespace rtf {

// Twips to the document's pixels (1440 twips per inch at 96 pixels per inch).
inline double twipsToPixels(int twips)
{
    return twips / 15.0;
}

// Bound for measures so that damaged values cannot make the layout absurd (22 inches).
constexpr int maxTwips = 31680;

// A measure word's parameter in twips, within that bound; 0 without a parameter.
inline int twips(const Token& token)
{
    return token.hasParam ? std::clamp(token.param, -maxTwips, maxTwips) : 0;
}

}  // namespace rtf
