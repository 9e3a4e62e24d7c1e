#include "ui/Form.h"
#include "ui/FormsCollection.h"
#include "ui/KeyCodes.h"
#include "ui/Pointer.h"
#include "ui/TakeKeys.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>

namespace qm {
namespace {

// Delivers key events to the window first when it previews keys. A key event
// climbs from the focused control to its parents as one event object; only
// its first delivery is previewed.
class KeyPreviewFilter : public QObject {
public:
    bool eventFilter(QObject* obj, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress && e->type() != QEvent::KeyRelease) return false;
        auto* w = qobject_cast<QWidget*>(obj);
        if (!w) return false;
        if (e == lastEvent_ && lastReceiver_ && isStrictAncestor(w, lastReceiver_)) {
            lastReceiver_ = w;
            return false;
        }
        lastEvent_ = e;
        lastReceiver_ = w;
        auto* key = static_cast<QKeyEvent*>(e);
        if (key->isAutoRepeat() && e->type() == QEvent::KeyRelease) return false;
        const bool repeat = isRepeat(key);
        auto* form = qobject_cast<Form*>(w->window());
        if (form && form->isLoaded() && form->keyPreview()) {
            const QString text = key->text();
            const int ascii = key->key() == Qt::Key_Tab ? 9 : (text.size() == 1 ? text[0].unicode() : 0);
            return form->previewKey(e->type(), VbKeyCode(key), VbShiftState(key), ascii, repeat);
        }
        return false;
    }

private:
    static bool isStrictAncestor(QWidget* a, QWidget* b)
    {
        for (QWidget* p = b->parentWidget(); p; p = p->parentWidget())
            if (p == a) return true;
        return false;
    }
    // A held key repeats as a release and a press of the same key with the
    // same time; the flag for it is set only when both arrive together, so
    // the time decides. Events without a time (made up by the program) are
    // never repeats unless flagged.
    bool isRepeat(const QKeyEvent* key)
    {
        if (key->type() == QEvent::KeyRelease) {
            releasedKey_ = key->key();
            releasedAt_ = key->timestamp();
            return false;
        }
        return key->isAutoRepeat()
            || (key->timestamp() != 0 && key->key() == releasedKey_ && key->timestamp() == releasedAt_);
    }
    QEvent* lastEvent_ = nullptr;
    QPointer<QWidget> lastReceiver_;
    int releasedKey_ = 0;
    quint64 releasedAt_ = 0;
};

void installKeyPreview()
{
    static KeyPreviewFilter* filter = nullptr;
    if (!filter && QCoreApplication::instance()) {
        filter = new KeyPreviewFilter;
        QCoreApplication::instance()->installEventFilter(filter);
    }
}

} // namespace

Form::Form(const QString& name) : QWidget(nullptr, Qt::Window)
{
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setMouseTracking(true);
    installKeyPreview();
}

Form::~Form()
{
    FormsCollection::remove(this);
    if (modalLoop_) modalLoop_->quit();
    if (onGone_) onGone_();
}

void Form::load()
{
    if (loaded_) return;
    loaded_ = true;
    FormsCollection::add(this);
    Form_Load();
}

void Form::unload()
{
    if (!loaded_ || unloading_) return;
    unloading_ = true;
    Form_Unload();
    loaded_ = false;
    FormsCollection::remove(this);
    // Nothing of an unloaded window may run again: stop its timers now.
    for (QTimer* t : findChildren<QTimer*>()) t->stop();
    hide();
    if (modalLoop_) modalLoop_->quit();
    emit hiddenOrUnloaded();
    emit unloaded();
    FormsCollection::scheduleLastWindowCheck();
    if (onGone_) {
        onGone_();
        onGone_ = nullptr;
    }
    deleteLater();
}

void Form::attachOwner(QWidget* owner, bool modal)
{
    if (owner && parentWidget() != owner) {
        const QPoint pos = this->pos();
        setParent(owner, modal ? Qt::Dialog : Qt::Tool);
        move(pos);
    }
}

namespace {

QList<QPointer<Form>> formsOnScreen()
{
    QList<QPointer<Form>> shown;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* f = qobject_cast<Form*>(w); f && f->isVisible()) shown.append(f);
    return shown;
}

// After a modal window: the window that had the keys before it opened (else
// its owner) takes them back, also where no window manager hands them back,
// unless another window of the program opened meanwhile and has them.
void giveKeysBack(const QPointer<QWidget>& had, const QPointer<QWidget>& owner,
                  const QList<QPointer<Form>>& shownBefore)
{
    for (const QPointer<Form>& f : formsOnScreen())
        if (!shownBefore.contains(f)) return;
    TakeKeys(had && had->isVisible() ? had.data() : owner.data());
}

} // namespace

