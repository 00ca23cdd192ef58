#pragma once

#include <QList>
#include <QtGlobal>

class QComboBox;

// The constant machine catalogue and the standardised value table.
namespace catalogue {

constexpr int kFamilies = 10;
constexpr int kTypes = 20;
constexpr int kWorkCycles = 43;
constexpr int kConditions = 3;

struct Entry {
    int code;
    int textEntry;  // entry of the text table that names it
};

// Codes of one level that belong to a code of the level above, in ascending order.
QList<int> typesOfFamily(int familyCode);   // empty outside 1..10
QList<int> workCyclesOfType(int typeCode);  // empty outside 1..20

// Text-table entry of a code; a code outside its range raises 9.
int familyTextEntry(int familyCode);
int typeTextEntry(int typeCode);
int workCycleTextEntry(int workCycleCode);
int conditionTextEntry(int conditionCode);

// fktSchwingungswertOK: the X/Y/Z values of a work cycle under an operating
// condition. Outside the table all three are 0 and the result is false.
bool fktSchwingungswertOK(quint8 workCycle, quint8 condition, double& x, double& y, double& z);

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
void fillDriverExperience(QComboBox* list, int language);  // entries 162..166, no item data

}  // namespace catalogue
