#pragma once

#include <QString>

namespace ui {

// Where Qt's translations of its own texts are installed.
QString qtTranslationsFolder();

// Qt's own texts (the text fields' context menu, the file dialog, the message
// boxes' buttons) in the language of this code ("de", "fr", ...), replacing the
// language used so far. Without a translation file for it they are English, as
// Qt writes them; that is no error. True when the translation was found.
bool useQtTexts(const QString& languageCode, const QString& folder = qtTranslationsFolder());

}  // namespace ui
