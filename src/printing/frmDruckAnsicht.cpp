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
        lblTitel->setText(t(Ganzkoerperschwingungen) + QStringLiteral(" - ")
                          + t(BerechnungDerTaeglichenSchwingungsbelastung));
        lblFirma->setText(t(Firma) + QStringLiteral(": "));
        lblFahrer->setText(t(Fahrer) + QStringLiteral(": "));
        lblFahrererfahrung->setText(t(Fahrerqualifizierung) + QStringLiteral(": "));
        lblMesswertQuelle->setText(t(QuelleDerMesswerte));
        lblMaschinenfamilie->setText(t(Maschinenfamilie));
        lblMaschinentyp->setText(t(Maschinentyp));
        lblArbeitszyklus->setText(t(Arbeitszyklus));
        lblBetriebsbedingungen->setText(t(Betriebsbedingung));
        lblEinwirkungsdauer->setText(t(EinwirkungszeitInH));
        const std::array<TextEntry, 3> axes{XAchse, YAchse, ZAchse};
        for (std::size_t axis = 0; axis < 3; ++axis) {
            lblAchse[axis]->setText(t(axes[axis]));
            lblPunkteAchse[axis]->setText(t(Punkte));
            lblPunkteErgebnis[axis]->setText(t(Punkte));
        }
        lblDetailsTitel->setText(t(Details));
        for (int i = 1; i <= kRows; ++i) {
            Row& r = m_rows[std::size_t(i - 1)];
            r.fraEingabe->setTitle(rowFrameCaption(language, i));
            r.lblDetails->setText(t(Details));
            r.optEingabe->setText(QString());
        }
        lblZwischenergebnis->setText(t(Zwischenergebnis) + QLatin1Char(':'));
        lblEndergebnis->setText(t(Endergebnis) + QLatin1Char(':'));
        lblSummeAllerArbeitszyklen->setText(t(SummeAllerArbeitszyklen));
        lblTaeglicheSchwingungsbelastung->setText(t(TaeglicheSchwingungsbelastung));
        lblGesamtpunktezahl->setText(t(Gesamtpunktezahl));
        lblSumDauer->setText(t(EinwirkungszeitSumme));
        lblZustandUntergrund->setText(t(ZustandDesUntergrundes));
        lblFestigkeitUntergrund->setText(t(FestigkeitDesUntergrundes));
        lblBewegtesMaterial->setText(t(BewegtesMaterial));
        lblFahrstil->setText(t(Fahrstil));
        lblAnmerkungen->setText(t(Anmerkungen));
    });
}

QString frmDruckAnsicht::documentTitle() const
{
    QStringList parts{lblTitel->text(), txtFirma->text(), txtDatum->text()};
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
        txtDatum->setText(snapshot.txtDatum);
        txtFirma->setText(snapshot.txtFirma);
        txtFahrer->setText(snapshot.txtFahrer);
        txtFahrererfahrung->setText(snapshot.txtFahrererfahrung);
        for (int i = 1; i <= kRows; ++i) {
            const ReportRow& source = snapshot.rows[std::size_t(i - 1)];
            // Only the rows the last calculation counted make up the totals.
            if (!source.counted)
                continue;
            fillRow(i, source);
        }
        txtA8X->setText(snapshot.txtA8X);
        txtA8Y->setText(snapshot.txtA8Y);
        txtA8Z->setText(snapshot.txtA8Z);
        txtPunkteGesX->setText(snapshot.txtPunkteGesX);
        txtPunkteGesY->setText(snapshot.txtPunkteGesY);
        txtPunkteGesZ->setText(snapshot.txtPunkteGesZ);
        txtDauerSum->setText(snapshot.txtDauerSum);
        txtA8Max->setText(snapshot.txtA8Max);
        txtPktMax->setText(snapshot.txtPktMax);
    });
}
