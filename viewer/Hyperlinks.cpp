#include "viewer/Hyperlinks.h"
#include "app/Globals.h"
#include "content/LinkedList.h"
#include "content/ModuleCode.h"
#include "content/ModuleLoader.h"
#include "platform/ContentName.h"
#include "platform/ContentPath.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"
#include "platform/TextControl.h"
#include "reference/ShellHandOff.h"
#include "ui/UiText.h"
#include "viewer/Form1.h"
#include "viewer/Navigation.h"
#include "viewer/ReturnStack.h"

#include <QFileInfo>
#include <QUrl>

namespace qm {
namespace {

const QChar kNul(0);

// Blanks are trimmed from the end of the text, before the one NUL that the
// page view puts after every target, so that the terminator stays in place.
QString trimAndLower(const QString& target)
{
    const int nul = target.indexOf(kNul);
    QString text = nul < 0 ? target : target.left(nul);
    const QString rest = nul < 0 ? QString() : target.mid(nul);
    while (text.endsWith(' ')) text.chop(1);
    return (text + rest).toLower();
}

// A word processor that keeps links relative still writes them as absolute
// file URLs ("file:///home/author/course/abc123_0002.txm#mark"). Such a link
// means what its file name (and mark) would mean written alone: its folders
// are dropped, so it reaches only what a relative link reaches.
QString byFileName(const QString& target)
{
    if (!target.startsWith(QLatin1String("file:"))) return target;
    const int nul = target.indexOf(kNul);
    const QString url = target.mid(5, nul < 0 ? -1 : nul - 5);
    const QString rest = nul < 0 ? QString() : target.mid(nul);
    const int hash = url.indexOf('#');
    const QString path = hash < 0 ? url : url.left(hash);
    const int cut = qMax(path.lastIndexOf('/'), path.lastIndexOf('\\'));
    QString name = QUrl::fromPercentEncoding(path.mid(cut + 1).toUtf8());
    if (hash >= 0) name += '#' + QUrl::fromPercentEncoding(url.mid(hash + 1).toUtf8());
    return name.toLower() + rest;
}

bool isWebAddress(const QString& t)
{
    for (const char* prefix : {"http:", "www.", "ftp:", "w3.", "gopher:"})
        if (t.startsWith(QLatin1String(prefix))) return true;
    return false;
}

QString repositoryFolder()
{
    const QString repNum = CurrentCourse().RepNum;
    const QString root = ContentPathInside(ContentRoot(), QStringLiteral("Repository"));
    return ContentPathInside(root, repNum);
}

void openDocument(Form1& window, const QString& target)
{
    if (AllModulesMode == 1) {
        MsgBox(GetResString(531));
        return;
    }
    const QString name = ShellText(target);
    const QString folder = repositoryFolder();
    // A name that would leave the course's reference folder is no document of it.
    const QString here = ContentPathInside(folder, name);
    if (folder.isEmpty() || here.isEmpty()) {
        MsgBox(GetResString(524), vbExclamation);
        return;
    }
    const QString found = ResolveContentPath(here);
    if (ContentFileExists(found)) {
        ShellOpenFile(found, SW_SHOW, QString(), QString(), QStringLiteral("open"), &window);
        return;
    }
    const QString hidden = ResolveContentPath(ContentPathInside(JoinPath(folder, QStringLiteral("Hidden")), name));
    ShellOpenFile(hidden, SW_SHOW, QString(), QString(), QStringLiteral("open"), &window);
}

// "page.txm#mark": the page is taken from the folder of the page on view.
void openPageAtMark(Form1& window, const QString& target)
{
    const int hash = target.indexOf('#');
    const QString name = target.left(hash);
    const QString mark = ShellText(target.mid(hash + 1));
    TextControl* view = window.TXTextControl1;
    const QString folder = QFileInfo(view->documentPath()).absolutePath();
    QString path = ContentPathInside(folder, name);
    path = path.isEmpty() ? JoinPath(folder, name) : ResolveContentPath(path);
    if (!IsPlainContentName(name) || !QFileInfo(path).isFile()) {
        MsgBox(QStringLiteral("File not found: %1").arg(JoinPath(folder, name)));
        return;
    }
    // Read before the page's movies go: a page that cannot be shown leaves
    // the page on view whole.
    QByteArray bytes;
    QString why;
    if (!TextControl::readPage(path, bytes, &why)) {
        MsgBox(why);
        return;
    }
    window.RemoveMovieControl();
    if (!view->load(path, TextControl::LoadKind::Page)) {
        MsgBox(view->errorText());
        return;
    }
    view->goToMark(mark);
    LastTxObjectId = 0;
    LastTxObjectIdSet = false;
}

void openPageLink(Form1& window, const QString& target)
{
    const MoveStart start = beginMove();
    PushReturnPosition();
    const QString keptPage = SavedPosition.PageName;
    const QVector<ModuleRecord>& modules = CurrentCourse().Modules;

    const bool skip = window.TXTextControl1->clickedLinkText() == GetResString(144);
    QString code, page;
    if (skip) {
        // The skip link on the last module has nowhere to go.
        if (CurModule + 1 < modules.size()) code = modules[CurModule + 1].Code;
        page = QStringLiteral("0001.txm");
    } else if (target.size() >= 10) {
        code = target.left(target.size() - 10);
        page = target.mid(7, 8);
    }
    int found = -1;
    for (int i = 0; i < modules.size() && !code.isEmpty(); ++i) {
        if (SameModuleCode(modules[i].Code, code)) {
            found = i;
            break;
        }
    }
    if (found < 0) {
        // The way back pushed for the jump stays.
        MsgBox(GetResString(541));
        return;
    }

    CurModule = qint16(found);
    PageList().CleanUp();
    PageList().InitLinedList();
    window.RemoveMovieControl();
    window.SetReturnButton(true, QStringLiteral("ReturnOff.jpg"));
    ModuleRecord& m = CurrentModule();
    QString map = ModuleMapPath(m.Code);
    const bool ok = skip ? LoadModuleMap(map, m.Code, m.Title, false) : LoadModuleMapAtPage(map, m.Code, m.Title, page);
    // A module or page that cannot be shown leaves the learner where they were.
    if (!ok) {
        undoMove(start, false);
        return;
    }
    SavedPosition.PageName = keptPage;
    UpdateHeadingAndProgress();
    ApplyButtonStateRule();
    LastTxObjectId = 0;
    LastTxObjectIdSet = false;
}

} // namespace

void HyperlinkClick(Form1& window, int, int kind, QString* target, bool* followMark)
{
    if (!target) return;
    *target = byFileName(trimAndLower(*target));
    window.CloseAllMenus();
    if (kind == 2) {
        if (followMark) *followMark = false;
        window.TXTextControl1->goToMark(*target);
        return;
    }
    if (kind != 1) return;
    const QString& t = *target;
    if (isWebAddress(t)) {
        OpenWebLink(window.TXTextControl1->clickedLinkText(), GetResString(141), t);
    } else if (!t.contains(QLatin1String(".txm"))) {
        openDocument(window, t);
    } else if (t.contains('#')) {
        openPageAtMark(window, t);
    } else {
        openPageLink(window, t);
    }
}

void PageTextClick(Form1& window)
{
    window.CloseAllMenus();
    window.raise();
    window.TXTextControl1->setCurrentObject(0);
}

void PageObjectClick(Form1& window, int id)
{
    if (LastTxObjectIdSet && LastTxObjectId == id) return;
    window.TXTextControl1->setCurrentObject(id);
    LastTxObjectId = id;
    LastTxObjectIdSet = true;
}

void PageItemQuery(int, int* answer)
{
    if (answer) *answer = 12;
}

bool OpenWebLink(const QString& linkText, const QString& surveyText, const QString& url)
{
    Form1* window = Form1::ifLoaded();
    QWidget* owner = nullptr;
    if (linkText == surveyText) {
        if (AllModulesMode == 1) {
            MsgBox(GetResString(531));
            return false;
        }
        if (!CurrentCourse().AllModulesPresent) {
            MsgBox(GetResString(530));
            return false;
        }
        owner = window;
    }
    const int result = shellService().execute(owner, QStringLiteral("open"), ShellText(url), SW_SHOWNORMAL);
    if (result <= 32) return ShowShellError(result);
    if (window) window->showMinimized();
    return true;
}

} // namespace qm
