#pragma once
#include <QObject>
#include <QPointer>

class QTimer;
class QWidget;

namespace qm {

class Form1;
class TextLabel;

// Hover looks of the main window's chrome: the control under the pointer
// shows its On skin and, after 700 ms, its tooltip; a 100 ms poll (and the
// pointer leaving the window) puts the resting look back.
class ChromeHover : public QObject {
    Q_OBJECT
public:
    explicit ChromeHover(Form1& window);

    // show non-zero: places the tooltip for the control within the container
    // and arms its timer; 0 hides it.
    void ShowToolTip(QWidget* container, QWidget* control, int show, const QString& text);
    // The control now shows its On look: remember it and start the poll.
    void Hovered(QWidget* control);
    QWidget* hoveredControl() const { return HoveredControl; }

    void tmrMouseLeave_Timer();
    void ToolTipTimer_Timer();
    void Exit_Pic_MouseMove();
    void Min_btn_MouseMove();
    void NextBtn_MouseMove();
    void Prev_MouseMove();
    void Return_Btn_MouseMove();

    TextLabel* ToolTip = nullptr;
    QTimer* ToolTipTimer = nullptr;
    QTimer* tmrMouseLeave = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void restoreHovered();
    void hideToolTip();
    Form1& f_;
    QPointer<QWidget> HoveredControl;
};

} // namespace qm
