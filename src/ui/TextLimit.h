#pragma once

class QPlainTextEdit;

namespace ui {

// A maximum length for multi-line text fields, as QLineEdit::setMaxLength
// gives single-line ones: whatever is typed, pasted or dropped beyond the limit
// is dropped at the place it was inserted, the rest of the text stays as it was.
// 0 removes the limit.
void setMaxLength(QPlainTextEdit* edit, int maxLength);
int maxLength(const QPlainTextEdit* edit);

}  // namespace ui
