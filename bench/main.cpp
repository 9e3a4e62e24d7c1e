#include "Bench.h"
#include "app/Globals.h"
#include "platform/ProgramFolder.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <sys/resource.h>
#include <cstdio>
#include <malloc.h>

namespace qmbench {

std::vector<Figure>& Figures()
{
    static std::vector<Figure> figures;
    return figures;
}

QString ScratchFolder()
{
    static QTemporaryDir dir;
    return dir.path();
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

void UseProgramFolder(const QString& folder, const QByteArray& registry)
{
    // The skins of the built program folder, as an installation has them:
    // windows look them up at their start.
    const QString skins = QCoreApplication::applicationDirPath() + "/GUIimages";
    QDir().mkpath(folder + "/GUIimages");
    for (const QString& name : QDir(skins).entryList(QDir::Files))
        QFile::copy(skins + '/' + name, folder + "/GUIimages/" + name);
    QFile f(folder + "/Registry.reg");
    f.open(QIODevice::WriteOnly);
    f.write(registry);
    f.close();
    qm::SetProgramFolder(folder);
    qm::AppPath.clear();
}

} // namespace qmbench

namespace {
// The process's peak resident memory in MB since the last reset (Linux).
long peakMB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').front().toLong() / 1024;
    return -1;
}
void resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly)) clear.write("5");
}

// Objects a run deleted later (a replaced page) go between runs, as the
// event loop would delete them, so that runs do not pile up memory.
void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// Runs the work until it has taken half a second or 50 runs (at least 5).
void measure(const qmbench::Figure& f)
{
    settle();
    // What the figures before freed goes back to the system, so that this
    // figure's peak is its own and not the heap they left behind.
    malloc_trim(0);
    if (f.targetMB > 0) resetPeak();
    const std::function<void()> work = f.prepare();
    work(); // warm-up: first-use costs (fonts, caches) are not the figure
    settle();
    std::vector<double> ms;
    QElapsedTimer total;
    total.start();
    while (ms.size() < 5 || (ms.size() < 50 && total.elapsed() < 500)) {
        QElapsedTimer t;
        t.start();
        work();
        ms.push_back(t.nsecsElapsed() / 1e6);
        settle();
    }
    std::sort(ms.begin(), ms.end());
    const double median = ms[ms.size() / 2];
    std::printf("%-52s median %9.3f ms  min %9.3f ms  (%zu runs; target < %g ms)%s\n",
                qPrintable(f.name), median, ms.front(), ms.size(), f.targetMs,
                median < f.targetMs ? "" : "  ** over target **");
    if (f.targetMB > 0) {
        const long peak = peakMB();
        std::printf("%-52s peak memory %5ld MB (target < %g MB)%s\n", "", peak, f.targetMB,
                    peak >= 0 && peak < f.targetMB ? "" : "  ** over target **");
    }
    std::fflush(stdout);
}

// The name of the one figure this process runs, when it was started to
// measure a figure's memory.
const char* const kOnlyFigure = "QUILLBENCH_ONLY";

// A figure with a memory target runs in a process of its own, as the player
// shows a page: the heap earlier figures leave behind, alive or kept by the
// allocator, would otherwise count towards its peak.
void measureAlone(const qmbench::Figure& f)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kOnlyFigure), f.name);
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {});
    if (!child.waitForFinished(-1) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        std::printf("%-52s ** its own process failed: %s **\n", qPrintable(f.name), qPrintable(child.errorString()));
    std::fflush(stdout);
}
} // namespace

// quillbench [name filter]: prints every figure whose name contains the filter.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(kOnlyFigure)) {
        const QString only = qEnvironmentVariable(kOnlyFigure);
        for (const qmbench::Figure& f : qmbench::Figures())
            if (f.name == only) measure(f);
        return 0;
    }
    const QString filter = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    for (const qmbench::Figure& f : qmbench::Figures()) {
        if (!filter.isEmpty() && !f.name.contains(filter, Qt::CaseInsensitive)) continue;
        if (f.targetMB > 0) measureAlone(f);
        else measure(f);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory of the run (figures with a memory target apart): %ld MB\n", usage.ru_maxrss / 1024);
    return 0;
}
