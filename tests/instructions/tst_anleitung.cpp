#include "../support/MessageBoxes.h"
#include "../support/Languages.h"
#include "../support/WidgetDriver.h"
#include "base/RuntimeError.h"
#include "instructions/InstructionsWindow.h"
#include "instructions/frmAnleitung.h"
#include "texts/modTexte.h"
#include "ui/MsgBox.h"

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <memory>
#include <sys/stat.h>

namespace {

const QStringList kLanguageNames{"Deutsch", "English", "Francais", "Italiano", "Espaniol"};

// A short instruction file whose first word is bold and whose text names its language.
QByteArray sample(const QString& language)
{
    return "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Liberation Sans;}}\\f0\\fs20 {\\b Anleitung} "
        + language.toLatin1() + " M\\'e4rz\\par Zweiter Absatz.\\par}";
}

QTextCharFormat formatAt(QTextDocument* document, const QString& word)
{
    QTextCursor found = document->find(word);
    if (found.isNull())
        return {};
    // The format of a character is the one seen just after it.
    QTextCursor inside(document);
    inside.setPosition(found.selectionStart() + 1);
    return inside.charFormat();
}

}  // namespace

class AnleitungTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_languageText;
    std::unique_ptr<InstructionsWindow> m_instructions;
    support::OpenersLanguage m_language;
    // What the print dialog was opened for.
    QList<const QTextEdit*> m_printedViews;

    std::unique_ptr<InstructionsWindow> instructionsIn(const QString& folder)
    {
        return std::make_unique<InstructionsWindow>(
            folder, [this] { return m_languageText; }, [this](const QTextEdit* view) { m_printedViews << view; },
            nullptr);
    }

    void write(const QString& name, const QByteArray& content)
    {
        QFile file(m_folder->filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    frmAnleitung* open()
    {
        m_instructions->show(m_language.number);
        QApplication::processEvents();
        return m_instructions->window();
    }
    // The reader ends the last paragraph with an empty one; that is no text.
    static QString shown(const frmAnleitung* window)
    {
        return driver::find<QTextEdit>(window, "rtfAnleitung")->toPlainText().trimmed();
    }

private slots:
    void initTestCase() { ui::reportErrorsInMessageBoxes(); }

    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
        for (const QString& language : kLanguageNames)
            write("Readme_" + language + ".rtf", sample(language));
        m_language.use(1);
        m_languageText = "Deutsch";
        m_printedViews.clear();
        m_instructions = instructionsIn(m_folder->path());
    }
    void cleanup()
    {
        m_instructions.reset();
        driver::flushDeletes();
    }

    // clang-format off
    void loadsTheFileOfTheLanguageWithItsCaptions_data()
    {
        QTest::addColumn<quint8>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("print");
        QTest::addColumn<QString>("close");
        QTest::newRow("Deutsch") << quint8(1) << " Anleitung" << "Drucken" << "Schließen";
        QTest::newRow("English") << quint8(2) << " instructions" << "print" << "close";
        QTest::newRow("Francais") << quint8(3) << " instructions" << "imprimer" << "fermer";
        QTest::newRow("Italiano") << quint8(4) << " istruzioni" << "stampa" << "chiudere";
        QTest::newRow("Espaniol") << quint8(5) << " instrucciones" << "imprimir" << "cerrar";
    }
    // clang-format on
    void loadsTheFileOfTheLanguageWithItsCaptions()
    {
        QFETCH(quint8, language);
        m_language.use(language);
        m_languageText = QTest::currentDataTag();
        ui::MsgBoxRecorder boxes;
        frmAnleitung* window = open();
        QVERIFY(window && window->isVisible());
        QVERIFY(boxes.calls.isEmpty());
        QFETCH(QString, title);
        QFETCH(QString, print);
        QFETCH(QString, close);
        QCOMPARE(window->windowTitle(), title);
        QCOMPARE(driver::find<QPushButton>(window, "btnDrucken")->text(), print);
        QCOMPARE(driver::find<QPushButton>(window, "btnSchliessen")->text(), close);
        QCOMPARE(shown(window), QString("Anleitung %1 März\nZweiter Absatz.").arg(m_languageText));
        QCOMPARE(formatAt(driver::find<QTextEdit>(window, "rtfAnleitung")->document(), "Anleitung").fontWeight(),
                 int(QFont::Bold));
        QCOMPARE(formatAt(driver::find<QTextEdit>(window, "rtfAnleitung")->document(), "März").fontWeight(),
                 int(QFont::Normal));
    }

    void anErrorInTheCaptionsIsReportedAndTheFileStillLoads()
    {
        m_language.number = 0;  // no language of the text table
        ui::MsgBoxRecorder boxes;
        frmAnleitung* window = open();
        support::expectRoutineError(boxes, QStringLiteral("subInitForm"), base::ErrSubscript);
        QVERIFY(shown(window).startsWith("Anleitung Deutsch"));
    }

    void followsTheListEntryNotTheAppliedLanguage()
    {
        m_languageText = "English";  // selected in the list, "Go" not pressed
        frmAnleitung* window = open();
        QVERIFY(shown(window).startsWith("Anleitung English"));
        QCOMPARE(window->windowTitle(), " Anleitung");
        QCOMPARE(driver::find<QPushButton>(window, "btnSchliessen")->text(), "Schließen");
    }

    void aFileThatCannotBeReadGivesTheMessageAndAnEmptyWindow_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << "missing";
        QTest::newRow("a folder of that name") << "folder";
        QTest::newRow("a pipe of that name") << "pipe";
    }
    void aFileThatCannotBeReadGivesTheMessageAndAnEmptyWindow()
    {
        QFETCH(QString, kind);
        const QString path = m_folder->filePath("Readme_English.rtf");
        QVERIFY(QFile::remove(path));
        if (kind == "folder")
            QVERIFY(QDir().mkdir(path));
        if (kind == "pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        m_languageText = "English";

        ui::MsgBoxRecorder boxes;
        bool windowShownBeforeTheMessage = true;
        boxes.onMessage = [&](const ui::MsgBoxCall&) {
            windowShownBeforeTheMessage = m_instructions->window() && m_instructions->window()->isVisible();
        };
        frmAnleitung* window = open();
        support::expectBox(boxes, "Error in Routine <Form_Load>", "File <Readme_English.rtf> not found.",
                           ui::MsgIcon::Critical);
        QVERIFY(!windowShownBeforeTheMessage);
        QVERIFY(window && window->isVisible());
        QVERIFY(driver::find<QTextEdit>(window, "rtfAnleitung")->document()->isEmpty());
        QCOMPARE(window->windowTitle(), " Anleitung");
    }

    void anEmptyOrDamagedFileShowsWhatCouldBeRead_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QByteArray() << "";
        QTest::newRow("truncated") << QByteArray("{\\rtf1\\ansi Bis hier {\\b fe") << "Bis hier fe";
        QTest::newRow("not RTF") << QByteArray("\x00\x01\xff binary", 10) << "";
    }
    void anEmptyOrDamagedFileShowsWhatCouldBeRead()
    {
        QFETCH(QByteArray, content);
        write("Readme_Deutsch.rtf", content);
        ui::MsgBoxRecorder boxes;
        frmAnleitung* window = open();
        QVERIFY(boxes.calls.isEmpty());
        QVERIFY(window->isVisible());
        QFETCH(QString, text);
        if (!text.isEmpty())
            QCOMPARE(shown(window).trimmed(), text);
    }

    // clang-format off
    void theFolderGetsOneSeparator_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("path");
        QTest::newRow("without") << "/opt/zelvaro" << "/opt/zelvaro/Readme_English.rtf";
        QTest::newRow("with") << "/opt/zelvaro/" << "/opt/zelvaro/Readme_English.rtf";
        QTest::newRow("root") << "/" << "/Readme_English.rtf";
    }
    // clang-format on
    void theFolderGetsOneSeparator()
    {
        QFETCH(QString, folder);
        QFETCH(QString, path);
        QCOMPARE(frmAnleitung::filePath(folder, frmAnleitung::fileName("English")), path);
    }

    void aFolderEndingInASeparatorStillFindsTheFile()
    {
        m_instructions = instructionsIn(m_folder->path() + '/');
        ui::MsgBoxRecorder boxes;
        QVERIFY(shown(open()).startsWith("Anleitung Deutsch"));
        QVERIFY(boxes.calls.isEmpty());
    }

    void aSecondOpeningBringsTheSameWindowBackUnchanged()
    {
        frmAnleitung* first = open();
        QTextCursor selection(driver::find<QTextEdit>(first, "rtfAnleitung")->document());
        selection.setPosition(0);
        selection.setPosition(9, QTextCursor::KeepAnchor);
        driver::find<QTextEdit>(first, "rtfAnleitung")->setTextCursor(selection);
        write("Readme_Deutsch.rtf", sample("Neu"));
        m_languageText = "English";
        m_language.use(2);
        first->setWindowState(Qt::WindowMinimized);

        QCOMPARE(open(), first);
        QVERIFY(!(first->windowState() & Qt::WindowMinimized));
        QVERIFY(shown(first).startsWith("Anleitung Deutsch"));
        QCOMPARE(driver::find<QTextEdit>(first, "rtfAnleitung")->textCursor().selectedText(), "Anleitung");
        QCOMPARE(first->windowTitle(), " Anleitung");
        QCOMPARE(first->findChildren<QTextEdit*>().size(), 1);
    }

    void closingUnloadsAndTheNextOpeningReadsAgain_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("close button") << false;
        QTest::newRow("escape key") << true;
    }
    void closingUnloadsAndTheNextOpeningReadsAgain()
    {
        QFETCH(bool, escape);
        QPointer<frmAnleitung> first = open();
        if (escape)
            QTest::keyClick(driver::find<QTextEdit>(first, "rtfAnleitung"), Qt::Key_Escape);
        else
            QTest::mouseClick(driver::find<QPushButton>(first, "btnSchliessen"), Qt::LeftButton);
        driver::flushDeletes();
        QVERIFY(first.isNull());
        QVERIFY(!m_instructions->window());

        // A language change in between takes effect at the next loading.
        write("Readme_Francais.rtf", sample("Francais, relu"));
        m_language.use(3);
        m_languageText = "Francais";
        frmAnleitung* second = open();
        QVERIFY(shown(second).startsWith("Anleitung Francais, relu"));
        QCOMPARE(second->windowTitle(), " instructions");
        QCOMPARE(driver::find<QPushButton>(second, "btnDrucken")->text(), "imprimer");
    }

    void printOpensTheDialogForTheView()
    {
        frmAnleitung* window = open();
        QTest::mouseClick(driver::find<QPushButton>(window, "btnDrucken"), Qt::LeftButton);
        QCOMPARE(m_printedViews, QList<const QTextEdit*>{driver::find<QTextEdit>(window, "rtfAnleitung")});
        QVERIFY(window->isVisible());
        QVERIFY(shown(window).startsWith("Anleitung Deutsch"));
    }

    void unloadClosesTheWindow()
    {
        QPointer<frmAnleitung> window = open();
        m_instructions->unload();
        driver::flushDeletes();
        QVERIFY(window.isNull());
        m_instructions->unload();  // nothing loaded: no effect
        QVERIFY(open());
    }

    void theViewIsReadOnlySelectableAndScrollsByKeyboard()
    {
        QByteArray longText = "{\\rtf1\\ansi ";
        for (int i = 1; i <= 200; ++i)
            longText += "Absatz " + QByteArray::number(i) + "\\par ";
        write("Readme_Deutsch.rtf", longText + "}");
        frmAnleitung* window = open();
        QVERIFY(!window->isModal());
        QTextEdit* view = driver::find<QTextEdit>(window, "rtfAnleitung");
        QCOMPARE(view->verticalScrollBar()->value(), 0);
        QVERIFY(view->isReadOnly());
        view->setFocus();
        const QString before = view->toPlainText();
        QTest::keyClicks(view, "xyz");
        QTest::keyClick(view, Qt::Key_Delete);
        QCOMPARE(view->toPlainText(), before);

        QTest::keyClick(view, Qt::Key_PageDown);
        QTest::keyClick(view, Qt::Key_PageDown);
        const int paged = view->verticalScrollBar()->value();
        QVERIFY(paged > 0);
        QTest::keyClick(view, Qt::Key_End, Qt::ControlModifier);
        QVERIFY(view->verticalScrollBar()->value() > paged);
        QVERIFY(view->viewport()->rect().contains(view->cursorRect()));

        QTest::keyClick(view, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(view, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(view->textCursor().selectedText(), QString("Absatz 1") + QChar::ParagraphSeparator);
        QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(view->textCursor().selectedText().size(), before.size());
    }
};

QTEST_MAIN(AnleitungTest)
#include "tst_anleitung.moc"
