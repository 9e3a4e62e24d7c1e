#pragma once
#include "ui/SkinnedDialog.h"

class QPlainTextEdit;

namespace qm {

class PictureBox;
class TextLabel;

// "About this course": the chosen course's About text, the player's name and
// version, and Close. Loaded afresh, and its file read again, at each showing.
class About : public SkinnedDialog<About> {
    Q_OBJECT
public:
    About();
    void CloseAbout();

    TextLabel* Label2 = nullptr; // heading
    QPlainTextEdit* Text1 = nullptr;
    TextLabel* Label4 = nullptr; // "Powered by:"
    TextLabel* Label5 = nullptr; // the player's name and "version"
    TextLabel* Label6 = nullptr; // the version number
    PictureBox* Picture1 = nullptr; // Close
    TextLabel* Label3 = nullptr;    // its caption
    PictureBox* Picture2 = nullptr; // takes the focus away from Close

protected:
    void Form_Load() override;
};

// The About file of the chosen course: "About/About <course>.txt".
QString AboutFilePath();
// Shows About modal over the main window; returns once it is closed.
void ShowAbout();

} // namespace qm
