#include "Bench.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <sys/resource.h>
#include <cstdio>

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

} // namespace qmbench

namespace {
// Runs the work until it has taken half a second or 50 runs (at least 5).
void measure(const qmbench::Figure& f)
{
    const std::function<void()> work = f.prepare();
    work(); // warm-up: first-use costs (fonts, caches) are not the figure
    std::vector<double> ms;
    QElapsedTimer total;
    total.start();
    while (ms.size() < 5 || (ms.size() < 50 && total.elapsed() < 500)) {
        QElapsedTimer t;
        t.start();
        work();
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    const double median = ms[ms.size() / 2];
    std::printf("%-52s median %9.3f ms  min %9.3f ms  (%zu runs; target < %g ms)%s\n",
                qPrintable(f.name), median, ms.front(), ms.size(), f.targetMs,
                median < f.targetMs ? "" : "  ** over target **");
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
    const QString filter = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    for (const qmbench::Figure& f : qmbench::Figures())
        if (filter.isEmpty() || f.name.contains(filter, Qt::CaseInsensitive)) measure(f);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory of the run: %ld MB\n", usage.ru_maxrss / 1024);
    return 0;
}
