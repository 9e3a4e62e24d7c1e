#include "viewer/ViewerSeams.h"
#include "assessment/TestWindows.h"

namespace qm {

void InstallKeyboardHook(Form1*) {}
void RemoveKeyboardHook(Form1*) {}
void ShowTrademarkSlideshow() {}

void UnloadCompanionWindows() { UnloadTestWindows(); }

} // namespace qm
