#include "platform/rtf/RtfField.h"

#include <QStringList>

namespace qm::rtf {
namespace {

struct Arg {
    QString text;
    bool isSwitch = false;
};

// Field codes quote arguments with double quotes; inside them a backslash
// escapes the next character (so "C:\\x" is C:\x). A switch is a backslash
// and a letter outside quotes.
QList<Arg> splitInstruction(const QString& s)
{
    QList<Arg> out;
    qsizetype i = 0;
    const qsizetype n = s.size();
    while (i < n) {
        const QChar c = s[i];
        if (c.isSpace()) { ++i; continue; }
        Arg a;
        if (c == '"') {
            ++i;
            while (i < n && s[i] != '"') {
                if (s[i] == '\\' && i + 1 < n) ++i;
                a.text.append(s[i]);
                ++i;
            }
            ++i; // closing quote (or the end)
        } else if (c == '\\' && i + 1 < n && s[i + 1].isLetter()) {
            a.isSwitch = true;
            a.text = s[i + 1].toLower();
            i += 2;
        } else {
            while (i < n && !s[i].isSpace() && s[i] != '"') {
                if (s[i] == '\\' && i + 1 < n && s[i + 1] == '\\') ++i;
                a.text.append(s[i]);
                ++i;
            }
        }
        out.append(a);
    }
    return out;
}

} // namespace

std::optional<FieldLink> ParseHyperlinkInstruction(const QString& instruction)
{
    const QList<Arg> args = splitInstruction(instruction);
    if (args.isEmpty() || args[0].isSwitch || args[0].text.compare("HYPERLINK", Qt::CaseInsensitive) != 0)
        return std::nullopt;

    QString target, mark, tip;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const Arg& a = args[i];
        if (a.isSwitch) {
            // Switches that take an argument: \l mark, \o tooltip, \t frame.
            const bool takesArg = a.text == "l" || a.text == "o" || a.text == "t";
            if (takesArg && i + 1 < args.size() && !args[i + 1].isSwitch) {
                const QString& v = args[++i].text;
                if (a.text == "l") mark = v;
                else if (a.text == "o") tip = v;
            }
        } else if (target.isEmpty()) {
            target = a.text;
        }
    }
    // Some writers put a mark in the same page as "#mark".
    if (target.startsWith('#') && mark.isEmpty()) {
        mark = target.mid(1);
        target.clear();
    }
    FieldLink link;
    link.toolTip = tip;
    if (!target.isEmpty()) {
        link.kind = 1;
        link.target = mark.isEmpty() ? target : target + '#' + mark;
    } else if (!mark.isEmpty()) {
        link.kind = 2;
        link.target = mark;
    } else {
        return std::nullopt;
    }
    return link;
}

} // namespace qm::rtf
