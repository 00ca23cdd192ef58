// Resetting rows and the form.
#include "grid/frmMain.h"

#include "base/ErrorGuard.h"
#include "base/Regional.h"
#include "details/frmDetails.h"

void frmMain::btnReset_Click()
{
    base::guard(QStringLiteral("btnReset_Click"), [&] { subResetDaten(); });
}

void frmMain::subResetDaten()
{
    base::guard(QStringLiteral("subResetDaten"), [&] {
        for (quint8 i = 1; i <= kRows; ++i) {
            switchLine(i, InputMode::Catalogue, false, false);
            switchLine(i, InputMode::OwnValues, false, false);
            clearDetailsRow(i);
        }
        subLoescheErgebnis();
        details()->reload();
    });
}

void frmMain::btnResetZeile_Click(int number)
{
    base::guard(base::indexed(QStringLiteral("btnResetZeile_Click"), number), [&] {
        const auto r = static_cast<quint8>(number);
        switchLine(r, InputMode::Catalogue, false, false);
        switchLine(r, InputMode::OwnValues, false, false);
        btnBerechnen_Click();
        clearDetailsRow(number);
    });
}
