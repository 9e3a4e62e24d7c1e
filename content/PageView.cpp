#include "content/PageView.h"

namespace qm {
namespace {
PageView* current = nullptr;
QString shownModule;
QString shownPage;
} // namespace

PageView* CurrentPageView() { return current; }

void SetPageView(PageView* view)
{
    current = view;
    shownModule.clear();
    shownPage.clear();
}

void NoteShownPage(const QString& moduleCode, const QString& pageName)
{
    shownModule = moduleCode;
    shownPage = pageName;
}

bool IsPageShown(const QString& moduleCode, const QString& pageName)
{
    return !pageName.isEmpty() && shownModule == moduleCode && shownPage == pageName;
}

} // namespace qm
