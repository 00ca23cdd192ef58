#pragma once

#include <QObject>
#include <QString>

class frmMain;

// Choosing the interface language in the main window and remembering it.
class Language : public QObject {
    Q_OBJECT

public:
    Language(frmMain* window, QString programFolder);

    void subFuellSprache();
    void btnSpracheGo_Click();
    void subInit(quint8 language);
    void subSpeichereSprache();
    // Applies the language stored in the settings file; true when one was applied.
    bool fktLeseSprache();

private:
    frmMain* m_window;
    QString m_programFolder;
    bool m_readingSettings = false;
};
