#include "reference/GlossaryFile.h"
#include "app/Globals.h"
#include "content/ModuleLoader.h"
#include "platform/ContentName.h"
#include "platform/ContentPath.h"
#include "platform/MessageBox.h"
#include "platform/TextFile.h"

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

    // True once a limit is reached: the rest of the text is left out.
    bool done() const { return done_; }

    void feed(QChar c)
    {
        switch (c.unicode()) {
        case '^': state_ = State::Letter; return;
        case '%': state_ = State::Term; return;
        case '~': state_ = State::Definition; return;
        case '\r':
        case '\n': return;
        default: break;
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
        if (pending.isEmpty() || done_) return;
        if ((kind == GlossaryPart::Letter && ++headings_ > kMaxGlossaryHeadings)
            || (kind == GlossaryPart::Term && ++terms_ > kMaxGlossaryTerms)) {
            done_ = true;
            return;
        }
        sink_(GlossaryPart{kind, pending});
        pending.clear();
    }

    const std::function<void(const GlossaryPart&)>& sink_;
    State state_ = State::None;
    int headings_ = 0;
    int terms_ = 0;
    bool done_ = false;
    QString letter_, term_, definition_;
};

} // namespace

void ParseGlossary(const QString& text, const std::function<void(const GlossaryPart&)>& sink)
{
    GlossaryReader reader(sink);
    for (const QChar c : text) {
        if (reader.done()) break;
        reader.feed(c);
    }
    reader.finish();
}

bool ReadGlossary(const std::function<void(const GlossaryPart&)>& sink, bool tellRefusal)
{
    const QString path = GlossaryFilePath();
    QString text;
    QString error;
    ContentRead outcome = ContentRead::Done;
    if (path.isEmpty()) return false;
    if (!ReadContentText(path, text, kMaxGlossaryBytes, &error, &outcome)) {
        if (outcome == ContentRead::TooLarge && tellRefusal) MsgBox(error);
        return false;
    }
    ParseGlossary(text, sink);
    return true;
}

} // namespace qm
