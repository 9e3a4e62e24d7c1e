#include "ui/SkinnedButtons.h"
#include "ui/Form.h"
#include "ui/KeyCodes.h"
#include "ui/PictureBox.h"
#include "ui/Pointer.h"
#include "ui/TextLabel.h"
#include "ui/VbColor.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace qm {

void SetFieldLook(QWidget* field, bool focused)
{
    if (!field) return;
    QPalette pal = field->palette();
    const QColor back = VbColor(focused ? kHighlightBack : kNormalBack);
    const QColor text = VbColor(focused ? kBlack : kWhite);
    pal.setColor(QPalette::Base, back);
    pal.setColor(QPalette::Text, text);
    pal.setColor(QPalette::Button, back);
    pal.setColor(QPalette::ButtonText, text);
    pal.setColor(QPalette::Window, back);
    pal.setColor(QPalette::WindowText, text);
    field->setPalette(pal);
    field->setProperty("focusedLook", focused);
    if (auto* combo = qobject_cast<QComboBox*>(field)) {
        // A plain drop-down list in the field's colours; the style's own
        // popup needs a compositor to draw its translucent frame.
        combo->setStyleSheet(QStringLiteral(
            "QComboBox { combobox-popup: 0; background: %1; color: %2; border: 1px solid #333399;"
            " padding: 2px 6px; }"
            "QComboBox QAbstractItemView { background: #FFFFFF; color: #000000;"
            " selection-background-color: #CCCCFF; selection-color: #000000; }")
                                 .arg(back.name(), text.name()));
    }
}

namespace {
// Text fields and drop-down lists take the field colours; lists and grids of
// a window keep their own look.
bool takesFieldLook(const QWidget* w)
{
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QTextEdit*>(w)
        || qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QComboBox*>(w);
}
} // namespace

SkinnedButtonSet::SkinnedButtonSet(Form* form) : QObject(form), form_(form)
{
    form_->installEventFilter(this);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (!tick_) return;
        if (visibleOnly_ && !form_->isVisible()) return;
        tick_();
    });
}

SkinnedButtonSet::Button* SkinnedButtonSet::find(PictureBox* box)
{
    for (Button& b : buttons_)
        if (b.box == box) return &b;
    return nullptr;
}

void SkinnedButtonSet::addPlainButton(PictureBox* box, TextLabel* caption, std::function<void()> action,
                                      bool greysOut)
{
    addButton(box, caption, QStringLiteral("Button_On.jpg"), QStringLiteral("Button_Off.jpg"),
              greysOut ? QStringLiteral("Button_Dis.jpg") : QString(), std::move(action));
}

void SkinnedButtonSet::addButton(PictureBox* box, TextLabel* caption, const QString& on, const QString& off,
                                 const QString& dis, std::function<void()> action)
{
    buttons_.append(Button{box, caption, on, off, dis, std::move(action)});
    enterOrder_.append(box);
    box->installEventFilter(this);
    connect(box, &PictureBox::gotFocus, this, [this, box] {
        if (!keepLook_) buttonGotFocus(box);
    });
    connect(box, &PictureBox::mouseMoved, this, [this, box] { hover(box); });
    connect(box, &PictureBox::clicked, this, [this, box] {
        if (Button* b = find(box); b && b->action && box->isEnabled()) b->action();
    });
    if (caption) {
        caption->setAlignment(Qt::AlignCenter);
        connect(caption, &TextLabel::mouseMoved, this, [this, box] { hover(box); });
        connect(caption, &TextLabel::clicked, this, [this, box] {
            if (Button* b = find(box); b && b->action && box->isEnabled()) b->action();
        });
    }
}

void SkinnedButtonSet::setExitButton(PictureBox* box, const QString& on, const QString& off,
                                     std::function<void()> action, ExitOnEnter onEnter)
{
    exit_ = Button{box, nullptr, on, off, QString(), std::move(action)};
    exitOnEnter_ = onEnter;
    box->installEventFilter(this);
    connect(box, &PictureBox::gotFocus, this, [this] {
        if (!keepLook_) exitGotFocus();
    });
    connect(box, &PictureBox::mouseMoved, this, [this, box] { hover(box); });
    connect(box, &PictureBox::clicked, this, [this] {
        if (exit_.action) exit_.action();
    });
}

void SkinnedButtonSet::addOtherControl(QWidget* control)
{
    fields_.append(control);
    control->installEventFilter(this);
    if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->isEditable() && combo->lineEdit())
        combo->lineEdit()->installEventFilter(this);
}

void SkinnedButtonSet::setEnterOrder(const QList<PictureBox*>& order) { enterOrder_ = order; }

void SkinnedButtonSet::setEnablingTimer(std::function<void()> tick, int intervalMs, bool visibleOnly)
{
    tick_ = std::move(tick);
    visibleOnly_ = visibleOnly;
    timer_.setInterval(intervalMs);
    updateTimer();
}

void SkinnedButtonSet::updateTimer()
{
    if (tick_ && form_->isLoaded() && form_->isActiveWindow()) {
        if (!timer_.isActive()) timer_.start();
    } else {
        timer_.stop();
    }
}

