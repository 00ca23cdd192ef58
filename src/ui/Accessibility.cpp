#include "ui/Accessibility.h"

#include "ui/StatusMark.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace ui {

namespace {

class AccessibleList : public QAccessibleWidget {
public:
    explicit AccessibleList(QComboBox* list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return list()->isEditable() ? list()->lineEdit()->text() : list()->currentText();
        return QAccessibleWidget::text(kind);
    }

    // The entries' popup, and the typing field of an editable list.
    int childCount() const override { return list()->isEditable() ? 2 : 1; }
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
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
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

void installAccessibleInterfaces()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(programInterface);
}

}  // namespace ui
