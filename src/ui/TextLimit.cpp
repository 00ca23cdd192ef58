#include "ui/TextLimit.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QVariant>

namespace ui {

namespace {

const char* const kMaxLengthProperty = "zelvaroMaxLength";

int textLength(const QPlainTextEdit* edit)
{
    // The document counts the closing paragraph separator as a character.
    return edit->document()->characterCount() - 1;
}

void cutBack(QPlainTextEdit* edit)
{
    const int limit = maxLength(edit);
    const int excess = limit > 0 ? textLength(edit) - limit : 0;
    if (excess <= 0)
        return;

    // The overflow was just inserted in front of the cursor; drop it from there
    // so that the text before and after the insertion survives.
    QTextCursor cursor = edit->textCursor();
    const int end = cursor.position();
    int start = end - excess;
    // Never leave half of a surrogate pair behind.
    if (start > 0 && edit->document()->characterAt(start).isLowSurrogate())
        --start;
    if (start >= 0) {
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
    } else {
        cursor.setPosition(limit);
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    }
    // One undo step together with the insertion that overflowed.
    cursor.joinPreviousEditBlock();
    cursor.removeSelectedText();
    cursor.endEditBlock();
    edit->setTextCursor(cursor);
}

}  // namespace

void setMaxLength(QPlainTextEdit* edit, int maxLength)
{
    const bool connected = edit->property(kMaxLengthProperty).isValid();
    edit->setProperty(kMaxLengthProperty, maxLength);
    if (!connected)
        QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit] { cutBack(edit); });
    cutBack(edit);
}

int maxLength(const QPlainTextEdit* edit)
{
    return edit->property(kMaxLengthProperty).toInt();
}

}  // namespace ui
