#pragma once
#include "assessment/TestAttempt.h"
#include "ui/Form.h"

#include <QList>

class QAbstractButton;
class QFrame;
class QScrollBar;

namespace qm {

class AnswerCheck;
class AnswerOption;
class PictureBox;
class TextLabel;

// The test window: the questions of the current test page one at a time,
// graded when the main button is pressed, then the score, the suggested
// review pages and the learner's result record for the module.
class QuestionForm : public SingleForm<QuestionForm> {
    Q_OBJECT
public:
    QuestionForm();

    // Starts the test of the current page afresh and shows its first
    // question; false when its test file cannot be read or run.
    bool InitTest();
    // Why the last InitTest returned false, naming the test file.
    const QString& refusal() const { return refusal_; }
    // The next question, or the summary page after the last one.
    void ShowNextQuestion();
    // The main button: grade, next question or close, by its caption.
    void AnswerClicked();
    // Height of the content for a layout mode: 1 question or summary,
    // 2 with the feedback, 3 with the feedback and an explanation.
    int GetQuesionPageSize(int mode) const;
    // Fits the content panel and the scroll bar to a content height; mode 1
    // shows the content from its top, the others from its end.
    void Resize_Test(int mode, int size);
    // Opens review item index in the main window.
    void GoToReviewPage(int index);

    // A review link was clicked: the window steps aside for the review list.
    void Label1_Click(int index);
    // The exit button (and Esc): leave the test without a result.
    void Picture2_Click();

    PictureBox* Picture1 = nullptr; // background
    TextLabel* Title = nullptr;
    PictureBox* Picture2 = nullptr; // exit button
    PictureBox* Picture3 = nullptr; // viewport
    PictureBox* Picture4 = nullptr; // content panel
    QScrollBar* VScroll1 = nullptr;
    TextLabel* Label7 = nullptr;    // counter, score sentence
    TextLabel* Label8 = nullptr;    // question text, review instruction
    QFrame* Frame1 = nullptr;       // answers, review links
    TextLabel* Label5 = nullptr;    // Correct! / Incorrect.
    TextLabel* Label6 = nullptr;    // Explanation:
    TextLabel* Label10 = nullptr;   // the explanation
    TextLabel* TestLabel = nullptr; // measures answer texts, never shown
    PictureBox* Q_But = nullptr;
    TextLabel* Label2 = nullptr;    // caption of Q_But
    QList<AnswerOption*> Option1;
    QList<AnswerCheck*> Check1;
    QList<TextLabel*> Label1;

    const TestAttempt& attempt() const { return attempt_; }

    // Colours of the review links.
    static constexpr quint32 kLinkColor = 0xC00000;
    static constexpr quint32 kVisitedColor = 0x800080;
    static constexpr quint32 kCurrentColor = 0x0000FF;

protected:
    void Form_Load() override;
    void Form_Unload() override;
    void Form_KeyUp(int keyCode, int shift) override;
    bool Form_QueryUnload(int unloadMode) override;

private:
    void buildControls();
    void hookButtons();
    bool ShowQuestion(int index);
    void GradeShownQuestion();
    void ShowSummary();
    // Writes this attempt's result; why it could not be kept, or "".
    QString WriteResultRecord();
    void CloseTest();
    void ClearCheckBoxes();
    void ClearOptionButtons();
    void HideReviewLinks();
    void HideFeedback();
    void placeTextAndFrame();
    void layoutMode(int mode);
    void showButtonLook(bool mainOn, bool exitOn);

    AnswerOption* option(int index);
    AnswerCheck* check(int index);
    TextLabel* reviewLink(int index);
    QAbstractButton* answerControl(int index) const;

    TestAttempt attempt_;
    QString refusal_;
    bool optionsShown_ = true;
    int SavedTestLabelHeight = 0;
};

} // namespace qm
