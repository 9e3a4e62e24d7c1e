#include "content/ModuleCode.h"

namespace qm {

// Qt compares without regard to case by folding each code point, as
// QChar::toCaseFolded does: the hash below folds the same way.
bool SameModuleCode(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

size_t ModuleCodeHash(const QString& code)
{
    size_t h = 1469598103934665603ull;
    const qsizetype n = code.size();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t c = code[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < n && code[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(code[i].unicode(), code[i + 1].unicode());
            ++i;
        }
        h = (h ^ QChar::toCaseFolded(c)) * 1099511628211ull;
    }
    return h;
}

} // namespace qm
