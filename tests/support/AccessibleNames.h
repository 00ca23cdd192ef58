#pragma once

// For the tests of every window: the controls a keyboard user reaches and what
// a screen reader calls them.

#include <QAccessible>
#include <QStringList>
#include <QWidget>

namespace reach {

// The controls of the window that Tab can reach, in the window's tab order,
// whether enabled now or not.
inline QList<QWidget*> tabChain(QWidget* window)
{
    QList<QWidget*> chain;
    QWidget* widget = window;
    do {
        widget = widget->nextInFocusChain();
        if (widget->window() == window && (widget->focusPolicy() & Qt::TabFocus) && !widget->isHidden()
            && !chain.contains(widget))
            chain << widget;
    } while (widget != window);
    return chain;
}

inline QStringList objectNames(const QList<QWidget*>& widgets)
{
    QStringList names;
    for (const QWidget* widget : widgets)
        names << widget->objectName();
    return names;
}

inline QString spokenName(QWidget* widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

// Object names of the window's Tab-reachable controls that a screen reader
// would announce without a name.
inline QStringList unnamedControls(QWidget* window)
{
    QStringList unnamed;
    for (QWidget* widget : tabChain(window))
        if (spokenName(widget).trimmed().isEmpty())
            unnamed << (widget->objectName().isEmpty() ? QLatin1String(widget->metaObject()->className())
                                                       : widget->objectName());
    return unnamed;
}

}  // namespace reach
