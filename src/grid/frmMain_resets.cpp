// Resetting rows and the form; the details window that belongs to the rows.
#include "grid/frmMain.h"

#include "details/frmDetails.h"
#include "ui/ErrorGuard.h"
#include "ui/Widgets.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

frmDetails* frmMain::details()
{
    if (!m_details)
        m_details = new frmDetails([this](int number) { return rowInUse(number); }, this);
    return m_details;
}

void frmMain::unloadDetails()
{
    delete m_details;
    m_details = nullptr;
}

void frmMain::clearDetailsRow(int number)
{
    details()->clearRow(number);
}

void frmMain::btnDetails_Click()
{
    ui::guard(QStringLiteral("btnDetails_Click"), [&] {
        frmDetails* window = details();
        // Modal for the whole program: the main window waits until it is hidden again.
        window->setWindowModality(Qt::ApplicationModal);
        window->show();
        window->raise();
        window->activateWindow();
    });
}

void frmMain::btnReset_Click()
{
    ui::guard(QStringLiteral("btnReset_Click"), [&] { subResetDaten(); });
}

void frmMain::subResetDaten()
{
    ui::guard(QStringLiteral("subResetDaten"), [&] {
        for (int i = 1; i <= kRows; ++i) {
            subZeilenEinAus(i, QStringLiteral("G"), false, false);
            subZeilenEinAus(i, QStringLiteral("E"), false, false);
            clearDetailsRow(i);
        }
        subLoescheErgebnis();
        details()->reload();
    });
}

void frmMain::btnResetZeile_Click(int number)
{
    ui::guard(ui::indexed(QStringLiteral("btnResetZeile_Click"), number), [&] {
        subZeilenEinAus(number, QStringLiteral("G"), false, false);
        subZeilenEinAus(number, QStringLiteral("E"), false, false);
        btnBerechnen_Click();
        clearDetailsRow(number);
    });
}

void frmMain::connectRow(WorkRow& r)
{
    const int i = r.number;
    connect(r.G.optEingabe, &QRadioButton::toggled, this, [this, i](bool checked) {
        if (checked)
            optEingabe_G_Click(i);
    });
    connect(r.E.optEingabe, &QRadioButton::toggled, this, [this, i](bool checked) {
        if (checked)
            optEingabe_E_Click(i);
    });
    ui::onFocusLeave(r.G.MaschinenFamilie, [this, i] { MaschinenFamilie_G_Validate(i); });
    ui::onFocusLeave(r.G.MaschinenTyp, [this, i] { MaschinenTyp_G_Validate(i); });
    ui::onFocusLeave(r.G.Arbeitszyklus, [this, i] { Arbeitszyklus_G_Validate(i); });
    ui::onFocusLeave(r.G.Betriebsbedingung, [this, i] { Betriebsbedingung_G_Validate(i); });
    ui::onFocusLeave(r.G.Einwirkungsdauer, [this, i] { Einwirkungsdauer_G_Validate(i); });
    ui::onFocusLeave(r.E.Einwirkungsdauer, [this, i] { Einwirkungsdauer_E_Validate(i); });
    for (int a = 0; a < 3; ++a) {
        const auto axis = static_cast<Axis>(a);
        connect(r.E.Messwert[a], &QLineEdit::textChanged, this, [this, i, axis] { Messwert_E_Change(i, axis); });
        ui::onFocusLeave(r.E.Messwert[a], [this, i, axis] { Messwert_E_LostFocus(i, axis); });
    }
    connect(r.btnResetZeile, &QPushButton::clicked, this, [this, i] { btnResetZeile_Click(i); });
    connect(r.btnBerechnenZeile, &QPushButton::clicked, this, [this, i] { btnBerechnenZeile_Click(i); });
}
