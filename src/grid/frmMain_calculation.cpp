// Row status, completeness check, row and day calculation.
#include "grid/frmMain.h"

#include "base/ErrorGuard.h"
#include "base/Regional.h"
#include "calculation/DayTotals.h"
#include "calculation/Formulas.h"
#include "catalogue/Catalogue.h"
#include "grid/RowTexts.h"
#include "ui/Lists.h"
#include "ui/MsgBox.h"
#include "ui/StatusMark.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <vector>

void frmMain::subSetzeStatus(quint8 number, const QString& state)
{
    base::guard(QStringLiteral("subSetzeStatus"), [&] {
        if (state == QLatin1String("OK")) {
            setStatus(number, RowStatus::Ok);
        } else if (state == QLatin1String("Error")) {
            setStatus(number, RowStatus::Error);
        } else if (state == QLatin1String("Normal")) {
            setStatus(number, RowStatus::Normal);
        } else {
            ui::msgBox(QStringLiteral("Unbekannter Status"), ui::MsgIcon::Critical,
                       QStringLiteral("Wenden Sie sich bitte an Ihren System-Administrator"));
        }
    });
}

void frmMain::setStatus(quint8 number, RowStatus status)
{
    base::guard(QStringLiteral("subSetzeStatus"), [&] {
        WorkRow& r = row(number);
        r.state.status = status;
        using Mark = ui::StatusMark::Mark;
        r.lblStatus->setFrameStyle(QFrame::NoFrame);
        r.lblStatus->setMark(status == RowStatus::Ok          ? Mark::Ticked
                                 : status == RowStatus::Error ? Mark::Empty
                                                              : Mark::None);
    });
}

void frmMain::subLoescheErgebnis()
{
    base::guard(QStringLiteral("subLoescheErgebnis"), [&] {
        m_day.reset();
        showDay();
    });
}

void frmMain::showDay()
{
    const std::array<QString, 10> texts = row_texts::dayTexts(m_day);
    const std::array<QLineEdit*, 10> fields = resultFields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i]->setText(texts[i]);
}

bool frmMain::subCheckAusfuellenOK(quint8 number)
{
    return base::guarded(QStringLiteral("subCheckAusfuellenOK"), false, [&] {
        WorkRow& r = row(number);
        RowState& state = r.state;
        if (state.mode == InputMode::Catalogue) {
            // A list changed without a leave since: its cascade runs before anything is read.
            cascadeFromFamily(number);
            cascadeFromType(number);
            const CatalogueChoice& chosen = state.catalogue;
            // Every check is made, in this order; a missing entry does not stop the later ones.
            bool complete = chosen.type != 0;
            int workCycle = 0;
            quint8 condition = 0;
            if (chosen.workCycle == 0)
                complete = false;
            else
                workCycle = base::toInt16(chosen.workCycle);
            if (chosen.condition == 0)
                complete = false;
            else
                condition = base::toByte(chosen.condition);
            if (chosen.hours == 0)
                complete = false;
            if (!complete) {
                setStatus(number, RowStatus::Error);
                return false;
            }
            setStatus(number, RowStatus::Ok);
            double x = 0, y = 0, z = 0;
            if (catalogue::fktSchwingungswertOK(base::toByte(workCycle), condition, x, y, z)) {
                r.G.Messwert[AxisX]->setText(row_texts::catalogueValueText(x));
                r.G.Messwert[AxisY]->setText(row_texts::catalogueValueText(y));
                r.G.Messwert[AxisZ]->setText(row_texts::catalogueValueText(z));
                state.result.Messwert = {x, y, z};
                state.result.hours = chosen.hours;
                berechnePunkte(number, InputMode::Catalogue, {x, y, z}, chosen.hours);
            }
            return true;
        }
        if (state.mode == InputMode::OwnValues) {
            const OwnEntry& own = state.own;
            bool complete = own.hours != 0;
            std::array<double, 3> values{};
            for (std::size_t axis = 0; axis < 3; ++axis) {
                const TypedValue& value = own.Messwert[axis];
                if (value.blank())
                    complete = false;
                else if (!value.number)
                    base::raise(base::ErrTypeMismatch);
                else
                    values[axis] = *value.number;
            }
            if (!complete) {
                setStatus(number, RowStatus::Error);
                return false;
            }
            setStatus(number, RowStatus::Ok);
            state.result.Messwert = values;
            state.result.hours = own.hours;
            berechnePunkte(number, InputMode::OwnValues, values, own.hours);
            return true;
        }
        setStatus(number, RowStatus::Normal);
        return false;
    });
}

void frmMain::subBerechnePunkte(quint8 number, const QString& suffix, double aX, double aY, double aZ, double hours)
{
    base::guard(QStringLiteral("subBerechnePunkte"), [&] {
        berechnePunkte(number, WorkRow::lineOf(suffix), {aX, aY, aZ}, hours);
    });
}

void frmMain::berechnePunkte(quint8 number, InputMode mode, const std::array<double, 3>& values, double hours)
{
    base::guard(QStringLiteral("subBerechnePunkte"), [&] {
        WorkRow& r = row(number);
        InputLine& line = r.line(mode);
        std::array<std::optional<qint16>, 3> points;
        for (std::size_t axis = 0; axis < 3; ++axis) {
            points[axis] = calculation::fktPunkteFormel(values[axis], hours);
            line.Punkte[axis]->setText(row_texts::pointsText(points[axis]));
        }
        r.state.result.Punkte = points;
    });
}

void frmMain::btnBerechnenZeile_Click(int number)
{
    base::guard(base::indexed(QStringLiteral("btnBerechnenZeile_Click"), number), [&] {
        subLoescheErgebnis();
        RowResult& result = workingFields(number);
        result.neutralise();
        if (subCheckAusfuellenOK(base::toByte(number)))
            result.counted = true;
    });
}

void frmMain::btnBerechnen_Click()
{
    base::guard(QStringLiteral("btnBerechnen_Click"), [&] {
        quint8 complete = 0;
        for (WorkRow& r : m_rows)
            r.state.result.neutralise();
        for (WorkRow& r : m_rows) {
            if (subCheckAusfuellenOK(base::toByte(r.number))) {
                ++complete;
                r.state.result.counted = true;
            }
        }
        if (complete > 0)
            subErmittleSummen();
        else
            subLoescheErgebnis();
    });
}

void frmMain::subErmittleSummen()
{
    const bool done = base::guard(QStringLiteral("subErmittleSummen"), [&] {
        std::vector<calculation::CountedRow> counted;
        for (const WorkRow& r : m_rows) {
            const RowResult& result = r.state.result;
            if (!result.counted)
                continue;
            calculation::CountedRow c;
            for (std::size_t axis = 0; axis < 3; ++axis) {
                // The points of an axis that overflowed are missing: no number to add.
                if (!result.Punkte[axis])
                    base::raise(base::ErrTypeMismatch);
                c.Punkte[axis] = *result.Punkte[axis];
            }
            c.hours = result.hours;
            c.Messwert = result.Messwert;
            counted.push_back(c);
        }
        // Everything is computed before anything is written, so that a failure
        // never leaves part of an old or new result on screen.
        m_day = calculation::dayTotals(counted);
        showDay();
    });
    if (!done)
        subLoescheErgebnis();
}

std::array<QLineEdit*, 10> frmMain::resultFields() const
{
    return {m_txtDauerSum,   m_txtA8X,        m_txtA8Y,    m_txtA8Z,   m_txtPunkteGesX,
            m_txtPunkteGesY, m_txtPunkteGesZ, m_txtAnzSum, m_txtA8Max, m_txtPktMax};
}
