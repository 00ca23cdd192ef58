// Keyboard and screen-reader access: the tab order and the controls' spoken names.
#include "grid/frmMain.h"

#include "texts/TextEntries.h"
#include "texts/modTexte.h"
#include "ui/StatusMark.h"
#include "ui/Widgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

void frmMain::setTabChain()
{
    QList<QWidget*> chain{m_cboSprache, m_btnSpracheGo, m_txtFirma, m_txtFahrer, m_cboFahrererfahrung, m_txtDatum};
    for (const WorkRow& r : m_rows) {
        // The option pair first; the arrow keys switch between its two buttons.
        // The status mark, on the path only while it shows a box, before the row's buttons as on screen.
        chain << r.G.optEingabe << r.E.optEingabe << r.G.fields() << r.E.fields() << r.lblStatus << r.btnResetZeile
              << r.btnBerechnenZeile;
    }
    chain << m_btnDetails << m_btnBerechnen << m_btnDrucken << m_btnReset << m_btnAnleitung << m_btnExit;
    // The results, read-only, after the commands: reached by Tab, never in the way of the entry.
    chain << m_txtDauerSum << m_txtAnzSum << m_txtA8X << m_txtPunkteGesX << m_txtA8Y << m_txtPunkteGesY << m_txtA8Z
          << m_txtPunkteGesZ << m_txtPktMax << m_txtA8Max;
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void frmMain::setAccessibleNames(quint8 language)
{
    using namespace modTexte;
    auto t = [language](int entry) { return ui::oneLine(Texte(language, entry)); };
    const QString sep = QStringLiteral(", ");
    m_txtFirma->setAccessibleName(t(Firma));
    m_txtFahrer->setAccessibleName(t(Fahrer));
    m_cboFahrererfahrung->setAccessibleName(t(Fahrerqualifizierung));
    m_txtDatum->setAccessibleName(t(Datum));
    // The language list keeps its design text in every language, as the "Go" button does.
    m_cboSprache->setAccessibleName(QStringLiteral("Sprache"));

    const std::array<QString, 3> axes{t(XAchse), t(YAchse), t(ZAchse)};
    for (const WorkRow& r : m_rows) {
        const QString rowName = ui::oneLine(r.fraEingabe->title());
        for (const InputLine* line : {static_cast<const InputLine*>(&r.G), static_cast<const InputLine*>(&r.E)}) {
            const bool catalogueLine = line == &r.G;
            const QString lineName = rowName + sep + t(catalogueLine ? Genormt : Eigene);
            line->optEingabe->setAccessibleName(lineName);
            const std::array<QWidget*, 3> machine = line->machineFields();
            machine[0]->setAccessibleName(lineName + sep + t(Maschinenfamilie));
            machine[1]->setAccessibleName(lineName + sep + t(Maschinentyp));
            machine[2]->setAccessibleName(lineName + sep + t(Arbeitszyklus));
            line->Betriebsbedingung->setAccessibleName(lineName + sep + t(Betriebsbedingung));
            line->Einwirkungsdauer->setAccessibleName(lineName + sep + t(EinwirkungszeitInH));
            const QString value = t(catalogueLine ? SchwingungswertInMs2 : MesswertInMs2);
            for (int axis = 0; axis < 3; ++axis) {
                line->Messwert[axis]->setAccessibleName(lineName + sep + axes[axis] + sep + value);
                line->Punkte[axis]->setAccessibleName(lineName + sep + axes[axis] + sep + t(Punktzahl));
            }
        }
        r.lblStatus->setAccessibleName(rowName);
        r.btnResetZeile->setAccessibleName(rowName + sep + r.btnResetZeile->text());
        r.btnBerechnenZeile->setAccessibleName(rowName + sep + r.btnBerechnenZeile->text());
    }

    const QString between = t(Zwischenergebnis) + sep;
    m_txtDauerSum->setAccessibleName(between + t(EinwirkungszeitSumme));
    m_txtAnzSum->setAccessibleName(between + t(AnzahlZyklen));
    const std::array<QLineEdit*, 3> a8{m_txtA8X, m_txtA8Y, m_txtA8Z};
    const std::array<QLineEdit*, 3> points{m_txtPunkteGesX, m_txtPunkteGesY, m_txtPunkteGesZ};
    for (int axis = 0; axis < 3; ++axis) {
        a8[axis]->setAccessibleName(between + t(TaeglicheSchwingungsbelastung) + sep + axes[axis]);
        points[axis]->setAccessibleName(between + t(Gesamtpunktezahl) + sep + axes[axis]);
    }
    const QString final = t(Endergebnis) + sep;
    m_txtPktMax->setAccessibleName(final + t(Gesamtpunktezahl));
    m_txtA8Max->setAccessibleName(final + t(TaeglicheSchwingungsbelastung));
}
