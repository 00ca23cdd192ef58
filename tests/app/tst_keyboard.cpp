// Keyboard-only use and screen-reader names of the real frame, main, details,
// print and instructions windows.
#include "../support/AccessibleNames.h"
#include "../support/PrintSupport.h"
#include "../support/ProgramTest.h"
#include "app/frmMDI.h"
#include "base/Regional.h"
#include "details/frmDetails.h"
#include "grid/frmMain.h"
#include "instructions/frmAnleitung.h"
#include "printing/frmDrucken.h"
#include "ui/Lists.h"
#include "ui/MsgBox.h"
#include "ui/Widgets.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QTest>
#include <memory>

namespace {

QStringList expectedMainChain()
{
    QStringList names{"cboSprache", "btnSpracheGo", "txtFirma", "txtFahrer", "cboFahrererfahrung", "txtDatum"};
    const QStringList line{"MaschinenFamilie", "MaschinenTyp", "Arbeitszyklus", "Betriebsbedingung",
                           "Einwirkungsdauer", "MesswertX",    "PunkteX",       "MesswertY",
                           "PunkteY",          "MesswertZ",    "PunkteZ"};
    for (int row = 1; row <= 5; ++row) {
        names << QStringLiteral("optEingabe_G_%1").arg(row) << QStringLiteral("optEingabe_E_%1").arg(row);
        for (const QString& suffix : {QStringLiteral("G"), QStringLiteral("E")})
            for (const QString& control : line)
                names << QStringLiteral("%1_%2_%3").arg(control, suffix).arg(row);
        names << QStringLiteral("btnResetZeile_%1").arg(row) << QStringLiteral("btnBerechnenZeile_%1").arg(row);
    }
    names += QStringList{"btnDetails", "btnBerechnen", "btnDrucken", "btnReset", "btnAnleitung", "btnExit"};
    names += QStringList{"txtDauerSum",   "txtAnzSum", "txtA8X",        "txtPunkteGesX", "txtA8Y",
                         "txtPunkteGesY", "txtA8Z",    "txtPunkteGesZ", "txtPktMax",     "txtA8Max"};
    return names;
}

QWidget* focused()
{
    return QApplication::focusWidget();
}

QString focusedName()
{
    return focused() ? focused()->objectName() : QStringLiteral("<nothing>");
}

// The jobs the queue has taken so far, finished or not.
int jobCount(const QString& queue)
{
    const QString jobs = support::run(QStringLiteral("lpstat"),
                                      {QStringLiteral("-W"), QStringLiteral("all"), QStringLiteral("-o"), queue});
    return int(jobs.count(QLatin1Char('\n')));
}

}  // namespace

class KeyboardTest : public support::ProgramTest {
    Q_OBJECT

