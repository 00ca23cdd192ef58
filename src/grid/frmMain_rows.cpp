// Input modes: switching the lines of a row on and off.
#include "grid/frmMain.h"

#include "texts/modTexte.h"
#include "ui/ErrorGuard.h"
#include "ui/Widgets.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// An option button of a pair cannot be unchecked directly while it is the
// checked one; lifting the exclusivity for a moment clears both.
void clearOption(QRadioButton* option)
{
    const bool blocked = option->blockSignals(true);
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(true);
    option->blockSignals(blocked);
}

void emptyField(QWidget* field)
{
    if (auto* list = qobject_cast<QComboBox*>(field))
        list->clear();
    else if (auto* text = qobject_cast<QLineEdit*>(field))
        text->setText(QString());
}

}  // namespace

WorkRow& frmMain::row(int number)
{
    if (number < 1 || number > kRows)
        ui::raise(ui::ErrInvalidIndex);
    return m_rows[number - 1];
}

const WorkRow& frmMain::row(int number) const
{
    if (number < 1 || number > kRows)
        ui::raise(ui::ErrInvalidIndex);
    return m_rows[number - 1];
}

bool frmMain::rowInUse(int number) const
{
    const WorkRow& r = row(number);
    const QColor off = ui::buttonFace();
    return !(ui::backColor(r.G.Einwirkungsdauer) == off && ui::backColor(r.E.Einwirkungsdauer) == off);
}

void frmMain::optEingabe_G_Click(int r)
{
    ui::guard(ui::indexed(QStringLiteral("optEingabe_G_Click"), r), [&] {
        subZeilenEinAus(r, QStringLiteral("G"), true, true);
        subZeilenEinAus(r, QStringLiteral("E"), false, true);
        row(r).G.MaschinenFamilie->setFocus(Qt::OtherFocusReason);
        subLoescheErgebnis();
    });
}

void frmMain::optEingabe_E_Click(int r)
{
    ui::guard(ui::indexed(QStringLiteral("optEingabe_E_Click"), r), [&] {
        subZeilenEinAus(r, QStringLiteral("E"), true, true);
        subZeilenEinAus(r, QStringLiteral("G"), false, true);
        row(r).E.MaschinenFamilie->setFocus(Qt::OtherFocusReason);
        subLoescheErgebnis();
    });
}

void frmMain::subZeilenEinAus(quint8 number, const QString& suffix, bool on, bool rowButtons)
{
    ui::guard(QStringLiteral("subZeilenEinAus"), [&] {
        WorkRow& r = row(number);
        const bool catalogueLine = suffix == QLatin1String("G");
        const bool ownLine = suffix == QLatin1String("E");
        if (catalogueLine || ownLine) {
            InputLine& line = r.line(suffix);
            for (QWidget* field : line.fields())
                field->setEnabled(on);
            if (on) {
                subFuellBetriebsbedingung(number, bytSprachNr, suffix);
                subFuellEinwirkungsdauer(number, suffix);
                if (catalogueLine)
                    subFuellMaschinenfamilie(number, bytSprachNr);
            } else {
                clearOption(line.optEingabe);
                line.Betriebsbedingung->clear();
                line.Einwirkungsdauer->clear();
                for (int axis = 0; axis < 3; ++axis) {
                    line.Messwert[axis]->setText(QString());
                    line.Punkte[axis]->setText(QString());
                }
                emptyField(line.MaschinenFamilie);
                emptyField(line.MaschinenTyp);
                emptyField(line.Arbeitszyklus);
            }

            const QColor off = ui::buttonFace();
            const QColor required = on ? ui::lightYellow() : off;
            const QColor optional = on ? (catalogueLine ? ui::lightYellow() : ui::windowBackground()) : off;
            const QColor fixed = on ? ui::lightGrey() : off;
            ui::setBackColor(line.MaschinenFamilie, optional);
            ui::setBackColor(line.MaschinenTyp, optional);
            ui::setBackColor(line.Arbeitszyklus, optional);
            ui::setBackColor(line.Betriebsbedingung, optional);
            ui::setBackColor(line.Einwirkungsdauer, required);
            for (int axis = 0; axis < 3; ++axis) {
                ui::setBackColor(line.Messwert[axis], on ? (catalogueLine ? ui::lightGrey() : ui::lightYellow()) : off);
                ui::setBackColor(line.Punkte[axis], fixed);
            }
        }
        r.btnResetZeile->setEnabled(rowButtons);
        r.btnBerechnenZeile->setEnabled(rowButtons);
        subSetzeStatus(number, QStringLiteral("Normal"));
        r.neutraliseWorkingFields();
    });
}
