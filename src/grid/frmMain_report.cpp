// What other windows read from the main window, and the buttons that open them.
#include "grid/frmMain.h"

#include "base/ErrorGuard.h"
#include "details/frmDetails.h"
#include "grid/RowTexts.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

ReportData frmMain::reportData() const
{
    ReportData report;
    report.txtDatum = m_txtDatum->text();
    report.txtFirma = m_txtFirma->text();
    report.txtFahrer = m_txtFahrer->text();
    report.txtFahrererfahrung = m_cboFahrererfahrung->currentText();

    for (const WorkRow& r : m_rows) {
        ReportRow& out = report.rows[static_cast<std::size_t>(r.number - 1)];
        out = row_texts::reportRow(r.state, bytSprachNr());
        // A details window that is not loaded shows nothing.
        if (m_details) {
            const frmDetails::RowTexts details = m_details->rowTexts(r.number);
            out.ZustandUntergrund = details.ZustandUntergrund;
            out.FestigkeitUntergrund = details.FestigkeitUntergrund;
            out.BewegtesMaterial = details.BewegtesMaterial;
            out.Fahrstil = details.Fahrstil;
            out.Anmerkung = details.Anmerkung;
        }
    }

    const std::array<QString, 10> day = row_texts::dayTexts(m_day);
    report.txtDauerSum = day[0];
    report.txtA8X = day[1];
    report.txtA8Y = day[2];
    report.txtA8Z = day[3];
    report.txtPunkteGesX = day[4];
    report.txtPunkteGesY = day[5];
    report.txtPunkteGesZ = day[6];
    report.txtA8Max = day[8];
    report.txtPktMax = day[9];
    return report;
}

QString frmMain::spracheText() const
{
    return m_cboSprache->currentText();
}

void frmMain::setDatum(const QString& text)
{
    m_txtDatum->setText(text);
}

void frmMain::setLanguage(std::function<quint8()> bytSprachNr)
{
    m_bytSprachNr = std::move(bytSprachNr);
}

quint8 frmMain::bytSprachNr() const
{
    return m_bytSprachNr ? m_bytSprachNr() : 1;
}

void frmMain::setPrintOpener(std::function<void()> opener)
{
    m_printOpener = std::move(opener);
}

void frmMain::setInstructionsOpener(std::function<void()> opener)
{
    m_instructionsOpener = std::move(opener);
}

void frmMain::btnDrucken_Click()
{
    base::guard(QStringLiteral("btnDrucken_Click"), [&] {
        if (m_printOpener)
            m_printOpener();
    });
}

void frmMain::btnAnleitung_Click()
{
    base::guard(QStringLiteral("btnAnleitung_Click"), [&] {
        if (m_instructionsOpener)
            m_instructionsOpener();
    });
}
