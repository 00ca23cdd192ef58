#include "calculation/Formulas.h"

#include "base/ErrorGuard.h"
#include "base/Regional.h"
#include "base/RuntimeError.h"

#include <cmath>

namespace calculation {

std::optional<qint16> fktPunkteFormel(double a, double hours)
{
    std::optional<qint16> points;
    base::guard(QStringLiteral("fktPunkteFormel"), [&] {
        // 0.5 m/s² over 8 hours is 100 points.
        const double q = a / 0.5;
        // Square, times T, over 8, times 100: another order can change the last
        // bit and with it the rounding of a tie.
        const double p = std::pow(q, 2) * hours / 8 * 100;
        points = base::toInt16(p);
    });
    return points;
}

double a8(double sumOfSquaresTimesHours)
{
    const double result = std::sqrt((1.0 / 8) * sumOfSquaresTimesHours);
    if (!std::isfinite(result))
        base::raise(base::ErrOverflow);
    return result;
}

double fktMaxZahl(double first, double second, double third)
{
    return base::guarded(QStringLiteral("fktMaxZahl"), 0.0, [&] {
        double m = first;
        if (second > m)
            m = second;
        if (third > m)
            m = third;
        return m;
    });
}

}  // namespace calculation
