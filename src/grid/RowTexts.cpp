#include "grid/RowTexts.h"

#include "base/Regional.h"
#include "catalogue/Catalogue.h"
#include "texts/TextEntries.h"
#include "texts/modTexte.h"

namespace row_texts {

namespace {

QString entryText(int language, int code, int (*entry)(int))
{
    return code == 0 ? QString() : modTexte::Texte(language, entry(code));
}

}  // namespace

QString familyText(int language, int family)
{
    return entryText(language, family, catalogue::familyTextEntry);
}

QString typeText(int language, int type)
{
    return entryText(language, type, catalogue::typeTextEntry);
}

QString workCycleText(int language, int workCycle)
{
    return entryText(language, workCycle, catalogue::workCycleTextEntry);
}

QString conditionText(int language, int condition)
{
    return entryText(language, condition, catalogue::conditionTextEntry);
}

QString hoursText(int hours)
{
    return hours == 0 ? QString() : QString::number(hours);
}

QString catalogueValueText(double value)
{
    return base::regional().fixed2(value);
}

QString pointsText(std::optional<qint16> points)
{
    return points ? QString::number(*points) : QString();
}

std::array<QString, 10> dayTexts(const std::optional<calculation::DayTotals>& day)
{
    if (!day)
        return {};
    const base::Regional& settings = base::regional();
    const calculation::DayTotals& d = *day;
    return {settings.generalNumber(d.DauerSum), settings.fixed2(d.A8[0]),        settings.fixed2(d.A8[1]),
            settings.fixed2(d.A8[2]),           QString::number(d.PunkteGes[0]), QString::number(d.PunkteGes[1]),
            QString::number(d.PunkteGes[2]),    QString::number(d.AnzSum),       settings.fixed2(d.A8Max),
            QString::number(d.PktMax)};
}

ReportRow reportRow(const RowState& state, int language)
{
    ReportRow out;
    out.counted = state.result.counted;
    const bool catalogueLine = state.mode == InputMode::Catalogue;
    out.optionCaption = modTexte::caption(language, catalogueLine ? modTexte::Genormt : modTexte::Eigene);
    if (catalogueLine) {
        const CatalogueChoice& chosen = state.catalogue;
        out.MaschinenFamilie = familyText(language, chosen.family);
        out.MaschinenTyp = typeText(language, chosen.type);
        out.Arbeitszyklus = workCycleText(language, chosen.workCycle);
        out.Betriebsbedingung = conditionText(language, chosen.condition);
        out.Einwirkungsdauer = hoursText(chosen.hours);
    } else {
        const OwnEntry& own = state.own;
        out.MaschinenFamilie = own.machine[0];
        out.MaschinenTyp = own.machine[1];
        out.Arbeitszyklus = own.machine[2];
        out.Betriebsbedingung = conditionText(language, own.condition);
        out.Einwirkungsdauer = hoursText(own.hours);
    }
    if (!out.counted)
        return out;
    for (std::size_t axis = 0; axis < 3; ++axis) {
        // An own value prints as typed, a catalogue value as its line shows it.
        out.Messwert[axis] = catalogueLine ? catalogueValueText(state.result.Messwert[axis])
                                           : state.own.Messwert[axis].text;
        out.Punkte[axis] = pointsText(state.result.Punkte[axis]);
    }
    return out;
}

}  // namespace row_texts
