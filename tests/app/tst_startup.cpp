// Start-up, language switching, the settings file and the end of the program,
// on the real frame window with a temporary program folder.
#include "../support/MessageBoxes.h"
#include "../support/OnScreen.h"
#include "../support/ProgramTest.h"
#include "../support/QtTranslation.h"
#include "../support/WidgetDriver.h"
#include "app/frmMDI.h"
#include "base/RuntimeError.h"
#include "base/Regional.h"
#include "details/frmDetails.h"
#include "grid/frmMain.h"
#include "texts/modTexte.h"
#include "ui/MsgBox.h"
#include "ui/SaveDialog.h"
#include "ui/Widgets.h"

#include <QContextMenuEvent>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <memory>

namespace {

void writeSettings(const QString& folder, const QByteArray& content)
{
    QFile file(QDir(folder).filePath(QStringLiteral("kv.inf")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray readSettings(const QString& folder)
{
    QFile file(QDir(folder).filePath(QStringLiteral("kv.inf")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

// What Qt itself says in the window: the first entry of a text field's context
// menu, asked for with the menu key, and the save dialog's three captions.
QStringList qtTexts(QLineEdit* field)
{
    QStringList texts;
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, field->rect().center(),
                              field->mapToGlobal(field->rect().center()));
    QApplication::sendEvent(field, &menuKey);
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        texts << menu->actions().value(0)->text().section(QLatin1Char('\t'), 0, 0);
        menu->close();
    }
    onscreen::whileModal([] { ui::saveFileName(QStringLiteral("PDF"), QDir::tempPath(), QStringLiteral("*.pdf")); },
                         [&](QWidget* dialog) {
                             for (const char* name : {"lookInLabel", "fileNameLabel", "fileTypeLabel"})
                                 texts << driver::find<QLabel>(dialog, QLatin1String(name))->text();
                         });
    return texts;
}

}  // namespace

class StartupTest : public support::ProgramTest {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Qt's own English as this Qt release words it ("Look in:" became "&Look in:"), read
        // before any program installs a translation: the keys of the translations below.
        QLineEdit field;
        m_qtEnglish = qtTexts(&field);
        QCOMPARE(m_qtEnglish.size(), 4);
    }

    void init()
    {
        base::setRegional(base::Regional::english());
        m_folder = std::make_unique<QTemporaryDir>();
    }

    void firstStartIsGermanWithTodaysDate()
    {
        ui::MsgBoxRecorder boxes;
        start();
        QCOMPARE(m_frame->windowTitle(), QStringLiteral(" Zelvaro"));
        QCOMPARE(m_frame->objectName(), QStringLiteral("frmMDI"));
        frmMain* window = main();
        QCOMPARE(window->cboSprache()->currentText(), QStringLiteral("Deutsch"));
        QCOMPARE(driver::texts(window->cboSprache()),
                 (QStringList{"Deutsch", "English", "Espaniol", "Francais", "Italiano"}));
        QCOMPARE(driver::codes(window->cboSprache()), (QList<int>{1, 2, 5, 3, 4}));
        QCOMPARE(int(frmMDI::TestSeam(*m_frame).bytSprachNr()), 1);
        QCOMPARE(driver::caption(window, QStringLiteral("btnExit")), QStringLiteral("Beenden"));
        QCOMPARE(driver::find<QLineEdit>(window, QStringLiteral("txtDatum"))->text(),
                 base::regional().shortDate(QDate::currentDate()));
        QVERIFY(!window->rowInUse(1));
        QCOMPARE(driver::find<QComboBox>(window->details(), driver::rowName("cboZustandUntergrund", 1))->count(), 7);
        QVERIFY(!window->details()->isVisible());
        QVERIFY(boxes.calls.isEmpty());
        QCOMPARE(readSettings(m_folder->path()), QByteArray("<none>"));
    }

    void frameWindowCarriesTheProgramIcon()
    {
        start();
        QCOMPARE(m_frame->windowIcon().availableSizes(), (QList<QSize>{{48, 48}, {128, 128}, {256, 256}}));
        QVERIFY(!m_frame->windowIcon().pixmap(48).toImage().isNull());
    }

    // clang-format off
    void startsInTheStoredLanguage_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("exitCaption");
        QTest::newRow("english") << QByteArray("SPRACHE=1\r\n") << "English" << "exit";
        QTest::newRow("later line wins") << QByteArray("SPRACHE=1\r\nSPRACHE=4\r\n") << "Italiano" << "uscire";
        QTest::newRow("7 ignored") << QByteArray("SPRACHE=7\r\n") << "Deutsch" << "Beenden";
        QTest::newRow("-1 ignored") << QByteArray("SPRACHE=-1\r\n") << "Deutsch" << "Beenden";
        QTest::newRow("abc ignored") << QByteArray("SPRACHE=abc\r\n") << "Deutsch" << "Beenden";
        QTest::newRow("lower case ignored") << QByteArray("sprache=1\r\n") << "Deutsch" << "Beenden";
        QTest::newRow("2.6 rounds to french") << QByteArray("SPRACHE=2.6") << "Francais" << "sortie";
        QTest::newRow("empty") << QByteArray() << "Deutsch" << "Beenden";
        QTest::newRow("too large after valid") << QByteArray("SPRACHE=2\r\nSPRACHE=40000\r\nSPRACHE=1")
                                               << "Espaniol" << "salida";
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\x00\x00", 10) << "Deutsch" << "Beenden";
    }
    // clang-format on
    void startsInTheStoredLanguage()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, language);
        QFETCH(QString, exitCaption);
        writeSettings(m_folder->path(), content);
        ui::MsgBoxRecorder boxes;
        start();
        QCOMPARE(main()->cboSprache()->currentText(), language);
        QCOMPARE(driver::caption(main(), QStringLiteral("btnExit")), exitCaption);
        QVERIFY(boxes.calls.isEmpty());
        // Reading never rewrites the file.
        QCOMPARE(readSettings(m_folder->path()), content);
    }

