#include "users/ProgressNotice.h"
#include "app/Globals.h"
#include "platform/MessageBox.h"
#include "ui/UiText.h"
#include "users/ProgressRecords.h"
#include "users/UserPaths.h"

namespace qm {
namespace {
bool saidThisVisit = false;
}

void StartProgressNoticeVisit() { saidThisVisit = false; }

void ReportProgressNotSaved(const QString& reason)
{
    if (saidThisVisit) return;
    saidThisVisit = true;
    MsgBox(GetResString(600) + QStringLiteral("\n\n") + reason, vbExclamation, GetResString(547));
}

bool RecordPageVisit(const QString& moduleCode, const QString& topicTitle)
{
    if (CurrentUserFolderName().isEmpty()) return false;
    QString error;
    if (SaveProgressRecord(moduleCode, topicTitle, UserFirstName, UserLastName, {}, QString(), &error)) return true;
    ReportProgressNotSaved(error);
    return false;
}

} // namespace qm
