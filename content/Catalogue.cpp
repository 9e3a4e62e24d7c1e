#include "content/Catalogue.h"
#include "app/Globals.h"
#include "content/LinkedList.h"
#include "platform/ContentPath.h"
#include "platform/MessageBox.h"
#include "platform/Process.h"
#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"
#include "ui/UiText.h"

namespace qm {
namespace {
// A module code names a folder directly inside the program folder; anything
// that would lead elsewhere cannot have a page map.
bool isFolderName(const QString& code)
{
    return !code.contains('/') && !code.contains('\\') && code != QLatin1String(".") && code != QLatin1String("..");
}
} // namespace

void GetInstalledCourses()
{
    Courses.clear();
    MachineKey root;
    EnumCourseKeys(root, kCatalogueRootKey, Courses);
}

void EnumCourseKeys(MachineKey& root, const QString& rootPath, QVector<CourseRecord>& courses)
{
    // No catalogue at all is reported later, by the course chooser.
    if (!OpenMachineKey(rootPath, root)) return;

    int index = 0;
    QString name;
    while (EnumMachineSubKey(root, index, name)) {
        CourseRecord course;
        course.Name = name;
        course.AllModulesPresent = true;
        const QString coursePath = rootPath + '\\' + name;
        MachineKey courseKey;
        if (OpenMachineKey(coursePath, courseKey)) {
            MachineKey valueKey;
            const QString modulesPath = coursePath + QStringLiteral("\\Modules");
            const QString moduleString = ReadMachineValue(valueKey, modulesPath, QStringLiteral("ModuleString"));
            ParseModuleString(moduleString, course.Modules, course.Name, course.AllModulesPresent);
            course.RepNum = ReadMachineValue(valueKey, modulesPath, QStringLiteral("RepNum"));
            CloseMachineKey(courseKey);
        }
        courses.append(course);
        ++index;
    }

    if (index == 0) {
        CloseMachineKey(root);
        MsgBox(GetResString(526), vbOKOnly);
        EndProcess();
        return;
    }
    if (index > 1) AddAllModulesCourse(courses, courses.size());
    CloseMachineKey(root);
}

void ParseModuleString(const QString& moduleString, QVector<ModuleRecord>& modules, const QString& courseName,
                       bool& allModulesPresent)
{
    for (qsizetype pos = 0; pos < moduleString.size(); pos += 6) {
        ModuleRecord module;
        module.Code = moduleString.mid(pos, 6);
        module.CourseName = courseName;
        // A page map that cannot be read through counts as missing, so the
        // course never offers a module that would fail when opened.
        if (isFolderName(module.Code) && GetModuleTitle(module.Title, module.Code) && GetModuleTopics(module)) {
            modules.append(module);
        } else {
            allModulesPresent = false;
        }
    }
}

bool GetModuleTitle(QString& title, const QString& code)
{
    QString text;
    if (!ReadContentText(ModuleMapPath(code), text)) return false;
    const QStringList lines = SplitLines(text);
    if (lines.size() < 2) return false;
    title = lines[1];
    return true;
}

bool GetModuleTopics(ModuleRecord& module)
{
    LinkedList list;
    list.InitSearchLinkedList();
    QString title;
    if (!list.LoadNewSearchList(ModuleMapPath(module.Code), title)) {
        module.Topics.clear();
        return false;
    }
    int count = 0;
    QStringList titles;
    list.GetTopics(count, titles);
    module.Topics = titles.mid(0, count);
    return true;
}

void AddAllModulesCourse(QVector<CourseRecord>& courses, int count)
{
    if (count <= 1 || count > courses.size()) return;
    CourseRecord all;
    all.Name = GetResString(139);
    all.AllModulesPresent = false;
    for (int i = 0; i < count; ++i)
        for (const ModuleRecord& m : courses[i].Modules) all.Modules.append(m);
    courses.insert(count, all);
}

} // namespace qm
