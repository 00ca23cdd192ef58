#include "ui/StatusMark.h"

#include <QAccessible>
#include <QApplication>

namespace ui {

StatusMark::StatusMark(QWidget* parent)
    : QLabel(parent)
{
    // DejaVu Sans has both boxes; the report's Liberation Sans has neither.
    setFont(QFont(QStringLiteral("DejaVu Sans"), 12));
    setAlignment(Qt::AlignCenter);
    // Black when ticked, grey when greyed, whatever colour the caption of the frame around it has.
    QPalette own = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        own.setColor(group, QPalette::WindowText, QApplication::palette().color(group, QPalette::WindowText));
    setPalette(own);
    setEnabled(false);
}

void StatusMark::setMark(Mark mark)
{
    setEnabled(mark == Mark::Ticked);
    setText(mark == Mark::Ticked      ? QStringLiteral("\u2611")
                : mark == Mark::Empty ? QStringLiteral("\u2610")
                                      : QString());
    if (mark == m_mark)
        return;
    m_mark = mark;
    QAccessible::State changed;
    changed.checked = true;
    changed.invisible = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

}  // namespace ui
