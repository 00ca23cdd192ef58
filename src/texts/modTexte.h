#pragma once

#include <QString>
#include <QtGlobal>

namespace modTexte {

constexpr int kLanguages = 5;
constexpr int kEntries = 171;

// Fills the column of the given language with all entries; a language
// outside 1..5 fills nothing.
void subInitSprache(quint8 language);

// Texte(language, entry), language 1 German, 2 English, 3 French, 4 Italian,
// 5 Spanish; raises 9 (subscript out of range) when the language is outside
// 1..5 or the entry outside 1..171.
QString Texte(int language, int entry);

// The entry as a caption shows it: the table breaks a multi-line text with
// CR LF, a caption with LF alone.
QString caption(int language, int entry);

// The caption of the frame of work-cycle row 1..5, " Eingabe 3 " in German,
// in the main and the details window alike.
QString rowFrameCaption(int language, int row);

}  // namespace modTexte
