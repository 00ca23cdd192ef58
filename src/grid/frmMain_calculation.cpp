// Row status, completeness check, row and day calculation.
#include "grid/frmMain.h"

#include "calculation/Formulas.h"
#include "catalogue/Catalogue.h"
#include "ui/ErrorGuard.h"
#include "ui/Lists.h"
#include "ui/MsgBox.h"
#include "ui/Regional.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <cmath>

namespace {

bool isBlank(const QString& text)
{
    return text.trimmed().isEmpty();
}

bool isBlank(const QComboBox* list)
{
    return isBlank(list->currentText());
}

QComboBox* list(QWidget* widget)
{
    return static_cast<QComboBox*>(widget);
}

// Integer conversion of a field's text: not a number is a type mismatch.
qint16 integerOf(const QString& text)
{
    return ui::toInt16(ui::regional().toDouble(text));
}

qint16 checkedSum(qint16 sum, qint16 add)
{
    const int total = int(sum) + int(add);
    if (total < -32768 || total > 32767)
        ui::raise(ui::ErrOverflow);
    return static_cast<qint16>(total);
}

}  // namespace

void frmMain::subSetzeStatus(quint8 number, const QString& state)
{
    ui::guard(QStringLiteral("subSetzeStatus"), [&] {
        QLabel* mark = row(number).lblStatus;
        if (state == QLatin1String("OK")) {
            mark->setFrameStyle(QFrame::NoFrame);
            mark->setEnabled(true);
            mark->setText(QStringLiteral("\u2611"));
        } else if (state == QLatin1String("Error")) {
            mark->setFrameStyle(QFrame::NoFrame);
            mark->setEnabled(false);
            mark->setText(QStringLiteral("\u2610"));
        } else if (state == QLatin1String("Normal")) {
            mark->setFrameStyle(QFrame::NoFrame);
            mark->setEnabled(false);
            mark->setText(QString());
        } else {
            ui::msgBox(QStringLiteral("Unbekannter Status"), ui::MsgIcon::Critical,
                       QStringLiteral("Wenden Sie sich bitte an Ihren System-Administrator"));
        }
    });
}

void frmMain::subLoescheErgebnis()
{
    ui::guard(QStringLiteral("subLoescheErgebnis"), [&] {
        for (QLineEdit* field : {txtDauerSum, txtA8X, txtA8Y, txtA8Z, txtPunkteGesX, txtPunkteGesY, txtPunkteGesZ,
                                 txtAnzSum, txtA8Max, txtPktMax})
            field->setText(QString());
    });
}

