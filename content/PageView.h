#pragma once
#include <QString>

namespace qm {

// Where page files are shown: the main window's page view. The loaders and
// the navigation reach it through this seam so that they can be exercised
// without the window.
class PageView {
public:
    virtual ~PageView() = default;
    // Replaces the document with the file; on failure the old page stays and
    // error says why (with the file's path).
    virtual bool LoadPage(const QString& path, QString* error) = 0;
    virtual void Refresh() {}
};

PageView* CurrentPageView();
// A new view shows no page yet.
void SetPageView(PageView* view);

// The module page last shown in the current view, so that only a page the
// learner saw is recorded as visited.
void NoteShownPage(const QString& moduleCode, const QString& pageName);
bool IsPageShown(const QString& moduleCode, const QString& pageName);

} // namespace qm
