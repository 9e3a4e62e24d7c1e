#include "reference/Repository.h"
#include "app/Globals.h"
#include "content/ModuleLoader.h"
#include "platform/ContentName.h"
#include "platform/ContentPath.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "reference/DocumentCopy.h"
#include "reference/Help.h"
#include "reference/PrinterDialog.h"
#include "reference/ReferenceFiles.h"
#include "reference/ShellHandOff.h"
#include "ui/Controls.h"
#include "ui/DialogLook.h"
#include "ui/KeyCodes.h"
#include "ui/PictureBox.h"
#include "ui/Pointer.h"
#include "ui/ScaleForm.h"
#include "ui/SkinnedButtons.h"
#include "ui/TextLabel.h"
#include "ui/UiText.h"
#include "viewer/Form1.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>

namespace qm {

QString ReferenceFolder(int courseIndex)
{
    if (courseIndex < 0 || courseIndex >= Courses.size()) return QString();
    const QString root = ContentPathInside(ContentRoot(), QStringLiteral("Repository"));
    const QString folder = ContentPathInside(root, Courses[courseIndex].RepNum);
    return folder.isEmpty() ? QString() : ResolveContentPath(folder);
}

Repository::Repository() : SkinnedDialog<Repository>(QStringLiteral("Repository"))
{
    SetupDialog(this, QSize(460, 360));
    Label2[5] = NewHeading(this, QStringLiteral("Label2"), 5, QRect(12, 8, 420, 22));
    List1 = Place(this, new QListWidget(this), QStringLiteral("List1"), QRect(16, 48, 300, 296));
    const struct {
        PictureBox** box;
        const char* name;
        int index;
        int top;
    } specs[] = {{&View_Btn, "View_Btn", 2, 48},    {&Detach_Btn, "Detach_Btn", 1, 88}, {&Print_Btn, "Print_Btn", 3, 128},
                 {&Help_Btn, "Help_Btn", 0, 168},   {&Cancel_Btn, "Cancel_Btn", 4, 316}};
    for (const auto& s : specs) {
        NewSkinButton(this, QLatin1String(s.name), QStringLiteral("Label2"), s.index, QRect(336, s.top, 108, 28), *s.box,
                      Label2[s.index]);
    }

    buttons_ = new SkinnedButtonSet(this);
    // Added in the order Enter tests the captions.
    buttons_->addPlainButton(Help_Btn, Label2[0], [this] { Help_Btn_MouseUp(); });
    buttons_->addPlainButton(Detach_Btn, Label2[1], [this] { Detach_Btn_MouseUp(); }, true);
    buttons_->addPlainButton(View_Btn, Label2[2], [this] { View_Btn_MouseUp(); }, true);
    buttons_->addPlainButton(Print_Btn, Label2[3], [this] { Print_Btn_MouseUp(); }, true);
    buttons_->addPlainButton(Cancel_Btn, Label2[4], [this] { Cancel_Btn_MouseUp(); });
    buttons_->setEscapeExits(false);
    buttons_->addOtherControl(List1);
    buttons_->setEnablingTimer([this] { Timer1_Timer(); }, 100);
    connect(List1, &QListWidget::itemDoubleClicked, this, [this] { List1_DblClick(); });
    setTabOrder(List1, View_Btn);
    setTabOrder(View_Btn, Detach_Btn);
    setTabOrder(Detach_Btn, Print_Btn);
    setTabOrder(Print_Btn, Help_Btn);
    setTabOrder(Help_Btn, Cancel_Btn);
}

void Repository::Form_Load()
{
    setKeyPreview(true);
    PlaceComponentsOnForm();
    InsertFormText();
    InitRepository();
}

void Repository::PlaceComponentsOnForm() { ScaleFormToScreen(*this); }

void Repository::InsertFormText()
{
    Label2[5]->setText(GetResString(250));
    Label2[2]->setText(GetResString(251));
    Label2[1]->setText(GetResString(254));
    Label2[0]->setText(GetResString(255));
    Label2[3]->setText(GetResString(252));
    Label2[4]->setText(GetResString(253));
    for (PictureBox* b : {Help_Btn, Cancel_Btn}) buttons_->showNormal(b);
    for (PictureBox* b : {Detach_Btn, View_Btn, Print_Btn}) buttons_->showDisabled(b);
}

void Repository::InitRepository()
{
    List1->clear();
    const auto add = [this](const QString& folder) {
        for (const ReferenceDocument& d : ReferenceDocuments(folder)) {
            auto* item = new QListWidgetItem(d.shown, List1);
            item->setData(Qt::UserRole, d.bytes);
        }
    };
    if (AllModulesMode == 1) {
        // Every real course's documents, course by course (the last entry is
        // "All modules" itself).
        for (int c = 0; c + 1 < Courses.size(); ++c) add(ReferenceFolder(c));
    } else {
        add(ReferenceFolder(CurCourse));
    }
}

QString Repository::DocumentPath(const QByteArray& name) const
{
    int course = CurCourse;
    if (AllModulesMode == 1) {
        course = 0;
        for (int c = 0; c + 1 < Courses.size(); ++c) {
            if (HoldsDocument(ReferenceFolder(c), name)) {
                course = c;
                break;
            }
        }
    }
    return ListedDocumentPath(ReferenceFolder(course), name);
}

QByteArray Repository::selectedName() const
{
    const QList<QListWidgetItem*> items = List1->selectedItems();
    return items.isEmpty() ? QByteArray() : items.first()->data(Qt::UserRole).toByteArray();
}

void Repository::Timer1_Timer()
{
    const bool selected = !List1->selectedItems().isEmpty();
    for (PictureBox* b : {Detach_Btn, View_Btn, Print_Btn}) buttons_->enableWhen(b, selected);
}

void Repository::open(int showMode)
{
    const QByteArray name = selectedName();
    hide();
    if (name.isEmpty()) return;
    ShellOpenFile(DocumentPath(name), showMode, QString(), QString(), QStringLiteral("open"), this);
}

void Repository::List1_DblClick() { open(SW_SHOW); }

void Repository::View_Btn_MouseUp()
{
    buttons_->showNormal(View_Btn);
    open(SW_SHOWMAXIMIZED);
}

void Repository::Detach_Btn_MouseUp()
{
    buttons_->showNormal(Detach_Btn);
    const QByteArray name = selectedName();
    if (name.isEmpty()) return;
    const QString source = DocumentPath(name);
    const QString shown = QFile::decodeName(name);
    const QString target = fileDialogService().saveFileName(this, GetResString(140), QDir::home().filePath(shown),
                                                            QFileInfo(shown).suffix());
    if (target.isEmpty() || IsSameFile(source, target)) return;
    if (QFileInfo::exists(target)
        && MsgBox(GetResString(508), vbYesNo, GetResString(509)) != vbYes)
        return;
    QString error;
    if (!CopyDocument(source, target, &error)) MsgBox(GetResString(642) + error);
}

void Repository::Print_Btn_MouseUp()
{
    buttons_->showNormal(Print_Btn);
    const QByteArray name = selectedName();
    if (name.isEmpty()) return;
    frmPrinterDialog& dialog = frmPrinterDialog::instance();
    if (!dialog.InitPrintDlg(DocumentPath(name), 1)) return;
    dialog.showModal(Form1::ifLoaded() ? static_cast<QWidget*>(Form1::ifLoaded()) : this);
}

void Repository::Help_Btn_MouseUp()
{
    buttons_->showNormal(Help_Btn);
    ShowHelpDocument(QStringLiteral("RepositoryHelp.rtf"), this);
}

void Repository::Cancel_Btn_MouseUp()
{
    buttons_->showNormal(Cancel_Btn);
    unload();
}

void Repository::Form_MouseMove()
{
    buttons_->showAllNormal();
    setMousePointer(vbDefault);
}

void ShowRepositoryWindow()
{
    Repository& window = Repository::instance();
    window.showModal(Form1::ifLoaded());
}

} // namespace qm
