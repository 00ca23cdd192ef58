#pragma once

#include <QTextFormat>

namespace rtf {

// A block format property of the documents the reader fills, which printing
// honours: true keeps the block on the page where the next block starts, as a
// heading stays with its text.
constexpr int KeepWithNextProperty = QTextFormat::UserProperty + 1;

}  // namespace rtf
