#include "printing/frmDruckAnsicht.h"

#include "base/ErrorGuard.h"
#include "base/Regional.h"
#include "texts/modTexte.h"
#include "texts/TextEntries.h"
#include "ui/Widgets.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace {

constexpr qreal kSmallestCaption = 6;

// The option's caption ends before the row's first field; a caption too long
// for that at the page's size is set a little smaller.
void fitBefore(QRadioButton* option, const QWidget* firstField)
{
    const int room = firstField->x() - option->x();
    QFont font = option->parentWidget()->font();
    option->setFont(font);
    while (report_drawing::optionWidth(*option) > room && font.pointSizeF() > kSmallestCaption) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        option->setFont(font);
    }
}

}  // namespace

void frmDruckAnsicht::Form_Load()
{
    base::guard(QStringLiteral("Form_Load"), [&] {
        resize(ui::twips(kPageWidth), height());
        subInitForm(m_bytSprachNr);
        subFuellDruckAnsicht();
    });
}

void frmDruckAnsicht::subInitForm(quint8 language)
{
    base::guard(QStringLiteral("subInitForm"), [&] {
        using namespace modTexte;
        auto t = [language](TextEntry entry) { return caption(language, entry); };
        m_lblTitel->setText(t(Ganzkoerperschwingungen) + QStringLiteral(" - ")
                            + t(BerechnungDerTaeglichenSchwingungsbelastung));
        m_lblFirma->setText(t(Firma) + QStringLiteral(": "));
        m_lblFahrer->setText(t(Fahrer) + QStringLiteral(": "));
        m_lblFahrererfahrung->setText(t(Fahrerqualifizierung) + QStringLiteral(": "));
        m_lblMesswertQuelle->setText(t(QuelleDerMesswerte));
        m_lblMaschinenfamilie->setText(t(Maschinenfamilie));
        m_lblMaschinentyp->setText(t(Maschinentyp));
        m_lblArbeitszyklus->setText(t(Arbeitszyklus));
        m_lblBetriebsbedingungen->setText(t(Betriebsbedingung));
        m_lblEinwirkungsdauer->setText(t(EinwirkungszeitInH));
        const std::array<TextEntry, 3> axes{XAchse, YAchse, ZAchse};
        for (std::size_t axis = 0; axis < 3; ++axis) {
            m_lblAchse[axis]->setText(t(axes[axis]));
            m_lblPunkteAchse[axis]->setText(t(Punkte));
            m_lblPunkteErgebnis[axis]->setText(t(Punkte));
        }
        m_lblDetailsTitel->setText(t(Details));
        for (int i = 1; i <= kRows; ++i) {
            Row& r = m_rows[std::size_t(i - 1)];
            r.fraEingabe->setTitle(rowFrameCaption(language, i));
            r.lblDetails->setText(t(Details));
            r.optEingabe->setText(QString());
        }
        m_lblZwischenergebnis->setText(t(Zwischenergebnis) + QLatin1Char(':'));
        m_lblEndergebnis->setText(t(Endergebnis) + QLatin1Char(':'));
        m_lblSummeAllerArbeitszyklen->setText(t(SummeAllerArbeitszyklen));
        m_lblTaeglicheSchwingungsbelastung->setText(t(TaeglicheSchwingungsbelastung));
        m_lblGesamtpunktezahl->setText(t(Gesamtpunktezahl));
        m_lblSumDauer->setText(t(EinwirkungszeitSumme));
        m_lblZustandUntergrund->setText(t(ZustandDesUntergrundes));
        m_lblFestigkeitUntergrund->setText(t(FestigkeitDesUntergrundes));
        m_lblBewegtesMaterial->setText(t(BewegtesMaterial));
        m_lblFahrstil->setText(t(Fahrstil));
        m_lblAnmerkungen->setText(t(Anmerkungen));
    });
}

QString frmDruckAnsicht::documentTitle() const
{
    QStringList parts{m_lblTitel->text(), m_txtFirma->text(), m_txtDatum->text()};
    parts.removeAll(QString());
    return parts.join(QStringLiteral(" - "));
}

void frmDruckAnsicht::fillRow(int number, const ReportRow& source)
{
    Row& r = m_rows[std::size_t(number - 1)];
    r.optEingabe->setChecked(true);
    r.optEingabe->setText(source.optionCaption);
    fitBefore(r.optEingabe, r.MaschinenFamilie);
    r.MaschinenFamilie->setText(source.MaschinenFamilie);
    r.MaschinenTyp->setText(source.MaschinenTyp);
    r.Arbeitszyklus->setText(source.Arbeitszyklus);
    r.Betriebsbedingung->setText(source.Betriebsbedingung);
    r.Einwirkungsdauer->setText(source.Einwirkungsdauer);
    for (std::size_t axis = 0; axis < 3; ++axis) {
        r.Messwert[axis]->setText(source.Messwert[axis]);
        r.Punkte[axis]->setText(source.Punkte[axis]);
    }
    r.ZustandUntergrund->setText(source.ZustandUntergrund);
    r.FestigkeitUntergrund->setText(source.FestigkeitUntergrund);
    r.BewegtesMaterial->setText(source.BewegtesMaterial);
    r.Fahrstil->setText(source.Fahrstil);
    r.txtAnmerkung->setText(source.Anmerkung);
}

void frmDruckAnsicht::subFuellDruckAnsicht()
{
    base::guard(QStringLiteral("subFuellDruckAnsicht"), [&] {
        const ReportData snapshot = m_source ? m_source() : ReportData{};
        m_txtDatum->setText(snapshot.txtDatum);
        m_txtFirma->setText(snapshot.txtFirma);
        m_txtFahrer->setText(snapshot.txtFahrer);
        m_txtFahrererfahrung->setText(snapshot.txtFahrererfahrung);
        for (int i = 1; i <= kRows; ++i) {
            const ReportRow& source = snapshot.rows[std::size_t(i - 1)];
            // Only the rows the last calculation counted make up the totals.
            if (!source.counted)
                continue;
            fillRow(i, source);
        }
        m_txtA8X->setText(snapshot.txtA8X);
        m_txtA8Y->setText(snapshot.txtA8Y);
        m_txtA8Z->setText(snapshot.txtA8Z);
        m_txtPunkteGesX->setText(snapshot.txtPunkteGesX);
        m_txtPunkteGesY->setText(snapshot.txtPunkteGesY);
        m_txtPunkteGesZ->setText(snapshot.txtPunkteGesZ);
        m_txtDauerSum->setText(snapshot.txtDauerSum);
        m_txtA8Max->setText(snapshot.txtA8Max);
        m_txtPktMax->setText(snapshot.txtPktMax);
    });
}
