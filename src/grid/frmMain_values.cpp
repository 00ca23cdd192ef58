// Typing the own measured values of a row.
#include "grid/frmMain.h"

#include "base/ErrorGuard.h"
#include "base/Regional.h"
#include "calculation/Measures.h"
#include "texts/modTexte.h"
#include "texts/TextEntries.h"
#include "ui/MsgBox.h"
#include "ui/Widgets.h"

#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace {

// The handlers' names as the error titles show them, lower-case y and z included.
QString changeRoutine(Axis axis)
{
    static const std::array<const char*, 3> names{"MesswertX_E_Change", "Messwerty_E_Change", "MesswertZ_E_Change"};
    return QLatin1String(names[static_cast<std::size_t>(axis)]);
}

QString lostFocusRoutine(Axis axis)
{
    static const std::array<const char*, 3> names{"MesswertX_E_LostFocus", "MesswertY_E_LostFocus",
                                                  "Messwertz_E_LostFocus"};
    return QLatin1String(names[static_cast<std::size_t>(axis)]);
}

}  // namespace

void frmMain::Messwert_E_Change(int r, Axis axis)
{
    base::guard(base::indexed(changeRoutine(axis), r), [&] {
        ui::setBackColor(row(r).E.Messwert[axis], ui::lightYellow());
        rowEntryChanged(r);
    });
}

void frmMain::Messwert_E_LostFocus(int r, Axis axis)
{
    base::guard(base::indexed(lostFocusRoutine(axis), r), [&] {
        // Sending the focus back to a refused field is no leave of the field it passes through.
        if (m_returningFocus)
            return;
        QLineEdit* field = row(r).E.Messwert[axis];
        const QString text = field->text().trimmed();
        if (text.isEmpty())
            return;
        const base::Regional& settings = base::regional();
        if (settings.isNumeric(text)) {
            const double value = settings.toDouble(text);
            if (value >= calculation::kLowestMesswert && value <= calculation::kHighestMesswert)
                return;
        }
        ui::beep();
        ui::setBackColor(field, ui::lightRed());
        ui::msgBox(modTexte::Texte(bytSprachNr(), modTexte::NurDezimalzahlenZwischen), ui::MsgIcon::Critical,
                   modTexte::Texte(bytSprachNr(), modTexte::FehlerhafteEingabe));
        // The focus is still on its way to the next control; send it back once it arrived.
        QPointer<QLineEdit> refused(field);
        QTimer::singleShot(0, field, [this, refused] {
            if (!refused)
                return;
            m_returningFocus = true;
            refused->setFocus(Qt::OtherFocusReason);
            m_returningFocus = false;
        });
    });
}
