#pragma once

#include <QList>
#include <QString>
#include <functional>

namespace ui {

struct SaveDialogCall {
    QString title;
    QString suggestedPath;
    QString filter;
};

// The standard save-file dialog, with the normal pointer while it is open.
// Returns the chosen path, or empty when the user cancelled.
QString saveFileName(const QString& title, const QString& suggestedPath, const QString& filter);

using SaveDialogHandler = std::function<QString(const SaveDialogCall&)>;
// Replace how the dialog is shown; returns the previous handler.
SaveDialogHandler setSaveDialogHandler(SaveDialogHandler handler);

// Answers save dialogs instead of showing them, for as long as it lives:
// each call is recorded and answered with `answer` (empty = cancel). onCall,
// when set, runs while the "dialog" is up.
class SaveDialogRecorder {
public:
    SaveDialogRecorder();
    ~SaveDialogRecorder();
    SaveDialogRecorder(const SaveDialogRecorder&) = delete;
    SaveDialogRecorder& operator=(const SaveDialogRecorder&) = delete;

    QList<SaveDialogCall> calls;
    QString answer;
    std::function<void(const SaveDialogCall&)> onCall;

private:
    SaveDialogHandler m_previous;
};

}  // namespace ui
