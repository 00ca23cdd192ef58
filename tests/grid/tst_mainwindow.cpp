// The main window's controls, German captions, limits and the start state.
#include "MainWindowFixture.h"

#include "base/RuntimeError.h"
#include "ui/MsgBox.h"
#include "ui/Widgets.h"

#include <QGroupBox>

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void everyRowControlExistsByName()
    {
        MainWindowFixture f;
        const QStringList perLine{"optEingabe",        "MaschinenFamilie", "MaschinenTyp", "Arbeitszyklus",
                                  "Betriebsbedingung", "Einwirkungsdauer", "MesswertX",    "PunkteX",
                                  "MesswertY",         "PunkteY",          "MesswertZ",    "PunkteZ"};
        for (int row = 1; row <= 5; ++row) {
            for (const QString& base : perLine) {
                for (const char* suffix : {"G", "E"}) {
                    const QString name = ui::controlName(base, QLatin1String(suffix), row);
                    QVERIFY2(f.get(name), qPrintable(name));
                }
            }
            for (const char* base : {"lblStatus", "btnResetZeile", "btnBerechnenZeile", "fraEingabe"})
                QVERIFY2(f.get(base, row), base);
            QVERIFY(qobject_cast<QComboBox*>(f.get("MaschinenFamilie_G", row)));
            QVERIFY(qobject_cast<QLineEdit*>(f.get("MaschinenFamilie_E", row)));
        }
    }

    // clang-format off
    void germanCaptions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("title") << "lblTitel"
                               << "Ganzkörperschwingungen auf Erdbewegungsmaschinen - Berechnung der täglichen "
                                  "Schwingungsbelastung eines Fahrers";
        QTest::newRow("company") << "lblFirma" << "Firma:";
        QTest::newRow("driver") << "lblFahrer" << "Fahrer:";
        QTest::newRow("experience") << "lblFahrererfahrung" << "Fahrerqualifizierung:";
        QTest::newRow("source") << "lblMesswertQuelle" << "Quelle\nder\nMesswerte";
        QTest::newRow("family") << "lblMaschinenfamilie" << "Maschinenfamilie";
        QTest::newRow("type") << "lblMaschinentyp" << "Maschinentyp";
        QTest::newRow("cycle") << "lblArbeitszyklus" << "Arbeitszyklus";
        QTest::newRow("condition") << "lblBetriebsbedingungen" << "Betriebs-\nbedingung";
        QTest::newRow("duration") << "lblEinwirkungsdauer" << "Einwirk-\nungszeit\nin h";
        QTest::newRow("x axis") << "lblXAchse" << "x-Achse";
        QTest::newRow("z axis") << "lblZAchse" << "z-Achse";
        QTest::newRow("points heading") << "lblPunkteAchse_2" << "Pkte.";
        QTest::newRow("points result") << "lblPunkteErgebnis_1" << "Pkte.";
        QTest::newRow("row calculate") << "btnBerechnenZeile_4" << "Berechnen";
        QTest::newRow("row reset") << "btnResetZeile_1" << "Reset";
        QTest::newRow("catalogue option") << "optEingabe_G_3" << "genormt";
        QTest::newRow("own option") << "optEingabe_E_5" << "eigene";
        QTest::newRow("calculate") << "btnBerechnen" << "Berechnen";
        QTest::newRow("print") << "btnDrucken" << "Drucken";
        QTest::newRow("reset") << "btnReset" << "Reset";
        QTest::newRow("details") << "btnDetails" << "Details";
        QTest::newRow("instructions") << "btnAnleitung" << "Anleitung";
        QTest::newRow("exit") << "btnExit" << "Beenden";
        QTest::newRow("go") << "btnSpracheGo" << "Go";
        QTest::newRow("intermediate") << "lblZwischenergebnis" << "Zwischenergebnis:";
        QTest::newRow("final") << "lblEndergebnis" << "Endergebnis:";
        QTest::newRow("sum") << "lblSummeAllerArbeitszyklen" << "Summe aller Arbeitszyklen";
        QTest::newRow("daily") << "lblTaeglicheSchwingungsbelastung" << "Tägliche Schwingungsbelastung in m/s²";
        QTest::newRow("total points") << "lblGesamtpunktezahl" << "Gesamtpunktezahl";
        QTest::newRow("total time") << "lblSumDauer" << "Einwirkungs-\nzeit in h";
        QTest::newRow("cycles") << "lblAnzahlZyklen" << "Anzahl Zyklen";
        QTest::newRow("unit") << "Label2_1" << "m/s²";
    }
    // clang-format on
    void germanCaptions()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        MainWindowFixture f;
        QCOMPARE(driver::caption(f.window.get(), name), caption);
    }

    void rowFramesAndExperienceList()
    {
        MainWindowFixture f;
        for (int row = 1; row <= 5; ++row)
            QCOMPARE(f.get<QGroupBox>("fraEingabe", row)->title(), QStringLiteral(" Eingabe %1 ").arg(row));
        QCOMPARE(driver::texts(f.get<QComboBox>(QStringLiteral("cboFahrererfahrung"))),
                 (QStringList{"unerfahren", "angelernt", "erfahren", "ausgebildet", "ausgebildet/erfahren"}));
    }

    void fieldLimitsWhileTyping_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("limit");
        QTest::newRow("measured value") << "MesswertX_E_2" << 4;
        QTest::newRow("own family") << "MaschinenFamilie_E_2" << 20;
        QTest::newRow("own type") << "MaschinenTyp_E_2" << 34;
        QTest::newRow("own cycle") << "Arbeitszyklus_E_2" << 24;
        QTest::newRow("company") << "txtFirma" << 30;
        QTest::newRow("driver") << "txtFahrer" << 30;
    }
    void fieldLimitsWhileTyping()
    {
        QFETCH(QString, name);
        QFETCH(int, limit);
        MainWindowFixture f;
        f.chooseMode("E", 2);
        auto* field = f.get<QLineEdit>(name);
        driver::enter(field);
        QTest::keyClicks(field, QString(limit + 1, QLatin1Char('1')));
        QCOMPARE(field->text(), QString(limit, QLatin1Char('1')));
    }

    void resultAndPointFieldsRefuseTyping()
    {
        MainWindowFixture f;
        f.chooseMode("G", 1);
        for (const char* name :
             {"txtAnzSum", "txtDauerSum", "txtPunkteGesX", "txtPunkteGesY", "txtPunkteGesZ", "txtPktMax", "txtA8X",
              "txtA8Y", "txtA8Z", "txtA8Max", "MesswertX_G_1", "PunkteY_G_1"}) {
            auto* field = f.get<QLineEdit>(QLatin1String(name));
            QVERIFY2(field->isReadOnly(), name);
            driver::enter(field);
            QTest::keyClicks(field, QStringLiteral("12"));
            QVERIFY2(field->text().isEmpty(), name);
        }
    }

    void startStateHasEveryRowSwitchedOff()
    {
        MainWindowFixture f;
        for (int row = 1; row <= 5; ++row) {
            QVERIFY(!f.option("G", row)->isChecked() && !f.option("E", row)->isChecked());
            QVERIFY(f.option("G", row)->isEnabled() && f.option("E", row)->isEnabled());
            // The off colour the row frame hands its fields stays off the option buttons' circles.
            QCOMPARE(f.option("G", row)->palette().color(QPalette::Base), ui::windowBackground());
            QCOMPARE(f.option("E", row)->palette().color(QPalette::Disabled, QPalette::Base),
                     QApplication::palette().color(QPalette::Disabled, QPalette::Base));
            QVERIFY(!f.get("btnResetZeile", row)->isEnabled());
            QVERIFY(!f.get("btnBerechnenZeile", row)->isEnabled());
            for (const char* name : {"MaschinenFamilie_G", "Einwirkungsdauer_E", "MesswertX_E", "PunkteZ_G"}) {
                QWidget* w = f.get(name, row);
                QVERIFY(!w->isEnabled());
                QCOMPARE(ui::backColor(w), ui::buttonFace());
            }
            QVERIFY(!f.window->rowInUse(row));
            QCOMPARE(f.status(row), QString());
            const RowResult& r = f.seam().workingFields(row);
            QVERIFY(!r.counted);
            QCOMPARE(r.Punkte[AxisZ], std::optional<qint16>(0));
        }
        QVERIFY(f.results().join(QString()).isEmpty());
    }

    void statusMark_data()
    {
        QTest::addColumn<QStringList>("states");
        QTest::addColumn<QString>("mark");
        QTest::addColumn<bool>("greyed");
        QTest::addColumn<int>("messages");
        QTest::newRow("ok") << QStringList{"OK"} << QStringLiteral("\u2611") << false << 0;
        QTest::newRow("error") << QStringList{"Error"} << QStringLiteral("\u2610") << true << 0;
        QTest::newRow("ok then normal") << QStringList{"OK", "Normal"} << QString() << true << 0;
        QTest::newRow("lower case is unknown") << QStringList{"OK", "ok"} << QStringLiteral("\u2611") << false << 1;
    }
    void statusMark()
    {
        QFETCH(QStringList, states);
        QFETCH(QString, mark);
        QFETCH(bool, greyed);
        QFETCH(int, messages);
        MainWindowFixture f;
        ui::MsgBoxRecorder boxes;
        for (const QString& state : states)
            f.seam().subSetzeStatus(3, state);
        auto* label = f.get<QLabel>("lblStatus", 3);
        QCOMPARE(label->text(), mark);
        const QColor grey = QApplication::palette().color(QPalette::Disabled, QPalette::WindowText);
        QCOMPARE(label->palette().color(QPalette::WindowText) == grey, greyed);
        // On the Tab path while it shows a box, for a keyboard user reviewing the row.
        QCOMPARE(label->focusPolicy() == Qt::StrongFocus, !mark.isEmpty());
        QCOMPARE(label->frameStyle(), int(QFrame::NoFrame));
        if (messages)
            support::expectBox(boxes, QStringLiteral("Wenden Sie sich bitte an Ihren System-Administrator"),
                               QStringLiteral("Unbekannter Status"), ui::MsgIcon::Critical);
        else
            QVERIFY(boxes.calls.isEmpty());
        QCOMPARE(f.status(2), QString());
    }

    // clang-format off
    void badArgumentsGiveTheirMessageAndAnEmptyList_data()
    {
        QTest::addColumn<int>("call");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("routine");  // of the error; none for a fixed message
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("message");
        const QString families = QStringLiteral("MaschinenFamilie_G_1");
        const QString types = QStringLiteral("MaschinenTyp_G_1");
        const QString cycles = QStringLiteral("Arbeitszyklus_G_1");
        QTest::newRow("families in language 0") << 0 << families << "subFuellMaschinenfamilie" << 9 << "";
        QTest::newRow("types in language 6") << 1 << types << "subFuellMaschinentyp" << 9 << "";
        QTest::newRow("types in language abc") << 2 << types << "subFuellMaschinentyp" << 13 << "";
        QTest::newRow("family 11") << 3 << types << "" << 0 << "Unbekannte Maschinenfamilie";
        QTest::newRow("type 21") << 4 << cycles << "" << 0 << "Unbekannter Maschinentyp";
        QTest::newRow("type 0") << 5 << cycles << "" << 0 << "Unbekannter Maschinentyp";
        QTest::newRow("conditions in language 9") << 6 << "Betriebsbedingung_G_1" << "subFuellBetriebsbedingung" << 9 << "";
        QTest::newRow("experience in language 0") << 7 << "cboFahrererfahrung" << "subFuellFahrererfahrung" << 9 << "";
    }
    // clang-format on
    void badArgumentsGiveTheirMessageAndAnEmptyList()
    {
        QFETCH(int, call);
        QFETCH(QString, list);
        QFETCH(QString, routine);
        QFETCH(int, error);
        QFETCH(QString, message);
        MainWindowFixture f;
        f.catalogueRow(1, 4, 13, 27, 1, 1);
        ui::MsgBoxRecorder boxes;
        frmMain::TestSeam w = f.seam();
        switch (call) {
        case 0: w.subFuellMaschinenfamilie(1, 0); break;
        case 1: w.subFuellMaschinentyp(1, QStringLiteral("6"), 4); break;
        case 2: w.subFuellMaschinentyp(1, QStringLiteral("abc"), 4); break;
        case 3: w.subFuellMaschinentyp(1, QStringLiteral("1"), 11); break;
        case 4: w.subFuellArbeitszyklus(1, QStringLiteral("1"), 21); break;
        case 5: w.subFuellArbeitszyklus(1, QStringLiteral("1"), 0); break;
        case 6: w.subFuellBetriebsbedingung(1, 9, QStringLiteral("G")); break;
        case 7: w.subFuellFahrererfahrung(0); break;
        }
        if (routine.isEmpty())
            support::expectBox(boxes, QStringLiteral("Zelvaro"), message, ui::MsgIcon::None);
        else
            support::expectRoutineError(boxes, routine, error);
        QCOMPARE(f.get<QComboBox>(list)->count(), 0);
    }

    void captionsInAnUnknownLanguageAreAnError()
    {
        MainWindowFixture f;
        ui::MsgBoxRecorder boxes;
        f.window->subInitForm(6);
        support::expectRoutineError(boxes, QStringLiteral("subInitForm"), base::ErrSubscript);
        QCOMPARE(f.get<QPushButton>(QStringLiteral("btnExit"))->text(), QStringLiteral("Beenden"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
