#include "platform/rtf/RtfParser.h"
#include "platform/TextFile.h"

#include <QElapsedTimer>

// Feeding the tokens to the parser: a whole page at once, or in parts.
namespace qm::rtf {
namespace {
bool onlyBlanks(QByteArrayView b)
{
    for (const char c : b)
        if (c != ' ' && c != '\t') return false;
    return true;
}

// "{*\name": some generators leave out the star's backslash.
bool bareStar(QByteArrayView b, const Tokenizer& tokens)
{
    if (b.trimmed() != "*") return false;
    Tokenizer ahead = tokens;
    return ahead.next().type == TokenType::ControlWord;
}

bool hasHighBytes(QByteArrayView b)
{
    for (const char c : b)
        if (static_cast<unsigned char>(c) >= 0x80) return true;
    return false;
}

} // namespace

RtfContent RtfParser::run(QByteArrayView bytes)
{
    begin(bytes);
    // One edit block for the whole read: Qt then settles its frame structure
    // once at the end instead of after every edit (which is quadratic in the
    // number of tables). It is the writing cursor's: every cursor alive on
    // the document costs each insert a little.
    cursor_.beginEditBlock();
    while (step()) {}
    flushDecoder();
    RtfContent content = finish();
    cursor_.endEditBlock();
    return content;
}

void RtfParser::begin(QByteArrayView bytes)
{
    rawUtf8_ = hasHighBytes(bytes) && IsValidUtf8(bytes.toByteArray());
    tokens_.emplace(bytes);
}

bool RtfParser::readFor(qint64 nanoseconds)
{
    // Each part is an edit block of its own, so that the view lays out and
    // shows what it added.
    cursor_.beginEditBlock();
    QElapsedTimer clock;
    clock.start();
    bool more = true;
    for (int n = 1; more; ++n) {
        more = step();
        if (n % 256 == 0 && clock.nsecsElapsed() >= nanoseconds) break;
    }
    // Text still waiting for its run to end stays for the next part: a run
    // is kerned as a whole.
    applyTabStops();
    cursor_.endEditBlock();
    return !more;
}

RtfContent RtfParser::finishParts()
{
    cursor_.beginEditBlock();
    flushDecoder();
    RtfContent content = finish();
    cursor_.endEditBlock();
    return content;
}

bool RtfParser::step()
{
    if (done_ || !tokens_) return false;
    Tokenizer& tokens = *tokens_;
    const Token t = tokens.next();
    if (t.type == TokenType::End) return false;
    const bool firstInGroup = groupFresh_;
    // Blanks before a group's first control do not count.
    if (t.type != TokenType::Text || !onlyBlanks(t.data)) groupFresh_ = false;
    // A character's bytes never span a brace or a control word.
    if (t.type != TokenType::HexByte && t.type != TokenType::Text) flushDecoder();
    if (overflow_ > 0 && t.type != TokenType::GroupOpen && t.type != TokenType::GroupClose) return true;
    const bool starred = starPending_;
    starPending_ = false;
    if (fallbackLeft_ > 0 && consumeFallback(t)) return true;
    switch (t.type) {
    case TokenType::GroupOpen: groupOpen(); break;
    case TokenType::GroupClose: groupClose(); break;
    case TokenType::ControlWord: controlWord(t, starred); break;
    case TokenType::ControlSymbol: controlSymbol(t.symbol, firstInGroup); break;
    case TokenType::Text:
        // Word processors take it as the marked group it was meant to be.
        if (firstInGroup && bareStar(t.data, tokens)) controlSymbol('*', true);
        else text(t.data);
        break;
    case TokenType::HexByte: hexByte(t.byte); break;
    case TokenType::Binary: binary(t.data); break;
    case TokenType::End: break;
    }
    return !done_;
}

} // namespace qm::rtf
