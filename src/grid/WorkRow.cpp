#include "grid/WorkRow.h"

#include <QComboBox>
#include <QLineEdit>

QList<QWidget*> InputLine::fields() const
{
    return {MaschinenFamilie, MaschinenTyp,      Arbeitszyklus,      Betriebsbedingung,
            Einwirkungsdauer, Messwert[AxisX],   Punkte[AxisX],      Messwert[AxisY],
            Punkte[AxisY],    Messwert[AxisZ],   Punkte[AxisZ]};
}

void WorkRow::neutraliseWorkingFields()
{
    const QString zero = QStringLiteral("0");
    txtAnzNr = zero;
    Messwert = {zero, zero, zero};
    Punkte = {zero, zero, zero};
    txtDauer = zero;
}
