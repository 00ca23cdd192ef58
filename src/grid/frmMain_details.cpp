// The details window as the main window owns it: created on first use, opened,
// its rows emptied with the main window's rows.
#include "grid/frmMain.h"

#include "base/ErrorGuard.h"
#include "details/frmDetails.h"

frmDetails* frmMain::details()
{
    if (!m_details)
        m_details = new frmDetails([this](int number) { return rowInUse(number); }, [this] { return bytSprachNr(); },
                                   this);
    return m_details;
}

void frmMain::unloadDetails()
{
    delete m_details.data();
}

void frmMain::clearDetailsRow(int number)
{
    details()->clearRow(number);
}

void frmMain::btnDetails_Click()
{
    base::guard(QStringLiteral("btnDetails_Click"), [&] {
        frmDetails* window = details();
        // Modal for the whole program: the main window waits until it is hidden again.
        window->setWindowModality(Qt::ApplicationModal);
        window->show();
        window->raise();
        window->activateWindow();
    });
}
