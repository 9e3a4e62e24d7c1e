#include "platform/rtf/RtfTokenizer.h"

#include <climits>

namespace qm::rtf {
namespace {
inline bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
inline bool isDigit(char c) { return c >= '0' && c <= '9'; }
inline int hexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}
// Control words are short; anything longer is garbage and is cut here.
constexpr int kMaxWordLetters = 32;
constexpr int kMaxParamDigits = 10;
} // namespace

Tokenizer::Tokenizer(QByteArrayView input)
    : begin_(input.data()), p_(input.data()), end_(input.data() + input.size())
{
}

Token Tokenizer::next()
{
    Token t;
    if (pendingBinary_ > 0) {
        const qsizetype n = qMin<qsizetype>(pendingBinary_, end_ - p_);
        pendingBinary_ = 0;
        t.type = TokenType::Binary;
        t.data = QByteArrayView(p_, n);
        p_ += n;
        return t;
    }
    while (p_ < end_ && (*p_ == '\r' || *p_ == '\n')) ++p_;
    if (p_ >= end_) return t;

    const char c = *p_;
    if (c == '{') { ++p_; t.type = TokenType::GroupOpen; return t; }
    if (c == '}') { ++p_; t.type = TokenType::GroupClose; return t; }
    if (c == '\\') {
        ++p_;
        if (p_ >= end_) return t;
        const char s = *p_;
        if (isLetter(s)) return controlWord();
        ++p_;
        if (s == '\'') {
            const int hi = p_ < end_ ? hexValue(p_[0]) : -1;
            const int lo = p_ + 1 < end_ ? hexValue(p_[1]) : -1;
            if (hi >= 0 && lo >= 0) {
                p_ += 2;
                t.type = TokenType::HexByte;
                t.byte = static_cast<unsigned char>(hi * 16 + lo);
                return t;
            }
            if (hi >= 0) ++p_; // a cut-off \'h: drop its one digit
        }
        t.type = TokenType::ControlSymbol;
        t.symbol = (s == '\r') ? '\n' : s;
        return t;
    }

    const char* start = p_;
    while (p_ < end_ && *p_ != '\\' && *p_ != '{' && *p_ != '}' && *p_ != '\r' && *p_ != '\n') ++p_;
    t.type = TokenType::Text;
    t.data = QByteArrayView(start, p_ - start);
    return t;
}

Token Tokenizer::controlWord()
{
    Token t;
    t.type = TokenType::ControlWord;
    const char* start = p_;
    while (p_ < end_ && isLetter(*p_)) ++p_;
    t.word = QByteArrayView(start, qMin<qsizetype>(p_ - start, kMaxWordLetters));

    bool negative = false;
    if (p_ < end_ && *p_ == '-' && p_ + 1 < end_ && isDigit(p_[1])) {
        negative = true;
        ++p_;
    }
    if (p_ < end_ && isDigit(*p_)) {
        long long value = 0;
        int digits = 0;
        while (p_ < end_ && isDigit(*p_)) {
            if (digits < kMaxParamDigits) value = value * 10 + (*p_ - '0');
            ++digits;
            ++p_;
        }
        if (negative) value = -value;
        t.hasParam = true;
        t.param = int(qBound((long long)INT_MIN, value, (long long)INT_MAX));
    }
    if (p_ < end_ && *p_ == ' ') ++p_;

    if (t.word == "bin" && t.hasParam && t.param > 0) pendingBinary_ = t.param;
    return t;
}

} // namespace qm::rtf
