#pragma once
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>

class QWidget;

namespace qm {

class Form;
class PictureBox;
class TextLabel;

// The skinned buttons of a dialog, handled as one family: a focused button
// shows its On image with a black caption on 0xFFCCCC, the others their Off
// image with a white caption on 0xFF6666, a disabled one its Dis image with a
// grey caption. The mouse gives a button the focus; Enter (on key release)
// fires the button whose caption is black; Esc fires the exit action. An
// enabling timer runs only while the window is active.
class SkinnedButtonSet : public QObject {
    Q_OBJECT
public:
    struct Button {
        PictureBox* box = nullptr;
        TextLabel* caption = nullptr;
        QString on, off, dis;
        std::function<void()> action;
    };

    // How Enter treats the exit button when no caption is black.
    enum class ExitOnEnter { Never, WhenActiveControl, WhenTagIsOn };

    explicit SkinnedButtonSet(Form* form);

    // Adds an ordinary button; the order of adding is the order Enter tests
    // the captions in (change it with setEnterOrder).
    void addButton(PictureBox* box, TextLabel* caption, const QString& on, const QString& off,
                   const QString& dis, std::function<void()> action);
    // The program's usual dialog button: Button_On and Button_Off images, and
    // Button_Dis while disabled when it greys out.
    void addPlainButton(PictureBox* box, TextLabel* caption, std::function<void()> action, bool greysOut = false);
    void setExitButton(PictureBox* box, const QString& on, const QString& off, std::function<void()> action,
                       ExitOnEnter onEnter = ExitOnEnter::WhenActiveControl);
    // Another control (a list, a text field): its focus shows every button in
    // its normal look; a line edit or text field also takes the field colours.
    void addOtherControl(QWidget* control);
    void setEnterOrder(const QList<PictureBox*>& order);
    // Whether Esc runs the exit action (the default) or is left alone.
    void setEscapeExits(bool on) { escapeExits_ = on; }

    // Called after the family's own focus handling, for a window's extras.
    std::function<void(QWidget* focused)> afterFocus;

    // The enabling timer: tick runs every interval while the window is active
    // (and, when visibleOnly, visible).
    void setEnablingTimer(std::function<void()> tick, int intervalMs = 100, bool visibleOnly = false);
    QTimer* enablingTimer() { return &timer_; }

    // The chooser's tick rule for one button that needs input.
    void enableWhen(PictureBox* box, bool inputPresent);

    // Looks.
    void showHighlighted(PictureBox* box);
    void showNormal(PictureBox* box);
    void showDisabled(PictureBox* box);
    void showExit(bool on);
    // Every enabled button normal and the exit button off.
    void showAllNormal();

    // Focus handlers (also called by the family itself).
    void buttonGotFocus(PictureBox* box);
    void exitGotFocus();
    void otherGotFocus(QWidget* control);

    // The window's key release: Enter and Esc. Returns true when it acted.
    bool keyUp(int keyCode);

    Button* find(PictureBox* box);
    PictureBox* exitButton() const { return exit_.box; }

protected:
    bool eventFilter(QObject* obj, QEvent* e) override;

private:
    void hover(PictureBox* box);
    void updateTimer();
    Form* form_;
    QList<Button> buttons_;
    QList<PictureBox*> enterOrder_;
    Button exit_;
    ExitOnEnter exitOnEnter_ = ExitOnEnter::WhenActiveControl;
    QList<QPointer<QWidget>> fields_;
    QTimer timer_;
    std::function<void()> tick_;
    bool visibleOnly_ = false;
    bool escapeExits_ = true;
    bool wasDeactivated_ = false;
    bool keepLook_ = false;
};

// Colours a text field: focused black on 0xFFCCCC, otherwise white on 0xFF6666.
void SetFieldLook(QWidget* field, bool focused);

} // namespace qm
