#pragma once

namespace qm {

// Opens the progress window modal (reads the learner's records first; when
// their course file is there but cannot be read, message 602 says so first).
void ShowStatusForm();

} // namespace qm
