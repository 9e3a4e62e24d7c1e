#pragma once
#include <QString>

class QWidget;

namespace qm {

class Form1;

// What the page view of the main window reports, and what it leads to.
//
// A link with a target (kind 1) goes, by its target: to a web address (the
// shell opens it), to a reference document of the course (no ".txm"), to a
// mark in another page file ("page.txm#mark") or to a page of the course
// ("CODE01_0003.txm" and one trailing character). A kind 2 link goes to a
// mark of the page on view. The target is right-trimmed and lower-cased in
// place first, and a file URL is cut to its file name and mark.
void HyperlinkClick(Form1& window, int item, int kind, QString* target, bool* followMark);
// A click in the page text: menus close, the window comes to the front and
// no object stays current.
void PageTextClick(Form1& window);
// A click on an embedded object makes it current (once).
void PageObjectClick(Form1& window, int id);
// The size of text whose size a page does not give.
void PageItemQuery(int item, int* answer);

// Hands a web address to the shell. The course-survey link (its text equals
// surveyText) is refused in "All modules" mode and when modules are missing.
// The main window is minimised only after the shell accepted the address.
bool OpenWebLink(const QString& linkText, const QString& surveyText, const QString& url);

} // namespace qm
