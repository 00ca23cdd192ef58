#include "ui/ListArrows.h"

#include <QApplication>
#include <QProxyStyle>
#include <QStyleOptionComplex>

namespace ui {

namespace {

// Wide enough for the glyph with a pixel or two on either side.
constexpr int kArrowWidth = 12;

class SlimListArrowStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override
    {
        const QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
        if (control != CC_ComboBox || (part != SC_ComboBoxArrow && part != SC_ComboBoxEditField))
            return rect;
        const QRect field = QProxyStyle::subControlRect(control, option, SC_ComboBoxEditField, widget);
        const QRect arrow = QProxyStyle::subControlRect(control, option, SC_ComboBoxArrow, widget);
        const int spare = arrow.width() - kArrowWidth;
        const bool leftToRight = option->direction != Qt::RightToLeft;
        // Only where the style puts the arrow beside the field, at the list's far end.
        const bool beside = leftToRight ? field.right() < arrow.left() : arrow.right() < field.left();
        if (spare <= 0 || !beside)
            return rect;
        if (part == SC_ComboBoxArrow)
            return leftToRight ? rect.adjusted(spare, 0, 0, 0) : rect.adjusted(0, 0, -spare, 0);
        return leftToRight ? rect.adjusted(0, 0, spare, 0) : rect.adjusted(-spare, 0, 0, 0);
    }
};

}  // namespace

void useSlimListArrows()
{
    if (dynamic_cast<SlimListArrowStyle*>(QApplication::style()))
        return;
    // Over the style in use, so that a style the user chose stays; the proxy takes it over.
    QApplication::setStyle(new SlimListArrowStyle(QApplication::style()));
}

}  // namespace ui
