#include "instructions/InstructionsWindow.h"

InstructionsWindow::InstructionsWindow(QString programFolder, frmAnleitung::LanguageText languageText,
                                       frmAnleitung::PrintDialog printDialog, QWidget* owner)
    : m_programFolder(std::move(programFolder))
    , m_languageText(std::move(languageText))
    , m_printDialog(std::move(printDialog))
    , m_owner(owner)
{
}

InstructionsWindow::~InstructionsWindow()
{
    delete m_window.data();
}

void InstructionsWindow::show(quint8 language)
{
    // A window on its way out after being closed counts as gone.
    if (m_window && m_window->isVisible()) {
        m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
        m_window->raise();
        m_window->activateWindow();
        return;
    }
    if (m_window)
        m_window->deleteLater();
    m_window = new frmAnleitung(m_programFolder, language, m_languageText, m_printDialog, m_owner);
    if (m_owner)
        m_window->move(m_owner->frameGeometry().center() - m_window->rect().center());
    m_window->show();
}

void InstructionsWindow::unload()
{
    if (m_window)
        m_window->close();
}
