#pragma once
#include <QString>

namespace qm {

// The steps that signing in shares between the returning-user window, the
// welcome window and the start of the visit.

// Makes the learner of that folder the current learner from its User file.
// False (with the message for the learner: what failed, why and the file)
// when the file is missing or unreadable;
// nobody is signed in then, so that nothing is recorded for anybody.
bool TakeLearnerFromFolder(const QString& folder, QString* problem);

// Nobody is signed in afterwards: pages shown are recorded for nobody.
void SignOutLearner();

// Whether the current learner has a course file for the chosen course.
bool CourseFileExists();

// Where the signed-in learner would resume in Courses[course]: the bookmarked
// module and page; module 0 at "0001.txm" when the course file holds no
// bookmark of a module of the course; module 0 at its first page (an empty
// page name) when there is no course file.
void ResumePlace(int course, int& moduleIndex, QString& pageName);

// First visit to the chosen course: writes the bookmark at the page the main
// window shows and records that visit. Does nothing when the course file
// exists or the page could not be shown.
void EnsureCourseFile();

// Reads the bookmark of the chosen course and shows that module and page in
// the main window, with the heading, the visit record and the greyed buttons.
// A bookmarked module the course no longer has keeps the current module
// (sign-in), or starts the course at module 0, page "0001.txm" when
// restartIfModuleGone is set (the start of a visit after a change of course).
// A course file without a readable bookmark resumes at module 0, page
// "0001.txm", and gets that bookmark in front of the records it holds.
// False (with a reason) only when the course has no module to show.
bool ResumeAtBookmark(QString* problem, bool restartIfModuleGone = false);

} // namespace qm
