#include "support/TestDoubles.h"
#include "app/Globals.h"
#include "platform/ProgramFolder.h"
#include "platform/RegistryFile.h"
#include "ui/Form.h"
#include "ui/FormsCollection.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QUuid>

namespace qmtest {

int ScriptedMessageBox::show(const QString& text, const QString& title, int style)
{
    Call c{text, title, style};
    calls.append(c);
    if (onShow) onShow(c);
    if (!answers.isEmpty()) return answers.dequeue();
    const int buttons = style & 0x7;
    if (buttons == qm::vbYesNo) return defaultYesNo;
    if (buttons == qm::vbOKCancel) return qm::vbCancel;
    return qm::vbOK;
}

bool ScriptedMessageBox::shown(const QString& text) const
{
    for (const Call& c : calls)
        if (c.text == text) return true;
    return false;
}

TestEnvironment::TestEnvironment(const QString& programFolder)
{
    hadXdg_ = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    oldXdg_ = qEnvironmentVariable("XDG_DATA_HOME");
    dataHome_ = QDir::tempPath() + "/qmtest-data-" + QUuid::createUuid().toString(QUuid::WithoutBraces);
    QDir().mkpath(dataHome_);
    qputenv("XDG_DATA_HOME", dataHome_.toUtf8());
    qm::setMessageBoxService(&box);
    qm::setScreenService(&screen);
    qm::setClockService(&clock);
    qm::setProcessService(&process);
    qm::ResetProcessEnd();
    qm::ResetGlobals();
    qm::SetProgramFolder(programFolder);
    qm::ReloadMachineRegistry();
}

TestEnvironment::~TestEnvironment()
{
    UnloadAllForms();
    qm::setMessageBoxService(nullptr);
    qm::setScreenService(nullptr);
    qm::setClockService(nullptr);
    qm::setProcessService(nullptr);
    qm::ResetProcessEnd();
    qm::ResetGlobals();
    qm::SetProgramFolder(QString());
    qm::ReloadMachineRegistry();
    QDir(dataHome_).removeRecursively();
    if (hadXdg_) qputenv("XDG_DATA_HOME", oldXdg_.toUtf8());
    else qunsetenv("XDG_DATA_HOME");
}

void UnloadAllForms()
{
    // Unload newest first, as the program itself would close stacked windows.
    for (int guard = 0; guard < 100 && !qm::FormsCollection::loaded().isEmpty(); ++guard)
        qm::FormsCollection::loaded().last()->unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace qmtest
