// One Next move in the real main window, with the course-file rewrite.
#include "Bench.h"
#include "SamplePages.h"
#include "app/Globals.h"
#include "content/Catalogue.h"
#include "platform/ProgramFolder.h"
#include "platform/RegistryFile.h"
#include "users/UserFiles.h"
#include "viewer/Form1.h"

#include <QDir>
#include <QFile>

namespace {

// A course of one module with more pages than the runs take, each its own topic.
void buildCourse(const QString& root)
{
    const QByteArray page = qmbench::TypicalPage();
    QByteArray map = "Page map\r\nBenchmark module\r\n-\r\n";
    for (int i = 1; i <= 120; ++i) {
        const QString name = QStringLiteral("%1.txm").arg(i, 4, 10, QLatin1Char('0'));
        map += (name + QStringLiteral("*Topic*Topic %1\r\n").arg(i)).toUtf8();
        qmbench::WriteFile(root + "/BEN001/" + name, page);
    }
    qmbench::WriteFile(root + "/BEN001/Map.txt", map);
    qmbench::WriteFile(root + "/Registry.reg",
          "Windows Registry Editor Version 5.00\r\n\r\n"
          "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tovask\\Veltrane Quillmark 1.0\\Bench\\Modules]\r\n"
          "\"ModuleString\"=\"BEN001\"\r\n\"RepNum\"=\"1\"\r\n");
}

qmbench::Register next("one Next move, page view and course-file rewrite", 20.0, [] {
    const QString root = qmbench::ScratchFolder() + "/navigation";
    buildCourse(root + "/program");
    qputenv("XDG_DATA_HOME", (root + "/data").toUtf8());
    qm::SetProgramFolder(root + "/program");
    qm::AppPath.clear(); // another figure may have pointed it elsewhere
    qm::ReloadMachineRegistry();
    qm::GetInstalledCourses();
    qm::CurCourse = 0;
    qm::Form1& f = qm::Form1::instance();
    f.showModeless();
    qm::CreateUserProfile(QStringLiteral("Bench"), QStringLiteral("Mark"), QStringLiteral("bench@example.org"));
    return [&f] { f.NextPage(); };
});

} // namespace
