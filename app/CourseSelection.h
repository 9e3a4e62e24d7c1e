#pragma once
#include "ui/SkinnedDialog.h"

class QComboBox;

namespace qm {

class PictureBox;
class TextLabel;

// The course chooser: one installed course, or "All modules" when several are
// installed. With a single course it is never shown and that course is taken.
class CourseSelection : public SkinnedDialog<CourseSelection> {
    Q_OBJECT
public:
    CourseSelection();

    void BeginSelectedCourse();
    void CancelSelection();
    void ExitSelection();
    void InsertFormText();

    QComboBox* CourseList = nullptr;
    PictureBox* BeginCourse = nullptr;
    TextLabel* OKlbl = nullptr;
    PictureBox* Cancel = nullptr;
    TextLabel* Cancellbl = nullptr;
    PictureBox* Exit_btn = nullptr;
    TextLabel* Label1 = nullptr;
    TextLabel* Label2 = nullptr;

protected:
    void Form_Load() override;
    void Form_KeyUp(int keyCode, int shift) override;

private:
    void Timer1_Timer();
};

} // namespace qm
