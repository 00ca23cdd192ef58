#include "ui/Widgets.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QHash>
#include <QPalette>
#include <QStyleOptionGroupBox>
#include <QStylePainter>
#include <QWidget>
#include <cmath>

namespace ui {

namespace {

// A list holds the focus when it is its window's focus control, whether that
// window is active or not.
bool holdsFocus(const QWidget* list)
{
    return list->window()->focusWidget() == list;
}

// Whether the active pop-up is the one of this list (a list's pop-up is a
// window of its own, with the list as its parent).
bool ownPopupIsOpen(const QWidget* widget)
{
    const QWidget* popup = QApplication::activePopupWidget();
    return popup && popup->parentWidget() == widget;
}

class FocusLeaveFilter : public QObject {
public:
    FocusLeaveFilter(QWidget* watched, std::function<void()> handler)
        : QObject(watched)
        , m_handler(std::move(handler))
    {
        // A pick made without the keyboard focus (the focus called away while the
        // pop-up was open, or the window not active) has no leave to follow it.
        if (auto* list = qobject_cast<QComboBox*>(watched))
            connect(list, &QComboBox::activated, this, [this, list] {
                if (!list->hasFocus())
                    m_handler();
            });
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::FocusOut) {
            auto* widget = static_cast<QWidget*>(object);
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            // Opening the pop-up also sends the list a focus-out of an ordinary reason.
            const bool leavesForAnotherControl = reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason
                && !ownPopupIsOpen(widget);
            if (leavesForAnotherControl && widget->isEnabled() && widget->isVisible())
                m_handler();
        }
        return false;
    }

private:
    std::function<void()> m_handler;
};

class WheelOnlyWithFocusFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() != QEvent::Wheel || holdsFocus(static_cast<QWidget*>(object)))
            return false;
        // Ignored, the notch goes on to the scroll area around the window.
        event->ignore();
        return true;
    }
};

}  // namespace

// Joined directly: arg() parses its pattern anew for each of the windows' 250 names.
QString controlName(const QString& base, int index)
{
    return base + QLatin1Char('_') + QString::number(index);
}

QString controlName(const QString& base, const QString& suffix, int index)
{
    return base + QLatin1Char('_') + suffix + QLatin1Char('_') + QString::number(index);
}

int twips(int value)
{
    return static_cast<int>(std::lround(value / 15.0));
}

void placeTwips(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(twips(left), twips(top), twips(width), twips(height));
}

QColor lightYellow()
{
    return QColor(255, 255, 192);
}
QColor lightGrey()
{
    return QColor(224, 224, 224);
}
QColor lightRed()
{
    return QColor(255, 192, 192);
}
QColor buttonFace()
{
    return QApplication::palette().color(QPalette::Button);
}
QColor windowBackground()
{
    return QApplication::palette().color(QPalette::Base);
}

namespace {

constexpr QPalette::ColorGroup kGroups[] = {QPalette::Active, QPalette::Inactive, QPalette::Disabled};

bool showsBackColor(const QPalette& palette, const QColor& colour)
{
    for (auto group : kGroups)
        if (palette.color(group, QPalette::Base) != colour || palette.color(group, QPalette::Button) != colour)
            return false;
    return true;
}

// One palette per colour, shared by every control of that colour. It sets only
// Base and Button; the control takes every other role from its parent as before.
const QPalette& backPalette(const QColor& colour)
{
    static QHash<QRgb, QPalette> palettes;
    auto found = palettes.find(colour.rgba());
    if (found == palettes.end()) {
        QPalette palette;
        for (auto group : kGroups) {
            palette.setColor(group, QPalette::Base, colour);
            palette.setColor(group, QPalette::Button, colour);
        }
        found = palettes.insert(colour.rgba(), palette);
    }
    return *found;
}

}  // namespace

void setBackColor(QWidget* widget, const QColor& colour)
{
    // The resets set most fields to the colour they already have.
    if (showsBackColor(widget->palette(), colour))
        return;
    widget->setPalette(backPalette(colour));
}

QColor backColor(const QWidget* widget)
{
    return widget->palette().color(QPalette::Base);
}

void onFocusLeave(QWidget* widget, std::function<void()> handler)
{
    widget->installEventFilter(new FocusLeaveFilter(widget, std::move(handler)));
}

void wheelOnlyWithFocus(QComboBox* list)
{
    list->setFocusPolicy(Qt::StrongFocus);
    list->installEventFilter(new WheelOnlyWithFocusFilter(list));
}

QString oneLine(const QString& text)
{
    QString line = text;
    line.replace(QStringLiteral("-\r\n"), QString());
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    return line.simplified();
}

void BoldTitleGroupBox::paintEvent(QPaintEvent*)
{
    QFont caption = font();
    caption.setBold(true);
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    option.fontMetrics = QFontMetrics(caption);
    painter.setFont(caption);
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
}

}  // namespace ui
