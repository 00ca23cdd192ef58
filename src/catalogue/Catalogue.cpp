#include "catalogue/Catalogue.h"

#include "base/ErrorGuard.h"
#include "base/RuntimeError.h"
#include "texts/TextEntries.h"

#include <QStringLiteral>
#include <array>

namespace catalogue {

namespace {

using namespace modTexte;

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
    { 1, Walzen},
    { 2, Muldenfahrzeuge},
    { 3, Bagger},
    { 4, Lader},
    { 5, Planiermaschine},
    { 6, Rohrleger},
    { 7, Motorgrader},
    { 8, Scraper},
    { 9, Muellverdichter},
    {10, Teleskoplader},
}};
// clang-format on

// Types 17..19 have their family's wording in entries of their own.
// clang-format off
constexpr std::array<Type, kTypes> kTypeTable{{
    { 1,  1, Vibrationswalzenzug},
    { 2,  1, TandemwalzeMitVibration},
    { 3,  2, KompaktDumperKnickgelenkt},
    { 4,  2, MuldenfzMitKnickgelenkrahmen},
    { 5,  2, MuldenfahrzeugMitStarrrahmen},
    { 6,  3, KompaktRaupenbagger},
    { 7,  3, Raupenbagger},
    { 8,  3, Mobilbagger},
    { 9,  4, Baggerlader},
    {10,  4, KompaktSkidSteerLader},
    {11,  4, RaupenSkidSteerLader},
    {12,  4, KompaktRadlader},
    {13,  4, Radlader},
    {14,  4, Laderaupe},
    {15,  5, Planierraupe},
    {16,  6, Rohrleger},
    {17,  7, MotorgraderTyp},
    {18,  8, ScraperTyp},
    {19,  9, MuellverdichterTyp},
    {20, 10, Teleskoplader},
}};
// clang-format on

