#pragma once

// The program's languages in tests: one's column of the text table filled as
// the language button does it, and a data row for each.

#include "texts/modTexte.h"

#include <QTest>

namespace support {

// Fills the text table's column of the language.
inline void useLanguage(quint8 language)
{
    modTexte::subInitSprache(language);
}

// The language an opener hands to the window it opens, as the frame window
// does, with its column of the text table filled.
struct OpenersLanguage {
    quint8 number = 1;
    void use(quint8 language)
    {
        useLanguage(language);
        number = language;
    }
};

// A data row "1" to "5" for each language, in the column "language".
inline void everyLanguage()
{
    QTest::addColumn<int>("language");
    for (int language = 1; language <= modTexte::kLanguages; ++language)
        QTest::addRow("%d", language) << language;
}

}  // namespace support
