#pragma once

#include <QList>
#include <QtGlobal>

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

}  // namespace catalogue
