#include "ui/Lists.h"

#include "base/RuntimeError.h"

#include <QCollator>
#include <QComboBox>
#include <QList>
#include <QPalette>
#include <QStyleOptionComboBox>
#include <QVariant>
#include <utility>

namespace ui {

namespace {

// The first palette seen with the same colours as palette; a bounded number
// are kept, further ones are used as they are.
QPalette sharedPalette(const QPalette& palette)
{
    static QList<QPalette> known;
    for (const QPalette& seen : std::as_const(known))
        if (seen == palette)
            return seen;
    if (known.size() < 32)
        known.append(palette);
    return palette;
}

const char* const kSortedProperty = "zelvaroSorted";

const QCollator& listCollator()
{
    static const QCollator collator = [] {
        QCollator c(QLocale(QLocale::English, QLocale::UnitedStates));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}

void checkIndex(const QComboBox* list, int index)
{
    if (index < 0 || index >= list->count())
        base::raise(base::ErrInvalidIndex);
}

}  // namespace

void DropDownList::initStyleOption(QStyleOptionComboBox* option) const
{
    QComboBox::initStyleOption(option);
    const QPalette::ColorGroup group = option->palette.currentColorGroup();
    option->palette = sharedPalette(option->palette);
    option->palette.setCurrentColorGroup(group);
}

void setSorted(QComboBox* list, bool sorted)
{
    list->setProperty(kSortedProperty, sorted);
}

bool isSorted(const QComboBox* list)
{
    return list->property(kSortedProperty).toBool();
}

int compareListTexts(const QString& a, const QString& b)
{
    return listCollator().compare(a, b);
}

int addItem(QComboBox* list, const QString& text)
{
    int index = list->count();
    if (isSorted(list)) {
        // After any equal texts, so that equal entries keep the order of adding.
        index = 0;
        while (index < list->count() && compareListTexts(list->itemText(index), text) <= 0)
            ++index;
    }
    const int selected = list->currentIndex();
    list->insertItem(index, text);
    // Adding never selects; inserting before the selection only moves it.
    if (selected < 0)
        list->setCurrentIndex(-1);
    return index;
}

void setItemData(QComboBox* list, int index, int data)
{
    checkIndex(list, index);
    list->setItemData(index, data, Qt::UserRole);
}

int itemData(const QComboBox* list, int index)
{
    checkIndex(list, index);
    return list->itemData(index, Qt::UserRole).toInt();
}

int listIndex(const QComboBox* list)
{
    return list->currentIndex();
}

void setListIndex(QComboBox* list, int index)
{
    if (index != -1)
        checkIndex(list, index);
    list->setCurrentIndex(index);
}

int selectedItemData(const QComboBox* list)
{
    return itemData(list, list->currentIndex());
}

}  // namespace ui
