#pragma once
#include "platform/rtf/RtfCodePage.h"
#include "platform/rtf/RtfContent.h"
#include "platform/rtf/RtfFontSize.h"
#include "platform/rtf/RtfGroupState.h"
#include "platform/rtf/RtfKeywords.h"
#include "platform/rtf/RtfPicture.h"
#include "platform/rtf/RtfReader.h"
#include "platform/rtf/RtfSymbolFont.h"
#include "platform/rtf/RtfTableBuilder.h"
#include "platform/rtf/RtfTables.h"
#include "platform/rtf/RtfTokenizer.h"

#include <QHash>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <array>
#include <climits>
#include <optional>
#include <vector>

namespace qm::rtf {

// The reader's state machine: a stack of group states fed by the tokenizer,
// writing into the document through one cursor that always sits at the place
// where text is added.
class RtfParser {
public:
    RtfParser(QTextDocument& doc, const RtfReadOptions& options);
    RtfContent run(QByteArrayView bytes);
    // The same read in parts: begin(), then readFor() until it returns true
    // (all read), then finishParts(). The bytes outlive the parser.
    void begin(QByteArrayView bytes);
    bool readFor(qint64 nanoseconds);
    RtfContent finishParts();

private:
    struct Field {
        QString instruction;
        int link = -1;
        bool resultSeen = false;
    };
    struct Note {
        QString mark; // the number its reference mark shows; empty for an author's own mark
        QString text;
        CharState chr;      // the formats of its first words, for all of it
        bool chrSet = false;
    };

    // tokens (RtfParser.cpp)
    bool step(); // false once the input or the document's group has ended
    void groupOpen();
    void groupClose();
    void controlWord(const Token& t, bool starred);
    void controlSymbol(char c, bool firstInGroup);
    void binary(QByteArrayView bytes);

    // output (RtfParser.cpp)
    void putText(const QString& s);
    void putChar(char16_t c);
    void flushText();
    void ensureContext();
    void endParagraph();
    // long runs of empty paragraphs (RtfParserBlankLines.cpp)
    bool deferBlankEnd();
    void flushBlanks();
    void noteBlockMade();
    RtfContent finish();
    void applyTabStops();

    // groups that are not running text (RtfParserDestinations.cpp)
    bool startDestination(Kw kw);
    void finishDestination(const GroupState& ended);
    void insertPicture(const CharState& chr);
    void insertObject();
    void addMark();
    void tagPendingMarks(QTextFormat& f);

    // text bytes, code pages and notes (RtfParserText.cpp)
    void text(QByteArrayView bytes);
    bool consumeFallback(const Token& t);
    void hexByte(unsigned char b);
    void flushDecoder();
    void putDecoded(const QString& s);
    void decodeBytes(QByteArrayView bytes, QString& out);
    int codePageOf(int font) const;
    SymbolFont symbolFontOf(int font) const;
    void noteMark();
    void appendNotes();

    // a list item's bullet or number (RtfParserListText.cpp)
    bool listTextWord(Kw kw) const;
    bool setsLineHeight(const GroupState& g) const;

    // formatting (RtfParserFormatting.cpp)
    bool characterWord(Kw kw, const Token& t);
    bool paragraphWord(Kw kw, const Token& t);
    bool tableWord(Kw kw, const Token& t);
    bool pictureWord(Kw kw, const Token& t);
    // The format of text in the state; face, when given, gets the number of
    // the face it draws in (see FaceNumber).
    const QTextCharFormat& charFormat(const CharState& chr, int* face = nullptr);
    const QTextCharFormat& linkFormat(const CharState& chr, int* face = nullptr);
    static void workOutHash(const QTextCharFormat& f);
    QTextBlockFormat blockFormat(const ParaState& para, qreal singleLine);
    qreal singleLinePercent(const CharState& chr);
    qreal paragraphLinePercent();
    qreal spaceAbove(const ParaState& para) const;

    GroupState& cur() { return stack_.back(); }

