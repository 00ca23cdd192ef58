#include "ui/Accessibility.h"

#include "ui/StatusMark.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <utility>

namespace ui {

namespace {

// Tells a screen reader the current entry of a view that has just taken the focus:
// Qt does so only when the entry changes while the view holds the focus.
void announceCurrentItemLater(QAbstractItemView* view)
{
    // After Qt's own focus event for the view, or the reader stays on the view.
    QMetaObject::invokeMethod(
        view,
        [view] {
            if (!view->hasFocus() || !view->currentIndex().isValid())
                return;
            QAccessibleEvent focus(view, QAccessible::Focus);
            focus.setChild(view->currentIndex().row());
            QAccessible::updateAccessibility(&focus);
        },
        Qt::QueuedConnection);
}

// Installed on a view, it watches that view. Installed on the application, it
// watches the lists' pop-ups: a list makes its pop-up only when it is first
// opened (making all of them with their interfaces added a third to the
// start-up), so the filter finds a pop-up when it takes the focus.
class CurrentItemOnFocus : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() != QEvent::FocusIn)
            return false;
        auto* view = qobject_cast<QAbstractItemView*>(object);
        if (view && (object == parent() || isListPopup(view)))
            announceCurrentItemLater(view);
        return false;
    }

private:
    static bool isListPopup(const QWidget* view)
    {
        return view->parentWidget() && qobject_cast<QComboBox*>(view->parentWidget()->parentWidget());
    }
};

// A drop-down list offers its entry as its value and as its text: Qt 6.4's
// AT-SPI bridge has no selection interface for a list, and Orca reads the text
// of a list that has none. A new entry chosen while the list holds the focus
// (arrow keys, letters, the wheel) replaces that text, selected, as an
// editable list's does, which Orca speaks.
class AccessibleList : public QAccessibleWidget,
                       public QAccessibleTextInterface
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    ,
                       public QAccessibleSelectionInterface
#endif
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    ,
                       public QAccessibleAttributesInterface
#endif
{
public:
    explicit AccessibleList(QComboBox* list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
        , m_spoken(list->currentText())
    {
        QObject::connect(list, &QComboBox::currentTextChanged, list, [this](const QString& entry) {
            const QString before = std::exchange(m_spoken, entry);
            if (entry == before || !this->list()->hasFocus())
                return;
            // The new entry first, then the old one goes: Orca speaks an inserted text that is
            // selected, and would call the old one, selected too, a deleted selection.
            QAccessibleTextInsertEvent inserted(this->list(), 0, entry);
            QAccessible::updateAccessibility(&inserted);
            if (!before.isEmpty()) {
                QAccessibleTextRemoveEvent removed(this->list(), int(entry.size()), before);
                QAccessible::updateAccessibility(&removed);
            }
        });
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface && !list()->isEditable())
            return static_cast<QAccessibleTextInterface*>(this);
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
        if (type == QAccessible::SelectionInterface)
            return static_cast<QAccessibleSelectionInterface*>(this);
#endif
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        if (type == QAccessible::AttributesInterface)
            return static_cast<QAccessibleAttributesInterface*>(this);
#endif
        return QAccessibleWidget::interface_cast(type);
    }

#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    // Where the bridge has a selection interface (Orca of Debian 13 reads a
    // list's entry from it): the entry, as the item of the pop-up, none when
    // nothing is chosen; a new entry is announced as a change of selection.
    int selectedItemCount() const override
    {
        return chosenItem() ? 1 : 0;
    }
    QList<QAccessibleInterface*> selectedItems() const override
    {
        if (QAccessibleInterface* item = chosenItem())
            return {item};
        return {};
    }
    bool select(QAccessibleInterface*) override
    {
        return false;
    }
    bool unselect(QAccessibleInterface*) override
    {
        return false;
    }
    bool selectAll() override
    {
        return false;
    }
    bool clear() override
    {
        return false;
    }
#endif
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Orca reads "valuetext" before anything else: a list with no entry says its name alone.
    QList<QAccessible::Attribute> attributeKeys() const override
    {
        return {QAccessible::Attribute::Custom};
    }
    QVariant attributeValue(QAccessible::Attribute key) const override
    {
        if (key != QAccessible::Attribute::Custom)
            return {};
        return QVariant::fromValue(QHash<QString, QString>{{QStringLiteral("valuetext"), entry()}});
    }
#endif

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return list()->isEditable() ? list()->lineEdit()->text() : list()->currentText();
        return QAccessibleWidget::text(kind);
    }

    // The entry as read-only text, all of it selected.
    QString text(int start, int end) const override
    {
        return entry().mid(start, end - start);
    }
    int characterCount() const override
    {
        return int(entry().size());
    }
    void selection(int index, int* start, int* end) const override
    {
        *start = 0;
        *end = index == 0 ? characterCount() : 0;
    }
    int selectionCount() const override
    {
        return entry().isEmpty() ? 0 : 1;
    }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    int cursorPosition() const override
    {
        return characterCount();
    }
    void setCursorPosition(int) override { }
    QRect characterRect(int) const override
    {
        return {};
    }
    int offsetAtPoint(const QPoint&) const override
    {
        return -1;
    }
    void scrollToSubstring(int, int) override { }
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

    // The entries' popup, and the typing field of an editable list.
    int childCount() const override
    {
        return list()->isEditable() ? 2 : 1;
    }
    QAccessibleInterface* child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(list()->view());
        if (index == 1 && list()->isEditable())
            return QAccessible::queryAccessibleInterface(list()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; child && i < childCount(); ++i)
            if (QAccessibleInterface* own = this->child(i); own && own->object() == child->object())
                return i;
        return -1;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        // Asked often: looks for the popup without making it.
        const auto* popup = list()->findChild<QAbstractItemView*>();
        s.expanded = popup && popup->isVisible();
        s.editable = list()->isEditable();
        return s;
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (action != showMenuAction() && action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        if (state().expanded)
            list()->hidePopup();
        else
            list()->showPopup();
    }

