#include "platform/Process.h"

#include <QApplication>
#include <QWidget>

namespace qm {
namespace {
bool endRequested = false;

class RealProcess : public ProcessService {
public:
    void end() override
    {
        // Windows may be open (a change of course cannot end here, but be safe):
        // hide them all so nothing is left on screen, then leave the loop.
        if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) {
            for (QWidget* w : app->topLevelWidgets()) w->hide();
            QCoreApplication::exit(0);
        }
    }
};
RealProcess realProcess;
ProcessService* current = &realProcess;
} // namespace

void EndProcess()
{
    endRequested = true;
    current->end();
}
bool ProcessEndRequested() { return endRequested; }
void ResetProcessEnd() { endRequested = false; }

ProcessService& processService() { return *current; }
void setProcessService(ProcessService* service) { current = service ? service : &realProcess; }

} // namespace qm
