#include "grid/WorkRow.h"

#include "base/RuntimeError.h"

#include <QComboBox>
#include <QLineEdit>

QList<QWidget*> InputLine::fields() const
{
    const std::array<QWidget*, 3> machine = machineFields();
    return {machine[0],    machine[1],      machine[2],    Betriebsbedingung, Einwirkungsdauer, Messwert[AxisX],
            Punkte[AxisX], Messwert[AxisY], Punkte[AxisY], Messwert[AxisZ],   Punkte[AxisZ]};
}

std::array<QWidget*, 3> CatalogueLine::machineFields() const
{
    return {MaschinenFamilie, MaschinenTyp, Arbeitszyklus};
}

void CatalogueLine::emptyMachineFields()
{
    MaschinenFamilie->clear();
    MaschinenTyp->clear();
    Arbeitszyklus->clear();
}

std::array<QWidget*, 3> OwnValuesLine::machineFields() const
{
    return {MaschinenFamilie, MaschinenTyp, Arbeitszyklus};
}

void OwnValuesLine::emptyMachineFields()
{
    MaschinenFamilie->setText(QString());
    MaschinenTyp->setText(QString());
    Arbeitszyklus->setText(QString());
}

InputLine& WorkRow::line(InputMode mode)
{
    if (mode == InputMode::Catalogue)
        return G;
    if (mode == InputMode::OwnValues)
        return E;
    base::raise(base::ErrInvalidIndex);
}

InputMode WorkRow::lineOf(const QString& suffix)
{
    if (suffix == QLatin1String("G"))
        return InputMode::Catalogue;
    if (suffix == QLatin1String("E"))
        return InputMode::OwnValues;
    base::raise(base::ErrInvalidIndex);
}
