#pragma once

namespace qm {

// Starts the chosen course: content paths, viewer state reset, return stack
// emptied, what the catalogue refused in the course's page maps told in one
// message, module 0 shown at its first page. Returns false when a step could
// not run (the steps after it are skipped; no message). The loader reports
// its own failures and the start goes on.
bool InitCourseData();

// A catalogue entry can be opened when it holds a readable module.
bool CourseCanBeOpened(int course);
// What the catalogue refused in the entry's page maps, then message 620
// naming it.
void TellCourseCannotBeOpened(int course);

} // namespace qm
