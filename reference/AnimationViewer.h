#pragma once
#include "ui/Form.h"

class QLabel;
class QMediaPlayer;
class QVideoWidget;

namespace qm {

// The small window that plays an animation while the page is sent to the
// printer. Modeless; it lives only until the page has been captured.
class Animation_Viewer : public SingleForm<Animation_Viewer> {
    Q_OBJECT
public:
    Animation_Viewer();

    // Caption, message line and the animation, played over and over. A
    // missing file leaves the window without the animation.
    void LoadAnimatedGif(const QString& file, const QString& title, const QString& message);
    // Stops the animation and unloads the window.
    void CloseAnimatedGif();

    QVideoWidget* Animation1 = nullptr;
    QLabel* Label1 = nullptr;
    bool playing() const;

private:
    QMediaPlayer* player_ = nullptr;
};

// Shows the animation window with "transmit.avi" and its texts.
void ShowPrintingAnimation();

} // namespace qm
