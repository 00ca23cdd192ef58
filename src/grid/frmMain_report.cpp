// What other windows read from the main window, and the buttons that open them.
#include "grid/frmMain.h"

#include "base/ErrorGuard.h"
#include "details/frmDetails.h"

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
        out.txtAnzNr = r.state.result.counted ? QStringLiteral("1") : QStringLiteral("0");
        const InputLine& line = r.G.optEingabe->isChecked() ? static_cast<const InputLine&>(r.G) : r.E;
        out.optionCaption = line.optEingabe->text();
        const std::array<QString, 3> machine = line.machineTexts();
        out.MaschinenFamilie = machine[0];
        out.MaschinenTyp = machine[1];
        out.Arbeitszyklus = machine[2];
        out.Betriebsbedingung = line.Betriebsbedingung->currentText();
        out.Einwirkungsdauer = line.Einwirkungsdauer->currentText();
        for (std::size_t axis = 0; axis < 3; ++axis) {
            out.Messwert[axis] = line.Messwert[axis]->text();
            out.Punkte[axis] = line.Punkte[axis]->text();
        }
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

    report.txtA8X = m_txtA8X->text();
    report.txtA8Y = m_txtA8Y->text();
    report.txtA8Z = m_txtA8Z->text();
    report.txtPunkteGesX = m_txtPunkteGesX->text();
    report.txtPunkteGesY = m_txtPunkteGesY->text();
    report.txtPunkteGesZ = m_txtPunkteGesZ->text();
    report.txtDauerSum = m_txtDauerSum->text();
    report.txtA8Max = m_txtA8Max->text();
    report.txtPktMax = m_txtPktMax->text();
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
