#pragma once

#include <QList>
#include <QString>
#include <functional>

namespace ui {

enum class MsgIcon { None, Critical, Exclamation, Information };

struct MsgBoxCall {
    QString text;
    QString title;
    MsgIcon icon = MsgIcon::None;
};

// Shows a modal message box with an OK button only. Without a title the
// program's name is used, as the desktop does for untitled boxes.
void msgBox(const QString& text, MsgIcon icon = MsgIcon::None, const QString& title = {});

// The system beep.
void beep();

// Makes a routine's run-time error the common message box: critical icon, OK
// only, "N => description", titled "Error in Routine <name>". The program does
// this at start-up; a test of a window stands in for the program.
void reportErrorsInMessageBoxes();

using MsgBoxHandler = std::function<void(const MsgBoxCall&)>;
using BeepHandler = std::function<void()>;

// Replace how boxes are shown and beeps are sounded; returns the previous handler.
MsgBoxHandler setMsgBoxHandler(MsgBoxHandler handler);
BeepHandler setBeepHandler(BeepHandler handler);

// Records message boxes and beeps instead of showing them, for as long as it
// lives. onMessage, when set, runs while the "box" is up (the opener is suspended).
class MsgBoxRecorder {
public:
    MsgBoxRecorder();
    ~MsgBoxRecorder();
    MsgBoxRecorder(const MsgBoxRecorder&) = delete;
    MsgBoxRecorder& operator=(const MsgBoxRecorder&) = delete;

    QList<MsgBoxCall> calls;
    int beeps = 0;
    std::function<void(const MsgBoxCall&)> onMessage;

    void clear()
    {
        calls.clear();
        beeps = 0;
    }

private:
    MsgBoxHandler m_previousBox;
    BeepHandler m_previousBeep;
};

}  // namespace ui
