#include "reference/GlossaryFile.h"
#include "app/Globals.h"
#include "content/ModuleLoader.h"
#include "platform/ContentName.h"
#include "platform/ContentPath.h"
#include "platform/MessageBox.h"
#include "platform/TextFile.h"
#include "ui/UiText.h"

#include <QDir>

namespace qm {

QString GlossaryFilePath()
{
    const QString root = ContentRoot();
    if (CurCourse >= 0 && CurCourse < Courses.size()) {
        const QString name = QStringLiteral("Glossary ") + Courses[CurCourse].Name + QStringLiteral(".txt");
        const QString path = ContentPathInside(JoinPath(root, QStringLiteral("Glossary")), name);
        if (!path.isEmpty() && ContentFileExists(path)) return ResolveContentPath(path);
    }
    const QString fallback = JoinPath(root, QStringLiteral("Glossary.txt"));
    return ContentFileExists(fallback) ? ResolveContentPath(fallback) : QString();
}

namespace {

class GlossaryReader {
public:
    explicit GlossaryReader(const std::function<void(const GlossaryPart&)>& sink) : sink_(sink) {}

    // True once the text shows damage: the rest of it is left out.
    bool done() const { return damaged_ || full_; }
    int line() const { return line_; }

    void feed(QChar c)
    {
        const bool afterCr = afterCr_;
        afterCr_ = c == QLatin1Char('\r');
        switch (c.unicode()) {
        case '^': state_ = State::Letter; return;
        case '%': state_ = State::Term; return;
        case '~': state_ = State::Definition; return;
        case '\r': ++line_; return;
        case '\n':
            if (!afterCr) ++line_;
            return;
        case '\t': break;
        default:
            if (c.unicode() < 0x20 || c.unicode() == 0x7F) {
                damaged_ = true;
                return;
            }
            break;
        }
        switch (state_) {
        case State::Letter:
            flush(letter_, GlossaryPart::Letter);
            flush(definition_, GlossaryPart::Definition);
            letter_.append(c);
            break;
        case State::Term:
            flush(definition_, GlossaryPart::Definition);
            flush(letter_, GlossaryPart::Letter);
            term_.append(c);
            break;
        case State::Definition:
            flush(term_, GlossaryPart::Term);
            definition_.append(c);
            break;
        case State::None: break;
        }
    }

    // What is pending when the text ends, or where damage begins, is whole.
    void finish()
    {
        flush(letter_, GlossaryPart::Letter);
        flush(term_, GlossaryPart::Term);
        flush(definition_, GlossaryPart::Definition);
    }

private:
    enum class State { None, Letter, Term, Definition };

    void flush(QString& pending, GlossaryPart::Kind kind)
    {
        if (pending.isEmpty()) return;
        if (kind != GlossaryPart::Definition && ++entries_ > kMaxGlossaryEntries) full_ = true;
        if (full_) return;
        sink_(GlossaryPart{kind, pending});
        pending.clear();
    }

    const std::function<void(const GlossaryPart&)>& sink_;
    State state_ = State::None;
    int entries_ = 0;
    int line_ = 1;
    bool afterCr_ = false;
    bool damaged_ = false;
    bool full_ = false;
    QString letter_, term_, definition_;
};

} // namespace

int ParseGlossary(const QString& text, const std::function<void(const GlossaryPart&)>& sink)
{
    GlossaryReader reader(sink);
    for (const QChar c : text) {
        reader.feed(c);
        if (reader.done()) break;
    }
    reader.finish();
    return reader.done() ? reader.line() : 0;
}

bool ReadGlossary(const std::function<void(const GlossaryPart&)>& sink, bool tellProblems)
{
    const QString path = GlossaryFilePath();
    QString text;
    QString error;
    ContentRead outcome = ContentRead::Done;
    if (path.isEmpty()) return false;
    if (!ReadContentText(path, text, kMaxGlossaryBytes, &error, &outcome)) {
        if (outcome == ContentRead::TooLarge && tellProblems) MsgBox(error);
        return false;
    }
    const int damagedFrom = ParseGlossary(text, sink);
    if (damagedFrom > 0 && tellProblems) MsgBox(GetResString(780).arg(damagedFrom).arg(QDir::toNativeSeparators(path)));
    return true;
}

} // namespace qm
