#include "rtf/RtfDocumentBuilder.h"

#include "rtf/RtfReader.h"
#include "rtf/RtfState.h"

#include <QTextDocument>
#include <QTextFrame>
#include <QTextImageFormat>
#include <QUrl>

#include <algorithm>

namespace rtf {

DocumentBuilder::DocumentBuilder(QTextDocument& document, const Limits& limits)
    : document_(document)
    , limits_(limits)
    , cursor_(&document)
{
}

bool DocumentBuilder::reserve(qsizetype characters)
{
    if (full_)
        return false;
    if (written_ + characters > limits_.maxTextLength) {
        full_ = true;
        return false;
    }
    written_ += characters;
    return true;
}

void DocumentBuilder::flush()
{
    if (pending_.isEmpty())
        return;
    cursor_.insertText(pending_, pendingFormat_);
    pending_.clear();
}

void DocumentBuilder::addText(const QString& text, const QTextCharFormat& format, int level)
{
    if (text.isEmpty() || full_)
        return;
    const qsizetype room = limits_.maxTextLength - written_;
    const QStringView kept = QStringView(text).left(std::max<qsizetype>(0, room));
    if (!reserve(kept.size()) || kept.size() < text.size())
        full_ = true;
    if (kept.isEmpty())
        return;
    place(level);
    if (!pending_.isEmpty() && format != pendingFormat_)
        flush();
    if (pending_.isEmpty())
        pendingFormat_ = format;
    pending_ += kept;
}

namespace {

// Left of the text edge the document makes room for this much; beyond it a paragraph moves right.
constexpr double maxGutter = 96;  // an inch

}  // namespace

void DocumentBuilder::applyBlockFormat(const QTextBlockFormat& format)
{
    QTextBlockFormat block = format;
    // Word hangs a heading's number into the page margin (\li0\fi-432) and lets a paragraph start
    // there (\li-360); the view has no such margin. The document's paragraphs and tables move right
    // to make room at the end, so that they keep their places to each other; in a table there is
    // no room to make, and the paragraph moves right itself.
    const double overhang = -std::min(block.leftMargin(), block.leftMargin() + block.textIndent());
    if (overhang > 0) {
        const double room = tables_.empty() ? maxGutter : 0;
        if (overhang > room)
            block.setLeftMargin(block.leftMargin() + overhang - room);
        gutter_ = std::max(gutter_, std::min(overhang, room));
    }
    if (breakBefore_) {
        block.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        breakBefore_ = false;
    }
    cursor_.setBlockFormat(block);
}

void DocumentBuilder::endParagraph(const QTextBlockFormat& format, int level)
{
    if (!reserve(1))
        return;
    place(level);
    flush();
    applyBlockFormat(format);
    cursor_.insertBlock();
}

void DocumentBuilder::pageBreak(const QTextBlockFormat& format, int level)
{
    endParagraph(format, level);
    if (!full_ && tables_.empty())
        breakBefore_ = true;
}

bool DocumentBuilder::addImage(const QImage& image, QSizeF size, int level)
{
    if (images_ >= limits_.maxPictures)
        return false;
    if (!reserve(1))
        return true;
    place(level);
    flush();
    const QString name = QStringLiteral("rtf-image-%1").arg(images_++);
    document_.addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.setName(name);
    if (size.width() > 0 && size.height() > 0) {
        format.setWidth(size.width());
        format.setHeight(size.height());
    }
    cursor_.insertImage(format);
    return true;
}

void DocumentBuilder::finish(const QTextBlockFormat& format, int level)
{
    flush();
    if (tables_.empty() && level == 0)
        applyBlockFormat(format);
    if (gutter_ > 0)
        makeGutter();
}

void DocumentBuilder::makeGutter()
{
    for (auto it = document_.rootFrame()->begin(); !it.atEnd(); ++it) {
        if (QTextFrame* frame = it.currentFrame()) {
            QTextFrameFormat format = frame->frameFormat();
            format.setLeftMargin(format.leftMargin() + gutter_);
            frame->setFrameFormat(format);
        } else {
            QTextBlockFormat format = it.currentBlock().blockFormat();
            format.setLeftMargin(format.leftMargin() + gutter_);
            QTextCursor(it.currentBlock()).setBlockFormat(format);
        }
    }
}

}  // namespace rtf
