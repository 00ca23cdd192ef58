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

    frmMain* main() const { return m_main; }
    // The interface language 1..5; the frame window hands it to the windows it opens.
    quint8 bytSprachNr() const { return m_bytSprachNr; }
    Language* language() const { return m_language; }
    // The instructions window, opened by the main window's instructions button.
    InstructionsWindow* instructions() const { return m_instructions.get(); }

    void MDIForm_Load();
    void Form_Load();
    void btnExit_Click();
    void MDIForm_Unload();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void unloadWindows();

    QString m_programFolder;
    quint8 m_bytSprachNr = 1;
    frmMain* m_main = nullptr;
    Language* m_language = nullptr;
    std::unique_ptr<InstructionsWindow> m_instructions;
};
