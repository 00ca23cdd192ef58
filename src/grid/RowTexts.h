#pragma once

#include "calculation/DayTotals.h"
#include "grid/RowState.h"
#include "report/ReportData.h"

#include <QString>
#include <QtGlobal>
#include <optional>

// Every text a row's typed state is shown with, made in one place: the lists'
// entries, the values and points of the rows, the day result and the report's
// copy of them, so that paper and screen cannot drift apart.
namespace row_texts {

// The entry texts of the catalogue lists in a language; empty for code 0 (nothing chosen).
QString familyText(int language, int family);
QString typeText(int language, int type);
QString workCycleText(int language, int workCycle);
QString conditionText(int language, int condition);
QString hoursText(int hours);

// A catalogue value as its line shows it ("0.00"), the points of an axis (empty after an overflow).
QString catalogueValueText(double value);
QString pointsText(std::optional<qint16> points);

// The ten day-result texts, in the order of frmMain's resultFields(); all empty without totals.
std::array<QString, 10> dayTexts(const std::optional<calculation::DayTotals>& day);

// A row as the report copies it: the line of its mode, its values and points
// only when the last calculation counted it.
ReportRow reportRow(const RowState& state, int language);

}  // namespace row_texts
