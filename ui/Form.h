#pragma once
#include <QEvent>
#include <QList>
#include <QPointer>
#include <QSet>
#include <QWidget>
#include <functional>

class QEventLoop;

namespace qm {

// A window of the program. Each kind of window has one instance, created and
// loaded on first use (see SingleForm), unloaded when it closes. Loading runs
// Form_Load; unloading runs Form_Unload, removes the window from the loaded
// collection and destroys it, so the next use builds it afresh.
class Form : public QWidget {
    Q_OBJECT
public:
    // Unload modes passed to Form_QueryUnload.
    enum UnloadMode { vbFormControlMenu = 0, vbFormCode = 1 };

    explicit Form(const QString& name);
    ~Form() override;

    void load();
    void unload();
    bool isLoaded() const { return loaded_; }

    // Shows the window modal and returns once it is hidden or unloaded. The
    // owner, when given, keeps the window above it.
    void showModal(QWidget* owner = nullptr);
    void showModeless(QWidget* owner = nullptr);
    bool isShownModal() const { return modalLoop_ != nullptr; }

    // The window sees key events before its controls (they still get them).
    void setKeyPreview(bool on) { keyPreview_ = on; }
    bool keyPreview() const { return keyPreview_; }

    void setMousePointer(int pointer);
    int mousePointer() const { return mousePointer_; }

    // Controls in the window's control order (rescaling walks them). Timers
    // may be listed too; they have no extent and are skipped.
    const QList<QObject*>& controls() const { return controls_; }
    template <class T>
    T* addControl(T* control)
    {
        controls_.append(control);
        return control;
    }
    // A control by its name, and for control arrays by its index.
    QWidget* control(const QString& name, int index = -1) const;

    // The control with the keyboard focus in this window, if any.
    QWidget* activeControl() const;

    // Called by the key-preview filter; public so that tests and the keyboard
    // hook can reach it.
    // Returns true when the window consumed the key (only a key press can be).
    // Form_KeyUp runs only for a key whose press the window saw, once for a
    // held key.
    bool previewKey(QEvent::Type type, int keyCode, int shift, int keyAscii, bool repeat = false);

signals:
    void hiddenOrUnloaded();
    void unloaded();

protected:
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    // Return true to cancel an unload (only asked for the window's close box).
    virtual bool Form_QueryUnload(int /*unloadMode*/) { return false; }
    virtual void Form_Activate() {}
    virtual void Form_Deactivate() {}
    virtual void Form_KeyDown(int /*keyCode*/, int /*shift*/) {}
    virtual void Form_KeyUp(int /*keyCode*/, int /*shift*/) {}
    // A typed character (9 for Tab); return true to keep it from the control.
    virtual bool Form_KeyPress(int /*keyAscii*/) { return false; }
    // The window's own background received a mouse move.
    virtual void Form_MouseMove() {}

    void closeEvent(QCloseEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void changeEvent(QEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

    template <class>
    friend class SingleForm;
    std::function<void()> onGone_;

private:
    void attachOwner(QWidget* owner, bool modal);
    void bringToFront();
    QList<QObject*> controls_;
    QSet<int> keysDown_;
    bool loaded_ = false;
    bool unloading_ = false;
    bool keyPreview_ = false;
    bool active_ = false;
    bool placed_ = false;
    int mousePointer_ = 0;
    QEventLoop* modalLoop_ = nullptr;
};

// The one instance of a window class. instance() loads it when it is not
// loaded; ifLoaded() never creates it.
template <class T>
class SingleForm : public Form {
public:
    static T& instance()
    {
        if (!slot()) {
            T* f = new T();
            slot() = f;
            f->onGone_ = [f] {
                if (slot() == f) slot() = nullptr;
            };
            f->load();
            return *f;
        }
        return *slot();
    }
    static T* ifLoaded() { return slot(); }
    static bool loaded() { return slot() != nullptr; }

protected:
    using Form::Form;

private:
    static T*& slot()
    {
        static T* p = nullptr;
        return p;
    }
};

} // namespace qm
