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
    // The user chooses with the normal pointer; a busy pointer that was on
    // comes back for the work that follows.
    QList<QCursor> suspended;
    while (const QCursor* busy = QApplication::overrideCursor()) {
        suspended.prepend(*busy);
        QApplication::restoreOverrideCursor();
    }
    const QString path = handler()(SaveDialogCall{title, suggestedPath, filter});
    for (const QCursor& busy : suspended)
        QApplication::setOverrideCursor(busy);
    return path;
}

SaveDialogHandler setSaveDialogHandler(SaveDialogHandler replacement)
{
    return std::exchange(handler(), std::move(replacement));
}

SaveDialogRecorder::SaveDialogRecorder()
{
    m_previous = setSaveDialogHandler([this](const SaveDialogCall& call) {
        calls.append(call);
        if (onCall)
            onCall(call);
        return answer;
    });
}

SaveDialogRecorder::~SaveDialogRecorder()
{
    setSaveDialogHandler(std::move(m_previous));
}

}  // namespace ui
