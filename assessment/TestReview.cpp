#include "assessment/TestReview.h"
#include "app/Globals.h"
#include "assessment/Grading.h"
#include "assessment/QuestionForm.h"
#include "assessment/ReviewDocking.h"
#include "assessment/TestNavigation.h"
#include "ui/ContentLayout.h"
#include "ui/Controls.h"
#include "ui/KeyCodes.h"
#include "ui/PictureBox.h"
#include "ui/Pointer.h"
#include "ui/TextLabel.h"
#include "ui/UiText.h"
#include "viewer/Form1.h"

#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace qm {
namespace {
constexpr int kItemGap = DesignPixels(100);
constexpr int kItemLeft = 8;
} // namespace

TestReview::TestReview() : SingleForm<TestReview>(QStringLiteral("TestReview"))
{
    setFixedSize(300, 240);
    Picture1 = NewPictureBox(this, QStringLiteral("Picture1"), QRect(0, 0, 284, 196));
    Picture1->setBackColor(0xFFFFFF);
    Picture2 = NewPictureBox(this, QStringLiteral("Picture2"), QRect(0, 0, 284, 196), Picture1);
    Picture2->setBackColor(0xFFFFFF);
    for (PictureBox* p : {Picture1, Picture2}) {
        p->setFocusPolicy(Qt::NoFocus);
        connect(p, &PictureBox::mouseMoved, this, [this] { setMousePointer(vbDefault); });
    }
    VScroll1 = Place(this, new QScrollBar(Qt::Vertical, this), QStringLiteral("VScroll1"), QRect(284, 0, 16, 196));
    VScroll1->setFocusPolicy(Qt::StrongFocus);
    VScroll1->hide();
    connect(VScroll1, &QScrollBar::valueChanged, this, [this](int v) { Picture2->move(0, -v * scrollUnit()); });
    Command1 = new QPushButton(QStringLiteral("Exit Review"), this);
    // As wide as its caption needs at larger text, its right edge kept.
    const int buttonWidth = qMax(100, Command1->sizeHint().width());
    Place(this, Command1, QStringLiteral("Command1"), QRect(288 - buttonWidth, 204, buttonWidth, 28));
    Command1->setAutoDefault(false);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    Timer1 = addControl(new QTimer(this));
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

TextLabel* TestReview::item(int index)
{
    while (Label1.size() <= index) {
        const int i = int(Label1.size());
        TextLabel* l = NewLabel(this, QStringLiteral("Label1"), QRect(kItemLeft, 4, 284 - 2 * kItemLeft, 18),
                                Picture2, i);
        l->setFont(QFont(QStringLiteral("Arial"), 10));
        l->setForeColor(kItemColor);
        connect(l, &TextLabel::mouseMoved, this, [this] { setMousePointer(vbCustom); });
        connect(l, &TextLabel::clicked, this, [this, i] { Label1_Click(i); });
        Label1.append(l);
    }
    return Label1[index];
}

// One scroll unit is as many pixels as the list has items.
int TestReview::scrollUnit() const { return qMax(1, int(ReviewItems.size())); }

void TestReview::Form_Load()
{
    setKeyPreview(true);
    setWindowTitle(GetResString(161));
    int listHeight = 0;
    for (int i = 0; i < ReviewItems.size(); ++i) {
        TextLabel* l = item(i);
        l->setText(ReviewItems[i].Caption);
        const int h = FitLabelHeight(l, 18);
        if (i > 0) l->move(l->x(), Label1[i - 1]->y() + Label1[i - 1]->height() + kItemGap);
        l->show();
        listHeight += i == 0 ? h : h + kItemGap;
    }
    Resize_Review(listHeight + kItemGap);
    Timer1->start(100);
}

void TestReview::Resize_Review(int size)
{
    const int n = scrollUnit();
    Picture1->resize(width() - VScroll1->width(), Picture1->height());
    if (Picture1->height() >= size) {
        Picture2->resize(Picture1->width(), Picture1->height());
        VScroll1->hide();
    } else {
        Picture2->resize(Picture1->width(), size);
        VScroll1->show();
    }
    VScroll1->setGeometry(Picture1->x() + Picture1->width(), Picture1->y(), VScroll1->width(), Picture1->height());
    const int overflow = Picture2->height() - Picture1->height();
    int max = qMax(0, overflow);
    if (overflow > 0) max = qRound(double(overflow) / n);
    VScroll1->setRange(0, max);
    VScroll1->setSingleStep(qMax(1, qRound(double(max) / n)));
    VScroll1->setPageStep(qMax(1, qRound(2.0 * max / n)));
    Picture2->move(0, -VScroll1->minimum());
    VScroll1->setValue(VScroll1->minimum());
}

void TestReview::Timer1_Timer()
{
    Timer1->stop();
    Form1* main = Form1::ifLoaded();
    if (!main) return;
    // Right edges level, the bottom edge just above the main window's Next
    // button, wherever the main window is on the screen.
    const int targetLeft = main->x() + main->frameGeometry().width() - frameGeometry().width();
    const int targetTop = main->NextBtn->mapToGlobal(QPoint(0, 0)).y() - frameGeometry().height();
    move(DockedPosition(pos(), QPoint(targetLeft, targetTop)));
}

void TestReview::Form_Activate()
{
    if (PositionSaved) move(SavedLeft, SavedTop);
}

void TestReview::Form_Deactivate()
{
    PositionSaved = true;
    SavedLeft = x();
    SavedTop = y();
}

void TestReview::visitedToPurple()
{
    for (TextLabel* l : Label1)
        if (l->foreColor() == kCurrentColor) l->setForeColor(kVisitedColor);
}

void TestReview::Label1_Click(int index)
{
    if (index < 0 || index >= Label1.size()) return;
    visitedToPurple();
    Label1[index]->setForeColor(kCurrentColor);
    QuestionForm* test = QuestionForm::ifLoaded();
    if (test && index < test->Label1.size()) test->Label1[index]->setForeColor(QuestionForm::kVisitedColor);
    repaint();
    if (test) test->GoToReviewPage(index);
}

void TestReview::Command1_Click()
{
    if (HasCurrentModule()) {
        const int module = FindModuleIndex(CurrentCourse(), TestModuleCode);
        if (module >= 0) OpenModuleAtPage(module, TestPageName);
    }
    visitedToPurple();
    hide();
    QuestionForm* test = QuestionForm::ifLoaded();
    if (!test) {
        unload();
        return;
    }
    // The test window's Close or exit unloads this window too.
    test->showModal(Form1::ifLoaded());
}

void TestReview::Form_KeyUp(int keyCode, int)
{
    if (keyCode == vbKeyEscape || (keyCode == vbKeyReturn && activeControl() == Command1)) Command1_Click();
}

bool TestReview::Form_QueryUnload(int unloadMode)
{
    if (unloadMode != vbFormControlMenu) return false;
    // The close box leads back to the test, once the close request is over.
    QTimer::singleShot(0, this, [this] { Command1_Click(); });
    return true;
}

void TestReview::Form_MouseMove() { setMousePointer(vbDefault); }

} // namespace qm
