#pragma once
#include <QString>

class QWidget;

namespace qm {

// Show modes a caller asks the opened application's window to take.
enum ShowMode : int { SW_HIDE = 0, SW_SHOWNORMAL = 1, SW_SHOWMAXIMIZED = 3, SW_SHOW = 5 };

// Hands a document to the desktop's shell with a verb ("open" or "print").
// Fire and forget: only the shell's immediate answer is examined. Returns
// true when the shell accepted the request; a failure has been reported to
// the learner. Names holding ".exe" are opened hidden.
bool ShellOpenFile(const QString& file, int showMode, const QString& parameters, const QString& folder,
                   const QString& verb, QWidget* owner);

// Shows the learner the message for a shell failure; always false.
bool ShowShellError(int result);
// The string id of that message.
int ShellErrorStringId(int result);

} // namespace qm
