#pragma once

#include <QtGlobal>
#include <array>
#include <span>

namespace calculation {

// What a counted row contributes to the day, axes X, Y, Z.
struct CountedRow {
    std::array<double, 3> Messwert{};  // m/s²
    std::array<qint16, 3> Punkte{};
    double hours = 0;
};

// The ten values of the day result.
struct DayTotals {
    qint16 AnzSum = 0;                  // counted rows
    double DauerSum = 0;                // hours
    std::array<qint16, 3> PunkteGes{};  // point total per axis
    qint16 PktMax = 0;                  // the largest point total
    std::array<double, 3> A8{};         // daily exposure per axis, m/s²
    double A8Max = 0;                   // the largest daily exposure
};

// The day totals of the counted rows: sums, A(8) per axis and the two maxima.
// A count or point total beyond 16 bits, or a duration or A(8) that is no
// longer finite, raises 6 (overflow); nothing is returned then.
DayTotals dayTotals(std::span<const CountedRow> rows);

}  // namespace calculation
