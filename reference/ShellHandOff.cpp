#include "reference/ShellHandOff.h"
#include "platform/ContentPath.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"
#include "ui/UiText.h"

#include <QFileInfo>

namespace qm {
namespace {

// "Not found" for a file that is there would otherwise leave the learner
// without a word: it is told as a general failure, whenever it comes.
bool showFailure(int result, const QString& file)
{
    if (result == kShellFileNotFound && (QFileInfo(file).isFile() || ContentFileExists(file)))
        result = kShellGeneralError;
    return ShowShellError(result);
}

// An opener that was still busy when the hand-off was counted as accepted
// and failed afterwards is told like any other failure.
const bool lateFailuresTold = [] {
    setLateShellFailureHandler([](int result, const QString& file) { showFailure(result, file); });
    return true;
}();

} // namespace

bool ShellOpenFile(const QString& file, int showMode, const QString&, const QString&, const QString& verb,
                   QWidget* owner)
{
    const QString text = ShellText(file);
    if (text.toUpper().contains(QLatin1String(".EXE"))) showMode = SW_HIDE;
    const int result = shellService().execute(owner, verb, text, showMode);
    if (result > 32) return true;
    return showFailure(result, text);
}

int ShellErrorStringId(int result)
{
    switch (result) {
    case 0:
    case 8: return 512;
    case 2: return 524;
    case 3: return 513;
    case 5: return 515;
    case 11: return 514;
    case 26: return 522;
    case 27: return 516;
    case 28: return 519;
    case 29: return 518;
    case 30: return 517;
    case 31: return 521;
    case 32: return 520;
    default: return 523;
    }
}

bool ShowShellError(int result)
{
    MsgBox(GetResString(ShellErrorStringId(result)), vbExclamation);
    return false;
}

} // namespace qm
