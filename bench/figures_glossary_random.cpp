// A damaged glossary: one megabyte of random bytes, thousands of markers and
// hundreds of thousands of heading characters.
#include "Bench.h"
#include "app/Globals.h"
#include "platform/ProgramFolder.h"
#include "reference/Glossary.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

namespace {
qmbench::Register randomGlossary("glossary of 1 MB random bytes", 1000.0, [] {
    const QString folder = qmbench::ScratchFolder() + "/random-glossary";
    QDir().mkpath(folder);
    QRandomGenerator random(20240611); // the same bytes on every run
    QByteArray bytes(1 << 20, Qt::Uninitialized);
    for (char& b : bytes) b = char(random.bounded(256));
    QFile f(folder + "/Glossary.txt");
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    f.close();
    qm::SetProgramFolder(folder);
    qm::AppPath = folder;
    qm::Courses = {qm::CourseRecord{"Bench", {}, "1", true}};
    qm::CurCourse = 0;
    return [] { qm::BuildGlossaryViews(); };
});
} // namespace
