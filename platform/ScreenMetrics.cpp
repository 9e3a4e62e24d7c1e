#include "platform/ScreenMetrics.h"

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
        const QSize size = s->size();
        info.widthPx = size.width();
        info.heightPx = size.height();
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

ScreenService& screenService() { return *current; }
void setScreenService(ScreenService* service) { current = service ? service : &realScreen; }

} // namespace qm
