#include "ui/MsgBox.h"

#include "base/ErrorGuard.h"

#include <QApplication>
#include <QMessageBox>

namespace ui {

namespace {

void showRealBox(const MsgBoxCall& call)
{
    QMessageBox box(QApplication::activeWindow());
    switch (call.icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    }
    box.setWindowTitle(call.title);
    box.setText(call.text);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

MsgBoxHandler& boxHandler()
{
    static MsgBoxHandler handler = showRealBox;
    return handler;
}

BeepHandler& beepHandler()
{
    static BeepHandler handler = [] { QApplication::beep(); };
    return handler;
}

}  // namespace

void msgBox(const QString& text, MsgIcon icon, const QString& title)
{
    MsgBoxCall call{text, title.isEmpty() ? QStringLiteral("Zelvaro") : title, icon};
    boxHandler()(call);
}

void beep()
{
    beepHandler()();
}

void reportErrorsInMessageBoxes()
{
    base::setErrorReporter([](const QString& routine, const base::RuntimeError& error) {
        msgBox(error.message(), MsgIcon::Critical, base::errorTitle(routine));
    });
}

MsgBoxHandler setMsgBoxHandler(MsgBoxHandler handler)
{
    return std::exchange(boxHandler(), std::move(handler));
}

BeepHandler setBeepHandler(BeepHandler handler)
{
    return std::exchange(beepHandler(), std::move(handler));
}

MsgBoxRecorder::MsgBoxRecorder()
{
    m_previousBox = setMsgBoxHandler([this](const MsgBoxCall& call) {
        calls.append(call);
        if (onMessage)
            onMessage(call);
    });
    m_previousBeep = setBeepHandler([this] { ++beeps; });
}

MsgBoxRecorder::~MsgBoxRecorder()
{
    setMsgBoxHandler(std::move(m_previousBox));
    setBeepHandler(std::move(m_previousBeep));
}

}  // namespace ui
