// Input modes, the catalogue cascade and the measured-value check of a row.
#include "MainWindowFixture.h"

#include "base/RuntimeError.h"
#include "catalogue/Catalogue.h"
#include "details/frmDetails.h"
#include "ui/MsgBox.h"
#include "ui/Widgets.h"

class RowsTest : public QObject {
    Q_OBJECT

    enum ListAction { WheelSent, WheelFromSystem, WheelWithFocus, KeysWithFocus, PopupPick, PopupWhileRefused };
    enum Change { Wheel, ArrowKey, Popup, Program, PopupWhileClickedAway, PopupAfterDetails };

private slots:
    void catalogueModeFillsFamiliesConditionsAndDurations()
    {
        MainWindowFixture f;
        f.chooseMode("G", 1);
        QComboBox* families = f.list("MaschinenFamilie_G", 1);
        QCOMPARE(driver::texts(families),
                 (QStringList{"Bagger", "Lader", "Motorgrader", "Muldenfahrzeuge", "Müllverdichter", "Planiermaschine",
                              "Rohrleger", "Scraper", "Teleskoplader", "Walzen"}));
        QCOMPARE(driver::codes(families), (QList<int>{3, 4, 7, 2, 9, 5, 6, 8, 10, 1}));
        QCOMPARE(driver::codes(f.list("Betriebsbedingung_G", 1)), (QList<int>{1, 2, 3}));
        QCOMPARE(driver::codes(f.list("Einwirkungsdauer_G", 1)), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8}));
        for (const char* name : {"MaschinenFamilie_G", "Betriebsbedingung_G", "Einwirkungsdauer_G"})
            QCOMPARE(f.list(name, 1)->currentIndex(), -1);
        QCOMPARE(f.list("MaschinenTyp_G", 1)->count(), 0);
        QCOMPARE(f.list("Arbeitszyklus_G", 1)->count(), 0);
        QVERIFY(f.window->rowInUse(1));
        QVERIFY(f.get("btnBerechnenZeile", 1)->isEnabled());
        QVERIFY(f.list("MaschinenFamilie_G", 1)->hasFocus());
    }

    void cascadeFromFamilyToWorkCycle_data()
    {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("typeTexts");
        QTest::addColumn<QList<int>>("typeCodes");
        QTest::addColumn<QStringList>("cycleTexts");
        QTest::addColumn<QList<int>>("cycleCodes");
        QTest::newRow("wheel loader") << 4 << 13
                                      << QStringList{"Baggerlader", "Kompakt-Radlader", "Kompakt-Skid-Steer-Lader",
                                                     "Laderaupe",   "Radlader",         "Raupen-Skid-Steer-Lader"}
                                      << QList<int>{9, 12, 10, 14, 13, 11}
                                      << QStringList{"Einsatz in Gewinnung", "Load & Carry", "Überführungsfahrt",
                                                     "V-Betrieb"}
                                      << QList<int>{28, 27, 29, 30};
        QTest::newRow("bulldozer") << 5 << 15 << QStringList{"Planierraupe"} << QList<int>{15}
                                   << QStringList{"mit Heckaufreißer", "Planieren", "Überführungsfahrt"}
                                   << QList<int>{35, 34, 36};
        QTest::newRow("pipelayer") << 6 << 16 << QStringList{"Rohrleger"} << QList<int>{16}
                                   << QStringList{"Arbeitszyklus"} << QList<int>{37};
    }
    void cascadeFromFamilyToWorkCycle()
    {
        QFETCH(int, family);
        QFETCH(int, type);
        QFETCH(QStringList, typeTexts);
        QFETCH(QList<int>, typeCodes);
        QFETCH(QStringList, cycleTexts);
        QFETCH(QList<int>, cycleCodes);
        MainWindowFixture f;
        f.chooseMode("G", 2);
        QVERIFY(driver::choose(f.list("MaschinenFamilie_G", 2), family));
        QCOMPARE(driver::texts(f.list("MaschinenTyp_G", 2)), typeTexts);
        QCOMPARE(driver::codes(f.list("MaschinenTyp_G", 2)), typeCodes);
        QCOMPARE(f.list("MaschinenTyp_G", 2)->currentIndex(), -1);
        QVERIFY(driver::choose(f.list("MaschinenTyp_G", 2), type));
        QCOMPARE(driver::texts(f.list("Arbeitszyklus_G", 2)), cycleTexts);
        QCOMPARE(driver::codes(f.list("Arbeitszyklus_G", 2)), cycleCodes);
        QCOMPARE(f.list("Arbeitszyklus_G", 2)->currentIndex(), -1);
    }

    void sameWordingUnderTwoTypesGivesDifferentValues()
    {
        MainWindowFixture f;
        f.catalogueRow(1, 3, 8, 21, 2, 8);  // Mobilbagger, Baggern
        f.catalogueRow(2, 4, 9, 23, 2, 8);  // Baggerlader, Baggern
        QCOMPARE(f.list("Arbeitszyklus_G", 1)->currentText(), QStringLiteral("Baggern"));
        QCOMPARE(f.list("Arbeitszyklus_G", 2)->currentText(), QStringLiteral("Baggern"));
        f.calculate();
        QCOMPARE(f.field("MesswertX_G", 1)->text(), QStringLiteral("0.52"));
        QCOMPARE(f.field("MesswertX_G", 2)->text(), QStringLiteral("0.28"));
    }

    void changingTheFamilyResetsTheCascadeOnly()
    {
        MainWindowFixture f;
        f.catalogueRow(1, 3, 7, 17, 3, 6);
        f.calculate();
        QCOMPARE(f.status(1), QStringLiteral("\u2611"));
        QVERIFY(!f.results().join(QString()).isEmpty());

        QVERIFY(driver::choose(f.list("MaschinenFamilie_G", 1), 1));  // Walzen
        QCOMPARE(driver::texts(f.list("MaschinenTyp_G", 1)),
                 (QStringList{"Tandemwalze mit Vibration", "Vibrationswalzenzug"}));
        QCOMPARE(driver::codes(f.list("MaschinenTyp_G", 1)), (QList<int>{2, 1}));
        QCOMPARE(f.list("MaschinenTyp_G", 1)->currentIndex(), -1);
        QCOMPARE(f.list("Arbeitszyklus_G", 1)->count(), 0);
        QCOMPARE(f.list("Betriebsbedingung_G", 1)->currentText(), QStringLiteral("hart"));
        QCOMPARE(f.list("Einwirkungsdauer_G", 1)->currentText(), QStringLiteral("6"));
        QCOMPARE(f.status(1), QString());
        QVERIFY(f.results().join(QString()).isEmpty());
    }

    void leavingAListEmptiesTheResultEvenUnchanged_data()
    {
        QTest::addColumn<QString>("list");
        QTest::newRow("work cycle") << "Arbeitszyklus_G_1";
        QTest::newRow("condition") << "Betriebsbedingung_G_1";
        QTest::newRow("duration") << "Einwirkungsdauer_G_1";
        QTest::newRow("type") << "MaschinenTyp_G_1";
        QTest::newRow("family") << "MaschinenFamilie_G_1";
    }
    void leavingAListEmptiesTheResultEvenUnchanged()
    {
        QFETCH(QString, list);
        MainWindowFixture f;
        f.catalogueRow(1, 4, 13, 28, 2, 8);
        f.calculate();
        QCOMPARE(f.status(1), QStringLiteral("\u2611"));
        const QStringList before = f.results();
        driver::leave(f.get(list));
        QCOMPARE(f.status(1), QString());
        QVERIFY(f.results().join(QString()).isEmpty());
        // Nothing above changed, so nothing below is rebuilt: the row is as complete as before.
        QCOMPARE(f.list("MaschinenTyp_G", 1)->currentData().toInt(), 13);
        QCOMPARE(f.list("Arbeitszyklus_G", 1)->currentData().toInt(), 28);
        QCOMPARE(f.list("Arbeitszyklus_G", 1)->count(), 4);
        f.calculate();
        QCOMPARE(f.status(1), QStringLiteral("\u2611"));
        QCOMPARE(f.results(), before);
    }

    // A list's entry changes only along with the focus, so that leaving it clears what the change made stale.
    void listChangesOnlyWithTheFocus_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("row");  // 0: a list of the header
        QTest::addColumn<int>("action");
        QTest::addColumn<bool>("changes");
        QTest::newRow("wheel, own duration") << "Einwirkungsdauer_E_1" << 1 << int(WheelSent) << false;
        QTest::newRow("system wheel, own duration") << "Einwirkungsdauer_E_1" << 1 << int(WheelFromSystem) << false;
        QTest::newRow("wheel, condition") << "Betriebsbedingung_G_2" << 2 << int(WheelSent) << false;
        QTest::newRow("wheel, work cycle") << "Arbeitszyklus_G_2" << 2 << int(WheelSent) << false;
        QTest::newRow("system wheel, experience") << "cboFahrererfahrung" << 0 << int(WheelFromSystem) << false;
        QTest::newRow("keys, own duration") << "Einwirkungsdauer_E_1" << 1 << int(KeysWithFocus) << true;
        QTest::newRow("keys, work cycle") << "Arbeitszyklus_G_2" << 2 << int(KeysWithFocus) << true;
        QTest::newRow("wheel with focus, condition") << "Betriebsbedingung_G_2" << 2 << int(WheelWithFocus) << true;
        QTest::newRow("pop-up, condition") << "Betriebsbedingung_G_2" << 2 << int(PopupPick) << true;
        QTest::newRow("pop-up while a value is refused")
            << "Einwirkungsdauer_G_2" << 2 << int(PopupWhileRefused) << true;
    }
    void listChangesOnlyWithTheFocus()
    {
        QFETCH(QString, list);
        QFETCH(int, row);
        QFETCH(int, action);
        QFETCH(bool, changes);
        MainWindowFixture f;
        ui::MsgBoxRecorder boxes;
        f.ownRow(1, QStringLiteral("0.5"), QStringLiteral("0.5"), QStringLiteral("0.5"), 8);
        f.catalogueRow(2, 4, 13, 28, 2, 8);
        if (action == PopupWhileRefused)
            driver::type(f.field("MesswertX_E", 1), QStringLiteral("abc"));
        f.calculate();
        QApplication::processEvents();
        const QStringList before = f.results();
        QVERIFY(!before.join(QString()).isEmpty());
        QComboBox* target = f.get<QComboBox>(list);
        const int entry = target->currentIndex();
        switch (action) {
        case WheelSent:
        case WheelFromSystem:
            driver::wheel(target, action == WheelFromSystem);
            QVERIFY(!target->hasFocus());
            break;
        case WheelWithFocus:
            driver::enter(target);
            driver::wheel(target);
            break;
        case KeysWithFocus:
            driver::enter(target);
            QTest::keyClick(target, entry > 0 ? Qt::Key_Up : Qt::Key_Down);
            break;
        case PopupPick:
        case PopupWhileRefused:
            QCOMPARE(f.field("MesswertX_E", 1)->hasFocus(), action == PopupWhileRefused);
            driver::pickFromPopup(target, entry > 0 ? 0 : 1);
            break;
        }
        if (QWidget* focus = QApplication::focusWidget())
            driver::leave(focus);
        QCOMPARE(target->currentIndex() != entry, changes);
        if (!changes) {
            QCOMPARE(f.results(), before);
            return;
        }
        QCOMPARE(f.status(row), QString());
        QCOMPARE(f.results(), QStringList(10, QString()));
    }

    // Whatever changes an entry that enters the calculation, and wherever the focus
    // is, the row's mark and the day result empty at once; a calculation right
    // after, with no leave in between, uses the lists below rebuilt for the new entry.
    void aChangedEntryEmptiesMarkAndResultAtOnce_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("change");
        QTest::addColumn<bool>("focused");
        QTest::addColumn<bool>("active");
        for (const char* list : {"MaschinenTyp_G_2", "Einwirkungsdauer_E_4"}) {
            for (const bool active : {true, false}) {
                for (const bool focused : {true, false}) {
                    const QString where = QStringLiteral("%1, %2 list, %3 window")
                                              .arg(QLatin1String(list), focused ? "focused" : "unfocused",
                                                   active ? "active" : "inactive");
                    for (const auto& [change, name] :
                         {std::pair{ArrowKey, "arrow key"}, {Popup, "pop-up pick"}, {Program, "program"}})
                        QTest::newRow(qPrintable(name + QStringLiteral(", ") + where))
                            << QString::fromLatin1(list) << int(change) << focused << active;
                    if (focused)  // an unfocused list takes no wheel notch
                        QTest::newRow(qPrintable(QStringLiteral("wheel, ") + where))
                            << QString::fromLatin1(list) << int(Wheel) << focused << active;
                }
            }
        }
        QTest::newRow("pop-up open while row 2 is reset")
            << "Einwirkungsdauer_E_4" << int(PopupWhileClickedAway) << true << true;
        QTest::newRow("pop-up pick after the details window closed")
            << "MaschinenTyp_G_2" << int(PopupAfterDetails) << false << false;
    }
    void aChangedEntryEmptiesMarkAndResultAtOnce()
    {
        QFETCH(QString, list);
        QFETCH(int, change);
        QFETCH(bool, focused);
        QFETCH(bool, active);
        MainWindowFixture f;
        ui::MsgBoxRecorder boxes;
        f.catalogueRow(2, 4, 13, 27, 2, 8);  // Radlader, Load & Carry
        f.ownRow(4, QStringLiteral("9"), QStringLiteral("9"), QStringLiteral("9"), 2);
        f.calculate();
        const bool typeList = list.startsWith(QLatin1String("MaschinenTyp"));
        const int row = typeList ? 2 : 4;
        QComboBox* target = f.get<QComboBox>(list);
        const int entry = target->currentIndex();
        int other = entry > 0 ? entry - 1 : entry + 1;
        driver::enter(focused ? target : f.get(QStringLiteral("txtFirma")));
        QWidget elsewhere;
        const auto deactivate = [&] {
            elsewhere.show();
            elsewhere.activateWindow();
            return QTest::qWaitForWindowActive(&elsewhere);
        };
        if (!active)
            QVERIFY(deactivate());
        QCOMPARE(f.status(row), QStringLiteral("\u2611"));

        switch (change) {
        case Wheel: driver::wheel(target); break;
        case ArrowKey: QTest::keyClick(target, entry > 0 ? Qt::Key_Up : Qt::Key_Down); break;
        case Program: target->setCurrentIndex(other); break;
        case Popup:
            target->showPopup();
            driver::clickPopupEntry(target, other);
            break;
        case PopupWhileClickedAway:
            // 2 h becomes 3 h, the pop-up opens, row 2's reset counts the day with 3 h, then 4 h is picked.
            QTest::keyClick(target, Qt::Key_Down);
            QTest::keyClick(target, Qt::Key_Space);
            QTest::mouseClick(f.get<QPushButton>("btnResetZeile", 2), Qt::LeftButton);
            QCOMPARE(f.field("PunkteX_E", 4)->text(), QStringLiteral("12150"));
            other = 3;
            driver::clickPopupEntry(target, other);
            break;
        case PopupAfterDetails:
            // The main window is left without the focus, as a window manager may leave it.
            QTest::mouseClick(f.get<QPushButton>(QStringLiteral("btnDetails")), Qt::LeftButton);
            QTest::mouseClick(driver::find<QPushButton>(f.window->details(), QStringLiteral("btnSchliessen")),
                              Qt::LeftButton);
            QVERIFY(deactivate());
            driver::pickFromPopup(target, other);
            break;
        }
        QCOMPARE(target->currentIndex(), other);
        QCOMPARE(f.status(row), QString());
        QCOMPARE(f.results(), QStringList(10, QString()));

        f.get<QPushButton>(QStringLiteral("btnBerechnen"))->click();
        if (typeList) {
            const auto asSet = [](const QList<int>& codes) { return QSet<int>(codes.begin(), codes.end()); };
            QCOMPARE(asSet(driver::codes(f.list("Arbeitszyklus_G", 2))),
                     asSet(catalogue::workCyclesOfType(target->currentData().toInt())));
            QCOMPARE(f.status(2), QStringLiteral("\u2610"));
        } else {
            QCOMPARE(f.field("PunkteX_E", 4)->text(), QString::number(4050 * target->currentData().toInt()));
            QCOMPARE(f.status(4), QStringLiteral("\u2611"));
        }
        const bool rowTwoCounts = !typeList && change != PopupWhileClickedAway;
        QCOMPARE(f.result("txtAnzSum"), rowTwoCounts ? QStringLiteral("2") : QStringLiteral("1"));
        QVERIFY(boxes.calls.isEmpty());
    }

    void leavingAListWithNothingChosenChangesNothing()
    {
        MainWindowFixture f;
        ui::MsgBoxRecorder boxes;
        f.chooseMode("G", 1);
        QVERIFY(driver::choose(f.list("MaschinenFamilie_G", 1), 4));
        QVERIFY(driver::choose(f.list("MaschinenTyp_G", 1), 13));
        f.list("MaschinenFamilie_G", 1)->setCurrentIndex(-1);
        f.list("MaschinenTyp_G", 1)->setCurrentIndex(-1);
        driver::leave(f.list("MaschinenFamilie_G", 1));
        driver::leave(f.list("MaschinenTyp_G", 1));
        QCOMPARE(f.list("MaschinenTyp_G", 1)->count(), 6);
        QCOMPARE(f.list("Arbeitszyklus_G", 1)->count(), 4);
        QVERIFY(boxes.calls.isEmpty());
    }

    void ownValuesModeColoursAndLists()
    {
        MainWindowFixture f;
        f.chooseMode("E", 4);
        for (const char* name : {"MesswertX_E", "MesswertY_E", "MesswertZ_E", "Einwirkungsdauer_E"}) {
            QCOMPARE(ui::backColor(f.get(name, 4)), ui::lightYellow());
            QVERIFY(f.get(name, 4)->isEnabled());
        }
        for (const char* name : {"PunkteX_E", "PunkteY_E", "PunkteZ_E"})
            QCOMPARE(ui::backColor(f.get(name, 4)), ui::lightGrey());
        for (const char* name : {"MaschinenFamilie_E", "Betriebsbedingung_E"})
            QCOMPARE(ui::backColor(f.get(name, 4)), ui::windowBackground());
        QVERIFY(f.field("MesswertX_E", 4)->text().isEmpty());
        QCOMPARE(f.list("Betriebsbedingung_E", 4)->count(), 3);
        QCOMPARE(f.list("Einwirkungsdauer_E", 4)->count(), 8);
        QCOMPARE(f.list("Einwirkungsdauer_E", 4)->currentIndex(), -1);
        QCOMPARE(ui::backColor(f.get("MaschinenFamilie_G", 4)), ui::buttonFace());
        QVERIFY(!f.get("MaschinenFamilie_G", 4)->isEnabled());
        QCOMPARE(f.status(4), QString());
    }

    void switchingEmptiesTheOtherLineOfThatRowOnly()
    {
        MainWindowFixture f;
        f.ownRow(2, QStringLiteral("0.5"), QStringLiteral("0.3"), QStringLiteral("0.2"), 8);
        driver::type(f.field("MaschinenTyp_E", 2), QStringLiteral("Eigenbau"));
        f.ownRow(3, QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"), 1);
        f.calculate();
        QCOMPARE(f.field("PunkteX_E", 2)->text(), QStringLiteral("100"));

        f.chooseMode("G", 2);
        for (const char* name :
             {"MesswertX_E", "MesswertY_E", "MesswertZ_E", "PunkteX_E", "PunkteY_E", "PunkteZ_E", "MaschinenTyp_E"})
            QVERIFY2(f.field(name, 2)->text().isEmpty(), name);
        QCOMPARE(f.list("Einwirkungsdauer_E", 2)->count(), 0);
        QCOMPARE(ui::backColor(f.get("MesswertX_E", 2)), ui::buttonFace());
        QVERIFY(!f.option("E", 2)->isChecked());
        QVERIFY(f.option("E", 2)->isEnabled());
        QVERIFY(f.results().join(QString()).isEmpty());
        QVERIFY(!f.seam().workingFields(2).counted);

        QCOMPARE(f.field("MesswertX_E", 3)->text(), QStringLiteral("1"));
        QCOMPARE(f.field("PunkteX_E", 3)->text(), QStringLiteral("50"));
        QCOMPARE(f.status(3), QStringLiteral("\u2611"));
        QVERIFY(f.option("E", 3)->isChecked());
    }

    void measuredValueCheckOnLeaving_data()
    {
        QTest::addColumn<bool>("german");
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("de 9") << true << "9" << true;
        QTest::newRow("de 0") << true << "0" << true;
        QTest::newRow("de -0") << true << "-0" << true;
        QTest::newRow("de blanks") << true << "   " << true;
        QTest::newRow("de 2,5") << true << "2,5" << true;
        QTest::newRow("de 2.5") << true << "2.5" << false;
        QTest::newRow("de 9,01") << true << "9,01" << false;
        QTest::newRow("de -0,5") << true << "-0,5" << false;
        QTest::newRow("de letters") << true << "abc" << false;
        QTest::newRow("en 2.5") << false << "2.5" << true;
        QTest::newRow("en 2,5") << false << "2,5" << false;
        QTest::newRow("en 9.1") << false << "9.1" << false;
    }
    void measuredValueCheckOnLeaving()
    {
        QFETCH(bool, german);
        QFETCH(QString, input);
        QFETCH(bool, accepted);
        MainWindowFixture f(german ? base::Regional::german() : base::Regional::english());
        f.chooseMode("E", 3);
        ui::MsgBoxRecorder boxes;
        QLineEdit* field = f.field("MesswertY_E", 3);
        driver::type(field, input);
        QApplication::processEvents();
        QCOMPARE(field->text(), input);
        if (accepted) {
            QVERIFY(boxes.calls.isEmpty());
            QCOMPARE(boxes.beeps, 0);
            QCOMPARE(ui::backColor(field), ui::lightYellow());
            QVERIFY(!field->hasFocus());
            return;
        }
        QCOMPARE(boxes.beeps, 1);
        const QString limits = german ? QStringLiteral("0,00 und 9,00") : QStringLiteral("0.00 und 9.00");
        support::expectBox(boxes, QStringLiteral("Fehlerhafte Eingabe"),
                           QStringLiteral("Es dürfen nur Dezimalzahlen zwischen %1 eingeben werden !").arg(limits),
                           ui::MsgIcon::Critical);
        QCOMPARE(ui::backColor(field), ui::lightRed());
        QVERIFY(QTest::qWaitFor([&] { return field->hasFocus(); }));

        // Calculated while the refused text stands: a text that is no number is a type
        // mismatch, a number leaves the row merely incomplete (X and Z are empty).
        boxes.clear();
        f.get<QPushButton>("btnBerechnenZeile", 3)->click();
        if (base::regional().isNumeric(input)) {
            QVERIFY(boxes.calls.isEmpty());
            QCOMPARE(f.status(3), QStringLiteral("\u2610"));
        } else {
            support::expectRoutineError(boxes, QStringLiteral("subCheckAusfuellenOK"), base::ErrTypeMismatch);
        }
        QVERIFY(!f.seam().workingFields(3).counted);

        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(ui::backColor(field), ui::lightYellow());
    }

    void typingBlanksOnlyThatRowsMark()
    {
        MainWindowFixture f;
        f.ownRow(1, QStringLiteral("0.5"), QStringLiteral("0.5"), QStringLiteral("0.5"), 8);
        f.ownRow(3, QStringLiteral("0.5"), QStringLiteral("0.5"), QStringLiteral("0.5"), 8);
        f.calculate();
        driver::enter(f.field("MesswertZ_E", 3));
        QTest::keyClick(f.field("MesswertZ_E", 3), Qt::Key_1);
        QCOMPARE(f.status(3), QString());
        QCOMPARE(f.status(1), QStringLiteral("\u2611"));
        QVERIFY(f.results().join(QString()).isEmpty());
    }

    // clang-format off
    void unknownSuffixIsError381_data()
    {
        QTest::addColumn<int>("call");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("routine");
        QTest::newRow("conditions X") << 0 << "X" << "subFuellBetriebsbedingung";
        QTest::newRow("durations lower-case e") << 1 << "e" << "subFuellEinwirkungsdauer";
        QTest::newRow("points empty") << 2 << "" << "subBerechnePunkte";
        QTest::newRow("switching GE") << 3 << "GE" << "subZeilenEinAus";
    }
    // clang-format on
    void unknownSuffixIsError381()
    {
        QFETCH(int, call);
        QFETCH(QString, suffix);
        QFETCH(QString, routine);
        MainWindowFixture f;
        f.ownRow(1, QStringLiteral("0.5"), QStringLiteral("0.5"), QStringLiteral("0.5"), 8);
        ui::MsgBoxRecorder boxes;
        frmMain::TestSeam w = f.seam();
        switch (call) {
        case 0: w.subFuellBetriebsbedingung(1, 1, suffix); break;
        case 1: w.subFuellEinwirkungsdauer(1, suffix); break;
        case 2: w.subBerechnePunkte(1, suffix, 1, 1, 1, 8); break;
        case 3: w.subZeilenEinAus(1, suffix, false, false); break;
        }
        support::expectRoutineError(boxes, routine, base::ErrInvalidIndex);
        // No line was taken for the unknown one: the own-values line is untouched.
        QCOMPARE(f.list("Einwirkungsdauer_E", 1)->currentText(), QStringLiteral("8"));
        QCOMPARE(f.field("PunkteX_E", 1)->text(), QString());
        QVERIFY(f.option("E", 1)->isChecked());
    }

    void changingOwnConditionKeepsMarkAndResult()
    {
        MainWindowFixture f;
        f.ownRow(1, QStringLiteral("0.5"), QStringLiteral("0.5"), QStringLiteral("0.5"), 8);
        f.calculate();
        QVERIFY(driver::choose(f.list("Betriebsbedingung_E", 1), 3));
        QCOMPARE(f.status(1), QStringLiteral("\u2611"));
        QCOMPARE(f.get<QLineEdit>(QStringLiteral("txtAnzSum"))->text(), QStringLiteral("1"));
        QVERIFY(driver::choose(f.list("Einwirkungsdauer_E", 1), 4));
        QCOMPARE(f.status(1), QString());
        QVERIFY(f.results().join(QString()).isEmpty());
    }
};

QTEST_MAIN(RowsTest)
#include "tst_rows.moc"
