#pragma once
#include "content/CourseRecord.h"
#include "content/RegistryAccess.h"

#include <QString>
#include <QVector>

#include "content/ModuleLoader.h"

namespace qm {

// Where the installed courses are listed, below HKEY_LOCAL_MACHINE.
inline const QString kCatalogueRootKey = QStringLiteral("SOFTWARE\\Tovask\\Veltrane Quillmark 1.0");

// Reads the whole catalogue into Courses. Runs before the main window sets
// AppPath, so content is looked for in ProgramFolder(). When the root key holds
// no course, string 526 is shown and EndProcess() is called (callers check
// ProcessEndRequested()). A missing root key leaves Courses empty. Lines of
// Registry.reg that are not sound are told with the catalogue's refusals.
void GetInstalledCourses();

// A course's name also names its file in every learner's folder, beside the
// learner's "User" file: it must be a plain file name (IsPlainContentName) of
// at most 255 bytes, not blank, other than "User" in any letter case.
bool IsUsableCourseName(const QString& name);

// A course offers at most this many modules: more could never be shown, and
// each costs a read of its page map at every start.
inline constexpr int kMaxCourseModules = 500;

// Enumerates the course subkeys of rootPath into courses (see above); adds
// "All modules" when more than one course was kept. A course whose name
// cannot name a learner's course file, or is "All modules" (in any letter
// case), is left out, and so is one without module codes (no "ModuleString"
// value, or an empty one); so are module codes shorter than six characters or
// that cannot name a folder, the modules past kMaxCourseModules, and a RepNum
// that is not a plain folder name; a missing "RepNum" is told. Each is added
// to refusals, by the file and line of Registry.reg that set it, and all of
// refusals are told in one message (before 526 when no usable course is left).
void EnumCourseKeys(MachineKey& root, const QString& rootPath, QVector<CourseRecord>& courses,
                    QStringList refusals = {});

// Builds one course's modules from its module string (6-character codes one
// after the other). A module whose page map is missing or unreadable, and a
// code refused as above, is left out and clears allModulesPresent; later
// modules move up. A module keeps the sound lines of its map; refused, when
// given, gets one message per refused page line or map over its cap.
void ParseModuleString(const QString& moduleString, QVector<ModuleRecord>& modules, const QString& courseName,
                       bool& allModulesPresent, QStringList* refused = nullptr);

// Line 2 of the module's page map. False (title untouched) when the map is
// missing or has fewer than two lines.
bool GetModuleTitle(QString& title, const QString& code);

// Fills the module's Topics from its page map, in page order, leaving out
// refused page lines (see LinkedList). False when the page map cannot be read
// (missing, too short, over its cap); Topics is then left empty. refused as
// for LinkedList::LoadNewSearchList.
bool GetModuleTopics(ModuleRecord& module, QStringList* refused = nullptr);

// Appends the "All modules" entry (string 139) gathering every module (and
// every refused-content message) of the first count courses, in order. Does
// nothing unless count > 1.
void AddAllModulesCourse(QVector<CourseRecord>& courses, int count);

} // namespace qm