// Standardised X / Y / Z values in m/s². The excavators' "Überführungsfahrt" is
// an entry of its own; the two differ in some languages.
// clang-format off
constexpr std::array<WorkCycle, kWorkCycles> kWorkCycleTable{{
//cycle type text entry                   leicht X / Y / Z    norm. X / Y / Z     hart X / Y / Z
    { 1,  1, VerdichtenSteine,          {{0.30, 0.31, 0.29}, {0.47, 0.53, 0.41}, {0.64, 0.75, 0.53}}},
    { 2,  1, VerdichtenSand,            {{0.21, 0.11, 0.17}, {0.29, 0.28, 0.28}, {0.37, 0.45, 0.39}}},
    { 3,  2, AsphaltMitVibration,       {{0.22, 0.32, 0.34}, {0.33, 0.40, 0.48}, {0.44, 0.48, 0.62}}},
    { 4,  2, AsphaltOhneVibration,      {{0.22, 0.23, 0.17}, {0.35, 0.43, 0.36}, {0.48, 0.63, 0.55}}},
    { 5,  3, Arbeitszyklus,             {{0.41, 0.54, 0.43}, {0.49, 0.61, 0.48}, {0.57, 0.68, 0.53}}},
    { 6,  4, Beladungsprozess,          {{0.12, 0.18, 0.08}, {0.29, 0.41, 0.24}, {0.46, 0.64, 0.40}}},
    { 7,  4, Entladungsprozess,         {{0.24, 0.09, 0.12}, {0.49, 0.42, 0.30}, {0.74, 0.75, 0.48}}},
    { 8,  4, FahrenMitLast,             {{0.43, 0.60, 0.46}, {0.64, 0.89, 0.67}, {0.85, 1.18, 0.88}}},
    { 9,  4, FahrenOhneLast,            {{0.56, 0.76, 0.53}, {0.82, 1.02, 0.81}, {1.08, 1.28, 1.09}}},
    {10,  5, Beladungsprozess,          {{0.01, 0.05, 0.02}, {0.20, 0.22, 0.21}, {0.39, 0.39, 0.40}}},
    {11,  5, Entladungsprozess,         {{0.23, 0.24, 0.25}, {0.37, 0.37, 0.33}, {0.51, 0.50, 0.41}}},
    {12,  5, FahrenMitLast,             {{0.40, 0.39, 0.48}, {0.61, 0.63, 0.82}, {0.82, 0.87, 1.16}}},
    {13,  5, FahrenOhneLast,            {{0.53, 0.48, 0.54}, {0.73, 0.73, 0.87}, {0.93, 0.98, 1.20}}},
    {14,  6, Baggern,                   {{0.14, 0.09, 0.09}, {0.33, 0.21, 0.19}, {0.52, 0.33, 0.29}}},
    {15,  6, MitHydraulikhammer,        {{0.29, 0.15, 0.19}, {0.49, 0.28, 0.36}, {0.69, 0.41, 0.53}}},
    {16,  6, UeberfuehrungsfahrtBagger, {{0.28, 0.21, 0.34}, {0.45, 0.39, 0.62}, {0.62, 0.57, 0.90}}},
    {17,  7, Baggern,                   {{0.20, 0.11, 0.13}, {0.44, 0.27, 0.30}, {0.68, 0.43, 0.47}}},
    {18,  7, MitHydraulikhammer,        {{0.23, 0.13, 0.27}, {0.53, 0.31, 0.55}, {0.83, 0.49, 0.83}}},
    {19,  7, EinsatzInGewinnung,        {{0.44, 0.27, 0.29}, {0.65, 0.42, 0.61}, {0.86, 0.57, 0.93}}},
    {20,  7, UeberfuehrungsfahrtBagger, {{0.29, 0.12, 0.56}, {0.48, 0.32, 0.79}, {0.67, 0.52, 1.02}}},
    {21,  8, Baggern,                   {{0.26, 0.13, 0.16}, {0.52, 0.35, 0.29}, {0.78, 0.57, 0.42}}},
    {22,  8, UeberfuehrungsfahrtBagger, {{0.29, 0.33, 0.42}, {0.41, 0.53, 0.61}, {0.53, 0.73, 0.80}}},
    {23,  9, Baggern,                   {{0.19, 0.10, 0.14}, {0.28, 0.26, 0.20}, {0.37, 0.42, 0.26}}},
    {24, 10, LoadAndCarry,              {{0.56, 0.40, 0.58}, {0.86, 0.73, 0.93}, {1.16, 1.06, 1.28}}},
    {25, 11, VBetrieb,                  {{0.91, 0.16, 0.50}, {1.21, 1.00, 0.82}, {1.51, 1.84, 1.14}}},
    {26, 12, LoadAndCarry,              {{0.67, 0.57, 0.52}, {0.94, 0.86, 0.65}, {1.21, 1.15, 0.78}}},
    {27, 13, LoadAndCarry,              {{0.61, 0.61, 0.38}, {0.84, 0.81, 0.52}, {1.07, 1.01, 0.66}}},
    {28, 13, EinsatzInGewinnung,        {{0.80, 0.66, 0.34}, {1.27, 0.97, 0.81}, {1.74, 1.28, 1.28}}},
    {29, 13, Ueberfuehrungsfahrt,       {{0.43, 0.56, 0.32}, {0.76, 0.91, 0.49}, {1.09, 1.26, 0.66}}},
    {30, 13, VBetrieb,                  {{0.70, 0.52, 0.40}, {0.99, 0.84, 0.54}, {1.28, 1.16, 0.68}}},
    {31, 14, LoadAndCarry,              {{0.77, 0.51, 0.42}, {0.89, 0.67, 0.52}, {1.01, 0.83, 0.62}}},
    {32, 14, Ueberfuehrungsfahrt,       {{0.40, 0.37, 0.45}, {0.58, 0.49, 0.60}, {0.76, 0.61, 0.75}}},
    {33, 14, VBetrieb,                  {{0.83, 0.58, 0.45}, {1.24, 0.93, 0.63}, {1.65, 1.28, 0.81}}},
    {34, 15, Planieren,                 {{0.43, 0.33, 0.39}, {0.74, 0.58, 0.70}, {1.05, 0.83, 1.01}}},
    {35, 15, MitHeckaufreisser,         {{0.85, 0.78, 0.74}, {1.25, 1.19, 1.02}, {1.65, 1.60, 1.30}}},
    {36, 15, Ueberfuehrungsfahrt,       {{0.44, 0.40, 0.63}, {0.87, 0.80, 0.97}, {1.30, 1.20, 1.31}}},
    {37, 16, Arbeitszyklus,             {{0.12, 0.12, 0.10}, {0.21, 0.23, 0.24}, {0.30, 0.34, 0.38}}},
    {38, 17, Feinplanum,                {{0.19, 0.22, 0.24}, {0.41, 0.48, 0.38}, {0.63, 0.74, 0.52}}},
    {39, 17, HartesArbeiten,            {{0.40, 0.43, 0.48}, {0.61, 0.64, 0.78}, {0.82, 0.85, 1.08}}},
    {40, 17, Ueberfuehrungsfahrt,       {{0.14, 0.11, 0.24}, {0.39, 0.36, 0.58}, {0.64, 0.61, 0.92}}},
    {41, 18, Arbeitszyklus,             {{0.12, 0.12, 0.10}, {0.21, 0.23, 0.24}, {0.30, 0.34, 0.38}}},
    {42, 19, Arbeitszyklus,             {{0.38, 0.50, 0.19}, {0.55, 0.83, 0.34}, {0.72, 1.16, 0.49}}},
    {43, 20, Arbeitszyklus,             {{0.63, 0.45, 0.39}, {0.82, 0.53, 0.60}, {1.01, 0.68, 0.81}}},
}};
// clang-format on

constexpr std::array<int, kConditions> kConditionTextEntries{Leicht, Norm, Hart};

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
