#pragma once

// Qt's own texts as the program shows them in a language: read from the translation file the
// program loads (Qt's installed qtbase_<code>.qm), never copied into a test, since each Qt
// release words some of them anew.

#include "ui/QtTexts.h"

#include <QString>
#include <QTranslator>
#include <utility>

namespace support {

class QtTranslation {
public:
    explicit QtTranslation(const QString& languageCode)
        : m_loaded(m_translator.load(QStringLiteral("qtbase_") + languageCode, ui::qtTranslationsFolder()))
    {
    }

    // False where the file is missing, as it may be for English, Qt's own language.
    bool loaded() const { return m_loaded; }

    // The text in this language, or Qt's English where the translation has none.
    QString text(const char* context, const char* source) const
    {
        const QString translated = m_translator.translate(context, source);
        return translated.isEmpty() ? QString::fromUtf8(source) : translated;
    }

    // The context menu's Undo and the save dialog's "Look in", "File name" and "Files of type",
    // given as Qt shows them untranslated.
    QStringList undoAndSaveDialog(const QStringList& english) const
    {
        QStringList texts;
        for (qsizetype i = 0; i < english.size(); ++i)
            texts << text(i == 0 ? "QLineEdit" : "QFileDialog", english[i].toUtf8().constData());
        return texts;
    }

private:
    QTranslator m_translator;
    bool m_loaded;
};

}  // namespace support
