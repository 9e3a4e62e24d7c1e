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
    QTimer* Timer1 = nullptr;

protected:
    void Form_Load() override;
    void Form_Unload() override;
    void paintEvent(QPaintEvent*) override;
};

} // namespace qm
