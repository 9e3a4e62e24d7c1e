#pragma once
#include <QString>

namespace qm {

// Page text holds a zero-width joiner between a word and the space after it
// where the word's last letter reaches past its advance, so that lines break
// where the author's word processor breaks them (see rtf/RtfOverhang.h). It
// is the reader's, not the author's: the text a learner sees, selects or
// copies never holds it.
constexpr char16_t kWordJoiner = 0x2060;
// Fonts without a word joiner would draw it from another font, whose height
// can make the line taller; before a space a zero width space does the same.
constexpr char16_t kZeroWidthSpace = 0x200B;

inline bool IsJoiner(QChar c) { return c.unicode() == kWordJoiner || c.unicode() == kZeroWidthSpace; }

QString VisibleText(QString text);

// Positions in the visible text, and in the document that holds the joiners.
// A visible position maps to the document's position before its character.
int DocumentPosition(const QString& documentText, int visible);
int VisiblePosition(const QString& documentText, int position);

} // namespace qm