    QTextDocument& doc_;
    RtfReadOptions options_;
    QTextCursor cursor_;
    std::optional<Tokenizer> tokens_;
    std::vector<GroupState> stack_; // [0] is the state outside every group
    int overflow_ = 0;              // groups opened beyond the depth limit
    bool started_ = false;          // the outermost group has opened
    bool done_ = false;             // ... and closed again
    bool starPending_ = false;
    bool groupFresh_ = false;       // no token yet since the last group opened
    int fallbackLeft_ = 0;          // \uc characters still to skip after \uN
    bool fallbackTrail_ = false;    // ... the one left is a lead byte's trail byte
    bool rawUtf8_ = false;          // plain bytes are UTF-8 (a file typed in an editor)
    int defaultFont_ = -1;
    int docCodePage_ = 1252;        // \ansicpg, \mac, \pc, \pca
    int defaultTabTwips_ = 720;     // \deftab; word processors space default stops half an inch apart
    CodePageDecoder decoder_;
    KeywordMemo keywords_;
    // How the last font used decodes; recomputed when the font or the tables change.
    bool fontsChanged_ = true;
    int keyFont_ = -1;
    int keyDocCodePage_ = 0;
    int keyCodePage_ = 1252;
    SymbolFont keySymbol_ = SymbolFont::None;

    QString pending_;
    int blockStart_ = INT_MAX;      // where the cursor's block started when last asked
    QString textBuffer_;            // text() decodes each run into it
    CharState pendingChr_;
    // The formats last made: pages switch between a few again and again.
    struct CachedFormat {
        CharState chr;
        QTextCharFormat format;
        bool valid = false;
        int face = 0;
    };
    std::array<CachedFormat, 32> formats_;
    int sizeMeasuresLeft_ = kMeasuredSizesPerPage; // see SetTextSize
    int newFacesLeft_ = kMeasuredSizesPerPage;     // see FaceNumber
    size_t nextFormat_ = 0;
    CachedFormat linkFormat_;       // the last link's

    FontTable fonts_;
    ColorTable colors_;
    RowDef rowDef_;
    // From \trowd to its \row, text is the row's even in paragraphs without
    // \intbl, as pages written by hand often have them.
    bool rowPending_ = false;
    TableBuilder table_;
    PictureData picture_;
    std::vector<Field> fields_;
    std::vector<Note> notes_;
    int noteMarks_ = 0;             // reference marks numbered so far
    QString destText_;
    QSize objectSize_;
    bool pageBreakBefore_ = false;
    ParaState lastTextPara_;        // paragraph state of the last text written
    // The largest text of the paragraph so far sets its line height.
    CharState paraChr_;
    bool paraChrSet_ = false;
    bool paraPicture_ = false;      // ... unless it holds a picture or an object
    QHash<quint64, qreal> linePercents_; // by font, size, bold and italic
    struct {
        ParaState para;
        qreal single = -1;
        qreal top = -1;
        QTextBlockFormat format;
    } madeBlock_;                   // the block format made last, and what it was made from
    struct {
        QTextBlock block;           // the block the last paragraph end made
        ParaState para;             // ... the paragraph formats it carries over
        qreal top = 0;              // ... its space above
        qreal line = 100;           // ... its line height
        CharState chr;              // ... and, when the ended block was empty, its character formats
        bool emptyChr = false;
        // Its block format and block character format, when known: asking
        // the document for them is most of the cost of an empty paragraph.
        QTextBlockFormat format;
        QTextCharFormat carried;
        bool formatKnown = false;
        bool carriedKnown = false;
        int position = -1;          // the cursor position and document length right after it was made
        int length = -1;
    } inherited_;
    // Empty paragraphs ended in a row, and how many of them wait to be
    // written: past a few dozen they are written as empty lines of shared
    // blocks, which look the same and cost one block per many lines.
    int blankRun_ = 0;
    int blanks_ = 0;
    // Paragraphs follow one another in one flow until a table, a row or a
    // cell starts or a table ends; each of those starts a new flow.
    int flow_ = 0;
    struct {
        int flow = -1;
        int afterTwips = 0;
    } above_;                       // the last paragraph ended: its flow and its space after

    RtfContent content_;
    std::vector<int> markGroup_;    // per mark: the group tagged on the content after it
    std::vector<int> pendingMarks_; // marks waiting for content to follow them
    int markGroups_ = 0;
    int imageCount_ = 0;
};

} // namespace qm::rtf
