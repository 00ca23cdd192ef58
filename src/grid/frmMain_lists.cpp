// The row lists: their fills and what leaving them does.
#include "grid/frmMain.h"

#include "base/ErrorGuard.h"
#include "base/Regional.h"
#include "catalogue/Catalogue.h"
#include "grid/CatalogueLists.h"
#include "ui/Lists.h"
#include "ui/MsgBox.h"

#include <QComboBox>

namespace {

quint8 languageFromText(const QString& language)
{
    return static_cast<quint8>(base::toInt16(base::regional().toDouble(language)));
}

// The type and work-cycle fills: the list is emptied first; a code outside its
// range gives the fixed message and leaves it empty.
template <class Fill>
void fillCascadeList(QComboBox* list, int code, int highestCode, const char* unknownCode, Fill fill)
{
    list->clear();
    if (code < 1 || code > highestCode) {
        ui::msgBox(QLatin1String(unknownCode));
        return;
    }
    fill();
}

}  // namespace

void frmMain::subFuellBetriebsbedingung(quint8 r, quint8 language, const QString& suffix)
{
    base::guard(QStringLiteral("subFuellBetriebsbedingung"),
                [&] { catalogue_lists::fillConditions(row(r).line(suffix).Betriebsbedingung, language); });
}

void frmMain::subFuellEinwirkungsdauer(quint8 r, const QString& suffix)
{
    base::guard(QStringLiteral("subFuellEinwirkungsdauer"),
                [&] { catalogue_lists::fillDurations(row(r).line(suffix).Einwirkungsdauer); });
}

void frmMain::subFuellMaschinenfamilie(quint8 r, quint8 language)
{
    base::guard(QStringLiteral("subFuellMaschinenfamilie"),
                [&] { catalogue_lists::fillFamilies(row(r).G.MaschinenFamilie, language); });
}

void frmMain::subFuellMaschinentyp(quint8 r, const QString& language, quint8 family)
{
    base::guard(QStringLiteral("subFuellMaschinentyp"), [&] {
        WorkRow& w = row(r);
        w.state.catalogue.typesBuiltFor = 0;
        fillCascadeList(w.G.MaschinenTyp, family, catalogue::kFamilies, "Unbekannte Maschinenfamilie",
                        [&] { catalogue_lists::fillTypes(w.G.MaschinenTyp, languageFromText(language), family); });
        w.state.catalogue.typesBuiltFor = family;
    });
}

void frmMain::subFuellArbeitszyklus(quint8 r, const QString& language, quint8 type)
{
    base::guard(QStringLiteral("subFuellArbeitszyklus"), [&] {
        WorkRow& w = row(r);
        w.state.catalogue.cyclesBuiltFor = 0;
        fillCascadeList(w.G.Arbeitszyklus, type, catalogue::kTypes, "Unbekannter Maschinentyp",
                        [&] { catalogue_lists::fillWorkCycles(w.G.Arbeitszyklus, languageFromText(language), type); });
        w.state.catalogue.cyclesBuiltFor = type;
    });
}

bool frmMain::cascadeFromFamily(int r)
{
    WorkRow& w = row(r);
    CatalogueChoice& chosen = w.state.catalogue;
    // Nothing selected: the validate event ends silently, changing nothing.
    if (chosen.family == 0)
        return false;
    // Leaving the list again on the same family keeps the type and work cycle chosen under it.
    if (chosen.family != chosen.typesBuiltFor) {
        subFuellMaschinentyp(base::toByte(r), QString::number(bytSprachNr()), base::toByte(chosen.family));
        w.G.Arbeitszyklus->clear();
        chosen.cyclesBuiltFor = 0;
    }
    return true;
}

bool frmMain::cascadeFromType(int r)
{
    CatalogueChoice& chosen = row(r).state.catalogue;
    if (chosen.type == 0)
        return false;
    if (chosen.type != chosen.cyclesBuiltFor)
        subFuellArbeitszyklus(base::toByte(r), QString::number(bytSprachNr()), base::toByte(chosen.type));
    return true;
}

void frmMain::MaschinenFamilie_G_Validate(int r)
{
    base::guard(QStringLiteral("MaschinenFamilie_G_Validate"), [&] {
        if (cascadeFromFamily(r))
            rowEntryChanged(r);
    });
}

void frmMain::MaschinenTyp_G_Validate(int r)
{
    base::guard(QStringLiteral("MaschinenTyp_G_Validate"), [&] {
        if (cascadeFromType(r))
            rowEntryChanged(r);
    });
}

void frmMain::Arbeitszyklus_G_Validate(int r)
{
    markRowEdited(QStringLiteral("Arbeitszyklus_G_Validate"), r);
}

void frmMain::Betriebsbedingung_G_Validate(int r)
{
    markRowEdited(QStringLiteral("Betriebsbedingung_G_Validate"), r);
}

void frmMain::Einwirkungsdauer_G_Validate(int r)
{
    markRowEdited(QStringLiteral("Einwirkungsdauer_G_Validate"), r);
}

void frmMain::Einwirkungsdauer_E_Validate(int r)
{
    markRowEdited(QStringLiteral("Einwirkungsdauer_E_Validate"), r);
}

void frmMain::markRowEdited(const QString& routine, int r)
{
    base::guard(routine, [&] { rowEntryChanged(r); });
}

void frmMain::rowEntryChanged(int r)
{
    setStatus(static_cast<quint8>(r), RowStatus::Normal);
    subLoescheErgebnis();
}
