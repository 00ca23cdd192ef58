#pragma once

// What the benchmarks share: the program started as a user starts it, on a
// temporary program folder, and a day entered the way a user enters it.

#include <QString>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>

class frmMDI;

namespace bench {

// Runs the event loop until it has nothing left to do and would wait.
void runUntilIdle();

// The frame window with the main window, shown and idle, as after start-up.
class StartedProgram {
public:
    // storedLanguage: the contents of the settings file, or empty for none.
    explicit StartedProgram(const QByteArray& storedLanguage = {});
    ~StartedProgram();
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;

    frmMDI& frame() const { return *m_frame; }
    QString folder() const { return m_folder.path(); }

    // A control of any of the program's windows by its object name; aborts when there is none.
    template <class T = QWidget>
    T* control(const QString& name) const
    {
        auto* widget = qobject_cast<T*>(findControl(name));
        if (!widget)
            qFatal("no control %s of that kind", qPrintable(name));
        return widget;
    }

    // Five complete rows: three from the catalogue, two with own values.
    void enterCompleteDay() const;

private:
    QWidget* findControl(const QString& name) const;

    QTemporaryDir m_folder;
    std::unique_ptr<frmMDI> m_frame;
};

// Writes the settings file of the program folder.
void writeSettings(const QString& folder, const QByteArray& content);

}  // namespace bench
