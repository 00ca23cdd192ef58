#pragma once

#include <QImage>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

#include <vector>

class QTextDocument;
class QTextTable;

namespace rtf {

struct Limits;
struct RowDefinition;

// Writes paragraphs, text runs, tables and images into a QTextDocument. Text is collected
// and written in runs of one format, since cursor inserts are costly one character at a time.
// The level of a paragraph says where it goes: 0 outside tables, 1 into a table's cell, 2 into
// a cell of a table in such a cell, and so on.
class DocumentBuilder {
public:
    // Tables within tables deeper than this take the cells of the deeper ones as their own.
    static constexpr int maxTableLevel = 8;

    DocumentBuilder(QTextDocument& document, const Limits& limits);

    void addText(const QString& text, const QTextCharFormat& format, int level);
    void endParagraph(const QTextBlockFormat& format, int level);
    void pageBreak(const QTextBlockFormat& format, int level);
    void endCell(const QTextBlockFormat& format, int level);
    // Ends the row of the table at that level and gives its cells the row's formats.
    void endRow(int level, const RowDefinition& row);
    // The row definition a table of the first level starts with; it changes as the reading goes on.
    void setRowDefinition(const RowDefinition& row) { row_ = &row; }
    // False when the picture limit left no room for it.
    bool addImage(const QImage& image, QSizeF size, int level);
    void finish(const QTextBlockFormat& format, int level);

    // True once the text limit is reached; nothing more is added then.
    bool full() const { return full_; }
    bool tableCut() const { return tableLimitReached_ || cellsMerged_; }

private:
    struct OpenTable {
        QTextTable* table = nullptr;
        int row = 0;
        int column = 0;
        bool rowOpen = true;
    };

    bool reserve(qsizetype characters);
    void flush();
    void place(int level);
    bool enterCell();
    bool startTable();
    void leaveTable();
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

    std::vector<OpenTable> tables_;  // the open tables, each in a cell of the one before it
    const RowDefinition* row_ = nullptr;
    QTextTable* cursorTable_ = nullptr;  // the cell the cursor stands in
    int cursorRow_ = -1;
    int cursorColumn_ = -1;
    bool tableLimitReached_ = false;
    bool cellsMerged_ = false;
    int images_ = 0;
    double gutter_ = 0;  // room left of the text edge that paragraphs reach into
};

}  // namespace rtf
