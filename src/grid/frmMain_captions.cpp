// Captions of the main window in the current language.
#include "grid/frmMain.h"

#include "base/ErrorGuard.h"
#include "catalogue/Catalogue.h"
#include "grid/CatalogueLists.h"
#include "texts/modTexte.h"
#include "texts/TextEntries.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

void frmMain::subInitForm(quint8 language)
{
    base::guard(QStringLiteral("subInitForm"), [&] {
        using namespace modTexte;
        auto t = [language](TextEntry entry) { return caption(language, entry); };
        m_lblTitel->setText(t(Ganzkoerperschwingungen) + QStringLiteral(" - ")
                            + t(BerechnungDerTaeglichenSchwingungsbelastung));
        m_lblFirma->setText(t(Firma) + QLatin1Char(':'));
        m_lblFahrer->setText(t(Fahrer) + QLatin1Char(':'));
        m_lblFahrererfahrung->setText(t(Fahrerqualifizierung) + QLatin1Char(':'));
        subFuellFahrererfahrung(language);
        m_lblMesswertQuelle->setText(t(QuelleDerMesswerte));
        m_lblMaschinenfamilie->setText(t(Maschinenfamilie));
        m_lblMaschinentyp->setText(t(Maschinentyp));
        m_lblArbeitszyklus->setText(t(Arbeitszyklus));
        m_lblBetriebsbedingungen->setText(t(Betriebsbedingung));
        m_lblEinwirkungsdauer->setText(t(EinwirkungszeitInH));
        const std::array<TextEntry, 3> axes{XAchse, YAchse, ZAchse};
        for (int axis = 0; axis < 3; ++axis) {
            m_lblAchse[axis]->setText(t(axes[axis]));
            m_lblPunkteAchse[axis]->setText(t(Punkte));
            m_lblPunkteErgebnis[axis]->setText(t(Punkte));
        }
        for (int i = 1; i <= kRows; ++i) {
            WorkRow& r = row(i);
            r.btnBerechnenZeile->setText(t(Berechnen));
            r.btnResetZeile->setText(t(Reset));
            r.G.optEingabe->setText(t(Genormt));
            r.E.optEingabe->setText(t(Eigene));
            r.fraEingabe->setTitle(rowFrameCaption(language, i));
        }
        m_btnBerechnen->setText(t(Berechnen));
        m_btnDrucken->setText(t(Drucken));
        m_btnReset->setText(t(Reset));
        m_btnDetails->setText(t(Details));
        m_btnAnleitung->setText(t(Anleitung));
        m_btnExit->setText(t(Beenden));
        m_lblZwischenergebnis->setText(t(Zwischenergebnis) + QLatin1Char(':'));
        m_lblEndergebnis->setText(t(Endergebnis) + QLatin1Char(':'));
        m_lblSummeAllerArbeitszyklen->setText(t(SummeAllerArbeitszyklen));
        m_lblTaeglicheSchwingungsbelastung->setText(t(TaeglicheSchwingungsbelastung));
        m_lblGesamtpunktezahl->setText(t(Gesamtpunktezahl));
        m_lblSumDauer->setText(t(EinwirkungszeitSumme));
        m_lblAnzahlZyklen->setText(t(AnzahlZyklen));
        setAccessibleNames(language);
    });
}

void frmMain::subFuellFahrererfahrung(quint8 language)
{
    base::guard(QStringLiteral("subFuellFahrererfahrung"),
                [&] { catalogue_lists::fillDriverExperience(m_cboFahrererfahrung, language); });
}
