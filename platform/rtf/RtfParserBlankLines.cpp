#include "platform/rtf/RtfParser.h"

#include <QTextDocument>

// Long runs of empty paragraphs. Each block costs the document far more than
// a character, and a page of nothing but paragraph marks would otherwise
// take seconds to show. Past the first few dozen in a row, empty paragraphs
// are counted instead of written, and then written as empty lines that
// share a block: a block of n line separators shows the same n + 1 lines,
// at the same heights, as n + 1 empty paragraphs, and its text reads the same.
namespace qm::rtf {
namespace {
constexpr int kBlanksBeforeSharing = 32;
constexpr int kLinesPerSharedBlock = 64;
} // namespace

// Counts this paragraph end instead of writing it when it ends one more
// empty paragraph exactly like the one before it, with nothing above, below
// or between its lines that sharing a block would change.
bool RtfParser::deferBlankEnd()
{
    if (blankRun_ < kBlanksBeforeSharing || !pending_.isEmpty() || pageBreakBefore_ || !pendingMarks_.empty())
        return false;
    const ParaState& para = cur().para;
    if (para.inTable || rowPending_ || table_.active()) return false;
    if (!inherited_.formatKnown || !inherited_.carriedKnown || !inherited_.emptyChr) return false;
    if (!(inherited_.para == para) || !(inherited_.chr == cur().chr)) return false;
    if (inherited_.top != 0 || para.afterTwips > 0 || para.lineSpacing != 0 || spaceAbove(para) != 0) return false;
    // The block the last paragraph end made must still be empty and the cursor in it.
    if (blanks_ == 0 && (cursor_.position() != inherited_.position || doc_.characterCount() != inherited_.length))
        return false;
    ++blanks_;
    ++blankRun_;
    above_ = {flow_, para.afterTwips};
    return true;
}

// Writes the counted empty paragraphs; the cursor ends in a new empty block
// with the same formats, as if each had been written on its own.
void RtfParser::flushBlanks()
{
    if (blanks_ == 0) return;
    int left = blanks_;
    blanks_ = 0;
    const QTextCharFormat carried = inherited_.carried;
    while (left > 0) {
        const int lines = qMin(left, kLinesPerSharedBlock);
        if (lines > 1) cursor_.insertText(QString(lines - 1, QChar::LineSeparator), carried);
        cursor_.insertBlock(inherited_.format, carried);
        left -= lines;
    }
    inherited_.block = cursor_.block();
    noteBlockMade();
}

void RtfParser::noteBlockMade()
{
    inherited_.position = cursor_.position();
    inherited_.length = doc_.characterCount();
}

} // namespace qm::rtf
