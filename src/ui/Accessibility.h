#pragma once

class QAbstractItemView;

namespace ui {

// What a screen reader is told, where Qt's own interfaces lose it:
// - a drop-down list keeps its own name whatever entry is chosen (Qt on Linux
//   names a list after its entry), the entry is its value and its text, and a
//   new entry chosen while it holds the focus is announced;
// - a status mark is a check box named after its row, checked when the row was
//   counted, unchecked when it was not, hidden while it shows nothing;
// - a window made from a plain widget is a window, not a filler.
// Once the application exists; a second call changes nothing.
void installAccessibleInterfaces();

// The view's current entry is announced whenever the view takes the focus,
// not only when it changes (a list of printers opened with one preselected).
void announceCurrentItemOnFocus(QAbstractItemView* view);

}  // namespace ui
