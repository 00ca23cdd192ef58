#include "app/Language.h"

#include "app/SettingsFile.h"
#include "base/ErrorGuard.h"
#include "base/Regional.h"
#include "grid/frmMain.h"
#include "texts/modTexte.h"
#include "ui/Lists.h"
#include "ui/QtTexts.h"

#include <QComboBox>
#include <QFile>
#include <QPushButton>

namespace {

struct LanguageName {
    const char* name;
    int number;
    const char* code;  // of Qt's translations
};

// In the order of adding; the list itself sorts them.
constexpr LanguageName kLanguages[] = {
    {"Deutsch", 1, "de"}, {"English", 2, "en"}, {"Francais", 3, "fr"}, {"Italiano", 4, "it"}, {"Espaniol", 5, "es"},
};

QString qtLanguageCode(quint8 number)
{
    for (const LanguageName& language : kLanguages)
        if (language.number == number)
            return QLatin1String(language.code);
    return QString();
}

}  // namespace

Language::Language(frmMain* window, QString programFolder, quint8& bytSprachNr)
    : QObject(window)
    , m_window(window)
    , m_programFolder(std::move(programFolder))
    , m_bytSprachNr(bytSprachNr)
{
    connect(window->btnSpracheGo(), &QPushButton::clicked, this, [this] { btnSpracheGo_Click(); });
}

void Language::useQtTexts(quint8 language)
{
    ui::useQtTexts(qtLanguageCode(language));
}

void Language::subFuellSprache()
{
    base::guard(QStringLiteral("subFuellSprache"), [&] {
        QComboBox* list = m_window->cboSprache();
        list->clear();
        for (const LanguageName& language : kLanguages)
            ui::setItemData(list, ui::addItem(list, QLatin1String(language.name)), language.number);
    });
}

void Language::btnSpracheGo_Click()
{
    base::guard(QStringLiteral("btnSpracheGo_Click"), [&] {
        m_bytSprachNr = base::toByte(ui::selectedItemData(m_window->cboSprache()));
        subInit(m_bytSprachNr);
        subSpeichereSprache();
    });
}

void Language::subInit(quint8 language)
{
    base::guard(QStringLiteral("subInit"), [&] {
        modTexte::subInitSprache(language);
        useQtTexts(language);
        m_window->subInitForm(language);
        m_window->subResetDaten();
    });
}

void Language::subSpeichereSprache()
{
    // While the settings are being read the file stays as it is.
    if (m_readingSettings)
        return;
    base::guardSilently([&] {
        const int position = ui::listIndex(m_window->cboSprache());
        if (position < 0)
            return;
        settings::saveLanguagePosition(m_programFolder, position);
    });
}

bool Language::fktLeseSprache()
{
    bool applied = false;
    base::guardSilently([&] {
        QFile file(settings::settingsReadPath(m_programFolder));
        if (!file.exists() || !file.open(QIODevice::ReadOnly))
            return;
        const QList<int> positions = settings::readLanguagePositions(file, base::regional());
        file.close();
        if (positions.isEmpty())
            return;
        // Each valid line would switch the whole window; only the last one is
        // visible afterwards, so it is the only one applied.
        m_readingSettings = true;
        ui::setListIndex(m_window->cboSprache(), positions.last());
        btnSpracheGo_Click();
        m_readingSettings = false;
        applied = true;
    });
    m_readingSettings = false;
    return applied;
}
