// The row lists: their fills and what leaving them does.
#include "grid/frmMain.h"

#include "catalogue/Catalogue.h"
#include "texts/modTexte.h"
#include "ui/ErrorGuard.h"
#include "ui/Lists.h"
#include "ui/MsgBox.h"
#include "ui/Regional.h"

#include <QComboBox>
#include <optional>

namespace {

// The code of the selected entry, or nothing when no entry is selected: the
// validate events end silently then.
std::optional<int> selectedCode(const QComboBox* list)
{
    try {
        return ui::selectedItemData(list);
    } catch (const ui::RuntimeError& e) {
        if (e.number() == ui::ErrInvalidIndex)
            return std::nullopt;
        throw;
    }
}

quint8 languageFromText(const QString& language)
{
    return static_cast<quint8>(ui::toInt16(ui::regional().toDouble(language)));
}

QString languageText()
{
    return QString::number(bytSprachNr);
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
    ui::guard(QStringLiteral("subFuellBetriebsbedingung"),
              [&] { catalogue::fillConditions(row(r).line(suffix).Betriebsbedingung, language); });
}

void frmMain::subFuellEinwirkungsdauer(quint8 r, const QString& suffix)
{
    ui::guard(QStringLiteral("subFuellEinwirkungsdauer"),
              [&] { catalogue::fillDurations(row(r).line(suffix).Einwirkungsdauer); });
}

void frmMain::subFuellMaschinenfamilie(quint8 r, quint8 language)
{
    ui::guard(QStringLiteral("subFuellMaschinenfamilie"),
              [&] { catalogue::fillFamilies(row(r).G.MaschinenFamilie, language); });
}

void frmMain::subFuellMaschinentyp(quint8 r, const QString& language, quint8 family)
{
    ui::guard(QStringLiteral("subFuellMaschinentyp"), [&] {
        QComboBox* types = row(r).G.MaschinenTyp;
        fillCascadeList(types, family, catalogue::kFamilies, "Unbekannte Maschinenfamilie",
                        [&] { catalogue::fillTypes(types, languageFromText(language), family); });
    });
}

void frmMain::subFuellArbeitszyklus(quint8 r, const QString& language, quint8 type)
{
    ui::guard(QStringLiteral("subFuellArbeitszyklus"), [&] {
        QComboBox* cycles = row(r).G.Arbeitszyklus;
        fillCascadeList(cycles, type, catalogue::kTypes, "Unbekannter Maschinentyp",
                        [&] { catalogue::fillWorkCycles(cycles, languageFromText(language), type); });
    });
}

void frmMain::MaschinenFamilie_G_Validate(int r)
{
    ui::guard(QStringLiteral("MaschinenFamilie_G_Validate"), [&] {
        const std::optional<int> family = selectedCode(row(r).G.MaschinenFamilie);
        if (!family)
            return;
        subFuellMaschinentyp(ui::toByte(r), languageText(), ui::toByte(*family));
        row(r).G.Arbeitszyklus->clear();
        subSetzeStatus(static_cast<quint8>(r), QStringLiteral("Normal"));
        subLoescheErgebnis();
    });
}

void frmMain::MaschinenTyp_G_Validate(int r)
{
    ui::guard(QStringLiteral("MaschinenTyp_G_Validate"), [&] {
        const std::optional<int> type = selectedCode(row(r).G.MaschinenTyp);
        if (!type)
            return;
        subFuellArbeitszyklus(ui::toByte(r), languageText(), ui::toByte(*type));
        subSetzeStatus(static_cast<quint8>(r), QStringLiteral("Normal"));
        subLoescheErgebnis();
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
    ui::guard(routine, [&] {
        subSetzeStatus(static_cast<quint8>(r), QStringLiteral("Normal"));
        subLoescheErgebnis();
    });
}
