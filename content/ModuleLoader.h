#pragma once
#include <QString>

namespace qm {

// Opening a module: its page map goes into PageList, a page is chosen and its
// file shown in the page view. On entry `page` holds the page map's path; on
// return the name of the page shown. Each loader reports its first failure in
// a message box (the platform's wording, with the file) and returns false.
bool LoadModuleMap(QString& page, const QString& moduleCode, QString& moduleTitle, bool toLast);
bool LoadModuleMapAtTopic(QString& page, const QString& moduleCode, QString& moduleTitle, const QString& topicTitle);
bool LoadModuleMapAtPage(QString& page, const QString& moduleCode, QString& moduleTitle, const QString& pageName);

// The root of the content: AppPath once a course started, the program
// folder before.
QString ContentRoot();
// Paths of module content below it. Codes and page names come from content:
// each is used only when it is a plain name (ContentPathInside), else the
// path is empty and reads as a missing file.
QString ModuleFolderPath(const QString& moduleCode);
QString ModuleMapPath(const QString& moduleCode);
QString PageFilePath(const QString& moduleCode, const QString& pageName);

// Shows one page file of a module in the page view (no page-list change).
// On failure reports it like the loaders and returns false.
bool ShowPageFile(const QString& moduleCode, const QString& pageName);

// Whether the module would open at that page (or, when its page map does not
// list it or it is empty, at its first page): the page map and the page file
// are read as the loaders read them, but nothing is shown and the page list
// stays as it is. False with the loader's reason, naming the file.
bool CanShowModulePage(const QString& moduleCode, const QString& pageName, QString* error);

} // namespace qm
