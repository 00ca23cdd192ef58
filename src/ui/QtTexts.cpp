#include "ui/QtTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace ui {

QString qtTranslationsFolder()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

bool useQtTexts(const QString& languageCode, const QString& folder)
{
    static QPointer<QTranslator> installed;
    static QString installedFrom;
    // Installing a translation tells every window to translate itself anew; the same one again changes nothing.
    const QString from = folder + QLatin1Char('/') + languageCode;
    if (installed && from == installedFrom)
        return true;
    installedFrom = from;
    auto* next = new QTranslator(QCoreApplication::instance());
    const bool found = next->load(QStringLiteral("qtbase_") + languageCode, folder);
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
    }
    if (!found) {
        delete next;
        return false;
    }
    installed = next;
    QCoreApplication::installTranslator(next);
    return true;
}

}  // namespace ui