    // Presses Tab until the named control has the focus.
    bool tabTo(const QString& name, bool backwards = false) const
    {
        for (int presses = 0; presses < 200 && focused(); ++presses) {
            if (focusedName() == name)
                return true;
            QTest::keyClick(focused(), Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
        }
        return false;
    }

    // Steps through the focused list with the arrow key to the entry with this code.
    bool pick(int code) const
    {
        auto* list = qobject_cast<QComboBox*>(focused());
        for (int presses = 0; list && presses <= list->count(); ++presses) {
            if (list->currentIndex() >= 0 && ui::itemData(list, list->currentIndex()) == code)
                return true;
            QTest::keyClick(list, Qt::Key_Down);
        }
        return false;
    }

    void pickIn(const QString& name, int code) const
    {
        QVERIFY2(tabTo(name), qPrintable(focusedName()));
        QVERIFY2(pick(code), qPrintable(name));
    }

    void typeIn(const QString& name, const QString& text) const
    {
        QVERIFY2(tabTo(name), qPrintable(focusedName()));
        QTest::keyClicks(focused(), text);
    }

    void press(const QString& name) const
    {
        QVERIFY2(tabTo(name), qPrintable(focusedName()));
        QTest::keyClick(focused(), Qt::Key_Space);
    }

    // A catalogue row entered with the keys: the space bar chooses the option and the focus
    // moves into the line; each list's entry is picked with the arrow key.
    void keyInCatalogueRow(int row, int family, int type, int workCycle, int condition, int hours) const
    {
        press(QStringLiteral("optEingabe_G_%1").arg(row));
        QCOMPARE(focusedName(), QStringLiteral("MaschinenFamilie_G_%1").arg(row));
        QVERIFY(pick(family));
        pickIn(QStringLiteral("MaschinenTyp_G_%1").arg(row), type);
        pickIn(QStringLiteral("Arbeitszyklus_G_%1").arg(row), workCycle);
        pickIn(QStringLiteral("Betriebsbedingung_G_%1").arg(row), condition);
        pickIn(QStringLiteral("Einwirkungsdauer_G_%1").arg(row), hours);
    }

    // Switches the language with the keys, as everything else here, from the language list.
    void switchTo(const QString& language) const
    {
        control(QStringLiteral("cboSprache"))->setFocus(Qt::TabFocusReason);
        QTest::keyClick(focused(), Qt::Key_Home);
        QVERIFY(pick(language == QLatin1String("English") ? 2 : 1));
        press(QStringLiteral("btnSpracheGo"));
    }

private slots:
    void init()
    {
        base::setRegional(base::Regional::english());
        start();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
        control(QStringLiteral("cboSprache"))->setFocus(Qt::TabFocusReason);
    }

    void cleanup() { m_frame.reset(); }

    void mainWindowTabChain() { QCOMPARE(reach::objectNames(reach::tabChain(m_frame.get())), expectedMainChain()); }

    void detailsWindowTabChain()
    {
        frmDetails* details = control<frmDetails>(QStringLiteral("frmDetails"));
        QVERIFY(details);
        QStringList expected;
        for (int row = 1; row <= 5; ++row)
            for (const char* name : {"cboZustandUntergrund", "cboFestigkeitUntergrund", "txtBewegtesMaterial",
                                     "cboFahrstil", "txtAnmerkung"})
                expected << QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(row);
        expected << QStringLiteral("btnSchliessen");
        QCOMPARE(reach::objectNames(reach::tabChain(details)), expected);
    }

    // clang-format off
    void everyControlNamed_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("familyName");
        QTest::addColumn<QString>("resultName");
        QTest::addColumn<QString>("detailsName");
        QTest::addColumn<QStringList>("marks");
        QTest::newRow("German") << "Deutsch" << "Eingabe 1, genormt, Maschinenfamilie"
                                << "Endergebnis, Tägliche Schwingungsbelastung in m/s²"
                                << "Eingabe 2, Zustand des Untergrundes"
                                << QStringList{"Eingabe 1 checked", "Eingabe 2 checked", "Eingabe 3 not checked",
                                               "Eingabe 4 checked", "Eingabe 5 hidden"};
        QTest::newRow("English") << "English" << "entry 1, standardized, machine family"
                                 << "final result, daily exposure to vibration in m/s²"
                                 << "entry 2, surface condition"
                                 << QStringList{"entry 1 checked", "entry 2 checked", "entry 3 not checked",
                                                "entry 4 checked", "entry 5 hidden"};
    }
    // clang-format on

