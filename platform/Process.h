#pragma once

namespace qm {

// Ending the process "at once" after a fatal start-up message. The request is
// recorded so that the caller can unwind; the real service also quits the
// event loop. Tests install a double that only records.
class ProcessService {
public:
    virtual ~ProcessService() = default;
    virtual void end() = 0;
};

void EndProcess();
bool ProcessEndRequested();
void ResetProcessEnd();

ProcessService& processService();
void setProcessService(ProcessService* service);

} // namespace qm
