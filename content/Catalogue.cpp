#include "content/Catalogue.h"
#include "app/Globals.h"
#include "content/LinkedList.h"
#include "platform/ContentName.h"
#include "platform/ContentPath.h"
#include "platform/MessageBox.h"
#include "platform/Process.h"
#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"
#include "ui/UiText.h"

namespace qm {
namespace {
// The course key that names a course's files in each learner's folder must be
// a name those files can have; anything else is left out of the catalogue.
bool courseKeyUsable(const QString& name)
{
    if (IsUsableCourseName(name)) return true;
    qWarning("Course catalogue: the course \"%s\" is left out: its name cannot name a learner's course file",
             qPrintable(name));
    return false;
}

// RepNum names the course's folder of reference documents; a value that could
// lead out of "Repository" is dropped (the course has no documents then).
QString usableRepNum(const QString& courseName, const QString& repNum)
{
    if (repNum.isEmpty() || IsPlainContentName(repNum)) return repNum;
    qWarning("Course catalogue: the RepNum \"%s\" of the course \"%s\" is ignored: it is not a plain folder name",
             qPrintable(repNum), qPrintable(courseName));
    return QString();
}

// The topics of the module's page map into the record, its title into title.
bool readMapTopics(ModuleRecord& module, QString& title, QString* refused)
{
    LinkedList list;
    list.InitSearchLinkedList();
    if (!list.LoadNewSearchList(ModuleMapPath(module.Code), title, nullptr, refused)) {
        module.Topics.clear();
        return false;
    }
    int count = 0;
    QStringList titles;
    list.GetTopics(count, titles);
    module.Topics = titles.mid(0, count);
    return true;
}
} // namespace

bool IsUsableCourseName(const QString& name)
{
    return IsPlainContentName(name) && name.compare(QLatin1String("User"), Qt::CaseInsensitive) != 0;
}

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
    int found = 0;
    QString name;
    for (; EnumMachineSubKey(root, index, name); ++index) {
        if (!courseKeyUsable(name)) continue;
        CourseRecord course;
        course.Name = name;
        course.AllModulesPresent = true;
        const QString coursePath = rootPath + '\\' + name;
        MachineKey courseKey;
        if (OpenMachineKey(coursePath, courseKey)) {
            MachineKey valueKey;
            const QString modulesPath = coursePath + QStringLiteral("\\Modules");
            const QString moduleString = ReadMachineValue(valueKey, modulesPath, QStringLiteral("ModuleString"));
            ParseModuleString(moduleString, course.Modules, course.Name, course.AllModulesPresent,
                              &course.RefusedContent);
            course.RepNum = usableRepNum(name, ReadMachineValue(valueKey, modulesPath, QStringLiteral("RepNum")));
            CloseMachineKey(courseKey);
        }
        courses.append(course);
        ++found;
    }

    if (found == 0) {
        CloseMachineKey(root);
        MsgBox(GetResString(526), vbOKOnly);
        EndProcess();
        return;
    }
    if (found > 1) AddAllModulesCourse(courses, courses.size());
    CloseMachineKey(root);
}

void ParseModuleString(const QString& moduleString, QVector<ModuleRecord>& modules, const QString& courseName,
                       bool& allModulesPresent, QStringList* refused)
{
    for (qsizetype pos = 0; pos < moduleString.size(); pos += 6) {
        ModuleRecord module;
        module.Code = moduleString.mid(pos, 6);
        module.CourseName = courseName;
        // A page map that cannot be read counts as missing, so the course
        // never offers a module that would fail when opened. One read gives
        // the title and the topics.
        QString title, refusal;
        if (readMapTopics(module, title, &refusal)) {
            module.Title = title;
            modules.append(module);
        } else {
            allModulesPresent = false;
        }
        if (refused && !refusal.isEmpty()) refused->append(refusal);
    }
}

bool GetModuleTitle(QString& title, const QString& code)
{
    QString text;
    if (!ReadContentText(ModuleMapPath(code), text, kMaxPageMapBytes)) return false;
    const QStringList lines = SplitLines(text);
    if (lines.size() < 2) return false;
    title = lines[1];
    return true;
}

bool GetModuleTopics(ModuleRecord& module, QString* refused)
{
    QString title;
    return readMapTopics(module, title, refused);
}

void AddAllModulesCourse(QVector<CourseRecord>& courses, int count)
{
    if (count <= 1 || count > courses.size()) return;
    CourseRecord all;
    all.Name = GetResString(139);
    all.AllModulesPresent = false;
    for (int i = 0; i < count; ++i) {
        for (const ModuleRecord& m : courses[i].Modules) all.Modules.append(m);
        all.RefusedContent += courses[i].RefusedContent;
    }
    courses.insert(count, all);
}

} // namespace qm
