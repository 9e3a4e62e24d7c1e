#include "platform/Clock.h"

#include <QElapsedTimer>

namespace qm {
namespace {
class RealClock : public ClockService {
public:
    RealClock() { steady_.start(); }
    QDate today() override { return QDate::currentDate(); }
    qint64 steadyMs() override { return steady_.elapsed(); }

private:
    QElapsedTimer steady_;
};
RealClock realClock;
ClockService* current = &realClock;
} // namespace

ClockService& clockService() { return *current; }
void setClockService(ClockService* service) { current = service ? service : &realClock; }

} // namespace qm
