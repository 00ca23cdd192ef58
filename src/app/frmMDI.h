#pragma once

#include <QMainWindow>
#include <memory>

class InstructionsWindow;
class frmMain;
class Language;

// The frame window: holds the main window and owns the program's start and end.
class frmMDI : public QMainWindow {
    Q_OBJECT

public:
    // programFolder is where the settings file lives.
    explicit frmMDI(const QString& programFolder, QWidget* parent = nullptr);
    ~frmMDI() override;

    void MDIForm_Load();
    void Form_Load();
    void btnExit_Click();
    void MDIForm_Unload();

    // What a test cannot reach through the controls; defined below.
    class TestSeam;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void unloadWindows();

    QString m_programFolder;
    // The interface language 1..5; the frame window hands it to the windows it opens.
    quint8 m_bytSprachNr = 1;
    frmMain* m_main = nullptr;
    Language* m_language = nullptr;
    std::unique_ptr<InstructionsWindow> m_instructions;
};

// The windows the frame window holds and the language it hands out: no
// control shows them. Tests drive everything else as a user does.
class frmMDI::TestSeam {
public:
    explicit TestSeam(const frmMDI& frame)
        : m_frame(frame)
    {
    }

    frmMain* main() const { return m_frame.m_main; }
    quint8 bytSprachNr() const { return m_frame.m_bytSprachNr; }
    // The instructions window, opened by the main window's instructions button.
    InstructionsWindow* instructions() const { return m_frame.m_instructions.get(); }

private:
    const frmMDI& m_frame;
};
