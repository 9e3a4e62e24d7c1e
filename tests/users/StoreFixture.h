#pragma once
// Helpers for the user-store tests: a course catalogue, a page list and file
// access, on top of the temporary learner data of TestEnvironment.
#include "app/Globals.h"
#include "content/LinkedList.h"
#include "support/TestDoubles.h"
#include "users/UserPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <utility>
#include <vector>

namespace storetest {

using CourseSpec = std::pair<QString, QStringList>; // name, module codes

// Fills Courses; with allModules the "All modules" entry (every module) is
// appended and chosen.
inline void SetCourses(const std::vector<CourseSpec>& specs, bool allModules = false)
{
    qm::Courses.clear();
    qm::CourseRecord all;
    all.Name = QStringLiteral("All modules");
    for (const auto& [name, codes] : specs) {
        qm::CourseRecord course;
        course.Name = name;
        for (const QString& code : codes) {
            qm::ModuleRecord m;
            m.CourseName = name;
            m.Code = code;
            m.Title = code + QStringLiteral(" title");
            course.Modules.append(m);
            all.Modules.append(m);
        }
        qm::Courses.append(course);
    }
    qm::CurCourse = 0;
    qm::CurModule = 0;
    qm::AllModulesMode = 0;
    if (allModules) {
        qm::Courses.append(all);
        qm::CurCourse = qint16(qm::Courses.size() - 1);
        qm::AllModulesMode = 1;
    }
}

// Page list "0001.txm" (topic A), "0002.txm", "0003.txm" (topic B),
// "0004.txm" (topic C); current page "0001.txm".
inline void SetPages()
{
    qm::PageList().InitLinedList();
    qm::PageList().Add_Page("0001.txm", "Topic", "A");
    qm::PageList().Add_Page("0002.txm", "Page", "");
    qm::PageList().Add_Page("0003.txm", "Topic", "B");
    qm::PageList().Add_Page("0004.txm", "Topic", "C");
    qm::PageList().SetPageAsCurrent("0001.txm");
}

inline void GoToPage(const QString& name) { qm::PageList().SetPageAsCurrent(name); }

// Makes a learner folder and signs the learner in (no files written).
inline void SignIn(const QString& first, const QString& last)
{
    QDir().mkpath(qm::UserFolderPath(qm::UserFolderName(first, last)));
    qm::UserFirstName = first;
    qm::UserLastName = last;
}

inline QByteArray ReadBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return QByteArray("<missing>");
    return f.readAll();
}

inline void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

// The current learner's course file of Courses[index].
inline QString CourseFile(int index) { return qm::CourseFilePath(qm::CurrentUserFolderName(), index); }

} // namespace storetest
