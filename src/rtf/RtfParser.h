#pragma once

#include "rtf/RtfCodePage.h"
#include "rtf/RtfControlWords.h"
#include "rtf/RtfDestinations.h"
#include "rtf/RtfDocumentBuilder.h"
#include "rtf/RtfReader.h"
#include "rtf/RtfState.h"
#include "rtf/RtfTableDefinition.h"
#include "rtf/RtfTokenizer.h"

#include <vector>

namespace rtf {

// Reads the token stream with an explicit stack of group states: nesting never uses the
// C++ stack, and the state stack stops growing at the depth limit.
class Parser {
public:
    Parser(QTextDocument& document, const QByteArray& data, const Limits& limits, ReadReport& report);

    void run();

private:
    enum Warning { TooDeep, Unbalanced, Truncated, TextCut, TableCut, PictureProblem, WarningCount };

    void openGroup();
    void closeGroup();
    bool consumeFallback(Token& token);
    void controlWord(const Token& token);
    void textControlWord(const ControlWord& entry, const Token& token);
    void destinationControlWord(const ControlWord& entry, const Token& token);
    void tableControlWord(const ControlWord& entry, const Token& token);
    void startDestination(Destination destination);
    void controlSymbol(char symbol);
    void text(QByteArrayView bytes);
    void skipBinary(const Token& token);
    void finishPicture();
    void emitText(const QString& text);
    void flushBytes();
    int codePage() const;
    const QTextCharFormat& charFormat();
    const Font* textFont(int fontIndex) const;
    QTextBlockFormat blockFormat() const;
    void warn(Warning which, const QString& text);

    const Limits& limits_;
    ReadReport& report_;
    Tokenizer tokenizer_;
    DocumentBuilder builder_;
    CodePageDecoder decoder_;

    GroupState state_;
    std::vector<GroupState> stack_;
    int overflowDepth_ = 0;    // groups opened beyond the depth limit, skipped whole
    bool groupStart_ = false;  // no token since the latest '{': only here \* marks a destination
    bool ended_ = false;       // the root group is closed: what follows is no part of the document
    int fallbackPending_ = 0;  // characters after \uN still to be skipped
    QByteArray bytes_;         // text bytes not yet decoded
    int ansiCodePage_ = 1252;
    int defaultFont_ = -1;

    FontTable fonts_;
    ColorTable colors_;
    Picture picture_;
    qsizetype pictureDepth_ = -1;              // stack depth of the open \pict group
    qsizetype picturePixels_ = 0;              // decoded so far
    RowDefinitionReader rowDefinition_;        // of the first level's tables
    RowDefinitionReader nestedRowDefinition_;  // of the tables within them
    ParaState lastPara_;                       // the paragraph format of the latest text

    CharState cachedChars_;
    int cachedFont_ = -2;
    QTextCharFormat cachedFormat_;
    bool warned_[WarningCount] = {};
};

}  // namespace rtf