    // With an entry chosen in every list that has entries, a list is still
    // announced by its row and column, its entry as its value; a status mark is
    // a check box named after its row, hidden while empty.
    void everyControlNamed()
    {
        QFETCH(QString, language);
        QFETCH(QString, familyName);
        QFETCH(QString, resultName);
        QFETCH(QString, detailsName);
        QFETCH(QStringList, marks);
        switchTo(language);
        // In the order of the tab chain: leaving a catalogue list again would refill the next one.
        pickIn(QStringLiteral("cboFahrererfahrung"), 0);
        for (int row = 1; row <= 3; ++row) {
            press(QStringLiteral("optEingabe_G_%1").arg(row));
            const int lists = row == 3 ? 1 : 5;
            for (const char* base : QList<const char*>{"MaschinenFamilie", "MaschinenTyp", "Arbeitszyklus",
                                                       "Betriebsbedingung", "Einwirkungsdauer"}
                                        .first(lists))
                pickIn(QStringLiteral("%1_G_%2").arg(QLatin1String(base)).arg(row), 1);
        }
        QVERIFY(tabTo(QStringLiteral("optEingabe_G_4")));
        QTest::keyClick(focused(), Qt::Key_Down);
        QTest::keyClick(focused(), Qt::Key_Space);
        pickIn(QStringLiteral("Betriebsbedingung_E_4"), 2);
        pickIn(QStringLiteral("Einwirkungsdauer_E_4"), 3);
        for (const char* axis : {"X", "Y", "Z"})
            typeIn(QStringLiteral("Messwert%1_E_4").arg(QLatin1String(axis)), QStringLiteral("1"));
        press(QStringLiteral("btnBerechnen"));

        QCOMPARE(reach::poorlyNamedControls(m_frame.get()), QStringList());
        QCOMPARE(reach::spokenName(control(QStringLiteral("MaschinenFamilie_G_1"))), familyName);
        QCOMPARE(reach::spokenName(control(QStringLiteral("txtA8Max"))), resultName);
        QCOMPARE(reach::spokenName(control(QStringLiteral("Einwirkungsdauer_E_3"))).count(QLatin1Char('\n')), 0);
        QStringList wronglySpoken;
        int chosen = 0;
        for (QComboBox* list : m_frame->findChildren<QComboBox*>()) {
            const auto* frame = qobject_cast<QGroupBox*>(list->parentWidget());
            const QString row = frame ? ui::oneLine(frame->title()) + QStringLiteral(", ") : QString();
            const QString name = reach::spokenName(list);
            const bool entry = list->currentIndex() >= 0;
            // Named by row and column; the entry is its value, and its text, all of it selected.
            if (name != list->accessibleName() || !name.startsWith(row)
                || reach::spokenEntry(list) != list->currentText()
                || (entry && (name == list->currentText() || reach::spokenValue(list) != list->currentText())))
                wronglySpoken << list->objectName() + QLatin1Char(' ') + name + QStringLiteral(" / ")
                        + reach::spokenEntry(list);
            chosen += entry ? 1 : 0;
        }
        QVERIFY2(wronglySpoken.isEmpty(), qPrintable(wronglySpoken.join(QStringLiteral("; "))));
        QCOMPARE(chosen, 15);
        QStringList marksSpoken;
        for (int row = 1; row <= 5; ++row) {
            QAccessibleInterface* mark = QAccessible::queryAccessibleInterface(
                control(QStringLiteral("lblStatus_%1").arg(row)));
            QCOMPARE(mark->role(), QAccessible::CheckBox);
            const QAccessible::State state = mark->state();
            marksSpoken << mark->text(QAccessible::Name) + QLatin1Char(' ')
                    + (state.invisible     ? "hidden"
                           : state.checked ? "checked"
                                           : "not checked");
        }
        QCOMPARE(marksSpoken, marks);
        // A mark that shows a box is on the Tab path, between the row's values and its buttons.
        control(QStringLiteral("PunkteZ_G_1"))->setFocus(Qt::TabFocusReason);
        QTest::keyClick(focused(), Qt::Key_Tab);
        QCOMPARE(focusedName(), QStringLiteral("lblStatus_1"));
        QTest::keyClick(focused(), Qt::Key_Tab);
        QCOMPARE(focusedName(), QStringLiteral("btnResetZeile_1"));
        QTest::keyClick(focused(), Qt::Key_Backtab);
        QCOMPARE(focusedName(), QStringLiteral("lblStatus_1"));
        QVERIFY(!reach::objectNames(reach::tabChain(m_frame.get())).contains(QStringLiteral("lblStatus_5")));

        press(QStringLiteral("btnDetails"));
        auto* details = control<frmDetails>(QStringLiteral("frmDetails"));
        QVERIFY(QTest::qWaitFor([&] { return details->isActiveWindow(); }));
        QCOMPARE(reach::spokenName(details), details->windowTitle().trimmed());
        pickIn(QStringLiteral("cboZustandUntergrund_2"), 3);
        QCOMPARE(reach::poorlyNamedControls(details), QStringList());
        QComboBox* ground = driver::find<QComboBox>(details, driver::rowName("cboZustandUntergrund", 2));
        QCOMPARE(reach::spokenName(ground), detailsName);
        QCOMPARE(reach::spokenValue(ground), ground->currentText());
        QCOMPARE(reach::spokenEntry(ground), ground->currentText());
        // Escape is the window's cancel key: it closes it, keeping what was entered.
        QTest::keyClick(focused(), Qt::Key_Escape);
        QVERIFY(QTest::qWaitFor([&] { return !details->isVisible(); }));
    }

