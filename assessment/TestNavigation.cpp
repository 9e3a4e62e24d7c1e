#include "assessment/TestNavigation.h"
#include "app/Globals.h"
#include "content/LinkedList.h"
#include "content/ModuleLoader.h"
#include "viewer/Form1.h"
#include "viewer/Navigation.h"

namespace qm {
namespace {

struct Place {
    int module = 0;
    QString page;
};

Place here() { return Place{CurModule, PageList().GetCurrentPageName()}; }

bool isLastModule() { return CurModule >= CurrentCourse().Modules.size() - 1; }

// Puts the page list back on a place after a module failed to open; the page
// view still shows that place's page.
void restore(const Place& at)
{
    if (at.module < 0 || at.module >= CurrentCourse().Modules.size()) return;
    CurModule = qint16(at.module);
    ModuleRecord& m = CurrentModule();
    PageList().CleanUp();
    PageList().InitLinedList();
    QString title;
    if (!PageList().LoadExistingList(ModuleMapPath(m.Code), title)) return;
    m.Title = title;
    if (!at.page.isEmpty()) PageList().SetPageAsCurrent(at.page);
}

void resetObjectMemory()
{
    LastTxObjectId = 0;
    LastTxObjectIdSet = false;
}

} // namespace

void ContinueAfterTest()
{
    if (!HasCurrentModule()) return;
    if (NextPageAfterTest.isEmpty()) {
        if (!isLastModule()) {
            const Place before = here();
            CurModule = qint16(CurModule + 1);
            PageList().CleanUp();
            PageList().InitLinedList();
            ModuleRecord& m = CurrentModule();
            QString page = ModuleMapPath(m.Code);
            if (!LoadModuleMap(page, m.Code, m.Title, false)) restore(before);
            UpdateHeadingAndProgress();
        }
    } else if (ShowPageFile(CurrentModule().Code, NextPageAfterTest)) {
        if (Form1* f = Form1::ifLoaded()) f->Refresh();
        PageList().NextPage();
        UpdateHeadingAndProgress();
    }
    if (PageList().GetNextPageName().isEmpty() && isLastModule()) {
        if (Form1* f = Form1::ifLoaded()) f->SetNextButton(false, QStringLiteral("nextDis.jpg"));
    }
    resetObjectMemory();
}

bool OpenModuleAtPage(int moduleIndex, const QString& pageName)
{
    if (!HasCurrentModule() || moduleIndex < 0 || moduleIndex >= CurrentCourse().Modules.size()) return false;
    const Place before = here();
    CurModule = qint16(moduleIndex);
    if (Form1* f = Form1::ifLoaded()) f->RemoveMovieControl();
    ModuleRecord& m = CurrentModule();
    QString page = ModuleMapPath(m.Code);
    PageList().CleanUp();
    // A link without a page name opens its module at the first page.
    const bool ok = pageName.isEmpty() ? LoadModuleMap(page, m.Code, m.Title, false)
                                       : LoadModuleMapAtPage(page, m.Code, m.Title, pageName);
    if (!ok) restore(before);
    UpdateHeadingAndProgress();
    ApplyButtonStateRule();
    return ok;
}

} // namespace qm
