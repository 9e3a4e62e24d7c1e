#pragma once
#include "ui/Form.h"

#include <QTimer>

namespace qm {

// Shown for one second while the main window loads the chosen course; its
// unload starts the learner's visit.
class SplashScreen : public SingleForm<SplashScreen> {
    Q_OBJECT
public:
    SplashScreen();
    void SizeSplash();
    // While held, the timer's tick only marks the window due to close; it
    // closes when the hold ends. The main window's load holds it, so that the
    // visit never starts under a message of that load.
    void holdClosing(bool hold);
    QTimer* Timer1 = nullptr;

protected:
    void Form_Load() override;
    void Form_Unload() override;
    void paintEvent(QPaintEvent*) override;

private:
    bool held_ = false;
    bool due_ = false;
};

} // namespace qm
