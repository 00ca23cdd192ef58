#pragma once

#include <QtGlobal>
#include <optional>

namespace calculation {

// fktPunkteFormel: points of one axis, (a/0.5)^2 * T / 8 * 100 rounded to a
// 16-bit integer, ties to even. On an error (overflow 6) it shows the common
// message titled fktPunkteFormel and returns nothing.
std::optional<qint16> fktPunkteFormel(double a, double hours);

// Daily exposure of one axis from the sum of a^2 * T over the counted rows.
double a8(double sumOfSquaresTimesHours);

// fktMaxZahl: the largest of three values; on ties the earlier one stays.
double fktMaxZahl(double first, double second, double third);

}  // namespace calculation
