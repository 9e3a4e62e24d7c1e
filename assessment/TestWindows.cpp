#include "assessment/TestWindows.h"

namespace qm {

// The test window is not built yet: every test page reports its assessment
// as missing.
bool InitTest() { return false; }
void ShowTestWindowModal() {}
void UnloadTestWindows() {}

} // namespace qm

#include "assessment/StatusWindow.h"

namespace qm {
// The progress window is not built yet.
void ShowStatusForm() {}
} // namespace qm