void Form::showModal(QWidget* owner)
{
    if (!loaded_) load();
    if (!loaded_) return;
    const QPointer<QWidget> had = QApplication::activeWindow();
    const QPointer<QWidget> ownerWindow = owner;
    const QList<QPointer<Form>> shownBefore = formsOnScreen();
    attachOwner(owner, true);
    setWindowModality(Qt::ApplicationModal);
    show();
    bringToFront();
    if (!isVisible() || !loaded_) return;
    QEventLoop loop;
    modalLoop_ = &loop;
    QPointer<Form> guard(this);
    loop.exec(QEventLoop::DialogExec);
    if (guard) {
        guard->modalLoop_ = nullptr;
        guard->setWindowModality(Qt::NonModal);
    }
    if (!guard || !guard->isVisible()) giveKeysBack(had, ownerWindow, shownBefore);
}

void Form::showModeless(QWidget* owner)
{
    if (!loaded_) load();
    if (!loaded_) return;
    attachOwner(owner, false);
    setWindowModality(Qt::NonModal);
    show();
    bringToFront();
}

void Form::bringToFront()
{
    if (!placed_) {
        // A dialog opens in the middle of its owner, or of the screen.
        placed_ = true;
        const QWidget* over = parentWidget() ? parentWidget()->window() : nullptr;
        QRect area = over ? over->frameGeometry() : QRect();
        if (area.isEmpty() && screen()) area = screen()->availableGeometry();
        if (!area.isEmpty() && pos() == QPoint(0, 0) && size() != area.size()) {
            QRect r(QPoint(0, 0), frameGeometry().size());
            r.moveCenter(area.center());
            // A window that does not fit on the screen opens at its top left,
            // so that its title band stays reachable and it can be moved.
            const QRect avail = screen() ? screen()->availableGeometry() : QRect();
            if (!avail.isEmpty() && (r.width() > avail.width() || r.height() > avail.height()))
                r.moveTopLeft(avail.topLeft());
            move(r.topLeft());
        }
    }
    // The offscreen platform of the tests has no stacking order to change.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) raise();
    activateWindow();
}

void Form::setMousePointer(int pointer)
{
    mousePointer_ = pointer;
    SetWidgetPointer(this, pointer);
}

QWidget* Form::control(const QString& name, int index) const
{
    for (QObject* o : controls_) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->objectName() != name) continue;
        if (index < 0) return w;
        const QVariant v = w->property("index");
        if (v.isValid() && v.toInt() == index) return w;
    }
    return nullptr;
}

QWidget* Form::activeControl() const
{
    QWidget* f = QApplication::focusWidget();
    if (f && f->window() == this) return f;
    return focusWidget();
}

bool Form::previewKey(QEvent::Type type, int keyCode, int shift, int keyAscii, bool repeat)
{
    if (type == QEvent::KeyPress) {
        // A held key acts once: its repeats are no new presses.
        if (!repeat) {
            keysDown_.insert(keyCode);
            Form_KeyDown(keyCode, shift);
        }
        return keyAscii != 0 && isLoaded() && Form_KeyPress(keyAscii);
    }
    // A release whose press went elsewhere (the Enter that closed a message
    // box) is not this window's to act on.
    if (!keysDown_.remove(keyCode)) return false;
    Form_KeyUp(keyCode, shift);
    return false;
}

void Form::closeEvent(QCloseEvent* e)
{
    if (!loaded_) {
        e->accept();
        return;
    }
    if (Form_QueryUnload(vbFormControlMenu)) {
        e->ignore();
        return;
    }
    e->ignore(); // unload hides and destroys the window itself
    unload();
}

void Form::hideEvent(QHideEvent* e)
{
    QWidget::hideEvent(e);
    if (e->spontaneous()) return;
    if (modalLoop_) modalLoop_->quit();
    emit hiddenOrUnloaded();
    FormsCollection::scheduleLastWindowCheck();
}

void Form::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() != QEvent::ActivationChange || !loaded_) return;
    const bool nowActive = isActiveWindow();
    // Keys released while another window had them are not this window's.
    if (!nowActive) keysDown_.clear();
    if (nowActive == active_) return;
    active_ = nowActive;
    if (nowActive) Form_Activate();
    else Form_Deactivate();
}

void Form::mouseMoveEvent(QMouseEvent* e)
{
    QWidget::mouseMoveEvent(e);
    Form_MouseMove();
}

} // namespace qm