private:
    QComboBox* list() const
    {
        return static_cast<QComboBox*>(widget());
    }
    QString entry() const
    {
        return list()->currentText();
    }
    QAccessibleInterface* chosenItem() const
    {
        QAccessibleInterface* popup = QAccessible::queryAccessibleInterface(list()->view());
        return popup && list()->currentIndex() >= 0 ? popup->child(list()->currentIndex()) : nullptr;
    }

    // The entry a screen reader was last told of.
    QString m_spoken;
};

class AccessibleStatusMark : public QAccessibleWidget {
public:
    explicit AccessibleStatusMark(StatusMark* mark)
        : QAccessibleWidget(mark, QAccessible::CheckBox)
    {
    }

    QAccessible::State state() const override
    {
        const StatusMark::Mark shown = static_cast<StatusMark*>(widget())->mark();
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = shown == StatusMark::Mark::Ticked;
        s.readOnly = true;
        // Greyed only to look unfinished; "not checked" says that already.
        s.disabled = false;
        s.invisible = s.invisible || shown == StatusMark::Mark::None;
        return s;
    }
};

QAccessibleInterface* programInterface(const QString&, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (auto* list = qobject_cast<QComboBox*>(widget))
        return new AccessibleList(list);
    if (auto* mark = qobject_cast<StatusMark*>(widget))
        return new AccessibleStatusMark(mark);
    if (widget->isWindow() && widget->metaObject()->superClass() == &QWidget::staticMetaObject)
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

}  // namespace

void announceCurrentItemOnFocus(QAbstractItemView* view)
{
    const QString name = QStringLiteral("zelvaroCurrentItemOnFocus");
    if (view->findChild<QObject*>(name, Qt::FindDirectChildrenOnly))
        return;
    auto* filter = new CurrentItemOnFocus(view);
    filter->setObjectName(name);
    view->installEventFilter(filter);
}

void installAccessibleInterfaces()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(programInterface);
    QCoreApplication::instance()->installEventFilter(new CurrentItemOnFocus(QCoreApplication::instance()));
}

}  // namespace ui
