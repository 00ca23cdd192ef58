#pragma once

class QComboBox;

// The main window's lists filled from the catalogue and the text table.
namespace catalogue_lists {

// List fills: clear the list, then add each entry in the order of adding with
// its code as item data; nothing is selected afterwards. Texts come from the
// text table in the given language (a language outside 1..5 raises 9).
void fillFamilies(QComboBox* list, int language);
// Returns false, leaving the list empty, for a family code outside 1..10.
bool fillTypes(QComboBox* list, int language, int familyCode);
// Returns false, leaving the list empty, for a type code outside 1..20.
bool fillWorkCycles(QComboBox* list, int language, int typeCode);
void fillConditions(QComboBox* list, int language);        // leicht 1, norm. 2, hart 3
void fillDurations(QComboBox* list);                       // "1".."8", item data 1..8
void fillDriverExperience(QComboBox* list, int language);  // the experience levels, no item data

}  // namespace catalogue_lists
