#include "platform/ScreenMetrics.h"
#include "platform/XResources.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace qm {
namespace {

class RealScreen : public ScreenService {
public:
    ScreenInfo screen() override
    {
        ScreenInfo info;
        QScreen* s = QGuiApplication::primaryScreen();
        if (!s) return info;
        // The screen's own pixels: where the desktop scales, the logical size
        // is smaller than the screen.
        const QSize size = s->size();
        const double ratio = s->devicePixelRatio() > 0 ? s->devicePixelRatio() : 1.0;
        info.widthPx = int(std::lround(size.width() * ratio));
        info.heightPx = int(std::lround(size.height() * ratio));
        const double dpiX = s->logicalDotsPerInchX() > 0 ? s->logicalDotsPerInchX() : 96.0;
        const double dpiY = s->logicalDotsPerInchY() > 0 ? s->logicalDotsPerInchY() : 96.0;
        info.twipsPerPixelX = int(std::lround(1440.0 / dpiX));
        info.twipsPerPixelY = int(std::lround(1440.0 / dpiY));
        return info;
    }
};

RealScreen realScreen;
ScreenService* current = &realScreen;

} // namespace

void LayOutInScreenPixels()
{
    // Every window is laid out for the screen's pixels and rescaled by its
    // twips per pixel, the way a large-font desktop is served: a scale asked
    // of the toolkit makes the text larger instead of the windows larger
    // than the screen.
    bool ok = false;
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    if (ok && scale > 0 && std::abs(scale - 1.0) > 1e-6) {
        // The scale multiplies the text size the desktop set: QT_FONT_DPI,
        // or on X the Xft.dpi resource, which QT_FONT_DPI would hide.
        int fontDpi = qEnvironmentVariableIntValue("QT_FONT_DPI");
        const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
        if (fontDpi <= 0 && (platform.isEmpty() || platform.startsWith("xcb")))
            fontDpi = XftDpiIn(ReadXResources());
        qputenv("QT_FONT_DPI", QByteArray::number(std::lround((fontDpi > 0 ? fontDpi : 96) * scale)));
    }
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
}

ScreenService& screenService() { return *current; }
void setScreenService(ScreenService* service) { current = service ? service : &realScreen; }

} // namespace qm
