#pragma once
#include <QString>
#include <QStringList>
#include <QVector>

namespace qm {

// One module of a course, as the catalogue lists it.
struct ModuleRecord {
    QString CourseName;
    QString Title;   // line 2 of the module's page map
    QString Code;    // 6 characters: content folder and progress-record key
    qint16 Unused = 0;       // carried along, never read
    QString UnusedText;      // carried along, never read
    QStringList Topics;      // topic titles in page-map order
};

// One installed course (or the "All modules" entry).
struct CourseRecord {
    QString Name;
    QVector<ModuleRecord> Modules;
    QString RepNum;
    bool AllModulesPresent = true;
    // What the catalogue refused in the course's page maps (a page line, a
    // map over its cap), one message per map; told when the course is taken.
    QStringList RefusedContent;
};

// A dynamic array "has bounds" once it holds an element.
template <class Array>
bool IsArrayDimensioned(const Array& a) { return !a.isEmpty(); }

} // namespace qm
