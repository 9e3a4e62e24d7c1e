#pragma once
#include <QString>

namespace qm {

// Moves the main window on once a test is closed or left: to the page after
// the test page, or into the next module when the test was its module's last
// page (on the course's last page nothing moves). Greys Next on the course's
// last page. No return position is saved and no test is started.
void ContinueAfterTest();

// Opens a page of a module of the chosen course in the main window (a review
// page, or the test page again), writes the heading and records the visit. A
// module or page that cannot be opened leaves the learner where they were
// (the loaders have said why). False then.
bool OpenModuleAtPage(int moduleIndex, const QString& pageName);

} // namespace qm
