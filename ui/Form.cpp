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
    KeyPreviewFilter()
    {
        wait_.setSingleShot(true);
        wait_.setInterval(kRepeatWaitMs);
        connect(&wait_, &QTimer::timeout, this, [this] { deliverPending(); });
    }

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
        const bool release = e->type() == QEvent::KeyRelease;
        if (key->isAutoRepeat() && release) return false;
        if (!release && pending_.form && sameTime(key, pending_.key, pending_.time)) {
            // The release waiting was the key's repeat: it was never let go.
            pending_ = {};
            wait_.stop();
            return preview(w, key, true);
        }
        deliverPending(); // whatever comes next comes after that release
        if (release) {
            releasedKey_ = key->key();
            releasedAt_ = key->timestamp();
            // A held key repeats as a release and a press of the same key
            // with the same time, mostly without the flag for it: a release
            // acts only once no such press follows it. Events without a time
            // (made up by the program) act at once.
            auto* form = previewing(w);
            if (form && key->timestamp() != 0) {
                pending_ = {form, key->key(), key->timestamp(), VbKeyCode(key), VbShiftState(key)};
                wait_.start();
                return false;
            }
            return preview(w, key, false);
        }
        // A press that comes too late to stop its release still is no new press.
        return preview(w, key, key->isAutoRepeat() || sameTime(key, releasedKey_, releasedAt_));
    }

private:
    // A repeat's press follows its release at once; this is ample time for
    // it to arrive, and short enough to go unnoticed.
    static constexpr int kRepeatWaitMs = 40;

    struct PendingRelease {
        QPointer<Form> form;
        int key = 0;
        quint64 time = 0;
        int keyCode = 0;
        int shift = 0;
    };

    static bool sameTime(const QKeyEvent* key, int otherKey, quint64 otherTime)
    {
        return key->timestamp() != 0 && key->key() == otherKey && key->timestamp() == otherTime;
    }
    static Form* previewing(QWidget* w)
    {
        auto* form = qobject_cast<Form*>(w->window());
        return form && form->isLoaded() && form->keyPreview() ? form : nullptr;
    }
    static bool preview(QWidget* w, const QKeyEvent* key, bool repeat)
    {
        Form* form = previewing(w);
        if (!form) return false;
        const QString text = key->text();
        const int ascii = key->key() == Qt::Key_Tab ? 9 : (text.size() == 1 ? text[0].unicode() : 0);
        return form->previewKey(key->type(), VbKeyCode(key), VbShiftState(key), ascii, repeat);
    }
    void deliverPending()
    {
        wait_.stop();
        const PendingRelease p = pending_;
        pending_ = {};
        if (p.form && p.form->isLoaded()) p.form->previewKey(QEvent::KeyRelease, p.keyCode, p.shift, 0, false);
    }
    static bool isStrictAncestor(QWidget* a, QWidget* b)
    {
        for (QWidget* p = b->parentWidget(); p; p = p->parentWidget())
            if (p == a) return true;
        return false;
    }
    QEvent* lastEvent_ = nullptr;
    QPointer<QWidget> lastReceiver_;
    int releasedKey_ = 0;
    quint64 releasedAt_ = 0;
    PendingRelease pending_;
    QTimer wait_;
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
