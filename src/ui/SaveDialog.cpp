#include "ui/SaveDialog.h"

#include <QApplication>
#include <QFileDialog>

namespace ui {

namespace {

QString showRealDialog(const SaveDialogCall& call)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), call.title, call.suggestedPath, call.filter);
}

SaveDialogHandler& handler()
{
    static SaveDialogHandler current = showRealDialog;
    return current;
}

}  // namespace

QString saveFileName(const QString& title, const QString& suggestedPath, const QString& filter)
{
    return handler()(SaveDialogCall{title, suggestedPath, filter});
}

SaveDialogHandler setSaveDialogHandler(SaveDialogHandler replacement)
{
    return std::exchange(handler(), std::move(replacement));
}

SaveDialogRecorder::SaveDialogRecorder()
{
    m_previous = setSaveDialogHandler([this](const SaveDialogCall& call) {
        calls.append(call);
        return answer;
    });
}

SaveDialogRecorder::~SaveDialogRecorder()
{
    setSaveDialogHandler(std::move(m_previous));
}

}  // namespace ui
