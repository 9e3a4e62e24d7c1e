#pragma once
#include <QString>

namespace qm {

// The nine characters a learner's name may not hold, in this order, because
// the name becomes a folder name.
QString IllegalNameChars();

// True when the name holds any of the nine characters.
bool HasIllegalNameChars(const QString& name);

// True when the text holds a control character (tab, line ends, NUL, ...);
// such a name would not survive as a folder name or as an item of a file.
bool HasControlChars(const QString& text);

// The two together: what registration and the profile editor refuse with
// message 510/511.
bool IsRefusedNameText(const QString& name);

// The e-mail rule: malformed when there is no "@", no ".", a blank, the first
// "@" or the first "." as the first or last character; also when it holds a
// double quote or a control character, which the user file cannot carry.
bool IsMalformedEmail(const QString& email);

// Removes trailing blanks, as the name boxes do.
QString TrimTrailingBlanks(QString text);

// Message ids of the checks. The title id goes with the text id.
enum NameMessageId : int {
    MsgNoMessage = 0,
    MsgFieldEmpty = 502,        // title 503
    MsgLeadingBlank = 500,      // title 501
    MsgIllegalCharacter = 510,  // title 511
    MsgBadEmail = 504,          // title 505
    MsgAlreadyRegistered = 544, // title 501
    MsgNameInUse = 545,         // title 501
    MsgCannotSave = 546,        // title 547
    MsgCannotReadUser = 548,    // title 547
    MsgCannotReadBookmark = 549, // title 547
    MsgNameTooLong = 601         // title 501
};

// Which message a failed check shows: text and title ids, and the texts from
// the string table. An empty result (textId 0) means the check passed.
struct CheckMessage {
    int textId = MsgNoMessage;
    int titleId = 0;
    bool ok() const { return textId == MsgNoMessage; }
    QString text() const;
    QString title() const;
    static CheckMessage none() { return {}; }
    static CheckMessage of(int textId);
};

// The check of one (already trimmed) name as registration makes it: leading
// blank (500/501), then the refused characters (510/511).
CheckMessage CheckNameText(const QString& name);

// The e-mail check: 504/505 when malformed.
CheckMessage CheckEmailText(const QString& email);

} // namespace qm
