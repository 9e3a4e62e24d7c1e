#pragma once
#include <QFont>
#include <QHash>
#include <QStringView>

namespace qm::rtf {

// Word processors set text with the font's ligatures (Carlito joins f and t
// with the letters after them), which Qt leaves out of text with letter
// spacing, as text drawn at a whole pixel size has: such letters would take
// another width than the author's. The reader gives the first letter of each
// the spacing that makes the letters take the ligature's width.
class Ligatures {
public:
    // The face's ligatures (family, weight and slant; the size does not
    // change their share of a letter's advance).
    explicit Ligatures(const QFont& font);

    // How many letters from text[i] the shaper would join into a ligature
    // of another width than the letters' own, 0 for none; factor is then the
    // share of the first letter's advance that gives them the ligature's.
    int at(QStringView text, qsizetype i, qreal* factor);

    static bool leads(QChar c) { return c == u'f' || c == u't'; }

private:
    qreal measure(QStringView letters) const;

    QFont font_, spaced_;
    QHash<quint64, qreal> known_; // by letters; 0 where the width stays
};

} // namespace qm::rtf
