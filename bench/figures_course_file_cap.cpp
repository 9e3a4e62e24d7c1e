// Sign-in of a learner whose course file is as large as the reader takes:
// from Sign in to the filled progress window, visit record included.
#include "Bench.h"
#include "SamplePages.h"
#include "app/Globals.h"
#include "assessment/Status.h"
#include "content/Catalogue.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFolder.h"
#include "platform/QuotedItems.h"
#include "platform/RegistryFile.h"
#include "users/LearnerText.h"
#include "users/ProgressRecords.h"
#include "users/SignIn.h"
#include "users/UserFiles.h"
#include "users/UserPaths.h"
#include "viewer/Form1.h"

#include <QDir>
#include <QFile>

namespace {

class NoBox : public qm::MessageBoxService {
public:
    int show(const QString&, const QString&, int) override { return qm::vbOK; }
};

// Three modules of ten one-page topics.
void buildCourse(const QString& root)
{
    const QByteArray page = qmbench::TypicalPage();
    QByteArray codes;
    for (int m = 1; m <= 3; ++m) {
        const QString code = QStringLiteral("CAP00%1").arg(m);
        codes += code.toLatin1();
        QByteArray map = "Page map\r\nModule " + QByteArray::number(m) + "\r\n-\r\n";
        for (int i = 1; i <= 10; ++i) {
            const QString name = QStringLiteral("%1.txm").arg(i, 4, 10, QLatin1Char('0'));
            map += (name + QStringLiteral("*Topic*Topic %1\r\n").arg(i)).toUtf8();
            qmbench::WriteFile(root + '/' + code + '/' + name, page);
        }
        qmbench::WriteFile(root + '/' + code + "/Map.txt", map);
    }
    qmbench::WriteFile(root + "/Registry.reg",
          "Windows Registry Editor Version 5.00\r\n\r\n"
          "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tovask\\Veltrane Quillmark 1.0\\Bench\\Modules]\r\n"
          "\"ModuleString\"=\"" + codes + "\"\r\n\"RepNum\"=\"1\"\r\n");
}

// The costliest shape: as many short records as fit, so that the visit of
// the sign-in adds its topic and the file reaches the cap to the byte (and
// is written whole). The learner's records come first, their codes in
// another case than the catalogue's.
QByteArray courseFileAtCap()
{
    QString text = qm::QuotedItemLine({"CAP001", "0001.txm"});
    for (int m = 1; m <= 3; ++m)
        text += qm::QuotedItemLine({QStringLiteral("cap00%1").arg(m), "_Topic 2__Topic 1_", "1", "50", "10",
                                    "2026-01-01", "50", "10", "2026-01-01", "50"});
    QByteArray bytes = text.toUtf8();
    for (int i = 0;; ++i) {
        const QByteArray line =
            qm::QuotedItemLine({QStringLiteral("X%1").arg(i, 5, 36, QLatin1Char('0')), "_T_", "", "", "", "", "", "",
                                "", ""})
                .toUtf8();
        if (bytes.size() + line.size() > qm::kMaxLearnerFileBytes) break;
        bytes += line;
    }
    // The last record's topic takes up what is left.
    const qsizetype spare = qm::kMaxLearnerFileBytes - bytes.size();
    bytes.insert(bytes.lastIndexOf("_T_") + 2, QByteArray(spare, 'x'));
    return bytes;
}

qmbench::Register atCap("course file at its cap: sign-in to the progress window", 1000.0, [] {
    const QString root = qmbench::ScratchFolder() + "/course-file-cap";
    buildCourse(root + "/program");
    qputenv("XDG_DATA_HOME", (root + "/data").toUtf8());
    qm::SetProgramFolder(root + "/program");
    qm::AppPath.clear();
    qm::ReloadMachineRegistry();
    qm::GetInstalledCourses();
    qm::CurCourse = 0;
    qm::CurModule = 0;
    qm::AllModulesMode = 0;
    static NoBox box;
    qm::setMessageBoxService(&box);
    qm::Form1& f = qm::Form1::instance();
    f.showModeless();
    qm::CreateUserProfile(QStringLiteral("Bench"), QStringLiteral("Cap"), QStringLiteral("cap@example.org"));
    const QString folder = qm::CurrentUserFolderName();
    const QString path = qm::CourseFilePath(folder, 0);
    QByteArray before = courseFileAtCap();
    before.replace(before.indexOf("_Topic 1_"), 9, QByteArray());
    return [folder, path, before] {
        qmbench::WriteFile(path, before); // a few milliseconds: each run starts from the same file
        QString problem;
        qm::TakeLearnerFromFolder(folder, &problem);
        qm::EnsureCourseFile();
        qm::ResumeAtBookmark(&problem);
        QString unreadable;
        qm::ReadProgressRecords(qm::Progress, &unreadable);
        qm::Status& s = qm::Status::instance();
        s.SetProgressKnown(unreadable.isEmpty());
        s.Clear_Form();
        s.FillStatusModuleGrid();
        if (!unreadable.isEmpty() || QFileInfo(path).size() != qm::kMaxLearnerFileBytes)
            qFatal("the sign-in did not fill the course file to its cap: %s", qPrintable(unreadable));
    };
});

} // namespace
