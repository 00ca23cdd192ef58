#pragma once

#include "calculation/Measures.h"

#include <QString>
#include <array>

// What the printed report copies from the main and details windows: texts
// exactly as the windows show them at the moment of printing. No widget in it,
// so the report page can be filled and tested from plain values.

// One work-cycle row as the report needs it.
struct ReportRow {
    // Whether the last calculation counted the row; only counted rows are printed.
    bool counted = false;
    // Taken from the catalogue line when its option is selected, else from the own-values line.
    QString optionCaption;
    QString MaschinenFamilie;
    QString MaschinenTyp;
    QString Arbeitszyklus;
    QString Betriebsbedingung;
    QString Einwirkungsdauer;
    std::array<QString, 3> Messwert;  // X, Y, Z
    std::array<QString, 3> Punkte;    // X, Y, Z

    // From the details window.
    QString ZustandUntergrund;
    QString FestigkeitUntergrund;
    QString BewegtesMaterial;
    QString Fahrstil;
    QString Anmerkung;
};

struct ReportData {
    QString txtDatum;
    QString txtFirma;
    QString txtFahrer;
    QString txtFahrererfahrung;  // text of the selected driver-experience entry

    std::array<ReportRow, calculation::kRows> rows;  // rows 1..5 at index 0..4

    QString txtA8X;
    QString txtA8Y;
    QString txtA8Z;
    QString txtPunkteGesX;
    QString txtPunkteGesY;
    QString txtPunkteGesZ;
    QString txtDauerSum;
    QString txtA8Max;
    QString txtPktMax;
};
