#pragma once
#include "ui/Form.h"

#include <QList>

class QPushButton;
class QScrollBar;
class QTimer;

namespace qm {

class PictureBox;
class TextLabel;

// The review list of a test's summary page: one item per suggested page,
// docked beside the main window while the learner revisits pages. Exit Review,
// Esc or the close box lead back to the test page and its summary.
class TestReview : public SingleForm<TestReview> {
    Q_OBJECT
public:
    TestReview();

    // Lays out the viewport, the list panel and the scroll bar for a list of
    // that height.
    void Resize_Review(int size);
    void Label1_Click(int index);
    // Back to the test page and the test window's summary.
    void Command1_Click();

    // Set once the window has been left and its place kept; a new test
    // clears it so that its review list docks afresh.
    static inline bool PositionSaved = false;
    static inline int SavedLeft = 0;
    static inline int SavedTop = 0;

    PictureBox* Picture1 = nullptr; // viewport
    PictureBox* Picture2 = nullptr; // list panel
    QList<TextLabel*> Label1;
    QScrollBar* VScroll1 = nullptr;
    QPushButton* Command1 = nullptr;
    QTimer* Timer1 = nullptr;

    static constexpr quint32 kItemColor = 0xC00000;
    static constexpr quint32 kVisitedColor = 0x800080;
    static constexpr quint32 kCurrentColor = 0x0000FF;

protected:
    void Form_Load() override;
    void Form_KeyUp(int keyCode, int shift) override;
    bool Form_QueryUnload(int unloadMode) override;
    void Form_Activate() override;
    void Form_Deactivate() override;
    void Form_MouseMove() override;

private:
    void Timer1_Timer();
    void visitedToPurple();
    TextLabel* item(int index);
    int scrollUnit() const;
};

} // namespace qm
