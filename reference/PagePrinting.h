#pragma once
#include <QImage>
#include <QRectF>

class QPrinter;
class QWidget;

namespace qm {

// Prints one picture as one document: portrait when the picture is at least
// as tall as wide, landscape otherwise, scaled to the page's printable width
// or height (whichever it meets first) from the top left corner. Returns the
// rectangle drawn, in the printer's device pixels; empty when the printer
// could not start.
QRectF PrintPictureToFitPage(QPrinter& printer, const QImage& picture);

// A picture of the window's inside as it is on screen.
QImage CaptureForm(QWidget& form);

// The current page on the current printer: waits about two seconds while the
// animation plays (input waits until the page is captured), closes the
// animation, captures the main window and prints it. A second request while
// one is under way is refused. Failures are told to the learner; false then.
bool PrintScreenImage();

bool PagePrintInProgress();

// The wait before the capture (tests shorten it).
void SetPagePrintWait(int ms);

} // namespace qm
