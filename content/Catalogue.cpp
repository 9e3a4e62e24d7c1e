#include "content/Catalogue.h"
#include "app/Globals.h"
#include "content/LinkedList.h"
#include "platform/ContentName.h"
#include "platform/ContentPath.h"
#include "platform/MessageBox.h"
#include "platform/Process.h"
#include "platform/ProgramFolder.h"
#include "platform/Refusals.h"
#include "platform/RegistryFile.h"
#include "platform/TextFile.h"
#include "ui/UiText.h"

#include <QHash>
#include <QSet>
#include <atomic>
#include <functional>
#include <thread>
#include <vector>

namespace qm {
namespace {
constexpr int kMaxFileNameBytes = 255;

// One read of a module's page map. Courses may list the same module many
// times over (and "All modules" gathers them all), so each map is read once.
struct MapRead {
    bool ok = false;
    QString title;
    QStringList topics;
    QStringList refused;
};
using MapReads = QHash<QString, MapRead>;

MapRead readMapAt(const QString& path)
{
    MapRead read;
    LinkedList list;
    list.InitSearchLinkedList();
    if (list.LoadNewSearchList(path, read.title, nullptr, &read.refused)) {
        int count = 0;
        QStringList titles;
        list.GetTopics(count, titles);
        read.topics = titles.mid(0, count);
        read.ok = true;
    }
    return read;
}

const MapRead& readMap(const QString& code, MapReads& reads)
{
    const auto found = reads.constFind(code);
    if (found != reads.constEnd()) return *found;
    return *reads.insert(code, readMapAt(ModuleMapPath(code)));
}

// Reads the page maps of many modules several at a time: each read mostly
// waits for the file system, and a large catalogue lists tens of thousands.
// The results are what readMap would give, one by one.
void readMapsAtOnce(const QStringList& codes, MapReads& reads)
{
    QStringList paths;
    paths.reserve(codes.size());
    for (const QString& code : codes) paths.append(ModuleMapPath(code));
    std::vector<MapRead> results(size_t(codes.size()));
    std::atomic<qsizetype> next{0};
    auto work = [&] {
        for (qsizetype i = next++; i < paths.size(); i = next++) results[size_t(i)] = readMapAt(paths[i]);
    };
    const int helpers = int(qBound(1u, std::thread::hardware_concurrency(), 4u)) - 1;
    std::vector<std::thread> pool;
    for (int i = 0; i < helpers; ++i) pool.emplace_back(work);
    work();
    for (std::thread& t : pool) t.join();
    reads.reserve(reads.size() + codes.size());
    for (qsizetype i = 0; i < codes.size(); ++i) reads.insert(codes[i], std::move(results[size_t(i)]));
}

// A course name too long for a file would run off a message; its line tells which it is.
QString shownName(const QString& key)
{
    constexpr int kShown = 60;
    return key.size() > kShown ? key.left(kShown) + QStringLiteral("...") : key;
}

// Why a name cannot name a course's file in every learner's folder, beside
// the learner's "User" file; empty when it can.
QString courseFileNameProblem(const QString& key)
{
    if (key.compare(QLatin1String("User"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("that is the name of each learner's own file");
    if (key.toUtf8().size() > kMaxFileNameBytes)
        return QStringLiteral("its name is longer than a file name can be (%1 bytes)").arg(kMaxFileNameBytes);
    if (!IsPlainContentName(key))
        return QStringLiteral("its name cannot name a file (it holds one of \" < > : | ? * / \\ or a control "
                              "character)");
    // It would show as an empty row in the chooser.
    if (key.trimmed().isEmpty()) return QStringLiteral("its name is blank");
    return QString();
}

// Why a course key cannot be a course; empty when it can.
QString courseNameRefusal(const QString& key)
{
    const QString name = shownName(key);
    if (key.compare(GetResString(139), Qt::CaseInsensitive) == 0)
        return QStringLiteral("the course \"%1\" is left out: that is the name of the entry that gathers every "
                              "course's modules").arg(name);
    const QString problem = courseFileNameProblem(key);
    if (!problem.isEmpty()) return QStringLiteral("the course \"%1\" is left out: %2").arg(name, problem);
    return QString();
}

// "<Registry.reg>, line N: " for a message about what that line sets; only
// worked out for a refusal, since most courses have none.
class RegistryPlace {
public:
    QString ofLine(int line)
    {
        if (path_.isEmpty()) path_ = MachineRegistryPath();
        return QStringLiteral("%1, line %2: ").arg(path_).arg(line);
    }
    QString ofKey(const QString& keyPath) { return ofLine(MachineRegistry().keyLine(keyPath)); }
    QString ofValue(const QString& keyPath, const QString& name)
    {
        const std::optional<RegValue> v = MachineRegistry().value(keyPath, name);
        return v ? ofLine(v->line) : ofKey(keyPath);
    }

private:
    QString path_;
};

void parseModules(const QString& moduleString, QVector<ModuleRecord>& modules, const QString& courseName,
                  bool& allModulesPresent, QStringList* refused, const std::function<QString()>& place,
                  QStringList* startRefusals, MapReads& reads)
{
    auto refuse = [&](const QString& why) {
        allModulesPresent = false;
        if (startRefusals) startRefusals->append(place() + why);
    };
    const qsizetype listed = (moduleString.size() + 5) / 6;
    for (qsizetype pos = 0; pos < moduleString.size(); pos += 6) {
        if (pos / 6 == kMaxCourseModules) {
            refuse(QStringLiteral("the course \"%1\" lists %2 modules: only the first %3 are offered")
                       .arg(courseName)
                       .arg(listed)
                       .arg(kMaxCourseModules));
            return;
        }
        const QString code = moduleString.mid(pos, 6);
        // A code is also the key of the module's progress record: a short
        // one would stand for part of another module's code.
        if (code.size() < 6) {
            refuse(QStringLiteral("the module code \"%1\" of the course \"%2\" is shorter than six characters")
                       .arg(code, courseName));
            continue;
        }
        if (!IsPlainContentName(code)) {
            refuse(QStringLiteral("the module code \"%1\" of the course \"%2\" cannot name a folder")
                       .arg(code, courseName));
            continue;
        }
        // A page map that cannot be read counts as missing, so the course
        // never offers a module that would fail when opened.
        const MapRead& map = readMap(code, reads);
        if (map.ok) {
            ModuleRecord module;
            module.Code = code;
            module.CourseName = courseName;
            module.Title = map.title;
            module.Topics = map.topics;
            modules.append(module);
        } else {
            allModulesPresent = false;
        }
        if (refused) *refused += map.refused;
    }
}

// A course key as the registry lists it, before its modules are read.
struct ListedCourse {
    QString name;
    QString why; // why the name cannot be a course's; empty when it can
    std::optional<RegValue> moduleString;
    std::optional<RegValue> repNum;
};

// Every course key of root, in enumeration order; codes gets each module
// code they list that could name a folder, once.
std::vector<ListedCourse> listCourseKeys(MachineKey& root, const QString& rootPath, QStringList& codes)
{
    std::vector<ListedCourse> listed;
    QSet<QString> seen;
    QString name;
    for (int index = 0; EnumMachineSubKey(root, index, name); ++index) {
        if (index == 0) seen.reserve(root.subKeys.size());
        ListedCourse course;
        course.name = name;
        course.why = courseNameRefusal(name);
        if (course.why.isEmpty()) {
            const QString modulesPath = rootPath + '\\' + name + QStringLiteral("\\Modules");
            course.moduleString = MachineRegistry().value(modulesPath, QStringLiteral("ModuleString"));
            course.repNum = MachineRegistry().value(modulesPath, QStringLiteral("RepNum"));
            const QString text = course.moduleString ? RegValueString(*course.moduleString) : QString();
            const qsizetype end = qMin(text.size(), qsizetype(kMaxCourseModules) * 6);
            for (qsizetype pos = 0; pos + 6 <= end; pos += 6) {
                const QString code = text.mid(pos, 6);
                if (IsPlainContentName(code) && !seen.contains(code)) {
                    seen.insert(code);
                    codes.append(code);
                }
            }
        }
        listed.push_back(std::move(course));
    }
    return listed;
}

// RepNum names the course's folder of reference documents; a value that could
// lead out of "Repository" is dropped (the course has no documents then).
QString usableRepNum(const QString& courseName, const QString& repNum, const std::function<QString()>& place,
                     QStringList& refusals)
{
    if (repNum.isEmpty() || IsPlainContentName(repNum)) return repNum;
    refusals.append(place() + QStringLiteral("the RepNum \"%1\" of the course \"%2\" is ignored: it is not a plain "
                                           "folder name").arg(repNum, courseName));
    return QString();
}
} // namespace

bool IsUsableCourseName(const QString& name) { return courseFileNameProblem(name).isEmpty(); }

void GetInstalledCourses()
{
    Courses.clear();
    QStringList refusals;
    for (const RegistryError& e : MachineRegistry().errors())
        if (e.line > 0) refusals.append(RegistryPlace().ofLine(e.line) + e.message); // a file over its cap was named already
    MachineKey root;
    EnumCourseKeys(root, kCatalogueRootKey, Courses, refusals);
}

void EnumCourseKeys(MachineKey& root, const QString& rootPath, QVector<CourseRecord>& courses, QStringList refusals)
{
    // No catalogue at all is reported later, by the course chooser.
    if (!OpenMachineKey(rootPath, root)) {
        TellRefusals(refusals);
        return;
    }

    // The course keys first, with the modules they list: their page maps are
    // then read all at once.
    QStringList codes;
    std::vector<ListedCourse> listed = listCourseKeys(root, rootPath, codes);
    MapReads reads;
    readMapsAtOnce(codes, reads);

    RegistryPlace registry;
    int found = 0;
    courses.reserve(courses.size() + qsizetype(listed.size()) + 1);
    for (const ListedCourse& entry : listed) {
        const QString& name = entry.name;
        const QString coursePath = rootPath + '\\' + name;
        if (!entry.why.isEmpty()) {
            refusals.append(registry.ofKey(coursePath) + entry.why);
            continue;
        }
        // A misspelt value name would otherwise only show later, as a course
        // whose modules or documents cannot be found.
        const QString modulesPath = coursePath + QStringLiteral("\\Modules");
        const RegistryFile& reg = MachineRegistry();
        auto keyPlace = [&] { return registry.ofKey(reg.keyExists(modulesPath) ? modulesPath : coursePath); };
        if (!entry.moduleString) {
            refusals.append(keyPlace() + QStringLiteral("the course \"%1\" is left out: it has no \"ModuleString\" "
                                                        "value").arg(shownName(name)));
            continue;
        }
        if (!entry.repNum)
            refusals.append(keyPlace() + QStringLiteral("the course \"%1\" has no \"RepNum\" value: it offers no "
                                                        "reference documents").arg(shownName(name)));
        const QString moduleString = RegValueString(*entry.moduleString);
        if (moduleString.isEmpty()) {
            refusals.append(registry.ofValue(modulesPath, QStringLiteral("ModuleString"))
                            + QStringLiteral("the course \"%1\" is left out: its \"ModuleString\" holds no "
                                             "module codes").arg(shownName(name)));
            continue;
        }
        CourseRecord course;
        course.Name = name;
        course.AllModulesPresent = true;
        parseModules(
            moduleString, course.Modules, course.Name, course.AllModulesPresent, &course.RefusedContent,
            [&] { return registry.ofValue(modulesPath, QStringLiteral("ModuleString")); }, &refusals, reads);
        course.RepNum = usableRepNum(name, entry.repNum ? RegValueString(*entry.repNum) : QString(),
                                     [&] { return registry.ofValue(modulesPath, QStringLiteral("RepNum")); },
                                     refusals);
        courses.append(course);
        ++found;
    }
    CloseMachineKey(root);
    // What the courses were built from goes before "All modules" is added.
    listed = {};
    reads = {};
    TellRefusals(refusals);

    if (found == 0) {
        MsgBox(GetResString(526), vbOKOnly);
        EndProcess();
        return;
    }
    if (found > 1) AddAllModulesCourse(courses, courses.size());
}

void ParseModuleString(const QString& moduleString, QVector<ModuleRecord>& modules, const QString& courseName,
                       bool& allModulesPresent, QStringList* refused)
{
    MapReads reads;
    parseModules(moduleString, modules, courseName, allModulesPresent, refused, [] { return QString(); }, nullptr,
                 reads);
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

bool GetModuleTopics(ModuleRecord& module, QStringList* refused)
{
    MapReads reads;
    const MapRead& map = readMap(module.Code, reads);
    module.Topics = map.topics;
    if (refused) *refused += map.refused;
    return map.ok;
}

void AddAllModulesCourse(QVector<CourseRecord>& courses, int count)
{
    if (count <= 1 || count > courses.size()) return;
    CourseRecord all;
    all.Name = GetResString(139);
    all.AllModulesPresent = false;
    // Courses that share a module share its refused lines: each is told once.
    QSet<QString> told;
    for (int i = 0; i < count; ++i) {
        all.Modules += courses[i].Modules;
        for (const QString& refusal : courses[i].RefusedContent)
            if (!told.contains(refusal)) {
                told.insert(refusal);
                all.RefusedContent.append(refusal);
            }
    }
    courses.insert(count, all);
}

} // namespace qm
