// The rows: lookup, their signals, and switching their lines on and off.
#include "grid/frmMain.h"

#include "base/ErrorGuard.h"
#include "base/Regional.h"
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

}  // namespace

WorkRow& frmMain::row(int number)
{
    return const_cast<WorkRow&>(std::as_const(*this).row(number));
}

const WorkRow& frmMain::row(int number) const
{
    if (number < 1 || number > kRows)
        base::raise(base::ErrInvalidIndex);
    return m_rows[static_cast<std::size_t>(number - 1)];
}

WorkingFields& frmMain::workingFields(int number)
{
    return row(number).working;
}

bool frmMain::rowInUse(int number) const
{
    const WorkRow& r = row(number);
    const QColor off = ui::buttonFace();
    return !(ui::backColor(r.G.Einwirkungsdauer) == off && ui::backColor(r.E.Einwirkungsdauer) == off);
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
    // A new entry in a list that enters the calculation makes the row's last check and the
    // day result stale at once, whatever made it and wherever the focus is.
    for (QComboBox* list : {r.G.MaschinenFamilie, r.G.MaschinenTyp, r.G.Arbeitszyklus, r.G.Betriebsbedingung,
                            r.G.Einwirkungsdauer, r.E.Einwirkungsdauer})
        connect(list, &QComboBox::currentIndexChanged, this, [this, i] { rowEntryChanged(i); });
    ui::onFocusLeave(r.G.MaschinenFamilie, [this, i] { MaschinenFamilie_G_Validate(i); });
    ui::onFocusLeave(r.G.MaschinenTyp, [this, i] { MaschinenTyp_G_Validate(i); });
    ui::onFocusLeave(r.G.Arbeitszyklus, [this, i] { Arbeitszyklus_G_Validate(i); });
    ui::onFocusLeave(r.G.Betriebsbedingung, [this, i] { Betriebsbedingung_G_Validate(i); });
    ui::onFocusLeave(r.G.Einwirkungsdauer, [this, i] { Einwirkungsdauer_G_Validate(i); });
    ui::onFocusLeave(r.E.Einwirkungsdauer, [this, i] { Einwirkungsdauer_E_Validate(i); });
    for (int a = 0; a < 3; ++a) {
        const auto axis = static_cast<Axis>(a);
        connect(r.E.Messwert[axis], &QLineEdit::textChanged, this, [this, i, axis] { Messwert_E_Change(i, axis); });
        ui::onFocusLeave(r.E.Messwert[axis], [this, i, axis] { Messwert_E_LostFocus(i, axis); });
    }
    connect(r.btnResetZeile, &QPushButton::clicked, this, [this, i] { btnResetZeile_Click(i); });
    connect(r.btnBerechnenZeile, &QPushButton::clicked, this, [this, i] { btnBerechnenZeile_Click(i); });
}

void frmMain::optEingabe_G_Click(int r)
{
    switchInputMode(QStringLiteral("optEingabe_G_Click"), r, QStringLiteral("G"), QStringLiteral("E"));
}

void frmMain::optEingabe_E_Click(int r)
{
    switchInputMode(QStringLiteral("optEingabe_E_Click"), r, QStringLiteral("E"), QStringLiteral("G"));
}

void frmMain::switchInputMode(const QString& routine, int r, const QString& on, const QString& off)
{
    base::guard(base::indexed(routine, r), [&] {
        const auto number = static_cast<quint8>(r);
        subZeilenEinAus(number, on, true, true);
        subZeilenEinAus(number, off, false, true);
        row(r).line(on).machineFields()[0]->setFocus(Qt::OtherFocusReason);
        subLoescheErgebnis();
    });
}

void frmMain::subZeilenEinAus(quint8 number, const QString& suffix, bool on, bool rowButtons)
{
    base::guard(QStringLiteral("subZeilenEinAus"), [&] {
        WorkRow& r = row(number);
        InputLine& line = r.line(suffix);
        const bool catalogueLine = &line == &r.G;
        for (QWidget* field : line.fields())
            field->setEnabled(on);
        if (on) {
            subFuellBetriebsbedingung(number, bytSprachNr(), suffix);
            subFuellEinwirkungsdauer(number, suffix);
            if (catalogueLine)
                subFuellMaschinenfamilie(number, bytSprachNr());
        } else {
            clearOption(line.optEingabe);
            line.Betriebsbedingung->clear();
            line.Einwirkungsdauer->clear();
            for (std::size_t axis = 0; axis < 3; ++axis) {
                line.Messwert[axis]->setText(QString());
                line.Punkte[axis]->setText(QString());
            }
            line.emptyMachineFields();
        }

        const QColor off = ui::buttonFace();
        const QColor required = on ? ui::lightYellow() : off;
        const QColor optional = on ? (catalogueLine ? ui::lightYellow() : ui::windowBackground()) : off;
        const QColor fixed = on ? ui::lightGrey() : off;
        for (QWidget* field : line.machineFields())
            ui::setBackColor(field, optional);
        ui::setBackColor(line.Betriebsbedingung, optional);
        ui::setBackColor(line.Einwirkungsdauer, required);
        for (std::size_t axis = 0; axis < 3; ++axis) {
            ui::setBackColor(line.Messwert[axis], on ? (catalogueLine ? ui::lightGrey() : ui::lightYellow()) : off);
            ui::setBackColor(line.Punkte[axis], fixed);
        }
        r.btnResetZeile->setEnabled(rowButtons);
        r.btnBerechnenZeile->setEnabled(rowButtons);
        subSetzeStatus(number, QStringLiteral("Normal"));
        r.working.neutralise();
    });
}
