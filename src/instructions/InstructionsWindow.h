#pragma once

#include "instructions/frmAnleitung.h"

#include <QPointer>

// The program's one instructions window: loaded when first opened, gone when
// closed, so that the next opening reads the file again.
class InstructionsWindow {
public:
    // owner is the frame window; the instructions window stays a window of its own.
    InstructionsWindow(QString programFolder, frmAnleitung::LanguageText languageText,
                       frmAnleitung::PrintDialog printDialog, QWidget* owner);
    ~InstructionsWindow();
    InstructionsWindow(const InstructionsWindow&) = delete;
    InstructionsWindow& operator=(const InstructionsWindow&) = delete;

    // Loads and shows the window without waiting, its captions in language 1..5,
    // or brings the loaded one to the front unchanged.
    void show(quint8 language);
    // Closes the window if it is loaded (program end).
    void unload();
    // The loaded window, or nullptr.
    frmAnleitung* window() const { return m_window; }

private:
    QString m_programFolder;
    frmAnleitung::LanguageText m_languageText;
    frmAnleitung::PrintDialog m_printDialog;
    QWidget* m_owner;
    QPointer<frmAnleitung> m_window;
};
