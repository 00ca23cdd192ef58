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

std::array<QString, 3> CatalogueLine::machineTexts() const
{
    return {MaschinenFamilie->currentText(), MaschinenTyp->currentText(), Arbeitszyklus->currentText()};
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

std::array<QString, 3> OwnValuesLine::machineTexts() const
{
    return {MaschinenFamilie->text(), MaschinenTyp->text(), Arbeitszyklus->text()};
}

InputLine& WorkRow::line(const QString& suffix)
{
    return const_cast<InputLine&>(std::as_const(*this).line(suffix));
}

const InputLine& WorkRow::line(const QString& suffix) const
{
    if (suffix == QLatin1String("G"))
        return G;
    if (suffix == QLatin1String("E"))
        return E;
    base::raise(base::ErrInvalidIndex);
}
