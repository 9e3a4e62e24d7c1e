#include "support/ScaledScreen.h"
#include "platform/ScreenMetrics.h"

#include <QTemporaryFile>

namespace qmtest {

bool UseScaledScreen(QTemporaryFile& config, const QByteArray& scale)
{
    if (!config.open()) return false;
    config.write(R"({"windowFrameMargins":false,"screens":[{"name":"s","x":0,"y":0,"width":1024,"height":768,"logicalDpi":96,"dpr":1}]})");
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    qputenv("QT_SCALE_FACTOR", scale);
    qunsetenv("QT_FONT_DPI");
    qm::LayOutInScreenPixels();
    return true;
}

} // namespace qmtest
