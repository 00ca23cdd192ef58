#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

class QTextDocument;
class QTextTable;

namespace rtf {

struct Limits;

struct CellDefinition {
    int rightTwips = 0;  // \cellx: the right boundary
    QColor shading;      // \clcbpat: the background, invalid for none
};

// Writes paragraphs, text runs, tables and images into a QTextDocument. Text is collected
// and written in runs of one format, since cursor inserts are costly one character at a time.
class DocumentBuilder {
public:
    DocumentBuilder(QTextDocument& document, const Limits& limits);

    void addText(const QString& text, const QTextCharFormat& format, bool inTable);
    void endParagraph(const QTextBlockFormat& format, bool inTable);
    void pageBreak(const QTextBlockFormat& format, bool inTable);
    void endCell(const QTextBlockFormat& format);
    void endRow();
    // The cells of the row being defined (\trowd ... \cellx).
    void setRowCells(const QList<CellDefinition>& cells) { cells_ = cells; }
    // False when the picture limit left no room for it.
    bool addImage(const QImage& image, QSizeF size, bool inTable);
    void finish(const QTextBlockFormat& format, bool inTable);

    // True once the text limit is reached; nothing more is added then.
    bool full() const { return full_; }
    bool tableCut() const { return tableLimitReached_ || cellsMerged_; }

private:
    bool reserve(qsizetype characters);
    void flush();
    void place(bool inTable);
    void enterCell();
    void leaveTable();
    void startTable();
    void applyBlockFormat(const QTextBlockFormat& format);
    void makeGutter();

    QTextDocument& document_;
    const Limits& limits_;
    QTextCursor cursor_;
    QString pending_;
    QTextCharFormat pendingFormat_;
    qsizetype written_ = 0;
    bool full_ = false;
    bool breakBefore_ = false;

    QTextTable* table_ = nullptr;
    QList<CellDefinition> cells_;
    int row_ = 0;
    int column_ = 0;
    bool rowOpen_ = false;
    int cursorRow_ = -1;
    int cursorColumn_ = -1;
    bool tableLimitReached_ = false;
    bool cellsMerged_ = false;
    int images_ = 0;
    double gutter_ = 0;  // room left of the text edge that paragraphs reach into
};

}  // namespace rtf
