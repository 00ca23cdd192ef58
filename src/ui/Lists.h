#pragma once

#include <QComboBox>
#include <QString>

namespace ui {

// The program's drop-down list. It draws with one palette object per set of
// colours: the style keeps what it has drawn under the identity of the
// palette, and every control has a palette object of its own, so without
// this each list would draw its frame and arrow anew instead of reusing
// those of a list of the same size and colours. Without a meta-object of its
// own it is a QComboBox to Qt, its accessibility included.
class DropDownList : public QComboBox {
public:
    using QComboBox::QComboBox;

protected:
    void initStyleOption(QStyleOptionComboBox* option) const override;
};

// Drop-down lists in the classic vocabulary: entries carry an integer
// (ItemData); a sorted list puts each new entry at its alphabetical place
// (letter case ignored, accented letters beside their base letters).

void setSorted(QComboBox* list, bool sorted);
bool isSorted(const QComboBox* list);

// Adds an entry and returns its position (NewIndex).
int addItem(QComboBox* list, const QString& text);

// Raise 381 (invalid property array index) for a position that does not exist.
void setItemData(QComboBox* list, int index, int data);
int itemData(const QComboBox* list, int index);

// The selected position, -1 when nothing is selected.
int listIndex(const QComboBox* list);
void setListIndex(QComboBox* list, int index);

// The item data of the selected entry; raises 381 when nothing is selected.
int selectedItemData(const QComboBox* list);

// Text comparison used by sorted lists.
int compareListTexts(const QString& a, const QString& b);

}  // namespace ui
