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

    // The full path of a listed document.
    QString DocumentPath(const QString& name) const;

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
    QString selectedName() const;
};

// The documents of a course's reference folder: files only, no hidden ones,
// sorted without regard to case.
QStringList ListReferenceDocuments(const QString& folder);
// The path of a document listed from that folder; empty for a name that is
// not one file name.
QString ListedDocumentPath(const QString& folder, const QString& name);
// The reference folder of a course entry; empty when its number is no plain name.
QString ReferenceFolder(int courseIndex);

// "Repository" of the toolbar and its shortcut: shows the window modal over
// the main window. The caller refuses it in "All modules" mode.
void ShowRepositoryWindow();

} // namespace qm
