#include "assessment/Status.h"
#include "app/Globals.h"
#include "assessment/ProgressFigures.h"
#include "assessment/ProgressGrid.h"
#include "assessment/StatusWindow.h"
#include "assessment/TestWindows.h"
#include "content/LinkedList.h"
#include "platform/MessageBox.h"
#include "reference/Help.h"
#include "ui/Controls.h"
#include "ui/DialogLook.h"
#include "ui/KeyCodes.h"
#include "ui/PictureBox.h"
#include "ui/Pointer.h"
#include "ui/ScaleForm.h"
#include "ui/SkinnedButtons.h"
#include "ui/TextLabel.h"
#include "ui/UiText.h"
#include "ui/VbColor.h"
#include "ui/WindowBackdrop.h"
#include "users/ProgressRecords.h"
#include "viewer/Navigation.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>

namespace qm {
namespace {

constexpr quint32 kTextColor = 0x333333;

const CourseRecord* chosenCourse()
{
    if (CurCourse < 0 || CurCourse >= Courses.size()) return nullptr;
    return &Courses[CurCourse];
}

} // namespace

void ShowStatusForm()
{
    // Progress that cannot be read is not the same as nothing viewed: the
    // learner is told, and the file stays as it is (this window never writes).
    QString unreadable;
    ReadProgressRecords(Progress, &unreadable);
    if (!unreadable.isEmpty())
        MsgBox(GetResString(602) + QStringLiteral("\n\n") + unreadable, vbExclamation, GetResString(547));
    Status& s = Status::instance();
    s.SetProgressKnown(unreadable.isEmpty());
    s.Clear_Form();
    s.FillStatusModuleGrid();
    s.showModal();
}

Status::Status() : SingleForm<Status>(QStringLiteral("Status")) { buildControls(); }

void Status::buildControls()
{
    NewBackdrop(this, QStringLiteral("StatusBackground"), QSize(600, 540), true);
    Label2[5] = NewHeading(this, QStringLiteral("Label2"), 5, QRect(12, 8, 400, 22));
    Label2[2] = NewLabel(this, QStringLiteral("Label2"), QRect(16, 46, 300, 20), nullptr, 2);
    Label2[3] = NewLabel(this, QStringLiteral("Label2"), QRect(16, 226, 300, 20), nullptr, 3);
    const QRect grids[2] = {QRect(16, 68, 568, 150), QRect(16, 248, 568, 150)};
    for (int i = 0; i < 2; ++i) {
        MSFlexGrid1[i] = Place(this, new ProgressGrid(this), QStringLiteral("MSFlexGrid1"), grids[i], i);
        connect(MSFlexGrid1[i], &ProgressGrid::mouseMovedAt, this, [this, i](int y) { MSFlexGrid1_MouseMove(i, y); });
        connect(MSFlexGrid1[i], &QTableWidget::cellClicked, this, [this, i](int row, int) { MSFlexGrid1_Click(i, row); });
    }
    MSFlexGrid1[1]->setHighlight(false);

    Label1[0] = NewLabel(this, QStringLiteral("Label1"), QRect(16, 410, 170, 20), nullptr, 0);
    Label1[3] = NewLabel(this, QStringLiteral("Label1"), QRect(16, 438, 70, 20), nullptr, 3);
    Label1[4] = NewLabel(this, QStringLiteral("Label1"), QRect(16, 466, 70, 20), nullptr, 4);
    Text1 = Place(this, new QLineEdit(this), QStringLiteral("Text1"), QRect(90, 436, 70, 24));
    Text2 = Place(this, new QLineEdit(this), QStringLiteral("Text2"), QRect(90, 464, 70, 24));
    Label1[2] = NewLabel(this, QStringLiteral("Label1"), QRect(200, 410, 200, 20), nullptr, 2);
    ccrpProgressBar1 = Place(this, new QProgressBar(this), QStringLiteral("ccrpProgressBar1"), QRect(200, 436, 200, 24));
    ccrpProgressBar1->setRange(0, 100);
    ccrpProgressBar1->setAlignment(Qt::AlignCenter);
    QPalette bar = ccrpProgressBar1->palette();
    bar.setColor(QPalette::Highlight, VbColor(kViewedColor));
    ccrpProgressBar1->setPalette(bar);
    Label1[1] = NewLabel(this, QStringLiteral("Label1"), QRect(430, 410, 150, 20), nullptr, 1);
    Picture3 = NewPictureBox(this, QStringLiteral("Picture3"), QRect(430, 441, 14, 14));
    Picture3->setBackColor(kViewedColor);
    Label1[5] = NewLabel(this, QStringLiteral("Label1"), QRect(450, 438, 130, 20), nullptr, 5);
    Picture1 = NewPictureBox(this, QStringLiteral("Picture1"), QRect(430, 469, 14, 14));
    Picture1->setBackColor(0x000000);
    Label1[6] = NewLabel(this, QStringLiteral("Label1"), QRect(450, 466, 130, 20), nullptr, 6);
    for (TextLabel* l : {Label2[2], Label2[3], Label1[0], Label1[1], Label1[2], Label1[3], Label1[4], Label1[5], Label1[6]})
        l->setForeColor(kTextColor);
    for (TextLabel* l : {Label2[2], Label2[3], Label1[0], Label1[1], Label1[2]}) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    for (QLineEdit* t : {Text1, Text2}) {
        t->setReadOnly(true);
        t->setFocusPolicy(Qt::NoFocus);
    }
    for (PictureBox* p : {Picture1, Picture3}) {
        p->setFocusPolicy(Qt::NoFocus);
        connect(p, &PictureBox::mouseMoved, this, [this] { setMousePointer(vbDefault); });
    }
    for (QWidget* w : {static_cast<QWidget*>(Text1), static_cast<QWidget*>(Text2),
                       static_cast<QWidget*>(ccrpProgressBar1)}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }

    NewSkinButton(this, QStringLiteral("Prog_Help"), QStringLiteral("Label2"), 0, QRect(376, 500, 100, 28), Prog_Help,
                  Label2[0]);
    NewSkinButton(this, QStringLiteral("Prog_Cancel"), QStringLiteral("Label2"), 1, QRect(484, 500, 100, 28),
                  Prog_Cancel, Label2[1]);

    buttons_ = new SkinnedButtonSet(this);
    buttons_->addPlainButton(Prog_Help, Label2[0], [this] { ShowHelp(); });
    buttons_->addPlainButton(Prog_Cancel, Label2[1], [this] { CloseStatus(); });
    buttons_->addOtherControl(MSFlexGrid1[0]);
    buttons_->addOtherControl(MSFlexGrid1[1]);
    setTabOrder(MSFlexGrid1[0], MSFlexGrid1[1]);
    setTabOrder(MSFlexGrid1[1], Prog_Help);
    setTabOrder(Prog_Help, Prog_Cancel);
}

void Status::InsertFormText()
{
    Label2[5]->setText(GetResString(350));
    Label2[2]->setText(GetResString(358));
    Label2[3]->setText(GetResString(359));
    Label2[0]->setText(GetResString(361));
    Label2[1]->setText(GetResString(360));
    Label1[0]->setText(GetResString(351));
    Label1[3]->setText(GetResString(352));
    Label1[4]->setText(GetResString(353));
    Label1[2]->setText(GetResString(354));
    Label1[1]->setText(GetResString(357));
    Label1[5]->setText(GetResString(355));
    Label1[6]->setText(GetResString(356));
}

void Status::Form_Load()
{
    setKeyPreview(true);
    ScaleFormToScreen(*this);
    InsertFormText();
    MSFlexGrid1[0]->setHighlight(false);
    buttons_->showAllNormal();
}

void Status::SetProgressKnown(bool known)
{
    progressKnown_ = known;
    for (QWidget* w : std::initializer_list<QWidget*>{ccrpProgressBar1, Text1, Text2, Picture1, Picture3})
        w->setVisible(known);
    for (TextLabel* l : Label1) l->setVisible(known);
}

void Status::Clear_Form()
{
    HoverModuleRow = -1;
    for (ProgressGrid* g : MSFlexGrid1) {
        g->clearRows();
        g->setSelectionColors(0xFFFFFF, kBlack);
    }
    MSFlexGrid1[0]->setHighlight(false);
    Text1->clear();
    Text2->clear();
}

void Status::FillStatusModuleGrid()
{
    ProgressGrid* grid = MSFlexGrid1[0];
    if (const CourseRecord* course = chosenCourse()) {
        const ModuleRecords records(Progress);
        for (int i = 0; i < course->Modules.size(); ++i) {
            const ModuleRecord& m = course->Modules[i];
            grid->addRow(m.Title);
            if (progressKnown_ && records.of(m.Code) >= 0) {
                grid->markViewed(i);
                grid->setSelectionColors(kViewedHighlight, kViewedColor);
            }
        }
    }
    const int percent = GetCoursePercent();
    ccrpProgressBar1->setValue(percent);
    ccrpProgressBar1->setFormat(QString::number(percent) + QLatin1Char('%'));
}

void Status::FillStatusTopicGrid(const QString& rowText)
{
    ProgressGrid* grid = MSFlexGrid1[1];
    grid->clearRows();
    bool ok = false;
    const int m = rowText.toInt(&ok);
    const CourseRecord* course = chosenCourse();
    if (!ok || !course || m < 0 || m >= course->Modules.size()) return;
    const ModuleRecord& module = course->Modules[m];
    for (int t = 0; t < module.Topics.size(); ++t) {
        grid->addRow(module.Topics[t]);
        if (progressKnown_ && IsTopicViewed(Progress, module.Code, module.Topics[t])) grid->markViewed(t);
    }
}

void Status::ShowModuleScores(int row)
{
    const ModuleScoreTexts scores = progressKnown_ ? ModuleScores(row) : ModuleScoreTexts{};
    Text1->setText(scores.Best);
    Text2->setText(scores.Last);
}

void Status::MSFlexGrid1_MouseMove(int index, int y)
{
    ProgressGrid* grid = MSFlexGrid1[index];
    const int r = grid->rowAtY(y);
    if (index == 1) {
        setMousePointer(r < grid->rowCount() ? vbCustom : vbDefault);
        return;
    }
    if (r == HoverModuleRow) {
        setMousePointer(vbCustom);
        return;
    }
    if (r >= grid->rowCount()) {
        setMousePointer(vbDefault); // the last highlight stays
        return;
    }
    setMousePointer(vbCustom);
    grid->setHighlight(true);
    const quint32 fore = grid->rowColor(r);
    grid->setSelectionColors(fore == kViewedColor ? kViewedHighlight : kHighlight, fore);
    grid->selectRowAlone(r);
    HoverModuleRow = r;
    ShowModuleScores(r);
    FillStatusTopicGrid(QString::number(r));
}

void Status::MSFlexGrid1_Click(int index, int row)
{
    if (row < 0) return;
    if (index == 1) {
        const int module = MSFlexGrid1[0]->currentRow();
        if (module < 0) return;
        OpenTopic(module, row, MSFlexGrid1[1]->rowText(row));
    } else {
        OpenModule(row);
    }
    MSFlexGrid1[0]->setHighlight(false);
    unload();
}

void Status::CloseStatus()
{
    setMousePointer(vbHourglass);
    MSFlexGrid1[0]->setHighlight(false);
    HoverModuleRow = -1;
    unload();
    if (PageList().GetCurrentPageTpye() != QLatin1String("Test")) return;
    if (InitTest()) ShowTestWindowModal();
    else ShowTestRefusal();
}

bool Status::Form_QueryUnload(int unloadMode)
{
    if (unloadMode != vbFormControlMenu) return false;
    // The close box closes as Close does: on a test page the test starts.
    CloseStatus();
    return true;
}

void Status::ShowHelp()
{
    Label2[0]->setForeColor(kWhite);
    Prog_Help->setSkin(QStringLiteral("Button_Off.jpg"));
    ShowHelpDocument(QStringLiteral("StatusHelp.rtf"), this);
}

void Status::Form_KeyUp(int keyCode, int)
{
    if (keyCode != vbKeyReturn) return;
    QWidget* active = activeControl();
    if (active == Prog_Cancel) CloseStatus();
    else if (active == Prog_Help) ShowHelp();
}

void Status::Form_MouseMove()
{
    setMousePointer(vbDefault);
    if (Label2[0]->foreColor() == kBlack || Label2[1]->foreColor() == kBlack) {
        buttons_->showNormal(Prog_Help);
        buttons_->showNormal(Prog_Cancel);
    }
}

bool Status::eventFilter(QObject* obj, QEvent* e)
{
    if (e->type() == QEvent::MouseMove) setMousePointer(vbDefault);
    return Form::eventFilter(obj, e);
}

} // namespace qm
