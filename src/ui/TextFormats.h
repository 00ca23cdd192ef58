#pragma once

#include <QTextFormat>

namespace ui {

// A block format property of the documents the program shows and prints: true
// keeps the block on the page where the next block starts, as a heading stays
// with its text.
constexpr int KeepWithNextProperty = QTextFormat::UserProperty + 1;

}  // namespace ui