    // The print dialog opened with the keys from the main window: the printer list
    // first, named after its frame; Enter prints on the preselected queue, also from
    // the print button, and Escape or Enter on the close button print nothing.
    // clang-format off
    void printDialog_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("listName");
        QTest::addColumn<QStringList>("buttonNames");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("prints");
        const QStringList german{"Drucken", "Schließen"};
        const QStringList english{"print", "close"};
        QTest::newRow("German, Enter") << "Deutsch" << "Drucker" << german << "enter" << true;
        QTest::newRow("German, Escape") << "Deutsch" << "Drucker" << german << "escape" << false;
        QTest::newRow("German, Enter on close") << "Deutsch" << "Drucker" << german << "tab tab enter" << false;
        QTest::newRow("English, Enter on print") << "English" << "printer" << english << "tab enter" << true;
        QTest::newRow("English, Escape on close") << "English" << "printer" << english << "tab tab escape" << false;
    }
    // clang-format on
    void printDialog()
    {
        QFETCH(QString, language);
        QFETCH(QString, listName);
        QFETCH(QStringList, buttonNames);
        QFETCH(QString, keys);
        QFETCH(bool, prints);
        switchTo(language);
        support::clearOutput(QStringLiteral("Buero"));
        const int jobsBefore = jobCount(QStringLiteral("Buero"));
        QStringList chain;
        QString firstFocus;
        QStringList unnamed{"<not shown>"};
        QStringList names;
        bool closed = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<frmDrucken*>(QApplication::activeModalWidget());
            if (!dialog || !QTest::qWaitFor([dialog] { return dialog->isActiveWindow(); }))
                return;
            chain = reach::objectNames(reach::tabChain(dialog));
            firstFocus = focused() && focused()->window() == dialog ? focusedName() : QStringLiteral("<outside>");
            unnamed = reach::poorlyNamedControls(dialog);
            names = QStringList{reach::spokenName(dialog), reach::spokenName(support::printerList(dialog)),
                                reach::spokenName(support::printButton(dialog)),
                                reach::spokenName(support::closeButton(dialog))};
            for (const QString& key : keys.split(QLatin1Char(' ')))
                QTest::keyClick(focused(),
                                key == QLatin1String("tab")         ? Qt::Key_Tab
                                    : key == QLatin1String("enter") ? Qt::Key_Return
                                                                    : Qt::Key_Escape);
            closed = !dialog->isVisible();
            if (!closed)
                dialog->close();
        });
        press(QStringLiteral("btnDrucken"));
        QCOMPARE(chain, QStringList({"lstDrucker", "btnDrucken", "btnSchliessen"}));
        QCOMPARE(firstFocus, QStringLiteral("lstDrucker"));
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char(' '))));
        // The dialog is named by its caption, without the blank before it and the dots after it.
        QCOMPARE(names, QStringList({buttonNames.first(), listName}) + buttonNames);
        QVERIFY(closed);
        if (prints)
            QVERIFY(!support::waitForOutput(QStringLiteral("Buero")).isEmpty());
        else
            QCOMPARE(jobCount(QStringLiteral("Buero")), jobsBefore);
    }

    // The instructions window opened with the keys: the text view first, then print
    // and close; its names are those of its captions, in the language it was loaded
    // in, also when the language changes while it is open. Enter in the view does
    // nothing (the window has no default button), Escape closes it.
    // clang-format off
    void instructionsWindow_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("otherLanguage");
        QTest::newRow("German") << "Deutsch" << QStringList{"Anleitung", "Drucken", "Schließen"} << "English";
        QTest::newRow("English") << "English" << QStringList{"instructions", "print", "close"} << "Deutsch";
    }
    // clang-format on
    void instructionsWindow()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, names);
        QFETCH(QString, otherLanguage);
        writeInstructions();
        switchTo(language);
        press(QStringLiteral("btnAnleitung"));
        frmAnleitung* window = driver::shownWindows<frmAnleitung>().value(0);
        QVERIFY(window);
        QVERIFY(QTest::qWaitFor([&] { return window->isActiveWindow(); }));
        QCOMPARE(focusedName(), QStringLiteral("rtfAnleitung"));
        QCOMPARE(reach::objectNames(reach::tabChain(window)),
                 QStringList({"rtfAnleitung", "btnDrucken", "btnSchliessen"}));
        const auto spoken = [window] {
            return QStringList{reach::spokenName(driver::find<QTextEdit>(window, "rtfAnleitung")),
                               reach::spokenName(driver::find<QPushButton>(window, "btnDrucken")),
                               reach::spokenName(driver::find<QPushButton>(window, "btnSchliessen"))};
        };
        QCOMPARE(reach::poorlyNamedControls(window), QStringList());
        QCOMPARE(spoken(), names);
        QAccessibleInterface* asWindow = QAccessible::queryAccessibleInterface(window);
        QCOMPARE(asWindow->role(), QAccessible::Window);
        QCOMPARE(asWindow->text(QAccessible::Name), names.first());

        bool dialogOpened = false;
        QTimer::singleShot(0, [&] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                dialogOpened = true;
                dialog->close();
            }
        });
        QTest::keyClick(focused(), Qt::Key_Return);
        QApplication::processEvents();
        QVERIFY(!dialogOpened);
        QVERIFY(window->isVisible());

        // The open window keeps its language, and its names with it.
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitFor([&] { return m_frame->isActiveWindow(); }));
        switchTo(otherLanguage);
        QCOMPARE(spoken(), names);
        QCOMPARE(window->windowTitle(), QLatin1Char(' ') + names.first());

        window->activateWindow();
        QVERIFY(QTest::qWaitFor([&] { return window->isActiveWindow(); }));
        QVERIFY(tabTo(QStringLiteral("btnSchliessen")));
        QTest::keyClick(focused(), Qt::Key_Escape);
        QVERIFY(QTest::qWaitFor([&] { return !window->isVisible(); }));

        // Opened again, it speaks the language now chosen.
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitFor([&] { return m_frame->isActiveWindow(); }));
        press(QStringLiteral("btnAnleitung"));
        frmAnleitung* again = driver::shownWindows<frmAnleitung>().value(0);
        QVERIFY(again);
        QCOMPARE(reach::poorlyNamedControls(again), QStringList());
        QCOMPARE(reach::spokenName(driver::find<QTextEdit>(again, "rtfAnleitung")), again->windowTitle().trimmed());
        QVERIFY(reach::spokenName(driver::find<QTextEdit>(again, "rtfAnleitung")) != names.first());
    }

    // Reviewing two finished rows with Tab or Shift+Tab passes every list of them:
    // each keeps its entry, and the rows count again with the same result.
    void reviewingRowsKeepsThem_data()
    {
        QTest::addColumn<bool>("backwards");
        QTest::newRow("Tab") << false;
        QTest::newRow("Shift+Tab") << true;
    }
    void reviewingRowsKeepsThem()
    {
        QFETCH(bool, backwards);
        ui::MsgBoxRecorder boxes;
        keyInCatalogueRow(1, 4, 13, 28, 2, 4);
        QVERIFY(tabTo(QStringLiteral("optEingabe_G_2")));
        QTest::keyClick(focused(), Qt::Key_Down);
        QTest::keyClick(focused(), Qt::Key_Space);
        pickIn(QStringLiteral("Einwirkungsdauer_E_2"), 3);
        for (const char* axis : {"X", "Y", "Z"})
            typeIn(QStringLiteral("Messwert%1_E_2").arg(QLatin1String(axis)), QStringLiteral("0.5"));
        press(QStringLiteral("btnBerechnen"));
        const auto entries = [this] {
            QStringList shown;
            for (QComboBox* list : main()->findChildren<QComboBox*>())
                shown << list->objectName() + QLatin1Char('=') + list->currentText();
            return shown;
        };
        const auto results = [this] {
            QStringList shown;
            for (const char* name : {"txtAnzSum", "txtDauerSum", "txtPunkteGesX", "txtA8Y", "txtPktMax", "txtA8Max"})
                shown << control<QLineEdit>(QLatin1String(name))->text();
            return shown;
        };
        const QStringList chosen = entries();
        const QStringList day = results();
        QCOMPARE(day.first(), QStringLiteral("2"));

        const QString first = QStringLiteral("optEingabe_G_1");
        const QString last = QStringLiteral("btnBerechnenZeile_2");
        control(backwards ? last : first)->setFocus(Qt::TabFocusReason);
        QVERIFY(tabTo(backwards ? first : last, backwards));
        QCOMPARE(control<QLabel>(QStringLiteral("lblStatus_1"))->text(), QString());
        QCOMPARE(control<QLineEdit>(QStringLiteral("txtAnzSum"))->text(), QString());
        QCOMPARE(entries(), chosen);
        press(QStringLiteral("btnBerechnen"));
        QCOMPARE(results(), day);
        QCOMPARE(control<QLabel>(QStringLiteral("lblStatus_1"))->text(), QStringLiteral("\u2611"));
        QCOMPARE(boxes.calls.size(), 0);
    }

    void wholeDayWithTheKeyboardOnly()
    {
        ui::MsgBoxRecorder boxes;
        typeIn(QStringLiteral("txtFirma"), QStringLiteral("Erdbau"));
        typeIn(QStringLiteral("txtFahrer"), QStringLiteral("Muster"));
        pickIn(QStringLiteral("cboFahrererfahrung"), 0);

        keyInCatalogueRow(1, 3, 8, 21, 2, 8);

        // Row 2 with own values: the arrow key moves to the other option of the pair, the space bar chooses it.
        QVERIFY(tabTo(QStringLiteral("optEingabe_G_2")));
        QTest::keyClick(focused(), Qt::Key_Down);
        QCOMPARE(focusedName(), QStringLiteral("optEingabe_E_2"));
        QTest::keyClick(focused(), Qt::Key_Space);
        QVERIFY(control<QAbstractButton>(QStringLiteral("optEingabe_E_2"))->isChecked());
        pickIn(QStringLiteral("Einwirkungsdauer_E_2"), 8);
        typeIn(QStringLiteral("MesswertX_E_2"), QStringLiteral("0.5"));
        typeIn(QStringLiteral("MesswertY_E_2"), QStringLiteral("0.3"));
        typeIn(QStringLiteral("MesswertZ_E_2"), QStringLiteral("0.2"));

        press(QStringLiteral("btnBerechnen"));
        QCOMPARE(control<QLineEdit>(QStringLiteral("txtAnzSum"))->text(), QStringLiteral("2"));
        QCOMPARE(control<QLineEdit>(QStringLiteral("txtDauerSum"))->text(), QStringLiteral("16"));
        QCOMPARE(control<QLabel>(QStringLiteral("lblStatus_1"))->text(), QStringLiteral("\u2611"));
        QCOMPARE(control<QLabel>(QStringLiteral("lblStatus_2"))->text(), QStringLiteral("\u2611"));
        // The results are reached by Tab after the commands.
        QVERIFY(tabTo(QStringLiteral("txtA8Max")));
        QVERIFY(!control<QLineEdit>(QStringLiteral("txtA8Max"))->text().isEmpty());

        press(QStringLiteral("btnReset"));
        QCOMPARE(control<QLineEdit>(QStringLiteral("txtAnzSum"))->text(), QString());
        QVERIFY(!control<QAbstractButton>(QStringLiteral("optEingabe_E_2"))->isChecked());
        QVERIFY(!control(QStringLiteral("MaschinenFamilie_G_1"))->isEnabled());
        QCOMPARE(boxes.calls.size(), 0);
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
