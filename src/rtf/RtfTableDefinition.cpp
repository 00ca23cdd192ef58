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

int parameter(const Token& token)
{
    return token.hasParam ? token.param : 0;
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

void RowDefinitionReader::read(const ControlWord& entry, const Token& token, const ColorTable& colors, int maxColumns)
{
    switch (entry.action) {
    case Action::RowDefaults:
        row_ = RowDefinition();
        cell_ = CellDefinition();
        border_ = nullptr;
        break;
    case Action::CellBoundary:
        cell_.rightTwips = twips(token);
        if (row_.cells.size() < maxColumns)
            row_.cells.append(cell_);
        cell_ = CellDefinition();
        border_ = nullptr;
        break;
    case Action::CellShading: cell_.shading = colors.at(parameter(token)); break;
    case Action::CellAlignment: cell_.alignment = QTextCharFormat::VerticalAlignment(entry.value); break;
    case Action::CellBorder:
        border_ = &cell_.borders[static_cast<size_t>(entry.value)];
        *border_ = BorderLine();
        break;
    case Action::OtherBorder: border_ = nullptr; break;
    case Action::BorderStyle:
        if (border_)
            border_->style = QTextFrameFormat::BorderStyle(entry.value);
        break;
    case Action::BorderWidth:
        // Thinner than a pixel would not show on the screen at all.
        if (border_)
            border_->width = std::max(1.0, twipsToPixels(std::clamp(parameter(token), 0, maxBorderTwips)));
        break;
    case Action::BorderColor:
        if (border_)
            border_->color = colors.at(parameter(token));
        break;
    case Action::RowHeight: row_.heightTwips = twips(token); break;
    case Action::RowGap: row_.gapTwips = std::max(0, twips(token)); break;
    case Action::RowPadding: row_.paddingTwips[static_cast<size_t>(entry.value)] = std::max(0, twips(token)); break;
    case Action::RowPaddingUnit:
        // Unit 0 says the padding is not given; 3, twips, is the only unit there is.
        if (parameter(token) == 0)
            row_.paddingTwips[static_cast<size_t>(entry.value)] = -1;
        break;
    default: break;
    }
}

}  // namespace rtf
