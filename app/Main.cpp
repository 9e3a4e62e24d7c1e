#include "app/Main.h"
#include "platform/MessageBox.h"
#include "platform/Process.h"
#include "ui/FormsCollection.h"

#include <QApplication>

namespace qm {

bool Main()
{
    return !ProcessEndRequested();
}

int RunProgram(QApplication& app)
{
    QApplication::setApplicationName(AppTitle());
    QApplication::setQuitOnLastWindowClosed(false);
    FormsCollection::setLastWindowHandler([] { QCoreApplication::quit(); });
    if (!Main()) return 0;
    return app.exec();
}

} // namespace qm
