// Captions of the main window in the current language.
#include "grid/frmMain.h"

#include "catalogue/Catalogue.h"
#include "texts/modTexte.h"
#include "ui/ErrorGuard.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

// Multi-line texts carry CR LF; a caption breaks the line at LF alone.
QString caption(const QString& text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

}  // namespace

void frmMain::subInitForm(quint8 language)
{
    ui::guard(QStringLiteral("subInitForm"), [&] {
        auto t = [language](int entry) { return caption(modTexte::Texte(language, entry)); };
        lblTitel->setText(t(46) + QStringLiteral(" - ") + t(16));
        lblFirma->setText(t(45) + QLatin1Char(':'));
        lblFahrer->setText(t(38) + QLatin1Char(':'));
        lblFahrererfahrung->setText(t(39) + QLatin1Char(':'));
        subFuellFahrererfahrung(language);
        lblMesswertQuelle->setText(t(96));
        lblMaschinenfamilie->setText(t(71));
        lblMaschinentyp->setText(t(75));
        lblArbeitszyklus->setText(t(2));
        lblBetriebsbedingungen->setText(t(18));
        lblEinwirkungsdauer->setText(t(32));
        lblXAchse->setText(t(138));
        lblYAchse->setText(t(139));
        lblZAchse->setText(t(140));
        for (QLabel* heading : lblPunkteAchse)
            heading->setText(t(94));
        for (QLabel* heading : lblPunkteErgebnis)
            heading->setText(t(94));
        for (int i = 1; i <= kRows; ++i) {
            WorkRow& r = row(i);
            r.btnBerechnenZeile->setText(t(15));
            r.btnResetZeile->setText(t(102));
            r.G.optEingabe->setText(t(143));
            r.E.optEingabe->setText(t(144));
            r.fraEingabe->setTitle(QStringLiteral(" %1 %2 ").arg(t(142)).arg(i));
        }
        btnBerechnen->setText(t(15));
        btnDrucken->setText(t(27));
        btnReset->setText(t(102));
        btnDetails->setText(t(24));
        btnAnleitung->setText(t(145));
        btnExit->setText(t(146));
        lblZwischenergebnis->setText(t(170) + QLatin1Char(':'));
        lblEndergebnis->setText(t(171) + QLatin1Char(':'));
        lblSummeAllerArbeitszyklen->setText(t(118));
        lblTaeglicheSchwingungsbelastung->setText(t(119));
        lblGesamtpunktezahl->setText(t(167));
        lblSumDauer->setText(t(169));
        lblAnzahlZyklen->setText(t(156));
    });
}

void frmMain::subFuellFahrererfahrung(quint8 language)
{
    ui::guard(QStringLiteral("subFuellFahrererfahrung"),
              [&] { catalogue::fillDriverExperience(cboFahrererfahrung, language); });
}
