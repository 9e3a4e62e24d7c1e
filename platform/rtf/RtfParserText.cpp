#include "platform/rtf/RtfCharacters.h"
#include "platform/rtf/RtfKerning.h"
#include "platform/rtf/RtfParser.h"

#include <QTextBlock>

// Text bytes in the code page in force, Unicode fallbacks, symbol fonts, and notes.
namespace qm::rtf {
using namespace chars;

// After \uN the next \uc characters are the fallback for readers without
// Unicode: plain bytes, \'hh and control words each count one; a brace ends
// it. A fallback never ends inside a double-byte character: the trail byte
// of a lead byte it ended on goes with it.
bool RtfParser::consumeFallback(const Token& t)
{
    const bool trailOnly = fallbackTrail_;
    fallbackTrail_ = false;
    switch (t.type) {
    case TokenType::GroupOpen:
    case TokenType::GroupClose:
    case TokenType::End:
        fallbackLeft_ = 0;
        return false;
    case TokenType::Text: {
        const qsizetype n = qMin<qsizetype>(fallbackLeft_, t.data.size());
        fallbackLeft_ -= int(n);
        if (n < t.data.size()) text(t.data.sliced(n));
        return true;
    }
    case TokenType::Binary:
        return true;
    case TokenType::HexByte:
        if (--fallbackLeft_ == 0 && !trailOnly && IsLeadByte(codePageOf(cur().chr.font), t.byte)) {
            fallbackLeft_ = 1;
            fallbackTrail_ = true;
        }
        return true;
    default:
        if (trailOnly) {
            fallbackLeft_ = 0;
            return false;
        }
        --fallbackLeft_;
        return true;
    }
}

void RtfParser::text(QByteArrayView bytes)
{
    const Destination d = cur().dest;
    if (d == Destination::Skip || bytes.isEmpty()) return;
    if (d == Destination::Picture) {
        picture_.addHex(bytes.data(), bytes.size());
        return;
    }
    if (d == Destination::ColorTable) {
        for (const char c : bytes)
            if (c == ';') colors_.endEntry();
        return;
    }
    // One buffer for every run: a page of formatting runs has hundreds of
    // thousands of them, most a few characters long.
    QString& s = textBuffer_;
    s.resize(0);
    if (rawUtf8_) {
        flushDecoder(); // text read apart from the decoder ends what it held
        const QString all = QString::fromUtf8(bytes.data(), bytes.size());
        if (s.capacity() <= all.size()) s.reserve(2 * all.size());
        for (const QChar c : all)
            if (!dropped(c.unicode())) s.append(QChar(structural(c.unicode())));
    } else {
        if (s.capacity() <= bytes.size()) s.reserve(2 * bytes.size());
        decodeBytes(bytes, s);
        QChar* const begin = s.data();
        QChar* to = begin;
        for (const QChar* from = begin; from != begin + s.size(); ++from)
            if (!dropped(from->unicode())) *to++ = QChar(structural(from->unicode()));
        s.truncate(to - begin);
    }
    if (d == Destination::FontTable) fonts_.addText(s);
    else putText(s);
}

void RtfParser::hexByte(unsigned char b)
{
    const Destination d = cur().dest;
    if (d == Destination::Skip || d == Destination::Picture) return;
    if (d == Destination::ColorTable) {
        if (b == ';') colors_.endEntry();
        return;
    }
    QString s;
    decodeBytes(QByteArrayView(reinterpret_cast<const char*>(&b), 1), s);
    putDecoded(s); // nothing yet for a lead byte waiting for its trail byte
}

void RtfParser::flushDecoder()
{
    if (!decoder_.pending()) return;
    QString s;
    decoder_.flush(s);
    const Destination d = cur().dest;
    if (d != Destination::Skip && d != Destination::Picture && d != Destination::ColorTable) putDecoded(s);
}

void RtfParser::putDecoded(const QString& s)
{
    if (s.isEmpty()) return;
    if (cur().dest == Destination::FontTable) fonts_.addText(s);
    else for (const QChar c : s) putChar(c.unicode());
}

// The code page in force: the font's own (\cpg, then a character set other
// than ANSI), else the document's. A Latin font (character set 0) never
// holds double-byte characters: in a Chinese, Japanese or Korean document
// its bytes are Windows-1252; nor does a symbol font, whatever its set.
int RtfParser::codePageOf(int font) const
{
    const int n = font >= 0 ? font : defaultFont_;
    if (symbolFontOf(font) != SymbolFont::None) return 1252;
    if (const int cpg = fonts_.codePage(n); cpg > 0) return cpg;
    const int charset = fonts_.charset(n);
    if (charset > 0)
        if (const int cp = CodePageOfCharset(charset); cp > 0) return cp;
    if (charset == 0 && IsDoubleByteCodePage(docCodePage_)) return 1252;
    return docCodePage_;
}

SymbolFont RtfParser::symbolFontOf(int font) const
{
    const int n = font >= 0 ? font : defaultFont_;
    return SymbolFontOf(fonts_.family(n), fonts_.charset(n));
}

void RtfParser::decodeBytes(QByteArrayView bytes, QString& out)
{
    if (cur().dest == Destination::FontTable) {
        fontsChanged_ = true;
        decoder_.setCodePage(docCodePage_);
        decoder_.decode(bytes, out);
        return;
    }
    const int font = cur().chr.font;
    if (fontsChanged_ || font != keyFont_ || docCodePage_ != keyDocCodePage_) {
        fontsChanged_ = false;
        keyFont_ = font;
        keyDocCodePage_ = docCodePage_;
        keySymbol_ = symbolFontOf(font);
        keyCodePage_ = codePageOf(font);
    }
    if (keySymbol_ != SymbolFont::None) {
        // Bytes with no sign of their own read as Windows-1252.
        decoder_.setCodePage(1252);
        for (const char c : bytes) {
            const auto b = static_cast<unsigned char>(c);
            if (const char16_t u = SymbolFontCharacter(keySymbol_, b)) out.append(QChar(u));
            else decoder_.decodeByte(b, out);
        }
        return;
    }
    decoder_.setCodePage(keyCodePage_);
    decoder_.decode(bytes, out);
}

// \chftn: in the text, the next note's number; in a note, its own number.
void RtfParser::noteMark()
{
    const GroupState& g = cur();
    if (g.dest == Destination::Note) {
        // The mark is usually raised and smaller than the note's words.
        Note& n = notes_[size_t(g.note)];
        appendCapped(n.text, n.mark, kMaxNoteText);
    } else if (g.dest == Destination::Text) {
        putText(QString::number(++noteMarks_));
    }
}

// Notes are shown at the end of the page, each in its own paragraphs.
void RtfParser::appendNotes()
{
    bool any = false;
    for (const Note& n : notes_) any = any || !n.text.trimmed().isEmpty();
    if (!any) return;
    table_.finish(cursor_);
    cursor_.movePosition(QTextCursor::End);
    QTextCharFormat plain = charFormat(stack_.front().chr);
    // A short rule above the notes, as word processors draw it.
    QTextBlockFormat rule;
    rule.setTopMargin(12);
    rule.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth, QTextLength(QTextLength::PercentageLength, 30));
    if (cursor_.block().length() > 1) cursor_.insertBlock(QTextBlockFormat(), plain);
    cursor_.setBlockFormat(rule);
    cursor_.setBlockCharFormat(plain);
    for (const Note& n : notes_) {
        QString text = n.text.trimmed();
        if (text.isEmpty()) continue;
        text.replace(QChar('\n'), QChar(QChar::ParagraphSeparator));
        fixSurrogates(text);
        CharState chr = stack_.front().chr;
        if (n.chrSet) {
            // A note is plain text in its own size, font and colour.
            chr.font = n.chr.font;
            chr.halfPoints = n.chr.halfPoints;
            chr.foreColor = n.chr.foreColor;
        }
        QTextCharFormat f = charFormat(chr);
        shapeIfNeeded(f, text);
        cursor_.insertBlock(blockFormat(ParaState{}, singleLinePercent(chr)), f);
        InsertKerned(cursor_, text, f, doc_.defaultFont());
    }
}

} // namespace qm::rtf
