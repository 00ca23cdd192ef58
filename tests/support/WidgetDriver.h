#pragma once

// Driving real windows in tests: find controls by object name, pick list
// entries, leave controls the way a user does.

#include "ui/Lists.h"
#include "ui/Widgets.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>
#include <type_traits>

namespace driver {

// The control of that name and kind below root. A missing one fails the
// running test with its name and gives a stand-in that belongs to no window (a
// kind without a plain constructor gives none),
// so that the test ends with that failure instead of crashing on a null pointer.
template <class T = QWidget>
T* find(const QWidget* root, const QString& name)
{
    if (T* widget = root->findChild<T*>(name))
        return widget;
    QTest::qFail(qPrintable(QStringLiteral("no control named %1").arg(name)), __FILE__, __LINE__);
    if constexpr (std::is_abstract_v<T> || !std::is_default_constructible_v<T>) {
        return nullptr;
    } else {
        auto* standIn = new T;  // left alive: the failing test may still touch it
        standIn->setObjectName(name);
        return standIn;
    }
}

// The caption the control of that name shows: a label's or button's text, a
// frame's title. A missing control, or one without a caption, fails the test.
inline QString caption(const QWidget* root, const QString& name)
{
    QWidget* control = find(root, name);
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->text();
    if (auto* frame = qobject_cast<QGroupBox*>(control))
        return frame->title();
    if (!QTest::currentTestFailed())  // a missing control has failed it already
        QTest::qFail(qPrintable(QStringLiteral("%1 shows no caption").arg(name)), __FILE__, __LINE__);
    return {};
}

// The shown windows of that kind, such as the open instructions windows.
template <class Window>
QList<Window*> shownWindows()
{
    QList<Window*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<Window*>(widget); window && window->isVisible())
            windows << window;
    return windows;
}

inline QString rowName(const char* base, int row)
{
    return ui::controlName(QLatin1String(base), row);
}

// Deletes what was deleted later (a closed window) and lets the window system catch up.
inline void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
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

// One notch of the mouse wheel over the list, towards its other end. A
// spontaneous notch comes as from the window system, which may move the focus
// first; otherwise the list alone gets it.
inline void wheel(QComboBox* list, bool spontaneous = false)
{
    const QPointF centre = QRectF(list->rect()).center();
    const QPoint notch(0, list->currentIndex() > 0 ? 120 : -120);
    QWheelEvent event(centre, list->mapToGlobal(centre), QPoint(), notch, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    if (spontaneous) {
        QSpontaneKeyEvent::setSpontaneous(&event);
        QApplication::instance()->notify(list, &event);
    } else {
        QApplication::sendEvent(list, &event);
    }
    QApplication::processEvents();
}

// Clicks the entry at this position in the list's open pop-up window.
inline void clickPopupEntry(QComboBox* list, int index)
{
    QAbstractItemView* view = list->view();
    const int middle = view->visualRect(view->model()->index(index, 0)).center().y();
    const QPoint entry = view->viewport()->mapTo(view->window(), QPoint(view->viewport()->width() / 2, middle));
    QTest::mouseClick(view->window()->windowHandle(), Qt::LeftButton, {}, entry);
    QApplication::processEvents();
}

// Opens the list's pop-up with a click and, once whatever that click set off
// has run, clicks the entry at this position in the pop-up's window.
inline void pickFromPopup(QComboBox* list, int index)
{
    QTest::mouseClick(list, Qt::LeftButton);
    QApplication::processEvents();
    clickPopupEntry(list, index);
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
