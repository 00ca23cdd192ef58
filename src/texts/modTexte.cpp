#include "texts/modTexte.h"

#include "texts/TexteSpalte.h"

#include "base/ErrorGuard.h"
#include "base/Regional.h"
#include "base/RuntimeError.h"
#include "calculation/Measures.h"
#include "texts/TextEntries.h"

namespace modTexte {

namespace {

std::array<detail::Column, kLanguages> table;

}  // namespace

namespace detail {

QString rejectedValueMessage(const QString& opening, const QString& middle, const QString& closing)
{
    const base::Regional& settings = base::regional();
    return opening + settings.fixed2(calculation::kLowestMesswert) + middle
        + settings.fixed2(calculation::kHighestMesswert) + closing;
}

}  // namespace detail

void subInitSprache(quint8 language)
{
    base::guard(QStringLiteral("subInitSprache"), [language] {
        switch (language) {
        case 1: detail::fillGerman(table[0]); break;
        case 2: detail::fillEnglish(table[1]); break;
        case 3: detail::fillFrench(table[2]); break;
        case 4: detail::fillItalian(table[3]); break;
        case 5: detail::fillSpanish(table[4]); break;
        default: break;
        }
    });
}

QString Texte(int language, int entry)
{
    if (language < 1 || language > kLanguages || entry < 1 || entry > kEntries)
        base::raise(base::ErrSubscript);
    return table[static_cast<std::size_t>(language - 1)][entry];
}

QString caption(int language, int entry)
{
    QString shown = Texte(language, entry);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

QString rowFrameCaption(int language, int row)
{
    return QStringLiteral(" %1 %2 ").arg(Texte(language, Eingabe)).arg(row);
}

}  // namespace modTexte
