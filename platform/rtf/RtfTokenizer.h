#pragma once
#include <QByteArrayView>

namespace qm::rtf {

enum class TokenType {
    End,           // no more input
    GroupOpen,     // {
    GroupClose,    // }
    ControlWord,   // \word or \wordN
    ControlSymbol, // \ followed by one non-letter (\~ \- \* \{ ...); a backslash before a line end gives '\n'
    Text,          // a run of plain bytes (line ends are dropped)
    HexByte,       // \'hh
    Binary,        // the data that follows \binN
};

struct Token {
    TokenType type = TokenType::End;
    QByteArrayView word; // ControlWord: the letters
    bool hasParam = false;
    int param = 0;       // clamped to the int range
    char symbol = 0;     // ControlSymbol
    QByteArrayView data; // Text and Binary
    unsigned char byte = 0; // HexByte

    // The parameter as a measure in twips, held to the 22 inches either way
    // that word processors allow for a page, an indent or a cell boundary,
    // so that sums and differences of measures cannot overflow.
    int twips() const { return qBound(-kMaxTwips, param, kMaxTwips); }
    static constexpr int kMaxTwips = 22 * 1440;
};

// Splits RTF bytes into tokens. Every call to next() consumes input or
// returns End, so a reader driven by it always finishes.
class Tokenizer {
public:
    explicit Tokenizer(QByteArrayView input);
    Token next();
    qsizetype offset() const { return qsizetype(p_ - begin_); }

private:
    Token controlWord();
    const char* begin_;
    const char* p_;
    const char* end_;
    qsizetype pendingBinary_ = 0;
};

} // namespace qm::rtf
