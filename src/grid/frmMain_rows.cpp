// The rows: lookup, their signals, and switching their lines on and off.
#include "grid/frmMain.h"

#include "base/ErrorGuard.h"
#include "base/Regional.h"
#include "ui/Lists.h"
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

// The code of the selected entry, 0 when none is selected.
int selectedCode(const QComboBox* list)
{
    return list->currentIndex() < 0 ? 0 : ui::itemData(list, list->currentIndex());
}

// A typed measured value: its number when the text is one under the regional settings.
TypedValue typedValue(const QString& text)
{
    TypedValue value{text, std::nullopt};
    const base::Regional& settings = base::regional();
    if (settings.isNumeric(text))
        base::guardSilently([&] { value.number = settings.toDouble(text); });
    return value;
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

RowResult& frmMain::workingFields(int number)
{
    return row(number).state.result;
}

bool frmMain::rowInUse(int number) const
{
    return row(number).state.mode != InputMode::Off;
}

void frmMain::keepStateCurrent(WorkRow& r)
{
    RowState& state = r.state;
    const std::array<std::pair<QComboBox*, int*>, 7> lists{{{r.G.MaschinenFamilie, &state.catalogue.family},
                                                            {r.G.MaschinenTyp, &state.catalogue.type},
                                                            {r.G.Arbeitszyklus, &state.catalogue.workCycle},
                                                            {r.G.Betriebsbedingung, &state.catalogue.condition},
                                                            {r.G.Einwirkungsdauer, &state.catalogue.hours},
                                                            {r.E.Betriebsbedingung, &state.own.condition},
                                                            {r.E.Einwirkungsdauer, &state.own.hours}}};
    const int i = r.number;
    for (const auto& [list, code] : lists) {
        // The own-values condition only describes the row; every other list enters the calculation.
        const bool entersCalculation = list != r.E.Betriebsbedingung;
        connect(list, &QComboBox::currentIndexChanged, this, [this, i, list, code, entersCalculation] {
            *code = selectedCode(list);
            // A new entry makes the row's last check and the day result stale at once,
            // whatever made it and wherever the focus is.
            if (entersCalculation)
                rowEntryChanged(i);
        });
    }
    const std::array<QLineEdit*, 3> machine{r.E.MaschinenFamilie, r.E.MaschinenTyp, r.E.Arbeitszyklus};
    for (std::size_t k = 0; k < 3; ++k)
        connect(machine[k], &QLineEdit::textChanged, this,
                [&state, k](const QString& text) { state.own.machine[k] = text; });
    for (std::size_t axis = 0; axis < 3; ++axis)
        connect(r.E.Messwert[axis], &QLineEdit::textChanged, this,
                [&state, axis](const QString& text) { state.own.Messwert[axis] = typedValue(text); });
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
    keepStateCurrent(r);
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
    switchInputMode(QStringLiteral("optEingabe_G_Click"), r, InputMode::Catalogue, InputMode::OwnValues);
}

void frmMain::optEingabe_E_Click(int r)
{
    switchInputMode(QStringLiteral("optEingabe_E_Click"), r, InputMode::OwnValues, InputMode::Catalogue);
}

void frmMain::switchInputMode(const QString& routine, int r, InputMode on, InputMode off)
{
    base::guard(base::indexed(routine, r), [&] {
        const auto number = static_cast<quint8>(r);
        switchLine(number, on, true, true);
        switchLine(number, off, false, true);
        row(r).line(on).machineFields()[0]->setFocus(Qt::OtherFocusReason);
        subLoescheErgebnis();
    });
}

void frmMain::subZeilenEinAus(quint8 number, const QString& suffix, bool on, bool rowButtons)
{
    base::guard(QStringLiteral("subZeilenEinAus"),
                [&] { switchLine(number, WorkRow::lineOf(suffix), on, rowButtons); });
}

void frmMain::switchLine(quint8 number, InputMode mode, bool on, bool rowButtons)
{
    base::guard(QStringLiteral("subZeilenEinAus"), [&] {
        WorkRow& r = row(number);
        InputLine& line = r.line(mode);
        const QString& suffix = line.suffix;
        const bool catalogueLine = mode == InputMode::Catalogue;
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
            if (catalogueLine)
                r.state.catalogue.typesBuiltFor = r.state.catalogue.cyclesBuiltFor = 0;
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
        if (on)
            r.state.mode = mode;
        else if (r.state.mode == mode)
            r.state.mode = InputMode::Off;
        r.btnResetZeile->setEnabled(rowButtons);
        r.btnBerechnenZeile->setEnabled(rowButtons);
        setStatus(number, RowStatus::Normal);
        r.state.result.neutralise();
    });
}
