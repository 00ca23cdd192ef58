#include "ui/StatusMark.h"

#include <QAccessible>
#include <QApplication>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace ui {

StatusMark::StatusMark(QWidget* parent)
    : QLabel(parent)
{
    // DejaVu Sans has both boxes; the report's Liberation Sans has neither.
    setFont(QFont(QStringLiteral("DejaVu Sans"), 12));
    setAlignment(Qt::AlignCenter);
    // Qt orders only focusable controls for Tab; setting a mark takes it off the path until it shows a box.
    // Strong: where the desktop tabs through text controls only, Tab reaches only those.
    setFocusPolicy(Qt::StrongFocus);
    // Black when ticked, grey when empty, whatever colour the caption of the frame around it has;
    // greyed by colour, not by disabling, so that the keyboard still reaches it.
    const QPalette desktop = QApplication::palette();
    m_ticked = palette();
    m_greyed = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        m_ticked.setColor(group, QPalette::WindowText, desktop.color(group, QPalette::WindowText));
        m_greyed.setColor(group, QPalette::WindowText, desktop.color(QPalette::Disabled, QPalette::WindowText));
    }
    setPalette(m_greyed);
}

void StatusMark::setMark(Mark mark)
{
    setPalette(mark == Mark::Ticked ? m_ticked : m_greyed);
    setFocusPolicy(mark == Mark::None ? Qt::NoFocus : Qt::StrongFocus);
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

void StatusMark::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = contentsRect().adjusted(1, 1, -1, -1);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
}

}  // namespace ui
