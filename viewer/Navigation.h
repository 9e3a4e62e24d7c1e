#pragma once
#include "app/Globals.h"

#include <QString>
#include <QVector>

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

// Where a move starts, and what it may have to give back.
struct MoveStart {
    PagePosition position;
    QVector<PagePosition> stack;
    PagePosition saved;
    bool hadMovies = false;
};
MoveStart beginMove();
// A move that could not be made leaves the learner where they were: the page
// they never left, no way back to it, and the buttons as before the attempt
// (the loaders have said why). The page is shown again, movies included, when
// its movies were taken down or, `viewMoved`, when pages were already shown on
// the way (then the bookmark is set back to it too).
void undoMove(const MoveStart& start, bool viewMoved);

} // namespace qm
