#include "calculation/DayTotals.h"

#include "base/Regional.h"
#include "base/RuntimeError.h"
#include "calculation/Formulas.h"

#include <cmath>

namespace calculation {

namespace {

// A 16-bit total: beyond 16 bits it raises 6 (overflow).
qint16 checkedSum(qint16 sum, qint16 add)
{
    return base::toInt16(double(sum) + double(add));
}

}  // namespace

DayTotals dayTotals(std::span<const CountedRow> rows)
{
    DayTotals day;
    std::array<double, 3> squares{0, 0, 0};
    for (const CountedRow& row : rows) {
        day.AnzSum = checkedSum(day.AnzSum, 1);
        for (std::size_t axis = 0; axis < 3; ++axis)
            day.PunkteGes[axis] = checkedSum(day.PunkteGes[axis], row.Punkte[axis]);
        day.DauerSum += row.hours;
        for (std::size_t axis = 0; axis < 3; ++axis)
            squares[axis] += std::pow(row.Messwert[axis], 2) * row.hours;
    }
    for (std::size_t axis = 0; axis < 3; ++axis)
        day.A8[axis] = a8(squares[axis]);
    if (!std::isfinite(day.DauerSum))
        base::raise(base::ErrOverflow);
    // The largest of three 16-bit totals is one of them, so it fits again.
    day.PktMax = base::toInt16(fktMaxZahl(day.PunkteGes[0], day.PunkteGes[1], day.PunkteGes[2]));
    day.A8Max = fktMaxZahl(day.A8[0], day.A8[1], day.A8[2]);
    return day;
}

}  // namespace calculation
