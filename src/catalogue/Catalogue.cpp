#include "catalogue/Catalogue.h"

#include "base/ErrorGuard.h"
#include "base/RuntimeError.h"
#include "texts/TextEntries.h"

#include <QStringLiteral>
#include <array>

namespace catalogue {

namespace {

struct Family {
    int code;
    int textEntry;
};

struct Type {
    int code;
    int family;
    int textEntry;
};

struct Xyz {
    double x;
    double y;
    double z;
};

struct WorkCycle {
    int code;
    int type;
    int textEntry;
    Xyz values[kConditions];  // leicht, norm., hart
};

// clang-format off
constexpr std::array<Family, kFamilies> kFamilyTable{{
    { 1, 132},  // Walzen
    { 2,  87},  // Muldenfahrzeuge
    { 3,   8},  // Bagger
    { 4,  61},  // Lader
    { 5,  92},  // Planiermaschine
    { 6, 103},  // Rohrleger
    { 7,  83},  // Motorgrader
    { 8, 107},  // Scraper
    { 9,  88},  // Müllverdichter
    {10, 121},  // Teleskoplader
}};
// clang-format on

// Types 17..19 use the second text entries (158..160) of their family's wording.
// clang-format off
constexpr std::array<Type, kTypes> kTypeTable{{
    { 1,  1, 131},  // Vibrationswalzenzug
    { 2,  1, 120},  // Tandemwalze mit Vibration
    { 3,  2,  56},  // Kompakt-Dumper knickgelenkt
    { 4,  2,  85},  // Muldenfz mit Knickgelenkrahmen
    { 5,  2,  86},  // Muldenfahrzeug mit Starrrahmen
    { 6,  3,  58},  // Kompakt-Raupenbagger
    { 7,  3,  98},  // Raupenbagger
    { 8,  3,  82},  // Mobilbagger
    { 9,  4,   9},  // Baggerlader
    {10,  4,  59},  // Kompakt-Skid-Steer-Lader
    {11,  4,  99},  // Raupen-Skid-Steer-Lader
    {12,  4,  57},  // Kompakt-Radlader
    {13,  4,  97},  // Radlader
    {14,  4,  62},  // Laderaupe
    {15,  5,  93},  // Planierraupe
    {16,  6, 103},  // Rohrleger
    {17,  7, 158},  // Motorgrader
    {18,  8, 159},  // Scraper
    {19,  9, 160},  // Müllverdichter
    {20, 10, 121},  // Teleskoplader
}};
// clang-format on

// Standardised X / Y / Z values in m/s². "Überführungsfahrt" is entry 124 for
// the excavators and 161 elsewhere; the two differ in some languages.
// clang-format off
constexpr std::array<WorkCycle, kWorkCycles> kWorkCycleTable{{
//cycle type entry leicht X / Y / Z    norm. X / Y / Z     hart X / Y / Z
    { 1,  1, 128, {{0.30, 0.31, 0.29}, {0.47, 0.53, 0.41}, {0.64, 0.75, 0.53}}},  // Verdichten (Steine)
    { 2,  1, 127, {{0.21, 0.11, 0.17}, {0.29, 0.28, 0.28}, {0.37, 0.45, 0.39}}},  // Verdichten (Sand)
    { 3,  2,   3, {{0.22, 0.32, 0.34}, {0.33, 0.40, 0.48}, {0.44, 0.48, 0.62}}},  // Asphalt mit Vibration
    { 4,  2,   4, {{0.22, 0.23, 0.17}, {0.35, 0.43, 0.36}, {0.48, 0.63, 0.55}}},  // Asphalt ohne Vibration
    { 5,  3,   2, {{0.41, 0.54, 0.43}, {0.49, 0.61, 0.48}, {0.57, 0.68, 0.53}}},  // Arbeitszyklus
    { 6,  4,  13, {{0.12, 0.18, 0.08}, {0.29, 0.41, 0.24}, {0.46, 0.64, 0.40}}},  // Beladungsprozess
    { 7,  4,  34, {{0.24, 0.09, 0.12}, {0.49, 0.42, 0.30}, {0.74, 0.75, 0.48}}},  // Entladungsprozess
    { 8,  4,  36, {{0.43, 0.60, 0.46}, {0.64, 0.89, 0.67}, {0.85, 1.18, 0.88}}},  // Fahren mit Last
    { 9,  4,  37, {{0.56, 0.76, 0.53}, {0.82, 1.02, 0.81}, {1.08, 1.28, 1.09}}},  // Fahren ohne Last
    {10,  5,  13, {{0.01, 0.05, 0.02}, {0.20, 0.22, 0.21}, {0.39, 0.39, 0.40}}},  // Beladungsprozess
    {11,  5,  34, {{0.23, 0.24, 0.25}, {0.37, 0.37, 0.33}, {0.51, 0.50, 0.41}}},  // Entladungsprozess
    {12,  5,  36, {{0.40, 0.39, 0.48}, {0.61, 0.63, 0.82}, {0.82, 0.87, 1.16}}},  // Fahren mit Last
    {13,  5,  37, {{0.53, 0.48, 0.54}, {0.73, 0.73, 0.87}, {0.93, 0.98, 1.20}}},  // Fahren ohne Last
    {14,  6,  10, {{0.14, 0.09, 0.09}, {0.33, 0.21, 0.19}, {0.52, 0.33, 0.29}}},  // Baggern
    {15,  6,  81, {{0.29, 0.15, 0.19}, {0.49, 0.28, 0.36}, {0.69, 0.41, 0.53}}},  // mit Hydraulikhammer
    {16,  6, 124, {{0.28, 0.21, 0.34}, {0.45, 0.39, 0.62}, {0.62, 0.57, 0.90}}},  // Überführungsfahrt
    {17,  7,  10, {{0.20, 0.11, 0.13}, {0.44, 0.27, 0.30}, {0.68, 0.43, 0.47}}},  // Baggern
    {18,  7,  81, {{0.23, 0.13, 0.27}, {0.53, 0.31, 0.55}, {0.83, 0.49, 0.83}}},  // mit Hydraulikhammer
    {19,  7,  30, {{0.44, 0.27, 0.29}, {0.65, 0.42, 0.61}, {0.86, 0.57, 0.93}}},  // Einsatz in Gewinnung
    {20,  7, 124, {{0.29, 0.12, 0.56}, {0.48, 0.32, 0.79}, {0.67, 0.52, 1.02}}},  // Überführungsfahrt
    {21,  8,  10, {{0.26, 0.13, 0.16}, {0.52, 0.35, 0.29}, {0.78, 0.57, 0.42}}},  // Baggern
    {22,  8, 124, {{0.29, 0.33, 0.42}, {0.41, 0.53, 0.61}, {0.53, 0.73, 0.80}}},  // Überführungsfahrt
    {23,  9,  10, {{0.19, 0.10, 0.14}, {0.28, 0.26, 0.20}, {0.37, 0.42, 0.26}}},  // Baggern
    {24, 10,  69, {{0.56, 0.40, 0.58}, {0.86, 0.73, 0.93}, {1.16, 1.06, 1.28}}},  // Load & Carry
    {25, 11, 126, {{0.91, 0.16, 0.50}, {1.21, 1.00, 0.82}, {1.51, 1.84, 1.14}}},  // V-Betrieb
    {26, 12,  69, {{0.67, 0.57, 0.52}, {0.94, 0.86, 0.65}, {1.21, 1.15, 0.78}}},  // Load & Carry
    {27, 13,  69, {{0.61, 0.61, 0.38}, {0.84, 0.81, 0.52}, {1.07, 1.01, 0.66}}},  // Load & Carry
    {28, 13,  30, {{0.80, 0.66, 0.34}, {1.27, 0.97, 0.81}, {1.74, 1.28, 1.28}}},  // Einsatz in Gewinnung
    {29, 13, 161, {{0.43, 0.56, 0.32}, {0.76, 0.91, 0.49}, {1.09, 1.26, 0.66}}},  // Überführungsfahrt
    {30, 13, 126, {{0.70, 0.52, 0.40}, {0.99, 0.84, 0.54}, {1.28, 1.16, 0.68}}},  // V-Betrieb
    {31, 14,  69, {{0.77, 0.51, 0.42}, {0.89, 0.67, 0.52}, {1.01, 0.83, 0.62}}},  // Load & Carry
    {32, 14, 161, {{0.40, 0.37, 0.45}, {0.58, 0.49, 0.60}, {0.76, 0.61, 0.75}}},  // Überführungsfahrt
    {33, 14, 126, {{0.83, 0.58, 0.45}, {1.24, 0.93, 0.63}, {1.65, 1.28, 0.81}}},  // V-Betrieb
    {34, 15,  91, {{0.43, 0.33, 0.39}, {0.74, 0.58, 0.70}, {1.05, 0.83, 1.01}}},  // Planieren
    {35, 15,  80, {{0.85, 0.78, 0.74}, {1.25, 1.19, 1.02}, {1.65, 1.60, 1.30}}},  // mit Heckaufreißer
    {36, 15, 161, {{0.44, 0.40, 0.63}, {0.87, 0.80, 0.97}, {1.30, 1.20, 1.31}}},  // Überführungsfahrt
    {37, 16,   2, {{0.12, 0.12, 0.10}, {0.21, 0.23, 0.24}, {0.30, 0.34, 0.38}}},  // Arbeitszyklus
    {38, 17,  42, {{0.19, 0.22, 0.24}, {0.41, 0.48, 0.38}, {0.63, 0.74, 0.52}}},  // Feinplanum
    {39, 17,  53, {{0.40, 0.43, 0.48}, {0.61, 0.64, 0.78}, {0.82, 0.85, 1.08}}},  // hartes Arbeiten
    {40, 17, 161, {{0.14, 0.11, 0.24}, {0.39, 0.36, 0.58}, {0.64, 0.61, 0.92}}},  // Überführungsfahrt
    {41, 18,   2, {{0.12, 0.12, 0.10}, {0.21, 0.23, 0.24}, {0.30, 0.34, 0.38}}},  // Arbeitszyklus
    {42, 19,   2, {{0.38, 0.50, 0.19}, {0.55, 0.83, 0.34}, {0.72, 1.16, 0.49}}},  // Arbeitszyklus
    {43, 20,   2, {{0.63, 0.45, 0.39}, {0.82, 0.53, 0.60}, {1.01, 0.68, 0.81}}},  // Arbeitszyklus
}};
// clang-format on

constexpr std::array<int, kConditions> kConditionTextEntries{modTexte::Leicht, modTexte::Norm, modTexte::Hart};

constexpr bool tablesAreInCodeOrder()
{
    for (int i = 0; i < kFamilies; ++i)
        if (kFamilyTable[i].code != i + 1)
            return false;
    for (int i = 0; i < kTypes; ++i)
        if (kTypeTable[i].code != i + 1)
            return false;
    for (int i = 0; i < kWorkCycles; ++i)
        if (kWorkCycleTable[i].code != i + 1)
            return false;
    return true;
}
// The lookups index the tables by code - 1.
static_assert(tablesAreInCodeOrder());

void checkCode(int code, int count)
{
    if (code < 1 || code > count)
        base::raise(base::ErrSubscript);
}

}  // namespace

QList<int> typesOfFamily(int familyCode)
{
    QList<int> codes;
    for (const Type& type : kTypeTable)
        if (type.family == familyCode)
            codes.append(type.code);
    return codes;
}

QList<int> workCyclesOfType(int typeCode)
{
    QList<int> codes;
    for (const WorkCycle& cycle : kWorkCycleTable)
        if (cycle.type == typeCode)
            codes.append(cycle.code);
    return codes;
}

int familyTextEntry(int familyCode)
{
    checkCode(familyCode, kFamilies);
    return kFamilyTable[familyCode - 1].textEntry;
}

int typeTextEntry(int typeCode)
{
    checkCode(typeCode, kTypes);
    return kTypeTable[typeCode - 1].textEntry;
}

int workCycleTextEntry(int workCycleCode)
{
    checkCode(workCycleCode, kWorkCycles);
    return kWorkCycleTable[workCycleCode - 1].textEntry;
}

int conditionTextEntry(int conditionCode)
{
    checkCode(conditionCode, kConditions);
    return kConditionTextEntries[conditionCode - 1];
}

bool fktSchwingungswertOK(quint8 workCycle, quint8 condition, double& x, double& y, double& z)
{
    return base::guarded(QStringLiteral("fktSchwingungswertOK"), false, [&] {
        if (workCycle >= 1 && workCycle <= kWorkCycles && condition >= 1 && condition <= kConditions) {
            const Xyz& v = kWorkCycleTable[workCycle - 1].values[condition - 1];
            x = v.x;
            y = v.y;
            z = v.z;
            return true;
        }
        x = 0.0;
        y = 0.0;
        z = 0.0;
        return false;
    });
}

}  // namespace catalogue
