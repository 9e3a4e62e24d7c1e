#pragma once
#include <QDate>

namespace qm {

// Today's local date and a steady clock for how long ago something
// happened; a service so that tests can fix the date of a result and move
// time on without waiting.
class ClockService {
public:
    virtual ~ClockService() = default;
    virtual QDate today() = 0;
    // Milliseconds from an arbitrary start; never goes back.
    virtual qint64 steadyMs() = 0;
};

ClockService& clockService();
// Replaces the service; nullptr restores the real one. The caller keeps ownership.
void setClockService(ClockService* service);

} // namespace qm
