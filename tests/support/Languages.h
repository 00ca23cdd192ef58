#pragma once

// The program's languages in tests: one made current as the language button
// does it, and a data row for each.

#include "texts/modTexte.h"

#include <QTest>

namespace support {

// Fills the text table's column and makes it the current language.
inline void useLanguage(quint8 language)
{
    bytSprachNr = language;
    modTexte::subInitSprache(language);
}

// A data row "1" to "5" for each language, in the column "language".
inline void everyLanguage()
{
    QTest::addColumn<int>("language");
    for (int language = 1; language <= modTexte::kLanguages; ++language)
        QTest::addRow("%d", language) << language;
}

}  // namespace support
