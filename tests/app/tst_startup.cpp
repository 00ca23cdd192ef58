// Start-up, language switching, the settings file and the end of the program,
// on the real frame window with a temporary program folder.
#include "../support/MessageBoxes.h"
#include "../support/OnScreen.h"
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
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <memory>

namespace {

const QStringList kGermanQtTexts{"&Rückgängig", "Suchen in:", "Datei&name:", "Dateien des Typs:"};

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
QStringList qtTexts(frmMain* window)
{
    QStringList texts;
    QLineEdit* field = driver::find<QLineEdit>(window, QStringLiteral("txtFirma"));
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

void pressGo(frmMDI& frame, const QString& language)
{
    QComboBox* list = frame.main()->cboSprache();
    list->setCurrentIndex(list->findText(language));
    QTest::mouseClick(driver::find<QPushButton>(frame.main(), QStringLiteral("btnSpracheGo")), Qt::LeftButton);
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;

    std::unique_ptr<frmMDI> start(const QString& folder)
    {
        auto frame = std::make_unique<frmMDI>(folder);
        frame->show();
        if (!QTest::qWaitForWindowExposed(frame.get()))
            qWarning("frame window not exposed");
        return frame;
    }

private slots:
    void init()
    {
        base::setRegional(base::Regional::english());
        QFile::remove(QDir(m_folder.path()).filePath(QStringLiteral("kv.inf")));
    }

    void firstStartIsGermanWithTodaysDate()
    {
        ui::MsgBoxRecorder boxes;
        auto frame = start(m_folder.path());
        QCOMPARE(frame->windowTitle(), QStringLiteral(" Zelvaro"));
        QCOMPARE(frame->objectName(), QStringLiteral("frmMDI"));
        frmMain* window = frame->main();
        QCOMPARE(window->cboSprache()->currentText(), QStringLiteral("Deutsch"));
        QCOMPARE(driver::texts(window->cboSprache()),
                 (QStringList{"Deutsch", "English", "Espaniol", "Francais", "Italiano"}));
        QCOMPARE(driver::codes(window->cboSprache()), (QList<int>{1, 2, 5, 3, 4}));
        QCOMPARE(int(bytSprachNr), 1);
        QCOMPARE(driver::caption(window, QStringLiteral("btnExit")), QStringLiteral("Beenden"));
        QCOMPARE(driver::find<QLineEdit>(window, QStringLiteral("txtDatum"))->text(),
                 base::regional().shortDate(QDate::currentDate()));
        QVERIFY(!window->rowInUse(1));
        QCOMPARE(window->details()->cboZustandUntergrund(1)->count(), 7);
        QVERIFY(!window->details()->isVisible());
        QVERIFY(boxes.calls.isEmpty());
        QCOMPARE(readSettings(m_folder.path()), QByteArray("<none>"));
    }

    void frameWindowCarriesTheProgramIcon()
    {
        auto frame = start(m_folder.path());
        QCOMPARE(frame->windowIcon().availableSizes(), (QList<QSize>{{48, 48}, {128, 128}, {256, 256}}));
        QVERIFY(!frame->windowIcon().pixmap(48).toImage().isNull());
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
        writeSettings(m_folder.path(), content);
        ui::MsgBoxRecorder boxes;
        auto frame = start(m_folder.path());
        QCOMPARE(frame->main()->cboSprache()->currentText(), language);
        QCOMPARE(driver::caption(frame->main(), QStringLiteral("btnExit")), exitCaption);
        QVERIFY(boxes.calls.isEmpty());
        // Reading never rewrites the file.
        QCOMPARE(readSettings(m_folder.path()), content);
    }

    void frenchGoRelabelsEmptiesAndRemembers()
    {
        auto frame = start(m_folder.path());
        frmMain* window = frame->main();
        QTest::mouseClick(driver::find<QRadioButton>(window, QStringLiteral("optEingabe_E_2")), Qt::LeftButton);
        QVERIFY(window->rowInUse(2));

        pressGo(*frame, QStringLiteral("Francais"));
        QCOMPARE(int(bytSprachNr), 3);
        QCOMPARE(driver::caption(window, QStringLiteral("lblTitel")),
                 QStringLiteral("vibrations transmises à l'ensemble du corps par les machines de terrassement - "
                                "calcul de l'exposition journalière du conducteur aux vibrations"));
        QCOMPARE(driver::caption(window, QStringLiteral("fraEingabe_2")), QStringLiteral(" saisie 2 "));
        QCOMPARE(driver::caption(window, QStringLiteral("lblEinwirkungsdauer")), QStringLiteral("durée\nd'exp.\nen h"));
        QCOMPARE(driver::caption(window, QStringLiteral("btnReset")), QStringLiteral("réinitialiser"));
        QVERIFY(!window->rowInUse(2));
        QCOMPARE(readSettings(m_folder.path()), QByteArray("SPRACHE=3\r\n"));

        // The choice survives a restart.
        frame.reset();
        auto again = start(m_folder.path());
        QCOMPARE(again->main()->cboSprache()->currentText(), QStringLiteral("Francais"));
        QCOMPARE(driver::caption(again->main(), QStringLiteral("btnExit")), QStringLiteral("sortie"));
    }

    void goWithNothingSelectedChangesNothing()
    {
        auto frame = start(m_folder.path());
        frmMain* window = frame->main();
        QTest::mouseClick(driver::find<QRadioButton>(window, QStringLiteral("optEingabe_G_1")), Qt::LeftButton);
        window->cboSprache()->setCurrentIndex(-1);
        ui::MsgBoxRecorder boxes;
        QTest::mouseClick(driver::find<QPushButton>(window, QStringLiteral("btnSpracheGo")), Qt::LeftButton);
        support::expectRoutineError(boxes, QStringLiteral("btnSpracheGo_Click"), base::ErrInvalidIndex);
        QVERIFY(window->rowInUse(1));
        QCOMPARE(int(bytSprachNr), 1);
        QCOMPARE(readSettings(m_folder.path()), QByteArray("<none>"));
    }

    void wheelOverAListWithoutTheFocusScrollsTheWindow()
    {
        auto frame = start(m_folder.path());
        QScrollBar* bar = driver::find<QScrollArea>(frame.get(), QStringLiteral("mdiClient"))->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        auto* list = driver::find<QComboBox>(frame->main(), QStringLiteral("cboFahrererfahrung"));
        QVERIFY(!list->hasFocus());
        driver::wheel(list, true);
        QCOMPARE(list->currentIndex(), -1);
        QVERIFY(bar->value() > 0);
    }

    void unwritableFolderStillSwitchesLanguages()
    {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("kv.inf")));
        ui::MsgBoxRecorder boxes;
        auto frame = start(folder.path());
        QCOMPARE(frame->main()->cboSprache()->currentText(), QStringLiteral("Deutsch"));
        pressGo(*frame, QStringLiteral("English"));
        QCOMPARE(driver::caption(frame->main(), QStringLiteral("btnExit")), QStringLiteral("exit"));
        QVERIFY(boxes.calls.isEmpty());
        QVERIFY(QFileInfo(QDir(folder.path()).filePath(QStringLiteral("kv.inf"))).isDir());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{});
    }

    void captionsAndListsInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>(
            "captions");  // btnBerechnen, optEingabe_G_1, fraEingabe_1, lblSumDauer, lblFahrererfahrung
        QTest::addColumn<QStringList>("experience");
        QTest::addColumn<QStringList>("conditions");
        QTest::addColumn<QStringList>("qt");  // Undo, Look in, File name, Files of type
        QTest::newRow("de") << "Deutsch"
                            << QStringList{"Berechnen", "genormt", " Eingabe 1 ", "Einwirkungs-\nzeit in h",
                                           "Fahrerqualifizierung:"}
                            << QStringList{"unerfahren", "angelernt", "erfahren", "ausgebildet", "ausgebildet/erfahren"}
                            << QStringList{"leicht", "norm.", "hart"} << kGermanQtTexts;
        QTest::newRow("en") << "English"
                            << QStringList{"calculate", "standardized", " entry 1 ", "exp. time\nin h",
                                           "driver qualifications:"}
                            << QStringList{"unskilled", "semiskilled", "skilled", "trained", "trained/skilled"}
                            << QStringList{"slightly", "norm.", "hard"}
                            << QStringList{"&Undo", "Look in:", "File &name:", "Files of type:"};
        QTest::newRow("fr") << "Francais"
                            << QStringList{"calculer", "harmonisées", " saisie 1 ", "durée d'exp.\nen h",
                                           "qualification du conducteur:"}
                            << QStringList{"inexpérimenté", "instruit", "expérimenté", "formé", "formé/expérimenté"}
                            << QStringList{"léger", "norm.", "dur"}
                            << QStringList{"&Annuler", "Voir dans :", "&Nom de fichier :", "Fichiers de type :"};
        QTest::newRow("it") << "Italiano"
                            << QStringList{"calcolare", "unificati", " immissione 1 ", "per. d'esposiz.\nin h",
                                           "qualifica dell'operatore:"}
                            << QStringList{"inesperto", "addestrato ", "esperto", "con patentino",
                                           "con patentino/esperto"}
                            << QStringList{"agev.", "norm.", "grav."}
                            << QStringList{"Ann&ulla", "Cerca in:", "&Nome del file:", "File di tipo:"};
        QTest::newRow("es") << "Espaniol"
                            << QStringList{"calcular", "normalizado", " entrada 1 ", "tiempo de \nacción en h",
                                           "calificación operador:"}
                            << QStringList{"inexperto", "semicualificado", "experimentado", "con formación",
                                           "formado/experimentado"}
                            << QStringList{"ligero", "norm.", "duro"}
                            << QStringList{"&Deshacer", "Ver en:", "&Nombre de fichero:", "Ficheros de tipo:"};
    }
    void captionsAndListsInEveryLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, experience);
        QFETCH(QStringList, conditions);
        QFETCH(QStringList, qt);
        auto frame = start(m_folder.path());
        frmMain* window = frame->main();
        // Qt's own texts start in the program's language and follow its switch.
        QCOMPARE(qtTexts(window), kGermanQtTexts);
        pressGo(*frame, language);
        QCOMPARE(qtTexts(window), qt);
        QCOMPARE(window->spracheText(), language);
        QStringList shown;
        for (const char* name : {"btnBerechnen", "optEingabe_G_1", "fraEingabe_1", "lblSumDauer", "lblFahrererfahrung"})
            shown << driver::caption(window, QLatin1String(name));
        QCOMPARE(shown, captions);
        QCOMPARE(driver::texts(driver::find<QComboBox>(window, QStringLiteral("cboFahrererfahrung"))), experience);
        QCOMPARE(driver::find<QComboBox>(window, QStringLiteral("cboFahrererfahrung"))->currentIndex(), -1);
        QTest::mouseClick(driver::find<QRadioButton>(window, QStringLiteral("optEingabe_G_4")), Qt::LeftButton);
        QCOMPARE(driver::texts(driver::find<QComboBox>(window, QStringLiteral("Betriebsbedingung_G_4"))), conditions);
        QCOMPARE(driver::texts(driver::find<QComboBox>(window, QStringLiteral("Einwirkungsdauer_G_4"))),
                 (QStringList{"1", "2", "3", "4", "5", "6", "7", "8"}));
    }

    void detailsWindowFollowsTheRows()
    {
        auto frame = start(m_folder.path());
        frmMain* window = frame->main();
        frmDetails* details = window->details();
        QTest::mouseClick(driver::find<QPushButton>(window, QStringLiteral("btnDetails")), Qt::LeftButton);
        QVERIFY(details->isVisible());
        QVERIFY(!details->cboZustandUntergrund(3)->isEnabled());
        QCOMPARE(ui::backColor(details->txtAnmerkung(3)), ui::buttonFace());
        QTest::mouseClick(details->btnSchliessen(), Qt::LeftButton);
        QVERIFY(!details->isVisible());

        QTest::mouseClick(driver::find<QRadioButton>(window, QStringLiteral("optEingabe_E_3")), Qt::LeftButton);
        QTest::mouseClick(driver::find<QPushButton>(window, QStringLiteral("btnDetails")), Qt::LeftButton);
        QVERIFY(details->cboZustandUntergrund(3)->isEnabled());
        QCOMPARE(ui::backColor(details->txtAnmerkung(3)), ui::windowBackground());
        details->cboZustandUntergrund(3)->setCurrentIndex(details->cboZustandUntergrund(3)->findText("wellig"));
        QTest::mouseClick(details->btnSchliessen(), Qt::LeftButton);
        QTest::mouseClick(driver::find<QPushButton>(window, QStringLiteral("btnDetails")), Qt::LeftButton);
        QCOMPARE(details->cboZustandUntergrund(3)->currentText(), QStringLiteral("wellig"));
        QTest::mouseClick(details->btnSchliessen(), Qt::LeftButton);

        pressGo(*frame, QStringLiteral("English"));
        QTest::mouseClick(driver::find<QPushButton>(window, QStringLiteral("btnDetails")), Qt::LeftButton);
        QCOMPARE(details->windowTitle(), QStringLiteral(" details"));
        QCOMPARE(details->cboZustandUntergrund(3)->currentIndex(), -1);
        QCOMPARE(details->cboZustandUntergrund(3)->itemText(3), QStringLiteral("unlevel"));
        QVERIFY(!details->cboZustandUntergrund(3)->isEnabled());
        QTest::mouseClick(details->btnSchliessen(), Qt::LeftButton);
    }

    void exitButtonEndsWithoutAsking()
    {
        auto frame = start(m_folder.path());
        QPointer<frmMain> window = frame->main();
        QPointer<frmDetails> details = window->details();
        QTest::mouseClick(driver::find<QPushButton>(window, QStringLiteral("btnDetails")), Qt::LeftButton);
        ui::MsgBoxRecorder boxes;
        QTest::mouseClick(driver::find<QPushButton>(window, QStringLiteral("btnExit")), Qt::LeftButton);
        QVERIFY(!frame->isVisible());
        QVERIFY(!details);
        QTRY_VERIFY(!window);
        QVERIFY(boxes.calls.isEmpty());
    }

    void closingTheFrameUnloadsTheWindows()
    {
        auto frame = start(m_folder.path());
        QPointer<frmDetails> details = frame->main()->details();
        ui::MsgBoxRecorder boxes;
        QVERIFY(frame->close());
        QVERIFY(!details);
        QVERIFY(!frame->main());
        QVERIFY(boxes.calls.isEmpty());
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
