// Row status, completeness check, row and day calculation.
#include "grid/frmMain.h"

#include "base/ErrorGuard.h"
#include "base/Regional.h"
#include "calculation/DayTotals.h"
#include "calculation/Formulas.h"
#include "catalogue/Catalogue.h"
#include "ui/Lists.h"
#include "ui/MsgBox.h"
#include "ui/StatusMark.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <vector>

namespace {

bool isBlank(const QString& text)
{
    return text.trimmed().isEmpty();
}

bool isBlank(const QComboBox* list)
{
    return isBlank(list->currentText());
}

// Integer conversion of a field's text: not a number is a type mismatch.
qint16 integerOf(const QString& text)
{
    return base::toInt16(base::regional().toDouble(text));
}

}  // namespace

void frmMain::subSetzeStatus(quint8 number, const QString& state)
{
    base::guard(QStringLiteral("subSetzeStatus"), [&] {
        ui::StatusMark* mark = row(number).lblStatus;
        using Mark = ui::StatusMark::Mark;
        Mark shown = Mark::None;
        if (state == QLatin1String("OK")) {
            shown = Mark::Ticked;
        } else if (state == QLatin1String("Error")) {
            shown = Mark::Empty;
        } else if (state != QLatin1String("Normal")) {
            ui::msgBox(QStringLiteral("Unbekannter Status"), ui::MsgIcon::Critical,
                       QStringLiteral("Wenden Sie sich bitte an Ihren System-Administrator"));
            return;
        }
        mark->setFrameStyle(QFrame::NoFrame);
        mark->setMark(shown);
    });
}

void frmMain::subLoescheErgebnis()
{
    base::guard(QStringLiteral("subLoescheErgebnis"), [&] {
        for (QLineEdit* field : resultFields())
            field->setText(QString());
    });
}

bool frmMain::subCheckAusfuellenOK(quint8 number)
{
    return base::guarded(QStringLiteral("subCheckAusfuellenOK"), false, [&] {
        WorkRow& r = row(number);
        const base::Regional& settings = base::regional();
        bool complete = true;
        if (r.G.optEingabe->isChecked()) {
            // A list changed without a leave since: its cascade runs before anything is read.
            cascadeFromFamily(number);
            cascadeFromType(number);
            int workCycle = 0;
            quint8 condition = 0;
            double hours = 0;
            if (isBlank(r.G.MaschinenTyp))
                complete = false;
            if (isBlank(r.G.Arbeitszyklus))
                complete = false;
            else
                workCycle = base::toInt16(ui::selectedItemData(r.G.Arbeitszyklus));
            if (isBlank(r.G.Betriebsbedingung))
                complete = false;
            else
                condition = base::toByte(ui::selectedItemData(r.G.Betriebsbedingung));
            if (isBlank(r.G.Einwirkungsdauer))
                complete = false;
            else
                hours = ui::selectedItemData(r.G.Einwirkungsdauer);
            if (!complete) {
                subSetzeStatus(number, QStringLiteral("Error"));
                return false;
            }
            subSetzeStatus(number, QStringLiteral("OK"));
            double x = 0, y = 0, z = 0;
            if (catalogue::fktSchwingungswertOK(base::toByte(workCycle), condition, x, y, z)) {
                r.G.Messwert[AxisX]->setText(settings.fixed2(x));
                r.G.Messwert[AxisY]->setText(settings.fixed2(y));
                r.G.Messwert[AxisZ]->setText(settings.fixed2(z));
                r.working.Messwert = {settings.generalNumber(x), settings.generalNumber(y), settings.generalNumber(z)};
                r.working.txtDauer = settings.generalNumber(hours);
                subBerechnePunkte(number, QStringLiteral("G"), x, y, z, hours);
            }
            return true;
        }
        if (r.E.optEingabe->isChecked()) {
            double hours = 0;
            std::array<double, 3> values{};
            if (isBlank(r.E.Einwirkungsdauer))
                complete = false;
            else
                hours = ui::selectedItemData(r.E.Einwirkungsdauer);
            for (int axis = 0; axis < 3; ++axis) {
                const QString text = r.E.Messwert[axis]->text();
                if (isBlank(text))
                    complete = false;
                else
                    values[axis] = settings.toDouble(text);
            }
            if (!complete) {
                subSetzeStatus(number, QStringLiteral("Error"));
                return false;
            }
            subSetzeStatus(number, QStringLiteral("OK"));
            r.working.Messwert = {settings.generalNumber(values[AxisX]), settings.generalNumber(values[AxisY]),
                                  settings.generalNumber(values[AxisZ])};
            r.working.txtDauer = settings.generalNumber(hours);
            subBerechnePunkte(number, QStringLiteral("E"), values[AxisX], values[AxisY], values[AxisZ], hours);
            return true;
        }
        subSetzeStatus(number, QStringLiteral("Normal"));
        return false;
    });
}