    void frenchGoRelabelsEmptiesAndRemembers()
    {
        start();
        frmMain* window = main();
        click(QStringLiteral("optEingabe_E_2"));
        QVERIFY(window->rowInUse(2));

        switchLanguage(QStringLiteral("Francais"));
        QCOMPARE(int(frmMDI::TestSeam(*m_frame).bytSprachNr()), 3);
        QCOMPARE(driver::caption(window, QStringLiteral("lblTitel")),
                 QStringLiteral("vibrations transmises à l'ensemble du corps par les machines de terrassement - "
                                "calcul de l'exposition journalière du conducteur aux vibrations"));
        QCOMPARE(driver::caption(window, QStringLiteral("fraEingabe_2")), QStringLiteral(" saisie 2 "));
        QCOMPARE(driver::caption(window, QStringLiteral("lblEinwirkungsdauer")), QStringLiteral("durée\nd'exp.\nen h"));
        QCOMPARE(driver::caption(window, QStringLiteral("btnReset")), QStringLiteral("réinitialiser"));
        QVERIFY(!window->rowInUse(2));
        QCOMPARE(readSettings(m_folder->path()), QByteArray("SPRACHE=3\r\n"));

        // The choice survives a restart.
        start();
        QCOMPARE(main()->cboSprache()->currentText(), QStringLiteral("Francais"));
        QCOMPARE(driver::caption(main(), QStringLiteral("btnExit")), QStringLiteral("sortie"));
    }

    void goWithNothingSelectedChangesNothing()
    {
        start();
        frmMain* window = main();
        click(QStringLiteral("optEingabe_G_1"));
        window->cboSprache()->setCurrentIndex(-1);
        ui::MsgBoxRecorder boxes;
        click(QStringLiteral("btnSpracheGo"));
        support::expectRoutineError(boxes, QStringLiteral("btnSpracheGo_Click"), base::ErrInvalidIndex);
        QVERIFY(window->rowInUse(1));
        QCOMPARE(int(frmMDI::TestSeam(*m_frame).bytSprachNr()), 1);
        QCOMPARE(readSettings(m_folder->path()), QByteArray("<none>"));
    }

