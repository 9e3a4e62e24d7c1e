#include "platform/Shell.h"
#include "platform/Clock.h"
#include "platform/Printers.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>

namespace qm {
namespace {

int gracePeriodMs = 1000;

std::function<void(int, const QString&)>& lateFailureHandler()
{
    static std::function<void(int, const QString&)> handler;
    return handler;
}

bool isAddress(const QString& target)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(target).hasMatch();
}

// The checks a Windows shell makes before it looks for an application.
int checkFile(const QString& file)
{
    const QFileInfo info(file);
    if (!info.exists()) return QFileInfo(info.absolutePath()).isDir() ? kShellFileNotFound : kShellPathNotFound;
    if (!info.isReadable()) return kShellAccessDenied;
    return kShellAccepted;
}

int fromOpenerExit(int code)
{
    switch (code) {
    case 0: return kShellAccepted;
    case 2: return kShellFileNotFound;
    case 3: return kShellNoAssociation;
    case 5: return kShellAccessDenied;
    default: return kShellGeneralError;
    }
}

// Runs the program with its arguments (never through a shell) and waits the
// grace period without taking input, so that the window keeps painting. A
// program still running then is counted as accepted and left to finish.
int run(const QString& program, const QStringList& arguments, const QString& file, int (*mapExit)(int))
{
    const qint64 handedOff = clockService().steadyMs();
    const QString exe = QStandardPaths::findExecutable(program);
    if (exe.isEmpty()) return kShellNoAssociation;
    auto* process = new QProcess();
    process->setProgram(exe);
    process->setArguments(arguments);
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    process->start();
    if (!process->waitForStarted(5000)) {
        delete process;
        return kShellNoAssociation;
    }
    if (process->state() != QProcess::NotRunning) {
        QEventLoop loop;
        QTimer grace;
        grace.setSingleShot(true);
        QObject::connect(&grace, &QTimer::timeout, &loop, &QEventLoop::quit);
        QObject::connect(process, &QProcess::finished, &loop, &QEventLoop::quit);
        grace.start(gracePeriodMs);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (process->state() != QProcess::NotRunning) {
        // The process object lives until the viewer ends; it has no parent
        // so that leaving the course does not end the learner's viewer.
        const auto ended = [process, mapExit, handedOff, file](int code, QProcess::ExitStatus status) {
            const int late = status == QProcess::NormalExit ? mapExit(code) : kShellAccepted;
            process->deleteLater();
            const bool soon = clockService().steadyMs() - handedOff <= kShellLateFailureMs;
            if (late <= 32 && soon && lateFailureHandler()) lateFailureHandler()(late, file);
        };
        QObject::connect(process, &QProcess::finished, process, ended);
        return kShellAccepted;
    }
    const int result = process->exitStatus() == QProcess::NormalExit ? mapExit(process->exitCode()) : kShellGeneralError;
    process->deleteLater();
    return result;
}

class RealShell : public ShellService {
public:
    int execute(QWidget*, const QString& verb, const QString& file, int) override
    {
        const QString text = ShellText(file);
        if (verb.compare(QLatin1String("print"), Qt::CaseInsensitive) == 0) {
            const int checked = checkFile(text);
            if (checked != kShellAccepted) return checked;
            QStringList args;
            const QString printer = CurrentPrinterName();
            if (!printer.isEmpty()) args << QStringLiteral("-d") << printer;
            args << QStringLiteral("--") << text;
            return run(QStringLiteral("lp"), args, text, [](int code) { return code == 0 ? int(kShellAccepted) : int(kShellGeneralError); });
        }
        QString target = ShellOpenTarget(text);
        if (!isAddress(target)) {
            const int checked = checkFile(target);
            if (checked != kShellAccepted) return checked;
            // An absolute path can never be taken for one of the opener's options.
            target = QFileInfo(target).absoluteFilePath();
        }
        return run(QStringLiteral("xdg-open"), {target}, target, fromOpenerExit);
    }
};

RealShell realShell;
ShellService* current = &realShell;

} // namespace

QString ShellText(const QString& text)
{
    const int nul = text.indexOf(QChar(0));
    return nul < 0 ? text : text.left(nul);
}

QString ShellOpenTarget(const QString& text)
{
    const QString t = ShellText(text);
    if (t.startsWith(QLatin1String("www."), Qt::CaseInsensitive) || t.startsWith(QLatin1String("w3."), Qt::CaseInsensitive))
        return QStringLiteral("http://") + t;
    return t;
}

ShellService& shellService() { return *current; }
void setShellService(ShellService* service) { current = service ? service : &realShell; }
void setShellGracePeriod(int ms) { gracePeriodMs = ms; }
void setLateShellFailureHandler(std::function<void(int, const QString&)> handler) { lateFailureHandler() = std::move(handler); }

} // namespace qm
