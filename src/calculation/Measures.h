#pragma once

// Measures of a working day that the windows and the calculation share.
namespace calculation {

// Work-cycle rows of a day, numbered 1..kRows.
constexpr int kRows = 5;

// The range of a measured value the user may type, in m/s².
constexpr double kLowestMesswert = 0.0;
constexpr double kHighestMesswert = 9.0;

}  // namespace calculation
