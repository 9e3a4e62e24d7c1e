#include "ui/NameChecks.h"
#include "ui/UiText.h"

namespace qm {

QString IllegalNameChars() { return QStringLiteral("\\/:*?\"<>|"); }

bool HasIllegalNameChars(const QString& name)
{
    for (const QChar c : IllegalNameChars())
        if (name.contains(c)) return true;
    return false;
}

bool HasControlChars(const QString& text)
{
    for (const QChar c : text)
        if (c.category() == QChar::Other_Control) return true;
    return false;
}

bool IsRefusedNameText(const QString& name) { return HasIllegalNameChars(name) || HasControlChars(name); }

bool IsMalformedEmail(const QString& email)
{
    const qsizetype at = email.indexOf('@');
    const qsizetype dot = email.indexOf('.');
    const qsizetype last = email.size() - 1;
    if (at < 0 || dot < 0 || email.contains(' ')) return true;
    if (at == 0 || at == last || dot == 0 || dot == last) return true;
    return email.contains('"') || HasControlChars(email);
}

QString TrimTrailingBlanks(QString text)
{
    while (text.endsWith(' ')) text.chop(1);
    return text;
}

CheckMessage CheckMessage::of(int textId)
{
    CheckMessage m;
    m.textId = textId;
    switch (textId) {
    case MsgFieldEmpty: m.titleId = 503; break;
    case MsgLeadingBlank:
    case MsgAlreadyRegistered:
    case MsgNameInUse:
    case MsgNameTooLong: m.titleId = 501; break;
    case MsgIllegalCharacter: m.titleId = 511; break;
    case MsgBadEmail: m.titleId = 505; break;
    default: m.titleId = 547; break;
    }
    return m;
}

QString CheckMessage::text() const { return ok() ? QString() : GetResString(textId); }

QString CheckMessage::title() const { return ok() ? QString() : GetResString(titleId); }

CheckMessage CheckNameText(const QString& name)
{
    if (name.startsWith(' ')) return CheckMessage::of(MsgLeadingBlank);
    if (IsRefusedNameText(name)) return CheckMessage::of(MsgIllegalCharacter);
    return CheckMessage::none();
}

CheckMessage CheckEmailText(const QString& email)
{
    return IsMalformedEmail(email) ? CheckMessage::of(MsgBadEmail) : CheckMessage::none();
}

} // namespace qm
