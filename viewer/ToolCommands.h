#pragma once

namespace qm {

// The main window's tool commands, one function each, run alike by the
// toolbar rows and the keyboard shortcuts.
void PrintPageCommand();
void CheckProgressCommand();
void RepositoryCommand();
void GlossaryCommand();
void EditProfileCommand();
// Saves the topic and opens the course chooser; only with several courses.
void ChangeCourseCommand();
void AboutCommand();
void MinimiseCommand();

// A click on toolbar row `index` (0 print page .. 6 About): closes the menus,
// repaints the main window, then runs the row's command.
void RunToolCommand(int index);

} // namespace qm
