#pragma once

// Driving real windows in tests: find controls by object name, pick list
// entries, leave controls the way a user does.

#include "ui/Lists.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

namespace driver {

template <class T = QWidget>
T* find(const QWidget* root, const QString& name)
{
    T* widget = root->findChild<T*>(name);
    if (!widget)
        qWarning("no control named %s", qPrintable(name));
    return widget;
}

inline QString rowName(const char* base, int row)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(base)).arg(row);
}

// Moves the keyboard focus into the control as a user tabbing into it would.
inline void enter(QWidget* widget)
{
    widget->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
}

// Leaves the control with the Tab key, for the next control of the window.
inline void leave(QWidget* widget)
{
    if (!widget->hasFocus())
        enter(widget);
    QTest::keyClick(widget, Qt::Key_Tab);
    QApplication::processEvents();
}

inline int indexOfCode(const QComboBox* list, int code)
{
    for (int i = 0; i < list->count(); ++i)
        if (ui::itemData(list, i) == code)
            return i;
    return -1;
}

// Enters the list, picks the entry at this position and leaves the list.
inline bool chooseIndex(QComboBox* list, int index)
{
    if (index < 0)
        return false;
    enter(list);
    list->setCurrentIndex(index);
    leave(list);
    return true;
}

inline bool choose(QComboBox* list, int code)
{
    return chooseIndex(list, indexOfCode(list, code));
}

// Types into a text field as a user does, then leaves it.
inline void type(QLineEdit* field, const QString& text)
{
    enter(field);
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
    leave(field);
}

inline QStringList texts(const QComboBox* list)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->itemText(i);
    return result;
}

inline QList<int> codes(const QComboBox* list)
{
    QList<int> result;
    for (int i = 0; i < list->count(); ++i)
        result << ui::itemData(list, i);
    return result;
}

}  // namespace driver
