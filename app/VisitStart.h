#pragma once

namespace qm {

// The start of the learner's visit, run when the splash window closes: the
// main window is shown and a signed-in learner resumes at the bookmark of the
// new course, or the sign-in opens.
void StartLearnersVisit();

} // namespace qm
