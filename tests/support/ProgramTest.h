#pragma once

// The base of the tests that drive the whole program: started as a user
// starts it, over a program folder of the test's own (its settings file and
// instructions), the main window's controls found by name and clicked.

#include "WidgetDriver.h"
#include "app/frmMDI.h"
#include "grid/frmMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

namespace support {

class ProgramTest : public QObject {
protected:
    std::unique_ptr<QTemporaryDir> m_folder = std::make_unique<QTemporaryDir>();
    std::unique_ptr<frmMDI> m_frame;

    // Starts the program anew; the frame window is shown.
    void start()
    {
        m_frame.reset();
        m_frame = std::make_unique<frmMDI>(m_folder->path());
        m_frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    }

    // Ends the program and deletes what it deleted later, for a test's clean-up.
    void end()
    {
        m_frame.reset();
        driver::flushDeletes();
    }

    // The program's two ends as data rows: its exit button, or its frame window closed.
    static void programEnds()
    {
        QTest::addColumn<bool>("exitButton");
        QTest::newRow("exit button") << true;
        QTest::newRow("frame closed") << false;
    }
    void endProgram(bool exitButton) const
    {
        if (exitButton)
            click(QStringLiteral("btnExit"));
        else
            QVERIFY(m_frame->close());
    }

    QString inFolder(const QString& name) const { return QDir(m_folder->path()).filePath(name); }

    // Puts an instruction file for each language into the program folder: the
    // word "Anleitung" in bold and the language's name.
    void writeInstructions() const
    {
        for (const char* language : {"Deutsch", "English", "Francais", "Italiano", "Espaniol"}) {
            QFile file(inFolder(QStringLiteral("Readme_%1.rtf").arg(QLatin1String(language))));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray("{\\rtf1\\ansi {\\b Anleitung} ") + language + "\\par}");
        }
    }

    frmMain* main() const { return frmMDI::TestSeam(*m_frame).main(); }

    template <class T = QWidget>
    T* control(const QString& name) const
    {
        return driver::find<T>(main(), name);
    }
    template <class T = QWidget>
    T* control(const char* base, int row) const
    {
        return control<T>(driver::rowName(base, row));
    }

    void click(const QString& name) const
    {
        QTest::mouseClick(control(name), Qt::LeftButton);
        QApplication::processEvents();
    }
    void click(const char* base, int row) const { click(driver::rowName(base, row)); }

    // Chooses the language in the list, as the instructions button reads it.
    void chooseLanguage(const QString& language) const
    {
        QComboBox* list = main()->cboSprache();
        QVERIFY(driver::chooseIndex(list, list->findText(language)));
    }
    // Chooses the language in the list and presses "Go".
    void switchLanguage(const QString& language) const
    {
        chooseLanguage(language);
        click(QStringLiteral("btnSpracheGo"));
    }
};

}  // namespace support