bool frmMain::subCheckAusfuellenOK(quint8 number)
{
    return ui::guarded(QStringLiteral("subCheckAusfuellenOK"), false, [&] {
        WorkRow& r = row(number);
        const ui::Regional& settings = ui::regional();
        bool complete = true;
        if (r.G.optEingabe->isChecked()) {
            int workCycle = 0;
            quint8 condition = 0;
            double hours = 0;
            if (isBlank(list(r.G.MaschinenTyp)))
                complete = false;
            if (isBlank(list(r.G.Arbeitszyklus)))
                complete = false;
            else
                workCycle = ui::toInt16(ui::selectedItemData(list(r.G.Arbeitszyklus)));
            if (isBlank(r.G.Betriebsbedingung))
                complete = false;
            else
                condition = ui::toByte(ui::selectedItemData(r.G.Betriebsbedingung));
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
            if (catalogue::fktSchwingungswertOK(ui::toByte(workCycle), condition, x, y, z)) {
                r.G.Messwert[AxisX]->setText(settings.fixed2(x));
                r.G.Messwert[AxisY]->setText(settings.fixed2(y));
                r.G.Messwert[AxisZ]->setText(settings.fixed2(z));
                r.Messwert = {settings.generalNumber(x), settings.generalNumber(y), settings.generalNumber(z)};
                r.txtDauer = settings.generalNumber(hours);
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
            r.Messwert = {settings.generalNumber(values[AxisX]), settings.generalNumber(values[AxisY]),
                          settings.generalNumber(values[AxisZ])};
            r.txtDauer = settings.generalNumber(hours);
            subBerechnePunkte(number, QStringLiteral("E"), values[AxisX], values[AxisY], values[AxisZ], hours);
            return true;
        }
        subSetzeStatus(number, QStringLiteral("Normal"));
        return false;
    });
}

void frmMain::subBerechnePunkte(quint8 number, const QString& suffix, double aX, double aY, double aZ, double hours)
{
    ui::guard(QStringLiteral("subBerechnePunkte"), [&] {
        WorkRow& r = row(number);
        InputLine& line = r.line(suffix);
        const std::array<double, 3> values{aX, aY, aZ};
        for (int axis = 0; axis < 3; ++axis) {
            const std::optional<qint16> points = calculation::fktPunkteFormel(values[axis], hours);
            line.Punkte[axis]->setText(points ? QString::number(*points) : QString());
        }
        for (int axis = 0; axis < 3; ++axis)
            r.Punkte[axis] = line.Punkte[axis]->text();
    });
}

void frmMain::btnBerechnenZeile_Click(int number)
{
    ui::guard(ui::indexed(QStringLiteral("btnBerechnenZeile_Click"), number), [&] {
        subLoescheErgebnis();
        WorkRow& r = row(number);
        r.neutraliseWorkingFields();
        if (subCheckAusfuellenOK(ui::toByte(number)))
            r.txtAnzNr = QStringLiteral("1");
    });
}

void frmMain::btnBerechnen_Click()
{
    ui::guard(QStringLiteral("btnBerechnen_Click"), [&] {
        quint8 complete = 0;
        for (WorkRow& r : m_rows)
            r.neutraliseWorkingFields();
        for (WorkRow& r : m_rows) {
            if (subCheckAusfuellenOK(r.number)) {
                ++complete;
                r.txtAnzNr = QStringLiteral("1");
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
    const bool done = ui::guard(QStringLiteral("subErmittleSummen"), [&] {
        const ui::Regional& settings = ui::regional();
        qint16 count = 0;
        std::array<qint16, 3> points{0, 0, 0};
        std::array<double, 3> squares{0, 0, 0};
        double hoursSum = 0;
        for (const WorkRow& r : m_rows) {
            if (settings.toDouble(r.txtAnzNr) != 1)
                continue;
            count = checkedSum(count, 1);
            for (int axis = 0; axis < 3; ++axis)
                points[axis] = checkedSum(points[axis], integerOf(r.Punkte[axis]));
            const double hours = settings.toDouble(r.txtDauer);
            hoursSum += hours;
            for (int axis = 0; axis < 3; ++axis)
                squares[axis] += std::pow(settings.toDouble(r.Messwert[axis]), 2) * hours;
        }
        std::array<double, 3> a8{};
        for (int axis = 0; axis < 3; ++axis)
            a8[axis] = calculation::a8(squares[axis]);
        if (!std::isfinite(hoursSum))
            ui::raise(ui::ErrOverflow);

        // Everything is computed before anything is written, so that a failure
        // never leaves part of an old or new result on screen.
        txtAnzSum->setText(QString::number(count));
        txtPunkteGesX->setText(QString::number(points[AxisX]));
        txtPunkteGesY->setText(QString::number(points[AxisY]));
        txtPunkteGesZ->setText(QString::number(points[AxisZ]));
        txtA8X->setText(settings.fixed2(a8[AxisX]));
        txtA8Y->setText(settings.fixed2(a8[AxisY]));
        txtA8Z->setText(settings.fixed2(a8[AxisZ]));
        txtDauerSum->setText(settings.generalNumber(hoursSum));
        txtPktMax->setText(settings.generalNumber(calculation::fktMaxZahl(points[AxisX], points[AxisY], points[AxisZ])));
        txtA8Max->setText(settings.fixed2(calculation::fktMaxZahl(a8[AxisX], a8[AxisY], a8[AxisZ])));
    });
    if (!done)
        subLoescheErgebnis();
}
