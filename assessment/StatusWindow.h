#pragma once

namespace qm {

// Opens the progress window modal (reads the learner's records first).
void ShowStatusForm();

} // namespace qm
