#pragma once

class QPagedPaintDevice;
class QPrinter;
class QTextDocument;
class QWidget;

namespace printers {

// Draws the widget's own painting (its paint event; it draws its children
// itself if it shows them) onto the printer as one page, scaled to fit the
// printable area with its aspect ratio kept, centred. The widget is recorded
// as drawing commands and replayed, so text stays text and lines stay lines.
// Returns false when the printer cannot be opened.
bool paintWidgetPage(QPrinter& printer, QWidget& page);

// Flows the document onto as many pages as it needs, with the indents and
// spacing the view shows. It says nothing when the printer cannot be opened:
// the caller checks what was written.
void paintDocument(QPrinter& printer, const QTextDocument& document);

}  // namespace printers
