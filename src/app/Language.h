#pragma once

#include <QObject>
#include <QString>

class frmMain;

// Choosing the interface language in the main window and remembering it.
class Language : public QObject {
    Q_OBJECT

public:
    // bytSprachNr is the frame window's current language, which the language button sets.
    Language(frmMain* window, QString programFolder, quint8& bytSprachNr);

    // Qt's own texts in language 1..5.
    static void useQtTexts(quint8 language);

    void subFuellSprache();
    void btnSpracheGo_Click();
    void subInit(quint8 language);
    void subSpeichereSprache();
    // Applies the language stored in the settings file; true when one was applied.
    bool fktLeseSprache();

private:
    frmMain* m_window;
    QString m_programFolder;
    quint8& m_bytSprachNr;
    bool m_readingSettings = false;
};
