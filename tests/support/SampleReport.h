#pragma once

// A filled report as the main and details windows would give it: rows 1 and 3
// counted (catalogue and own values), row 2 entered but not counted.

#include "report/ReportData.h"

namespace sample {

// Before any calculation: no row counted, all texts empty.
inline ReportData emptyReport()
{
    ReportData d;
    for (ReportRow& row : d.rows)
        row.counted = false;
    return d;
}

inline ReportData filledReport()
{
    ReportData d;
    d.txtDatum = QStringLiteral("09.12.2026");
    d.txtFirma = QStringLiteral("Tiefbau Gruber GmbH");
    d.txtFahrer = QStringLiteral("Anna Berger");
    d.txtFahrererfahrung = QStringLiteral("erfahren");

    ReportRow& one = d.rows[0];
    one.counted = true;
    one.optionCaption = QStringLiteral("genormt");
    one.MaschinenFamilie = QStringLiteral("Bagger");
    one.MaschinenTyp = QStringLiteral("Hydraulikbagger auf Rädern");
    one.Arbeitszyklus = QStringLiteral("Baggern");
    one.Betriebsbedingung = QStringLiteral("normal");
    one.Einwirkungsdauer = QStringLiteral("4");
    one.Messwert = {QStringLiteral("0,35"), QStringLiteral("0,28"), QStringLiteral("0,47")};
    one.Punkte = {QStringLiteral("245"), QStringLiteral("157"), QStringLiteral("221")};
    one.ZustandUntergrund = QStringLiteral("uneben");
    one.FestigkeitUntergrund = QStringLiteral("fest");
    one.BewegtesMaterial = QStringLiteral("Kies");
    one.Fahrstil = QStringLiteral("ruhig");
    one.Anmerkung = QStringLiteral("Baugrube Nord");

    ReportRow& two = d.rows[1];
    two.counted = false;
    two.optionCaption = QStringLiteral("eigene");
    two.MaschinenFamilie = QStringLiteral("Radlader NICHT GEZAEHLT");
    two.Messwert = {QStringLiteral("0,9"), QString(), QString()};

    ReportRow& three = d.rows[2];
    three.counted = true;
    three.optionCaption = QStringLiteral("eigene");
    three.MaschinenFamilie = QStringLiteral("Walze");
    three.MaschinenTyp = QStringLiteral("Tandemwalze 10 t");
    three.Arbeitszyklus = QStringLiteral("Verdichten");
    three.Betriebsbedingung = QStringLiteral("rau");
    three.Einwirkungsdauer = QStringLiteral("3");
    three.Messwert = {QStringLiteral("0,2"), QStringLiteral("0,31"), QStringLiteral("0,62")};
    three.Punkte = {QStringLiteral("60"), QStringLiteral("72"), QStringLiteral("288")};
    three.Anmerkung = QStringLiteral("Zufahrt mit Schlaglöchern, langsam gefahren");

    for (std::size_t row = 3; row < 5; ++row)
        d.rows[row].counted = false;

    d.txtA8X = QStringLiteral("0,42");
    d.txtA8Y = QStringLiteral("0,33");
    d.txtA8Z = QStringLiteral("0,47");
    d.txtPunkteGesX = QStringLiteral("305");
    d.txtPunkteGesY = QStringLiteral("229");
    d.txtPunkteGesZ = QStringLiteral("509");
    d.txtDauerSum = QStringLiteral("7");
    d.txtA8Max = QStringLiteral("0,47");
    d.txtPktMax = QStringLiteral("509");
    return d;
}

}  // namespace sample
