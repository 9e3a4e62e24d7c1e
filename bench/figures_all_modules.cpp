// "All modules" of a catalogue of many small courses: from OK in the chooser
// to the main window on screen, with its module menu built.
#include "Bench.h"
#include "app/CourseStart.h"
#include "app/Globals.h"
#include "app/SplashScreen.h"
#include "content/Catalogue.h"
#include "platform/MessageBox.h"
#include "platform/RegistryFile.h"
#include "viewer/Form1.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <memory>

namespace {
constexpr int kCourses = 33000;

class NoBox : public qm::MessageBoxService {
public:
    int show(const QString&, const QString&, int) override { return qm::vbOK; }
};

struct CloseMainWindow : QObject {
    ~CloseMainWindow() override
    {
        if (qm::Form1* f = qm::Form1::ifLoaded()) f->unload();
    }
};

qmbench::Register allModules("\"All modules\" of 33,000 two-module courses: OK to the main window", 1500.0, [] {
    const QString folder = qmbench::ScratchFolder() + "/all-modules";
    QByteArray reg = "Windows Registry Editor Version 5.00\r\n\r\n";
    for (int i = 0; i < kCourses; ++i) {
        const QByteArray number = QByteArray::number(i).rightJustified(5, '0');
        QByteArray codes;
        for (const char* letter : {"A", "B"}) {
            const QByteArray code = letter + number;
            codes += code;
            QDir().mkpath(folder + '/' + code);
            QFile map(folder + '/' + code + "/Map.txt");
            map.open(QIODevice::WriteOnly);
            map.write("Map\r\nModule " + code + "\r\n\r\n0001.txm*Topic*Welcome\r\n0002.txm*Page\r\n");
        }
        reg += "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tovask\\Veltrane Quillmark 1.0\\Course " + number
             + "\\Modules]\r\n\"ModuleString\"=\"" + codes + "\"\r\n\"RepNum\"=\"1\"\r\n\r\n";
    }
    qmbench::UseProgramFolder(folder, reg);
    static NoBox box;
    qm::setMessageBoxService(&box);
    qm::ReloadMachineRegistry();
    qm::GetInstalledCourses();
    const int all = int(qm::Courses.size()) - 1;
    // The splash window never closes here: its close starts the sign-in,
    // which waits for a learner.
    const std::shared_ptr<void> release(nullptr, [](void*) {
        if (qm::Form1* f = qm::Form1::ifLoaded()) f->unload();
        if (qm::SplashScreen* s = qm::SplashScreen::ifLoaded()) {
            s->Timer1->stop();
            s->hide();
        }
        qm::Courses = {};
        qm::ReloadMachineRegistry();
    });
    return [release, all] {
        qm::StartChosenCourse(all, 1);
        qm::SplashScreen::ifLoaded()->Timer1->stop();
        qm::Form1::instance().showModeless();
        QCoreApplication::processEvents();
        // The next run is a first start too: the window goes between runs.
        (new CloseMainWindow)->deleteLater();
    };
});
} // namespace
