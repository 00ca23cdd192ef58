#pragma once

// For the tests of every window: the controls a keyboard user reaches and what
// a screen reader calls them.

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <algorithm>
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

inline QString spokenValue(QWidget* widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Value) : QString();
}

// A list's entry as a screen reader reads it: the list's text, all of it selected.
inline QString spokenEntry(QWidget* list)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(list);
    QAccessibleTextInterface* text = accessible ? accessible->textInterface() : nullptr;
    if (!text)
        return QStringLiteral("<no text>");
    int start = 0;
    int end = 0;
    text->selection(0, &start, &end);
    const QString entry = text->text(0, text->characterCount());
    return start == 0 && end == entry.size() ? entry : QStringLiteral("<not selected: %1>").arg(entry);
}

// What the control shows as its value: a list's entry, a field's text.
inline QString shownValue(const QWidget* widget)
{
    if (const auto* list = qobject_cast<const QComboBox*>(widget))
        return list->currentText();
    if (const auto* field = qobject_cast<const QLineEdit*>(widget))
        return field->text();
    return QString();
}

// Object names of the window's Tab-reachable controls that a screen reader
// would announce without a name that says what they are: none at all, only a
// symbol, or only the value they show.
inline QStringList poorlyNamedControls(QWidget* window)
{
    QStringList poorly;
    for (QWidget* widget : tabChain(window)) {
        const QString name = spokenName(widget).trimmed();
        const bool hasWord = std::any_of(name.begin(), name.end(), [](QChar c) { return c.isLetter(); });
        if (!hasWord || name == shownValue(widget).trimmed())
            poorly << (widget->objectName().isEmpty() ? QLatin1String(widget->metaObject()->className())
                                                      : widget->objectName());
    }
    return poorly;
}

}  // namespace reach
