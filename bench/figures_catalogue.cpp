// Reading the course catalogue at start: Registry.reg and every module's page map.
#include "Bench.h"
#include "app/Globals.h"
#include "content/Catalogue.h"
#include "platform/RegistryFile.h"

#include <QDir>
#include <QFile>

namespace {
constexpr int kCourses = 10000;

// Each course lists one module of its own, as a small installation does.
qmbench::Register catalogue("catalogue of 10,000 courses", 300.0, [] {
    const QString folder = qmbench::ScratchFolder() + "/catalogue";
    QByteArray reg = "Windows Registry Editor Version 5.00\r\n\r\n";
    for (int i = 0; i < kCourses; ++i) {
        const QByteArray code = "C" + QByteArray::number(i).rightJustified(5, '0');
        reg += "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tovask\\Veltrane Quillmark 1.0\\Course " + QByteArray::number(i)
             + "\\Modules]\r\n\"ModuleString\"=\"" + code + "\"\r\n\"RepNum\"=\"1\"\r\n\r\n";
        QDir().mkpath(folder + '/' + code);
        QFile map(folder + '/' + code + "/Map.txt");
        map.open(QIODevice::WriteOnly);
        map.write("Map\r\nModule " + code + "\r\n\r\n0001.txm*Topic*Welcome\r\n0002.txm*Page\r\n0003.txm*Topic*More\r\n"
                  "0004.txm*Test\r\n");
    }
    qmbench::UseProgramFolder(folder, reg);
    return [] {
        qm::ReloadMachineRegistry();
        qm::GetInstalledCourses();
    };
});
} // namespace
