#pragma once
#include <QDate>

namespace qm {

// Today's local date; a service so that tests can fix the date of a result.
class ClockService {
public:
    virtual ~ClockService() = default;
    virtual QDate today() = 0;
};

ClockService& clockService();
// Replaces the service; nullptr restores the real one. The caller keeps ownership.
void setClockService(ClockService* service);

} // namespace qm
