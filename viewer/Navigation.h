#pragma once
#include <QString>

namespace qm {

// Moves the main window from page to page. Every move saves the position it
// leaves, shows the new page, writes the heading, records the visit and sets
// the Next, Previous and Return buttons.
void GoToNextPage();
void GoToPrevPage();
void OpenModule(int moduleIndex);
void OpenTopic(int moduleIndex, int topicIndex, const QString& topicTitle);
void ReturnToSavedPage();
void UpdateHeadingAndProgress();
// Only the heading: the module title, " : " and the page's topic.
void ShowHeading();

// Next and Previous by the position: greyed at the course's two ends.
void ApplyButtonStateRule();
// Greys Next or Previous where the position is the course's last or first
// page and gives a greyed one back elsewhere; on a course of one page both
// are greyed (the main window's load, sign-in and the start of the visit).
void GreyButtonsAtCourseEnds();

struct PagePosition;
// Opens the position's module and page again, quietly: a jump that could not
// be made puts the learner back where they were.
void RestorePosition(const PagePosition& at);

} // namespace qm
