// The start on the largest Registry.reg it accepts: as many one-module
// courses as fit under the cap, read into the catalogue and offered by the
// course chooser.
#include "Bench.h"
#include "app/CourseSelection.h"
#include "app/Globals.h"
#include "content/Catalogue.h"
#include "platform/MessageBox.h"
#include "platform/RegistryFile.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <memory>

namespace {
// Nobody answers a box here; a sound catalogue shows none anyway.
class NoBox : public qm::MessageBoxService {
public:
    int show(const QString&, const QString&, int) override { return qm::vbOK; }
};

struct Leftovers : QObject {
    std::unique_ptr<qm::RegistryFile> registry;
    QVector<qm::CourseRecord> courses;
};

qmbench::Register atCap("Registry.reg at its cap: start to the chooser", 1000.0, 400.0, [] {
    const QString folder = qmbench::ScratchFolder() + "/catalogue-cap";
    QDir().mkpath(folder + "/SAF101");
    QFile map(folder + "/SAF101/Map.txt");
    map.open(QIODevice::WriteOnly);
    map.write("Map\r\nSafety\r\n\r\n0001.txm*Topic*Welcome\r\n0002.txm*Page\r\n");
    map.close();

    QByteArray reg = "Windows Registry Editor Version 5.00\r\n\r\n";
    for (int i = 0;; ++i) {
        const QByteArray section = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tovask\\Veltrane Quillmark 1.0\\Course "
                                 + QByteArray::number(i).rightJustified(6, '0')
                                 + "\\Modules]\r\n\"ModuleString\"=\"SAF101\"\r\n\"RepNum\"=\"1\"\r\n\r\n";
        if (reg.size() + section.size() > qm::kMaxRegistryBytes) break;
        reg += section;
    }
    qmbench::UseProgramFolder(folder, reg);
    static NoBox box;
    qm::setMessageBoxService(&box);
    // The catalogue read last stays in the program's globals: it goes when
    // the figure is done, so the figures after it measure their own memory.
    const std::shared_ptr<void> release(nullptr, [](void*) {
        qm::CourseSelection::instance().unload();
        qm::Courses = {};
        qm::ReloadMachineRegistry();
    });
    return [release] {
        // What the run before built goes between runs: a start has nothing
        // to free.
        auto* before = new Leftovers;
        before->registry = qm::ReloadMachineRegistry();
        before->courses.swap(qm::Courses);
        before->deleteLater();
        qm::GetInstalledCourses();
        qm::CourseSelection::instance().unload();
    };
});
} // namespace