void SkinnedButtonSet::enableWhen(PictureBox* box, bool inputPresent)
{
    Button* b = find(box);
    if (!b) return;
    if (!inputPresent) {
        showDisabled(box);
        return;
    }
    const quint32 fore = b->caption ? b->caption->foreColor() : kWhite;
    if (fore != kWhite && fore != kBlack) {
        box->setEnabled(true);
        if (b->caption) b->caption->setForeColor(kWhite);
        box->setSkin(b->off);
    }
}

void SkinnedButtonSet::showHighlighted(PictureBox* box)
{
    Button* b = find(box);
    if (!b) return;
    box->setSkin(b->on);
    if (b->caption) {
        b->caption->setBackColor(kHighlightBack);
        b->caption->setForeColor(kBlack);
    }
}

void SkinnedButtonSet::showNormal(PictureBox* box)
{
    Button* b = find(box);
    if (!b) return;
    box->setSkin(b->off);
    if (b->caption) {
        b->caption->setBackColor(kNormalBack);
        b->caption->setForeColor(kWhite);
    }
}

void SkinnedButtonSet::showDisabled(PictureBox* box)
{
    Button* b = find(box);
    if (!b) return;
    box->setEnabled(false);
    if (b->caption) b->caption->setForeColor(kGrey);
    if (!b->dis.isEmpty()) box->setSkin(b->dis);
}

void SkinnedButtonSet::showExit(bool on)
{
    if (!exit_.box) return;
    const QString& img = on ? exit_.on : exit_.off;
    exit_.box->setSkin(img);
    exit_.box->setTag(img);
}

void SkinnedButtonSet::showAllNormal()
{
    for (Button& b : buttons_)
        if (b.box->isEnabled()) showNormal(b.box);
    showExit(false);
}

void SkinnedButtonSet::buttonGotFocus(PictureBox* box)
{
    for (Button& b : buttons_) {
        if (b.box == box) showHighlighted(box);
        else if (b.box->isEnabled()) showNormal(b.box);
    }
    showExit(false);
    for (auto& f : fields_)
        if (takesFieldLook(f)) SetFieldLook(f, false);
    if (afterFocus) afterFocus(box);
}

void SkinnedButtonSet::exitGotFocus()
{
    showExit(true);
    for (Button& b : buttons_)
        if (b.box->isEnabled()) showNormal(b.box);
    for (auto& f : fields_)
        if (takesFieldLook(f)) SetFieldLook(f, false);
    if (afterFocus) afterFocus(exit_.box);
}

void SkinnedButtonSet::otherGotFocus(QWidget* control)
{
    showAllNormal();
    for (auto& f : fields_) {
        // A drop-down list keeps its normal colours while it has the focus.
        if (takesFieldLook(f) && !qobject_cast<QComboBox*>(f.data())) SetFieldLook(f, f == control);
    }
    if (afterFocus) afterFocus(control);
}

void SkinnedButtonSet::hover(PictureBox* box)
{
    form_->setMousePointer(vbCustom);
    if (box->isEnabled() && !box->hasFocus()) box->setFocus(Qt::MouseFocusReason);
}

bool SkinnedButtonSet::keyUp(int keyCode)
{
    if (keyCode == vbKeyReturn) {
        for (PictureBox* box : enterOrder_) {
            Button* b = find(box);
            if (b && b->caption && b->caption->foreColor() == kBlack && box->isEnabled()) {
                if (b->action) b->action();
                return true;
            }
        }
        if (exit_.box && exit_.action) {
            const bool fire = (exitOnEnter_ == ExitOnEnter::WhenActiveControl && form_->activeControl() == exit_.box)
                           || (exitOnEnter_ == ExitOnEnter::WhenTagIsOn && exit_.box->tag() == exit_.on);
            if (fire) {
                exit_.action();
                return true;
            }
        }
        return false;
    }
    if (keyCode == vbKeyEscape && escapeExits_ && exit_.action) {
        exit_.action();
        return true;
    }
    return false;
}

bool SkinnedButtonSet::eventFilter(QObject* obj, QEvent* e)
{
    if (obj == form_) {
        if (e->type() == QEvent::WindowDeactivate) wasDeactivated_ = true;
        if (e->type() == QEvent::WindowActivate || e->type() == QEvent::WindowDeactivate
            || e->type() == QEvent::ActivationChange || e->type() == QEvent::Hide || e->type() == QEvent::Show)
            updateTimer();
        return false;
    }
    if (e->type() == QEvent::FocusIn) {
        // A button that gets the focus back with its window (a message box
        // of its action closed) keeps the look its action gave it; only a
        // move of the focus lights it. The first opening lights as usual.
        keepLook_ = wasDeactivated_ && static_cast<QFocusEvent*>(e)->reason() == Qt::ActiveWindowFocusReason;
        QWidget* w = qobject_cast<QWidget*>(obj);
        for (auto& f : fields_) {
            if (f == w || (f && w && f->isAncestorOf(w))) {
                otherGotFocus(f);
                break;
            }
        }
    }
    return false;
}

} // namespace qm
