#include "SampleGlossary.h"
#include "Bench.h"
#include "app/Globals.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFile>

namespace qmbench {

void UseGlossary(const QString& folderName, const QByteArray& text)
{
    const QString folder = ScratchFolder() + '/' + folderName;
    QDir().mkpath(folder);
    QFile f(folder + "/Glossary.txt");
    f.open(QIODevice::WriteOnly);
    f.write(text);
    f.close();
    qm::SetProgramFolder(folder);
    qm::AppPath = folder;
    qm::Courses = {qm::CourseRecord{"Bench", {}, "1", true}};
    qm::CurCourse = 0;
}

} // namespace qmbench
