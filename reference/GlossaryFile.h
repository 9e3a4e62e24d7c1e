#pragma once
#include <QString>
#include <functional>

namespace qm {

// One field of a glossary file, in file order.
struct GlossaryPart {
    enum Kind { Letter, Term, Definition };
    Kind kind = Letter;
    QString text;
};

// The glossary of the chosen course: "Glossary/Glossary <course>.txt" in the
// program folder, else "Glossary.txt" there; empty when neither exists.
QString GlossaryFilePath();

// Reads glossary text: "^" starts a letter heading, "%" a term, "~" the
// definition of the term before it; CR and LF are dropped and text before the
// first marker is ignored. A field is handed on when the first character of a
// later field arrives, which makes each character of a heading a heading of
// its own, joins a term directly followed by a term, and continues a
// definition directly followed by "~". Whatever is still pending when the
// text ends is handed on too (letter, term, definition).
//
// The text is read up to its kMaxGlossaryHeadings-th heading or its
// kMaxGlossaryTerms-th term, whichever comes first; the rest is left out.
// Real glossaries stay far below both. A damaged file (random bytes after a
// "^" make every byte a heading) would otherwise fill the grid and the printed
// copy with hundreds of thousands of rows and keep the visit from starting.
constexpr int kMaxGlossaryHeadings = 1000;
constexpr int kMaxGlossaryTerms = 10000;
void ParseGlossary(const QString& text, const std::function<void(const GlossaryPart&)>& sink);

// Reads the chosen course's glossary file and parses it; false (and nothing
// emitted) when there is no file or it cannot be read. A file over its cap is
// refused, with a message naming it when tellRefusal is set.
bool ReadGlossary(const std::function<void(const GlossaryPart&)>& sink, bool tellRefusal = true);

} // namespace qm