void frmMain::subBerechnePunkte(quint8 number, const QString& suffix, double aX, double aY, double aZ, double hours)
{
    base::guard(QStringLiteral("subBerechnePunkte"), [&] {
        WorkRow& r = row(number);
        InputLine& line = r.line(suffix);
        const std::array<double, 3> values{aX, aY, aZ};
        for (int axis = 0; axis < 3; ++axis) {
            const std::optional<qint16> points = calculation::fktPunkteFormel(values[axis], hours);
            line.Punkte[axis]->setText(points ? QString::number(*points) : QString());
        }
        for (int axis = 0; axis < 3; ++axis)
            r.working.Punkte[axis] = line.Punkte[axis]->text();
    });
}

void frmMain::btnBerechnenZeile_Click(int number)
{
    base::guard(base::indexed(QStringLiteral("btnBerechnenZeile_Click"), number), [&] {
        subLoescheErgebnis();
        WorkingFields& working = workingFields(number);
        working.neutralise();
        if (subCheckAusfuellenOK(base::toByte(number)))
            working.txtAnzNr = QStringLiteral("1");
    });
}

void frmMain::btnBerechnen_Click()
{
    base::guard(QStringLiteral("btnBerechnen_Click"), [&] {
        quint8 complete = 0;
        for (WorkRow& r : m_rows)
            r.working.neutralise();
        for (WorkRow& r : m_rows) {
            if (subCheckAusfuellenOK(base::toByte(r.number))) {
                ++complete;
                r.working.txtAnzNr = QStringLiteral("1");
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
        const base::Regional& settings = base::regional();
        std::vector<calculation::CountedRow> counted;
        for (const WorkRow& r : m_rows) {
            const WorkingFields& w = r.working;
            if (settings.toDouble(w.txtAnzNr) != 1)
                continue;
            calculation::CountedRow c;
            for (std::size_t axis = 0; axis < 3; ++axis)
                c.Punkte[axis] = integerOf(w.Punkte[axis]);
            c.hours = settings.toDouble(w.txtDauer);
            for (std::size_t axis = 0; axis < 3; ++axis)
                c.Messwert[axis] = settings.toDouble(w.Messwert[axis]);
            counted.push_back(c);
        }
        // Everything is computed before anything is written, so that a failure
        // never leaves part of an old or new result on screen.
        const calculation::DayTotals day = calculation::dayTotals(counted);
        m_txtAnzSum->setText(QString::number(day.AnzSum));
        m_txtPunkteGesX->setText(QString::number(day.PunkteGes[AxisX]));
        m_txtPunkteGesY->setText(QString::number(day.PunkteGes[AxisY]));
        m_txtPunkteGesZ->setText(QString::number(day.PunkteGes[AxisZ]));
        m_txtA8X->setText(settings.fixed2(day.A8[AxisX]));
        m_txtA8Y->setText(settings.fixed2(day.A8[AxisY]));
        m_txtA8Z->setText(settings.fixed2(day.A8[AxisZ]));
        m_txtDauerSum->setText(settings.generalNumber(day.DauerSum));
        m_txtPktMax->setText(QString::number(day.PktMax));
        m_txtA8Max->setText(settings.fixed2(day.A8Max));
    });
    if (!done)
        subLoescheErgebnis();
}

std::array<QLineEdit*, 10> frmMain::resultFields() const
{
    return {m_txtDauerSum,   m_txtA8X,        m_txtA8Y,    m_txtA8Z,   m_txtPunkteGesX,
            m_txtPunkteGesY, m_txtPunkteGesZ, m_txtAnzSum, m_txtA8Max, m_txtPktMax};
}
