#include "rtf/RtfTableDefinition.h"

#include "rtf/RtfDestinations.h"
#include "rtf/RtfState.h"

#include <algorithm>

namespace rtf {

namespace {

// Word's standard left and right cell padding, where the row names none.
constexpr int standardGapTwips = 108;
// Border widths beyond this are damage (Word allows 75 twips).
constexpr int maxBorderTwips = 300;
// Paddings and row heights beyond this are damage (a page's height).
constexpr int maxRowTwips = 31680;

int parameter(const Token& token, int fallback = 0)
{
    return token.hasParam ? token.param : fallback;
}

}  // namespace

double RowDefinition::padding(Side side) const
{
    if (paddingTwips[side] >= 0)
        return twipsToPixels(paddingTwips[side]);
    if (side == Left || side == Right)
        return twipsToPixels(gapTwips >= 0 ? gapTwips : standardGapTwips);
    return 0;
}

bool RowDefinitionReader::read(const ControlWord& entry, const Token& token, const ColorTable& colors, int maxColumns)
{
    switch (entry.action) {
    case Action::RowDefaults:
        row_ = RowDefinition();
        cell_ = CellDefinition();
        border_ = nullptr;
        return true;
    case Action::CellBoundary:
        cell_.rightTwips = std::clamp(parameter(token), -maxRowTwips, maxRowTwips);
        if (row_.cells.size() < maxColumns)
            row_.cells.append(cell_);
        cell_ = CellDefinition();
        border_ = nullptr;
        return true;
    case Action::CellShading: cell_.shading = colors.at(parameter(token)); return true;
    case Action::CellAlignment: cell_.alignment = QTextCharFormat::VerticalAlignment(entry.value); return true;
    case Action::CellBorder:
        border_ = &cell_.borders[static_cast<size_t>(entry.value)];
        *border_ = BorderLine();
        return true;
    case Action::OtherBorder: border_ = nullptr; return true;
    case Action::BorderStyle:
        if (border_)
            border_->style = QTextFrameFormat::BorderStyle(entry.value);
        return true;
    case Action::BorderWidth:
        // Thinner than a pixel would not show on the screen at all.
        if (border_)
            border_->width = std::max(1.0, twipsToPixels(std::clamp(parameter(token), 0, maxBorderTwips)));
        return true;
    case Action::BorderColor:
        if (border_)
            border_->color = colors.at(parameter(token));
        return true;
    case Action::RowHeight: row_.heightTwips = std::clamp(parameter(token), -maxRowTwips, maxRowTwips); return true;
    case Action::RowGap: row_.gapTwips = std::clamp(parameter(token), 0, maxRowTwips); return true;
    case Action::RowPadding:
        row_.paddingTwips[static_cast<size_t>(entry.value)] = std::clamp(parameter(token), 0, maxRowTwips);
        return true;
    case Action::RowPaddingUnit:
        // Unit 0 says the padding is not given; 3, twips, is the only unit there is.
        if (parameter(token) == 0)
            row_.paddingTwips[static_cast<size_t>(entry.value)] = -1;
        return true;
    default: return false;
    }
}

}  // namespace rtf
