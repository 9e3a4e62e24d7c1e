#include "assessment/QuestionForm.h"
#include "app/Globals.h"
#include "assessment/AnswerControls.h"
#include "assessment/Grading.h"
#include "assessment/ResultRecord.h"
#include "assessment/TestFile.h"
#include "assessment/TestNavigation.h"
#include "assessment/TestReview.h"
#include "content/LinkedList.h"
#include "platform/MessageBox.h"
#include "ui/ContentLayout.h"
#include "ui/Controls.h"
#include "ui/DialogLook.h"
#include "ui/KeyCodes.h"
#include "ui/PictureBox.h"
#include "ui/Pointer.h"
#include "ui/ScaleForm.h"
#include "ui/TextLabel.h"
#include "ui/UiText.h"
#include "ui/VbColor.h"
#include "ui/WindowBackdrop.h"
#include "users/ProgressRecords.h"
#include "users/UserPaths.h"
#include "viewer/Form1.h"

#include <QFrame>
#include <QScrollBar>

namespace qm {
namespace {

constexpr QSize kWindowSize(640, 520);
constexpr quint32 kPanelColor = 0xFAF0EE;
constexpr quint32 kCounterColor = 0xE2CBAF;
constexpr quint32 kSummaryColor = 0xFF6666;
constexpr quint32 kWrongAnswerColor = 0xC0C0C0;
constexpr int kContentWidth = 566;
constexpr int kAnswerLeft = 16;
constexpr int kScrollUnit = DesignPixels(230);

void setBold(QWidget* w, bool bold, int growPoints = 0)
{
    QFont f = w->font();
    f.setBold(bold);
    if (growPoints) f.setPointSize(f.pointSize() + growPoints);
    w->setFont(f);
}

template <class B>
void clearAnswer(B* b)
{
    b->hide();
    b->setForeColor(kBlack);
    b->setBold(false);
    // An exclusive option cannot be unticked while it is exclusive.
    b->setAutoExclusive(false);
    b->setChecked(false);
}

} // namespace

QuestionForm::QuestionForm() : SingleForm<QuestionForm>(QStringLiteral("QuestionForm"))
{
    buildControls();
    hookButtons();
}

void QuestionForm::buildControls()
{
    Picture1 = NewBackdrop(this, QStringLiteral("Picture1"), kWindowSize, false);
    Title = NewHeading(this, QStringLiteral("Title"), -1, QRect(12, 8, 540, 22));
    Picture2 = NewPictureBox(this, QStringLiteral("Picture2"), QRect(608, 6, 24, 24));
    Picture2->setSkin(QStringLiteral("ExitButton_Off.jpg"));

    Picture3 = NewPictureBox(this, QStringLiteral("Picture3"), QRect(16, 48, 590, 410));
    Picture3->setBackColor(kPanelColor);
    Picture4 = NewPictureBox(this, QStringLiteral("Picture4"), QRect(0, 0, 590, 410), Picture3);
    Picture4->setBackColor(kPanelColor);
    VScroll1 = Place(this, new QScrollBar(Qt::Vertical, this), QStringLiteral("VScroll1"), QRect(606, 48, 18, 410));
    VScroll1->hide();

    Label7 = NewLabel(this, QStringLiteral("Label7"), QRect(12, 12, kContentWidth, 24), Picture4);
    setBold(Label7, true, 2);
    Label8 = NewLabel(this, QStringLiteral("Label8"), QRect(12, 63, kContentWidth, 20), Picture4);
    setBold(Label8, true);
    Frame1 = Place(this, new QFrame(Picture4), QStringLiteral("Frame1"), QRect(12, 110, kContentWidth, 60));
    Frame1->setFrameShape(QFrame::StyledPanel);
    Frame1->setMouseTracking(true);
    Label5 = NewLabel(this, QStringLiteral("Label5"), QRect(12, 186, kContentWidth, 20), Picture4);
    setBold(Label5, true, 1);
    Label6 = NewLabel(this, QStringLiteral("Label6"), QRect(12, 222, kContentWidth, 20), Picture4);
    setBold(Label6, true);
    Label10 = NewLabel(this, QStringLiteral("Label10"), QRect(12, 258, kContentWidth, 20), Picture4);
    TestLabel = NewLabel(this, QStringLiteral("TestLabel"), QRect(kAnswerLeft, 0, 500, 20), Frame1);
    setBold(TestLabel, true); // measured as the widest look an answer takes (bold once graded)
    TestLabel->hide();

    NewSkinButton(this, QStringLiteral("Q_But"), QStringLiteral("Label2"), -1, QRect(524, 480, 100, 28), Q_But, Label2);

    for (PictureBox* p : {Picture1, Picture2, Picture3, Picture4, Q_But}) p->setFocusPolicy(Qt::NoFocus);
    Picture3->hide();
}

void QuestionForm::hookButtons()
{
    connect(Q_But, &PictureBox::mouseMoved, this, [this] { showButtonLook(true, false); });
    connect(Label2, &TextLabel::mouseMoved, this, [this] { showButtonLook(true, false); });
    connect(Picture2, &PictureBox::mouseMoved, this, [this] { showButtonLook(false, true); });
    connect(Picture1, &PictureBox::mouseMoved, this, [this] {
        setMousePointer(vbDefault);
        showButtonLook(false, false);
    });
    connect(Picture4, &PictureBox::mouseMoved, this, [this] { setMousePointer(vbDefault); });
    connect(Label8, &TextLabel::mouseMoved, this, [this] { setMousePointer(vbDefault); });
    connect(Q_But, &PictureBox::clicked, this, [this] { AnswerClicked(); });
    connect(Label2, &TextLabel::clicked, this, [this] { AnswerClicked(); });
    connect(Picture2, &PictureBox::clicked, this, [this] { Picture2_Click(); });
    connect(VScroll1, &QScrollBar::valueChanged, this, [this](int v) { Picture4->move(0, -v * kScrollUnit); });
}

void QuestionForm::showButtonLook(bool mainOn, bool exitOn)
{
    if (mainOn || exitOn) setMousePointer(vbCustom);
    Q_But->setSkin(mainOn ? QStringLiteral("Button_On.jpg") : QStringLiteral("Button_Off.jpg"));
    Label2->setBackColor(mainOn ? kHighlightBack : kNormalBack);
    Label2->setForeColor(mainOn ? kBlack : kWhite);
    Picture2->setSkin(exitOn ? QStringLiteral("ExitButton_On.jpg") : QStringLiteral("ExitButton_Off.jpg"));
}

void QuestionForm::Form_Load()
{
    setKeyPreview(true);
    ScaleFormToScreen(*this);
    Title->setText(GetResString(142));
    showButtonLook(false, false);
}

void QuestionForm::Form_Unload()
{
    if (SavedTestLabelHeight > 0) TestLabel->resize(TestLabel->width(), SavedTestLabelHeight);
}

void QuestionForm::Form_KeyUp(int keyCode, int)
{
    if (keyCode == vbKeyReturn) AnswerClicked();
    else if (keyCode == vbKeyEscape) Picture2_Click();
}

bool QuestionForm::Form_QueryUnload(int unloadMode)
{
    if (unloadMode != vbFormControlMenu) return false;
    // The close box is the exit button: the same question, and Yes leaves
    // the test for the page after it.
    Picture2_Click();
    return true;
}

// ---- controls loaded as they are needed --------------------------------

AnswerOption* QuestionForm::option(int index)
{
    while (Option1.size() <= index) {
        auto* b = new AnswerOption(Frame1);
        Place(this, b, QStringLiteral("Option1"), QRect(kAnswerLeft, 0, kContentWidth - 2 * kAnswerLeft, 20),
              int(Option1.size()));
        b->hide();
        Option1.append(b);
    }
    return Option1[index];
}

AnswerCheck* QuestionForm::check(int index)
{
    while (Check1.size() <= index) {
        auto* b = new AnswerCheck(Frame1);
        Place(this, b, QStringLiteral("Check1"), QRect(kAnswerLeft, 0, kContentWidth - 2 * kAnswerLeft, 20),
              int(Check1.size()));
        b->hide();
        Check1.append(b);
    }
    return Check1[index];
}

TextLabel* QuestionForm::reviewLink(int index)
{
    while (Label1.size() <= index) {
        const int i = int(Label1.size());
        TextLabel* l = NewLabel(this, QStringLiteral("Label1"),
                                QRect(kAnswerLeft, DesignPixels(240), kContentWidth - 2 * kAnswerLeft, 20), Frame1, i);
        QFont f = l->font();
        f.setUnderline(true);
        l->setFont(f);
        l->setForeColor(kLinkColor);
        l->hide();
        connect(l, &TextLabel::mouseMoved, this, [this] { setMousePointer(vbCustom); });
        connect(l, &TextLabel::clicked, this, [this, i] { Label1_Click(i); });
        Label1.append(l);
    }
    return Label1[index];
}

QAbstractButton* QuestionForm::answerControl(int index) const
{
    if (optionsShown_) return index < Option1.size() ? Option1[index] : nullptr;
    return index < Check1.size() ? Check1[index] : nullptr;
}

void QuestionForm::ClearCheckBoxes()
{
    for (AnswerCheck* b : Check1) clearAnswer(b);
}

void QuestionForm::ClearOptionButtons()
{
    for (AnswerOption* b : Option1) {
        clearAnswer(b);
        b->setAutoExclusive(true);
    }
}

void QuestionForm::HideReviewLinks()
{
    for (TextLabel* l : Label1) l->hide();
}

void QuestionForm::HideFeedback()
{
    for (TextLabel* l : {Label8, Label5, Label6, Label10}) l->hide();
}

// ---- the test -----------------------------------------------------------

bool QuestionForm::InitTest()
{
    SavedTestLabelHeight = TestLabel->height();
    TestReview::PositionSaved = false;
    attempt_ = TestAttempt();
    ReviewItems = QVector<ReviewItem>(1);
    ClearCheckBoxes();
    ClearOptionButtons();
    HideReviewLinks();
    HideFeedback();

    refusal_.clear();
    if (!ReadTestFile(PageList().GetCurrentPageName(), &refusal_)) return false;
    attempt_.start(int(Questions.size()), ReviewItems);
    Label2->setText(GetResString(129));
    Label7->setText(QuestionCounterText(1, attempt_.QuestionCount));
    if (!ShowQuestion(attempt_.CurrentQuestion)) return false;
    layoutMode(1);
    Picture3->show();
    Label7->setForeColor(kCounterColor);
    Label8->show();
    Frame1->show();
    showButtonLook(false, false);
    return true;
}

bool QuestionForm::ShowQuestion(int index)
{
    if (index < 0 || index >= Questions.size()) return false;
    const QuestionRecord& q = Questions[index];
    if (q.Answers.isEmpty()) return false;
    Label8->setText(q.Text);
    optionsShown_ = AnswerControlFor(q) == AnswerControl::OptionButtons;
    placeTextAndFrame();

    int top = DesignPixels(240);
    int frameHeight = 0;
    int previousHeight = 0;
    for (int j = 0; j < q.Answers.size(); ++j) {
        QAbstractButton* b = optionsShown_ ? static_cast<QAbstractButton*>(option(j)) : check(j);
        b->setText(q.Answers[j].Text);
        const QRect caption = optionsShown_ ? option(j)->captionRect() : check(j)->captionRect();
        TestLabel->resize(caption.width(), SavedTestLabelHeight);
        TestLabel->setText(q.Answers[j].Text);
        const int height = qMax(FitLabelHeight(TestLabel), b->fontMetrics().height() + 2);
        if (j == 0) {
            frameHeight = height + DesignPixels(240);
        } else {
            top += previousHeight + DesignPixels(210);
            frameHeight += height + DesignPixels(210);
        }
        b->setGeometry(kAnswerLeft, top, b->width(), height);
        b->show();
        previousHeight = height;
    }
    frameHeight += DesignPixels(240);
    Frame1->resize(Frame1->width(), frameHeight);
    if (!optionsShown_) {
        Check1[0]->setFocusPolicy(Qt::StrongFocus);
        Check1[0]->setFocus();
    }
    return true;
}

void QuestionForm::placeTextAndFrame()
{
    FitLabelHeight(Label7, 24);
    FitLabelHeight(Label8, 20);
    Label8->move(Label8->x(), Label7->y() + Label7->height() + DesignPixels(400));
    Frame1->move(Frame1->x(), Label8->y() + Label8->height() + DesignPixels(400));
}

void QuestionForm::AnswerClicked()
{
    const QString caption = Label2->text();
    if (caption == GetResString(129)) {
        GradeShownQuestion();
    } else if (caption == GetResString(131)) {
        Label2->setText(GetResString(129));
        ShowNextQuestion();
    } else {
        ReadProgressRecords(Progress);
        CloseTest();
        ContinueAfterTest();
    }
}

void QuestionForm::GradeShownQuestion()
{
    if (attempt_.CurrentQuestion >= Questions.size()) return;
    const QuestionRecord& q = Questions[attempt_.CurrentQuestion];
    QVector<bool> ticked;
    for (int j = 0; j < q.Answers.size(); ++j) {
        QAbstractButton* b = answerControl(j);
        ticked.append(b && b->isChecked());
        if (!b) continue;
        if (!IsCorrectAnswer(q.Answers[j])) {
            if (optionsShown_) Option1[j]->setForeColor(kWrongAnswerColor);
            else Check1[j]->setForeColor(kWrongAnswerColor);
        } else {
            if (optionsShown_) Option1[j]->setBold(true);
            else Check1[j]->setBold(true);
        }
    }
    const bool correct = attempt_.grade(q, ticked, ReviewItems);
    Label5->setText(GetResString(correct ? 126 : 127));
    Label5->setForeColor(kBlack);
    Label5->move(Label5->x(), Frame1->y() + Frame1->height() + DesignPixels(240));
    Label5->show();
    if (!q.Explanation.isEmpty()) {
        Label6->setText(GetResString(128));
        Label10->setText(q.Explanation);
        FitLabelHeight(Label10, 20);
        Label6->move(Label6->x(), Label5->y() + Label5->height() + DesignPixels(240));
        Label10->move(Label10->x(), Label6->y() + Label6->height() + DesignPixels(240));
        Label6->show();
        Label10->show();
        layoutMode(3);
    } else {
        layoutMode(2);
    }
    const bool closeNow = IsTestWithoutSummary(TestHeader) && attempt_.isLastQuestion();
    Label2->setText(GetResString(closeNow ? 132 : 131));
}

void QuestionForm::ShowNextQuestion()
{
    if (attempt_.advance()) {
        ClearCheckBoxes();
        ClearOptionButtons();
        HideFeedback();
        Label7->setText(QuestionCounterText(attempt_.CurrentQuestion + 1, attempt_.QuestionCount));
        ShowQuestion(attempt_.CurrentQuestion);
        layoutMode(1);
        Picture3->show();
        Label8->show();
        return;
    }
    ShowSummary();
}

void QuestionForm::ShowSummary()
{
    Label2->setText(GetResString(132));
    ClearCheckBoxes();
    ClearOptionButtons();
    HideReviewLinks();
    HideFeedback();
    Label7->setForeColor(kSummaryColor);
    const QString moduleTitle = HasCurrentModule() ? CurrentModule().Title : QString();
    Label7->setText(ScoreSentence(attempt_.CorrectAnswers, attempt_.QuestionCount, moduleTitle));

    bool listed = false;
    if (!attempt_.allCorrect() && HasReviewList(ReviewItems)) {
        Label8->setText(GetResString(137));
        Label8->show();
        listed = true;
    }
    const QString notKept = WriteResultRecord();
    placeTextAndFrame();
    if (listed) {
        int frameHeight = 0;
        int top = DesignPixels(240);
        for (int i = 0; i < ReviewItems.size(); ++i) {
            TextLabel* l = reviewLink(i);
            l->setText(ReviewItems[i].Caption);
            l->setForeColor(kLinkColor); // this pass's suggestions are not visited yet
            const int height = FitLabelHeight(l, 20);
            if (i == 0) {
                frameHeight = height + DesignPixels(240);
            } else {
                top = Label1[i - 1]->y() + Label1[i - 1]->height() + DesignPixels(300);
                frameHeight += height + DesignPixels(300);
            }
            l->move(l->x(), top);
            l->show();
        }
        frameHeight += DesignPixels(240);
        Frame1->resize(Frame1->width(), frameHeight);
        Frame1->show();
    }
    layoutMode(1);
    // Told over the finished summary, so the learner sees the score that was lost.
    if (!notKept.isEmpty())
        MsgBox(GetResString(720) + QStringLiteral("\n\n") + notKept, vbExclamation, GetResString(547));
}

QString QuestionForm::WriteResultRecord()
{
    if (!HasCurrentModule()) return QString();
    ReadProgressRecords(Progress);
    const QString code = CurrentModule().Code;
    const ResultItems r =
        BuildResultRecord(Progress, code, attempt_.score(), attempt_.AnswerString, GetDateString());
    QString error;
    const bool saved = SaveProgressRecord(code, PageList().GetCurrentPageTopName(), UserFirstName, UserLastName,
                                          r, QString(), &error);
    // A signed-in learner hears when the result could not be kept.
    return !saved && !CurrentUserFolderName().isEmpty() ? error : QString();
}

void QuestionForm::CloseTest()
{
    if (TestReview* r = TestReview::ifLoaded()) r->unload();
    unload();
}

void QuestionForm::Picture2_Click()
{
    if (MsgBox(GetResString(542), vbYesNo) != vbYes) return;
    ContinueAfterTest();
    CloseTest();
}

// ---- layout -------------------------------------------------------------

int QuestionForm::GetQuesionPageSize(int mode) const
{
    int size = Label7->height() + Label8->height() + Frame1->height();
    if (mode == 1) return size + DesignPixels(1345);
    size += Label5->height();
    if (mode == 2) return size + DesignPixels(1585);
    return size + Label6->height() + Label10->height() + DesignPixels(2065);
}

void QuestionForm::layoutMode(int mode) { Resize_Test(mode, GetQuesionPageSize(mode)); }

void QuestionForm::Resize_Test(int mode, int size)
{
    const int viewWidth = Picture3->width();
    const int viewHeight = Picture3->height();
    if (viewHeight >= size) {
        Picture4->setGeometry(0, 0, viewWidth, viewHeight);
        VScroll1->hide();
    } else {
        Picture4->resize(viewWidth, size);
        VScroll1->show();
    }
    VScroll1->setGeometry(Picture3->x() + Picture3->width(), Picture3->y(), VScroll1->width(), Picture3->height());
    const int overflow = Picture4->height() - viewHeight;
    const int max = overflow > 0 ? qRound(double(overflow) / kScrollUnit) : qMax(0, overflow);
    VScroll1->setRange(0, max);
    VScroll1->setSingleStep(1);
    VScroll1->setPageStep(15);
    VScroll1->setValue(mode == 1 ? VScroll1->minimum() : VScroll1->maximum());
    Picture4->move(0, -VScroll1->value() * kScrollUnit);
}

// ---- review -------------------------------------------------------------

void QuestionForm::Label1_Click(int index)
{
    if (index < 0 || index >= Label1.size() || index >= ReviewItems.size()) return;
    hide(); // ends the modal display; the summary page stays as it is
    TestReview& review = TestReview::instance();
    if (index < review.Label1.size()) review.Label1[index]->setForeColor(kCurrentColor);
    Label1[index]->setForeColor(kVisitedColor);
    review.showModeless(Form1::ifLoaded());
    GoToReviewPage(index);
}

void QuestionForm::GoToReviewPage(int index)
{
    if (index < 0 || index >= ReviewItems.size() || !HasCurrentModule()) return;
    const ReviewTarget target = ParseReviewLink(ReviewItems[index].Link);
    const int module = FindModuleIndex(CurrentCourse(), target.ModuleCode);
    if (module < 0) {
        MsgBox(GetResString(541));
        return;
    }
    OpenModuleAtPage(module, target.PageName);
}

} // namespace qm
