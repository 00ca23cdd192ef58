#pragma once

#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>

// A work-cycle row's state in one typed place. The row's controls show it and
// keep it current as the user edits; the completeness check, the day totals
// and the report read it, never the controls' texts or colours.

enum class InputMode { Off, Catalogue, OwnValues };

// The row's mark: nothing, a ticked box (checked and counted) or an empty box (incomplete).
enum class RowStatus { Normal, Ok, Error };

// A measured value as typed: the text the field shows, and its number when that text is one.
struct TypedValue {
    QString text;
    std::optional<double> number;

    bool blank() const { return text.trimmed().isEmpty(); }
};

// The catalogue line's choices: codes of the selected entries, 0 where none is selected.
struct CatalogueChoice {
    int family = 0;
    int type = 0;
    int workCycle = 0;
    int condition = 0;
    int hours = 0;
    // The family the type list and the type the work-cycle list were built for; 0 while empty.
    int typesBuiltFor = 0;
    int cyclesBuiltFor = 0;
};

// The own-values line's entries.
struct OwnEntry {
    std::array<QString, 3> machine;  // family, type, work cycle, free text
    int condition = 0;
    int hours = 0;
    std::array<TypedValue, 3> Messwert;  // X, Y, Z
};

// What the last calculation left for the day totals: the working fields.
struct RowResult {
    bool counted = false;
    std::array<double, 3> Messwert{};  // m/s², X, Y, Z
    // Points per axis; none after a points overflow, which the day totals refuse.
    std::array<std::optional<qint16>, 3> Punkte{qint16(0), qint16(0), qint16(0)};
    int hours = 0;

    void neutralise() { *this = RowResult{}; }
};

struct RowState {
    InputMode mode = InputMode::Off;
    CatalogueChoice catalogue;
    OwnEntry own;
    RowStatus status = RowStatus::Normal;
    RowResult result;
};
