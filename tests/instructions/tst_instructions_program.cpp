// The instructions window opened from the real main window of the running program.
#include "../support/MessageBoxes.h"
#include "../support/ProgramTest.h"
#include "../support/WidgetDriver.h"
#include "app/frmMDI.h"
#include "grid/frmMain.h"
#include "instructions/InstructionsWindow.h"
#include "instructions/frmAnleitung.h"
#include "ui/MsgBox.h"
#include "ui/Widgets.h"

#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <memory>

class InstructionsProgramTest : public support::ProgramTest {
    Q_OBJECT

    frmAnleitung* clickInstructions()
    {
        click(QStringLiteral("btnAnleitung"));
        const QList<frmAnleitung*> windows = driver::shownWindows<frmAnleitung>();
        return windows.size() == 1 ? windows.front() : nullptr;
    }
    static QString shown(const frmAnleitung* window)
    {
        return driver::find<QTextEdit>(window, "rtfAnleitung")->toPlainText().trimmed();
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        writeInstructions();
        start();
    }
    void cleanup() { end(); }

    void opensBesideTheUsableMainWindow()
    {
        frmAnleitung* window = clickInstructions();
        QVERIFY(window);
        QCOMPARE(shown(window), "Anleitung Deutsch");
        QCOMPARE(window->windowTitle(), " Anleitung");
        QVERIFY(!QApplication::activeModalWidget());

        // The main window takes input while the instructions are open.
        auto* option = control<QRadioButton>("optEingabe_G_1");
        QTest::mouseClick(option, Qt::LeftButton);
        QVERIFY(option->isChecked());
        QVERIFY(control("btnBerechnenZeile_1")->isEnabled());
        QCOMPARE(driver::shownWindows<frmAnleitung>(), QList<frmAnleitung*>{window});
    }

    void aSecondClickKeepsTheOneWindow()
    {
        frmAnleitung* first = clickInstructions();
        QVERIFY(first);
        chooseLanguage("English");
        QCOMPARE(clickInstructions(), first);
        QCOMPARE(shown(first), "Anleitung Deutsch");
    }

    void followsTheSelectedListEntryBeforeGo()
    {
        chooseLanguage("English");
        frmAnleitung* window = clickInstructions();
        QVERIFY(window);
        QCOMPARE(shown(window), "Anleitung English");
        QCOMPARE(window->windowTitle(), " Anleitung");
        QCOMPARE(driver::find<QPushButton>(window, "btnDrucken")->text(), "Drucken");
        QCOMPARE(driver::find<QPushButton>(window, "btnSchliessen")->text(), "Schließen");
    }

    void aLanguageChangeShowsAtTheNextOpening()
    {
        QPointer<frmAnleitung> first = clickInstructions();
        chooseLanguage("Italiano");
        click(QStringLiteral("btnSpracheGo"));
        QCOMPARE(first->windowTitle(), " Anleitung");  // an open window stays as it was
        QCOMPARE(shown(first), "Anleitung Deutsch");

        QTest::mouseClick(driver::find<QPushButton>(first, "btnSchliessen"), Qt::LeftButton);
        driver::flushDeletes();
        QVERIFY(first.isNull());
        frmAnleitung* second = clickInstructions();
        QVERIFY(second);
        QCOMPARE(shown(second), "Anleitung Italiano");
        QCOMPARE(second->windowTitle(), " istruzioni");
        QCOMPARE(driver::find<QPushButton>(second, "btnDrucken")->text(), "stampa");
        QCOMPARE(driver::find<QPushButton>(second, "btnSchliessen")->text(), "chiudere");
    }

    void theMissingFileOfTheChosenLanguageIsReported()
    {
        QVERIFY(QFile::remove(inFolder("Readme_Espaniol.rtf")));
        chooseLanguage("Espaniol");
        ui::MsgBoxRecorder boxes;
        frmAnleitung* window = clickInstructions();
        support::expectBox(boxes, "Error in Routine <Form_Load>", "File <Readme_Espaniol.rtf> not found.",
                           ui::MsgIcon::Critical);
        QVERIFY(window && driver::find<QTextEdit>(window, "rtfAnleitung")->document()->isEmpty());
    }

    void theEndOfTheProgramClosesIt_data() { programEnds(); }
    void theEndOfTheProgramClosesIt()
    {
        QFETCH(bool, exitButton);
        QPointer<frmAnleitung> window = clickInstructions();
        QVERIFY(window);
        endProgram(exitButton);
        driver::flushDeletes();
        QVERIFY(window.isNull());
        QVERIFY(driver::shownWindows<frmAnleitung>().isEmpty());
    }
};

QTEST_MAIN(InstructionsProgramTest)
#include "tst_instructions_program.moc"
