#include "app/Main.h"
#include "app/CourseSelection.h"
#include "app/Globals.h"
#include "content/Catalogue.h"
#include "platform/MessageBox.h"
#include "platform/Process.h"
#include "platform/ScreenMetrics.h"
#include "platform/SingleInstance.h"
#include "ui/FormsCollection.h"
#include "ui/UiText.h"

#include <QApplication>
#include <cmath>
#include <memory>

namespace qm {
namespace {
std::unique_ptr<SingleInstance>& instanceGuard()
{
    static std::unique_ptr<SingleInstance> guard;
    return guard;
}
QString& instanceKey()
{
    static QString key;
    return key;
}
} // namespace

SingleInstance* RunningInstance() { return instanceGuard().get(); }
void SetInstanceKey(const QString& key) { instanceKey() = key; }

bool Main()
{
    // 1-2. A second copy says so, raises the running copy and ends.
    auto guard = std::make_unique<SingleInstance>(instanceKey().isEmpty() ? SingleInstance::DefaultKey()
                                                                           : instanceKey());
    const SingleInstance::Other other = guard->claim();
    if (other != SingleInstance::Other::None) {
        MsgBox(GetResString(532), vbOKOnly, AppTitle());
        guard->activateRunningCopy(other);
        EndProcess();
        return false;
    }
    guard->onActivateRequest = [] { RaiseProgramWindows(); };
    instanceGuard() = std::move(guard);

    // 3. The catalogue (no course at all ends the program inside).
    GetInstalledCourses();
    if (ProcessEndRequested()) return false;

    // 4. The screen test: both dimensions must match.
    const ScreenInfo s = Screen();
    const long width = std::lround(double(s.widthPx * s.twipsPerPixelX) / s.twipsPerPixelX);
    const long height = std::lround(double(s.heightPx * s.twipsPerPixelY) / s.twipsPerPixelY);
    if (width != 1024 || height != 768) {
        const QString text = GetResString(533) + QString::number(width) + QStringLiteral(" by ")
                           + QString::number(height) + GetResString(534);
        if (MsgBox(text, vbYesNo | vbInformation, GetResString(535)) == vbNo) {
            EndProcess();
            return false;
        }
    }

    // 5. The chooser decides whether it is shown.
    CourseSelection::instance();
    return !ProcessEndRequested();
}

int RunProgram(QApplication& app)
{
    QApplication::setApplicationName(AppTitle());
    QApplication::setQuitOnLastWindowClosed(false);
    FormsCollection::setLastWindowHandler([] { QCoreApplication::quit(); });
    if (!Main()) return 0;
    const int code = app.exec();
    instanceGuard().reset();
    return code;
}

} // namespace qm

namespace qm {
void ReleaseRunningInstance() { instanceGuard().reset(); }
} // namespace qm
