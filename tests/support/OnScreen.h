#pragma once

// For the tests of every window: what the user sees of it, read from the
// windows as they are drawn — the contrast of their texts, where their
// captions' ink lies — and running a modal window.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTextEdit>
#include <QTimer>
#include <cmath>
#include <functional>

namespace onscreen {

// WCAG relative luminance and contrast ratio.
inline double luminance(const QColor& colour)
{
    auto channel = [](int value) {
        const double v = value / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.red()) + 0.7152 * channel(colour.green()) + 0.0722 * channel(colour.blue());
}

inline double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

inline QRgb mostCommon(const QImage& image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000u];
    QRgb common = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most)
            std::tie(common, most) = std::pair{it.key(), it.value()};
    return common;
}

// The contrast of the text drawn in this part of the widget against its ground:
// the ground is the part's most common colour, the text the pixel that stands
// out most from it (smoothed glyph edges only lower it).
inline double textContrast(QWidget* widget, const QRect& part)
{
    // Taken from what the widget lies on, up to its window or to the window's
    // scrolled content, so that a part scrolled out of sight is drawn too.
    QWidget* below = widget;
    while (!below->isWindow()) {
        QWidget* parent = below->parentWidget();
        if (auto* area = qobject_cast<QScrollArea*>(parent->parentWidget()); area && area->widget() == below)
            break;
        below = parent;
    }
    const QImage image = below->grab(QRect(widget->mapTo(below, part.topLeft()), part.size())).toImage();
    const QColor ground = QColor::fromRgb(mostCommon(image));
    double best = 1.0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            best = std::max(best, contrast(QColor::fromRgb(image.pixel(x, y)), ground));
    return best;
}

struct TextPart {
    QWidget* drawnIn;
    QRect part;
    QString name;
};

// The part of each visible text of the window, away from borders and
// drop-down arrows: captions, field contents, list entries and the text view.
inline QList<TextPart> textParts(QWidget* window)
{
    QList<TextPart> parts;
    const int m = 3;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->window() != window)
            continue;
        const QRect inner = w->rect().adjusted(m, m, -m, -m);
        const QString name = w->objectName();
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty())
            parts.append({w, label->rect(), name});
        else if (auto* button = qobject_cast<QAbstractButton*>(w); button && !button->text().isEmpty())
            parts.append({w, inner, name});
        else if (auto* field = qobject_cast<QLineEdit*>(w); field && !field->text().isEmpty())
            parts.append({w, inner, name});
        else if (auto* list = qobject_cast<QComboBox*>(w); list && !list->currentText().isEmpty())
            parts.append({w, inner.adjusted(0, 0, -w->style()->pixelMetric(QStyle::PM_ScrollBarExtent), 0), name});
        else if (auto* frame = qobject_cast<QGroupBox*>(w); frame && !frame->title().trimmed().isEmpty())
            parts.append({w, QRect(0, 0, w->width(), w->fontMetrics().height() + 2), name});
        else if (auto* entries = qobject_cast<QListWidget*>(w))
            for (int i = 0; i < entries->count(); ++i)
                parts.append({entries->viewport(), entries->visualItemRect(entries->item(i)),
                              name + QLatin1Char(' ') + entries->item(i)->text()});
        else if (auto* view = qobject_cast<QTextEdit*>(w); view && !view->document()->isEmpty())
            parts.append({view->viewport(), view->viewport()->rect(), name});
        else if (auto* remark = qobject_cast<QPlainTextEdit*>(w); remark && !remark->document()->isEmpty())
            parts.append({remark->viewport(), remark->viewport()->rect(), name});
    }
    return parts;
}

// The visible texts of the window that stand below ratio against their ground,
// each as "name ratio".
inline QStringList faintTexts(QWidget* window, double ratio = 4.5)
{
    QStringList faint;
    for (const auto& [drawnIn, part, name] : textParts(window))
        if (const double measured = textContrast(drawnIn, part); measured < ratio)
            faint << QStringLiteral("%1 %2").arg(name).arg(measured, 0, 'f', 2);
    return faint;
}

// Where the caption's ink lies, in the coordinates of root: the box around
// every pixel of the caption drawn alone that stands out from its ground.
inline QRectF inkRect(QWidget* caption, QWidget* root)
{
    const QPixmap drawn = caption->grab();
    const QImage image = drawn.toImage();
    const QColor ground = QColor::fromRgb(mostCommon(image));
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (contrast(QColor::fromRgb(image.pixel(x, y)), ground) > 1.2)
                ink |= QRect(x, y, 1, 1);
    if (ink.isEmpty())
        return {};
    const qreal ratio = drawn.devicePixelRatio();
    const QRectF logical(ink.x() / ratio, ink.y() / ratio, ink.width() / ratio, ink.height() / ratio);
    return logical.translated(caption->mapTo(root, QPoint()));
}

// Runs open(), which shows a modal window, and whileOpen on that window once
// it is up; a window still open afterwards is closed, so that a failing test
// cannot hang. Returns whether whileOpen ran.
inline bool whileModal(const std::function<void()>& open, const std::function<void(QWidget*)>& whileOpen)
{
    bool ran = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        ran = true;
        whileOpen(modal);
        if (modal->isVisible())
            modal->close();
    });
    open();
    QApplication::processEvents();
    return ran;
}

}  // namespace onscreen
