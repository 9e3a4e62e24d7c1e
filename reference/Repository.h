#pragma once
#include "ui/SkinnedDialog.h"

class QListWidget;

namespace qm {

class PictureBox;
class TextLabel;

// The course's reference documents: open one (double-click, or Open for a
// maximised window), save a copy where the learner chooses (Detach), print
// it on a chosen printer, read the window's help, close.
class Repository : public SkinnedDialog<Repository> {
    Q_OBJECT
public:
    Repository();

    void InitRepository();
    void PlaceComponentsOnForm();
    void InsertFormText();

    void List1_DblClick();
    void View_Btn_MouseUp();
    void Detach_Btn_MouseUp();
    void Print_Btn_MouseUp();
    void Help_Btn_MouseUp();
    void Cancel_Btn_MouseUp();

    // The path of a listed document, by its file name's bytes.
    QString DocumentPath(const QByteArray& name) const;

    QListWidget* List1 = nullptr;
    PictureBox* Help_Btn = nullptr;
    PictureBox* Detach_Btn = nullptr;
    PictureBox* View_Btn = nullptr;
    PictureBox* Print_Btn = nullptr;
    PictureBox* Cancel_Btn = nullptr;
    TextLabel* Label2[6] = {};

protected:
    void Form_Load() override;
    void Form_MouseMove() override;

private:
    void Timer1_Timer();
    void open(int showMode);
    QByteArray selectedName() const;
};

// The reference folder of a course entry; empty when its number is no plain name.
QString ReferenceFolder(int courseIndex);

// "Repository" of the toolbar and its shortcut: shows the window modal over
// the main window. The caller refuses it in "All modules" mode.
void ShowRepositoryWindow();

} // namespace qm
