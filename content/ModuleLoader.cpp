#include "content/ModuleLoader.h"
#include "app/Globals.h"
#include "content/LinkedList.h"
#include "content/PageView.h"
#include "platform/ContentName.h"
#include "platform/ContentPath.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFolder.h"
#include "platform/TextControl.h"

namespace qm {
namespace {

bool readMap(const QString& mapPath, QString& moduleTitle)
{
    PageList().InitLinedList();
    QString error;
    // The title of line 2 is kept even when a later line stops the read.
    const bool ok = PageList().LoadExistingList(mapPath, moduleTitle, &error);
    if (!ok) MsgBox(error);
    return ok;
}

bool showCurrent(QString& page, const QString& moduleCode)
{
    page = PageList().GetCurrentPageName();
    return ShowPageFile(moduleCode, page);
}

} // namespace

QString ContentRoot() { return AppPath.isEmpty() ? ProgramFolder() : AppPath; }

QString ModuleFolderPath(const QString& moduleCode) { return ContentPathInside(ContentRoot(), moduleCode); }

QString ModuleMapPath(const QString& moduleCode)
{
    const QString folder = ModuleFolderPath(moduleCode);
    return folder.isEmpty() ? QString() : JoinPath(folder, QStringLiteral("Map.txt"));
}

QString PageFilePath(const QString& moduleCode, const QString& pageName)
{
    const QString folder = ModuleFolderPath(moduleCode);
    return folder.isEmpty() ? QString() : ContentPathInside(folder, pageName);
}

namespace {
// The file of a module's page; false, with why, when the page names none.
bool pageFileOf(const QString& moduleCode, const QString& pageName, QString& path, QString& error)
{
    path = ResolveContentPath(PageFilePath(moduleCode, pageName));
    if (pageName.isEmpty()) {
        error = QStringLiteral("The module has no pages: %1").arg(ModuleMapPath(moduleCode));
    } else if (path.isEmpty()) {
        error = QStringLiteral("The page \"%1\" of the module \"%2\" is not a plain file name")
                    .arg(pageName, moduleCode);
    } else {
        return true;
    }
    return false;
}
} // namespace

bool ShowPageFile(const QString& moduleCode, const QString& pageName)
{
    PageView* view = CurrentPageView();
    QString path, error;
    if (!pageFileOf(moduleCode, pageName, path, error)) {
        // told below
    } else if (!view) {
        error = QStringLiteral("No page view to show %1").arg(path);
    } else if (view->LoadPage(path, &error)) {
        NoteShownPage(moduleCode, pageName);
        return true;
    }
    MsgBox(error);
    return false;
}

bool CanShowModulePage(const QString& moduleCode, const QString& pageName, QString* error)
{
    LinkedList map;
    QString title, path, why;
    QByteArray bytes;
    if (map.LoadExistingList(ModuleMapPath(moduleCode), title, &why)) {
        if (!pageName.isEmpty()) map.SetPageAsCurrent(pageName);
        if (pageFileOf(moduleCode, map.GetCurrentPageName(), path, why) && TextControl::readPage(path, bytes, &why))
            return true;
    }
    if (error) *error = why;
    return false;
}

bool LoadModuleMap(QString& page, const QString& moduleCode, QString& moduleTitle, bool toLast)
{
    const QString mapPath = page;
    if (!readMap(mapPath, moduleTitle)) return false;
    if (toLast) PageList().GoToLastPage();
    return showCurrent(page, moduleCode);
}

bool LoadModuleMapAtTopic(QString& page, const QString& moduleCode, QString& moduleTitle, const QString& topicTitle)
{
    const QString mapPath = page;
    if (!readMap(mapPath, moduleTitle)) return false;
    PageList().GoToTopic(topicTitle);
    return showCurrent(page, moduleCode);
}

bool LoadModuleMapAtPage(QString& page, const QString& moduleCode, QString& moduleTitle, const QString& pageName)
{
    if (pageName.isEmpty()) return true;
    const QString mapPath = page;
    if (!readMap(mapPath, moduleTitle)) return false;
    PageList().SetPageAsCurrent(pageName);
    const bool ok = showCurrent(page, moduleCode);
    if (ok) SavedPosition.PageName.clear();
    return ok;
}

} // namespace qm
