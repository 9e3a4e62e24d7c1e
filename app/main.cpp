#include "app/Main.h"
#include "platform/ScreenMetrics.h"

#include <QApplication>

int main(int argc, char** argv)
{
    qm::LayOutInScreenPixels();
    QApplication app(argc, argv);
    return qm::RunProgram(app);
}
