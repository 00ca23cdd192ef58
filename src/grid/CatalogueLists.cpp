#include "grid/CatalogueLists.h"

#include "catalogue/Catalogue.h"
#include "grid/RowTexts.h"

#include "texts/modTexte.h"
#include "texts/TextEntries.h"
#include "ui/Lists.h"

#include <QComboBox>

namespace catalogue_lists {

namespace {

// Adds one entry and attaches its code to the position the list reports,
// which for a sorted list is not the last one.
void addCoded(QComboBox* list, const QString& text, int code)
{
    ui::setItemData(list, ui::addItem(list, text), code);
}

}  // namespace

void fillFamilies(QComboBox* list, int language)
{
    list->clear();
    for (int family = 1; family <= catalogue::kFamilies; ++family)
        addCoded(list, row_texts::familyText(language, family), family);
}

bool fillTypes(QComboBox* list, int language, int familyCode)
{
    list->clear();
    const QList<int> types = catalogue::typesOfFamily(familyCode);
    for (int type : types)
        addCoded(list, row_texts::typeText(language, type), type);
    return !types.isEmpty();
}

bool fillWorkCycles(QComboBox* list, int language, int typeCode)
{
    list->clear();
    const QList<int> cycles = catalogue::workCyclesOfType(typeCode);
    for (int cycle : cycles)
        addCoded(list, row_texts::workCycleText(language, cycle), cycle);
    return !cycles.isEmpty();
}

void fillConditions(QComboBox* list, int language)
{
    list->clear();
    for (int condition = 1; condition <= catalogue::kConditions; ++condition)
        addCoded(list, row_texts::conditionText(language, condition), condition);
}

void fillDurations(QComboBox* list)
{
    list->clear();
    for (int hours = 1; hours <= 8; ++hours)
        addCoded(list, row_texts::hoursText(hours), hours);
}

void fillDriverExperience(QComboBox* list, int language)
{
    list->clear();
    for (int entry = modTexte::Unerfahren; entry <= modTexte::AusgebildetErfahren; ++entry)
        ui::addItem(list, modTexte::Texte(language, entry));
}

}  // namespace catalogue_lists
