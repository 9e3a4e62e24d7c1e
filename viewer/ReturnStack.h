#pragma once
#include "app/Globals.h"

namespace qm {

// The way back: every move saves the position it leaves, at most 101 of them.
constexpr int kReturnStackLimit = 101;

void ClearReturnStack();
// Saves the current position in SavedPosition and on the stack (a full stack
// keeps its entries and drops the new one).
void PushReturnPosition();
// Takes the newest entry. Taking the last one disables the Return button.
PagePosition PopReturnPosition();
void ReturnStackFull();

} // namespace qm
