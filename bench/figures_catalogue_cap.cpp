// The start on the largest Registry.reg it accepts, in its costliest shape:
// as many course keys as fit under the cap (regedit's own layout, the
// shortest names), each with a module of its own, read into the catalogue
// and offered by the course chooser.
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

qmbench::Register atCap("Registry.reg at its cap, most course keys: start to the chooser", 1000.0, 400.0, [] {
    const QString folder = qmbench::ScratchFolder() + "/catalogue-cap";
    QByteArray reg = "Windows Registry Editor Version 5.00\r\n\r\n";
    for (int i = 0;; ++i) {
        const QByteArray number = QByteArray::number(i).rightJustified(5, '0');
        const QByteArray code = "M" + number;
        const QByteArray section = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tovask\\Veltrane Quillmark 1.0\\C" + number
                                 + "\\Modules]\r\n\"ModuleString\"=\"" + code + "\"\r\n\"RepNum\"=\"1\"\r\n\r\n";
        if (reg.size() + section.size() > qm::kMaxRegistryBytes) break;
        reg += section;
        QDir().mkpath(folder + '/' + code);
        QFile map(folder + '/' + code + "/Map.txt");
        map.open(QIODevice::WriteOnly);
        map.write("Map\r\nModule " + code + "\r\n\r\n0001.txm*Topic*Welcome\r\n0002.txm*Page\r\n");
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
