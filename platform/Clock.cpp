#include "platform/Clock.h"

namespace qm {
namespace {
class RealClock : public ClockService {
public:
    QDate today() override { return QDate::currentDate(); }
};
RealClock realClock;
ClockService* current = &realClock;
} // namespace

ClockService& clockService() { return *current; }
void setClockService(ClockService* service) { current = service ? service : &realClock; }

} // namespace qm