    void wheelOverAListWithoutTheFocusScrollsTheWindow()
    {
        start();
        QScrollBar* bar = driver::find<QScrollArea>(m_frame.get(), QStringLiteral("mdiClient"))->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        auto* list = driver::find<QComboBox>(main(), QStringLiteral("cboFahrererfahrung"));
        QVERIFY(!list->hasFocus());
        driver::wheel(list, true);
        QCOMPARE(list->currentIndex(), -1);
        QVERIFY(bar->value() > 0);
    }

    void unwritableFolderStillSwitchesLanguages()
    {
        QVERIFY(QDir(m_folder->path()).mkdir(QStringLiteral("kv.inf")));
        ui::MsgBoxRecorder boxes;
        start();
        QCOMPARE(main()->cboSprache()->currentText(), QStringLiteral("Deutsch"));
        switchLanguage(QStringLiteral("English"));
        QCOMPARE(driver::caption(main(), QStringLiteral("btnExit")), QStringLiteral("exit"));
        QVERIFY(boxes.calls.isEmpty());
        QVERIFY(QFileInfo(QDir(m_folder->path()).filePath(QStringLiteral("kv.inf"))).isDir());
        QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files), QStringList{});
    }

    void captionsAndListsInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>(
            "captions");  // btnBerechnen, optEingabe_G_1, fraEingabe_1, lblSumDauer, lblFahrererfahrung
        QTest::addColumn<QStringList>("experience");
        QTest::addColumn<QStringList>("conditions");
        QTest::addColumn<QString>("qtLanguage");
        QTest::newRow("de") << "Deutsch"
                            << QStringList{"Berechnen", "genormt", " Eingabe 1 ", "Einwirkungs-\nzeit in h",
                                           "Fahrerqualifizierung:"}
                            << QStringList{"unerfahren", "angelernt", "erfahren", "ausgebildet", "ausgebildet/erfahren"}
                            << QStringList{"leicht", "norm.", "hart"} << "de";
        QTest::newRow("en") << "English"
                            << QStringList{"calculate", "standardized", " entry 1 ", "exp. time\nin h",
                                           "driver qualifications:"}
                            << QStringList{"unskilled", "semiskilled", "skilled", "trained", "trained/skilled"}
                            << QStringList{"slightly", "norm.", "hard"} << "en";
        QTest::newRow("fr") << "Francais"
                            << QStringList{"calculer", "harmonisées", " saisie 1 ", "durée d'exp.\nen h",
                                           "qualification du conducteur:"}
                            << QStringList{"inexpérimenté", "instruit", "expérimenté", "formé", "formé/expérimenté"}
                            << QStringList{"léger", "norm.", "dur"} << "fr";
        QTest::newRow("it") << "Italiano"
                            << QStringList{"calcolare", "unificati", " immissione 1 ", "per. d'esposiz.\nin h",
                                           "qualifica dell'operatore:"}
                            << QStringList{"inesperto", "addestrato ", "esperto", "con patentino",
                                           "con patentino/esperto"}
                            << QStringList{"agev.", "norm.", "grav."} << "it";
        QTest::newRow("es") << "Espaniol"
                            << QStringList{"calcular", "normalizado", " entrada 1 ", "tiempo de \nacción en h",
                                           "calificación operador:"}
                            << QStringList{"inexperto", "semicualificado", "experimentado", "con formación",
                                           "formado/experimentado"}
                            << QStringList{"ligero", "norm.", "duro"} << "es";
    }
    void captionsAndListsInEveryLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, experience);
        QFETCH(QStringList, conditions);
        QFETCH(QString, qtLanguage);
        const support::QtTranslation german(QStringLiteral("de"));
        const support::QtTranslation qt(qtLanguage);
        // Without Qt's translation the expected texts would be Qt's English, as on a failed switch.
        QVERIFY(german.loaded());
        QVERIFY(qt.loaded() || qtLanguage == QLatin1String("en"));
        start();
        frmMain* window = main();
        // Qt's own texts start in the program's language and follow its switch.
        QLineEdit* field = driver::find<QLineEdit>(window, QStringLiteral("txtFirma"));
        QCOMPARE(qtTexts(field), german.undoAndSaveDialog(m_qtEnglish));
        switchLanguage(language);
        QCOMPARE(qtTexts(field), qt.undoAndSaveDialog(m_qtEnglish));
        QCOMPARE(window->spracheText(), language);
        QStringList shown;
        for (const char* name : {"btnBerechnen", "optEingabe_G_1", "fraEingabe_1", "lblSumDauer", "lblFahrererfahrung"})
            shown << driver::caption(window, QLatin1String(name));
        QCOMPARE(shown, captions);
        QCOMPARE(driver::texts(control<QComboBox>(QStringLiteral("cboFahrererfahrung"))), experience);
        QCOMPARE(control<QComboBox>(QStringLiteral("cboFahrererfahrung"))->currentIndex(), -1);
        click(QStringLiteral("optEingabe_G_4"));
        QCOMPARE(driver::texts(control<QComboBox>(QStringLiteral("Betriebsbedingung_G_4"))), conditions);
        QCOMPARE(driver::texts(control<QComboBox>(QStringLiteral("Einwirkungsdauer_G_4"))),
                 (QStringList{"1", "2", "3", "4", "5", "6", "7", "8"}));
    }

    void detailsWindowFollowsTheRows()
    {
        start();
        frmMain* window = main();
        frmDetails* details = window->details();
        click(QStringLiteral("btnDetails"));
        QVERIFY(details->isVisible());
        QVERIFY(!driver::find<QComboBox>(details, driver::rowName("cboZustandUntergrund", 3))->isEnabled());
        QCOMPARE(ui::backColor(driver::find<QPlainTextEdit>(details, driver::rowName("txtAnmerkung", 3))),
                 ui::buttonFace());
        QTest::mouseClick(driver::find<QPushButton>(details, QStringLiteral("btnSchliessen")), Qt::LeftButton);
        QVERIFY(!details->isVisible());

        click(QStringLiteral("optEingabe_E_3"));
        click(QStringLiteral("btnDetails"));
        QVERIFY(driver::find<QComboBox>(details, driver::rowName("cboZustandUntergrund", 3))->isEnabled());
        QCOMPARE(ui::backColor(driver::find<QPlainTextEdit>(details, driver::rowName("txtAnmerkung", 3))),
                 ui::windowBackground());
        driver::find<QComboBox>(details, driver::rowName("cboZustandUntergrund", 3))
            ->setCurrentIndex(
                driver::find<QComboBox>(details, driver::rowName("cboZustandUntergrund", 3))->findText("wellig"));
        QTest::mouseClick(driver::find<QPushButton>(details, QStringLiteral("btnSchliessen")), Qt::LeftButton);
        click(QStringLiteral("btnDetails"));
        QCOMPARE(driver::find<QComboBox>(details, driver::rowName("cboZustandUntergrund", 3))->currentText(),
                 QStringLiteral("wellig"));
        QTest::mouseClick(driver::find<QPushButton>(details, QStringLiteral("btnSchliessen")), Qt::LeftButton);

        switchLanguage(QStringLiteral("English"));
        click(QStringLiteral("btnDetails"));
        QCOMPARE(details->windowTitle(), QStringLiteral(" details"));
        QCOMPARE(driver::find<QComboBox>(details, driver::rowName("cboZustandUntergrund", 3))->currentIndex(), -1);
        QCOMPARE(driver::find<QComboBox>(details, driver::rowName("cboZustandUntergrund", 3))->itemText(3),
                 QStringLiteral("unlevel"));
        QVERIFY(!driver::find<QComboBox>(details, driver::rowName("cboZustandUntergrund", 3))->isEnabled());
        QTest::mouseClick(driver::find<QPushButton>(details, QStringLiteral("btnSchliessen")), Qt::LeftButton);
    }

    void theEndUnloadsTheWindowsWithoutAsking_data() { programEnds(); }
    void theEndUnloadsTheWindowsWithoutAsking()
    {
        QFETCH(bool, exitButton);
        start();
        QPointer<frmMain> window = main();
        QPointer<frmDetails> details = window->details();
        click(QStringLiteral("btnDetails"));
        ui::MsgBoxRecorder boxes;
        endProgram(exitButton);
        QVERIFY(!m_frame->isVisible());
        QVERIFY(!details);
        QVERIFY(!main());
        QVERIFY(QTest::qWaitFor([&] { return !window; }));
        QVERIFY(boxes.calls.isEmpty());
    }

private:
    QStringList m_qtEnglish;
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
