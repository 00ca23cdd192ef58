#pragma once

#include <QString>

class QComboBox;

namespace ui {

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
