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
// A sound glossary is read whole. Only a damaged file is cut short: it is
// read up to its first character that no text file holds (a control
// character other than tab, CR and LF, such as the NULs of a file cut off or
// overwritten), or up to its kMaxGlossaryEntries-th heading or term, far more
// than any real glossary holds. Returns the line (from 1) at which the rest
// was left out, 0 when the text was read whole.
constexpr int kMaxGlossaryEntries = 100000;
int ParseGlossary(const QString& text, const std::function<void(const GlossaryPart&)>& sink);

// Reads the chosen course's glossary file and parses it; false (and nothing
// emitted) when there is no file or it cannot be read. With tellProblems set,
// a file over its cap, and the part of a damaged file that is left out, are
// told in a message naming the file.
bool ReadGlossary(const std::function<void(const GlossaryPart&)>& sink, bool tellProblems = true);

} // namespace qm
