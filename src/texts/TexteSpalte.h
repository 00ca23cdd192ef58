#pragma once

// Internal to the text table: one language's column and the routines that fill it.

#include "texts/modTexte.h"

#include <QString>
#include <array>

namespace modTexte::detail {

// The texts of one language, addressed by entry number 1..171.
class Column {
public:
    QString& operator[](int entry) { return m_texts[static_cast<std::size_t>(entry - 1)]; }
    const QString& operator[](int entry) const { return m_texts[static_cast<std::size_t>(entry - 1)]; }

private:
    std::array<QString, kEntries> m_texts;
};

// The message for a rejected measured value. Its limits 0 and 9 are the ones
// the measured-value check applies, written in the user's regional format.
QString rejectedValueMessage(const QString& opening, const QString& middle, const QString& closing);

void fillGerman(Column& t);
void fillEnglish(Column& t);
void fillFrench(Column& t);
void fillItalian(Column& t);
void fillSpanish(Column& t);

}  // namespace modTexte::detail
