#pragma once
#include "ui/Form.h"

class QTimer;

namespace qm {

class TextControl;

// The course's trademark pages, shown one after another for 3 seconds each
// when the learner leaves the course; the window closes after the last one,
// and with it the program.
class Trademark : public SingleForm<Trademark> {
    Q_OBJECT
public:
    Trademark();

    void Timer1_Timer();
    int pageNumber() const { return n_; }

    TextControl* TXTextControl1 = nullptr;
    QTimer* Timer1 = nullptr;

protected:
    void Form_Load() override;

private:
    bool showPage(const QString& courseName);
    int n_ = 0;
};

// Path of trademark page n of the named course in the program's "About"
// folder; empty when the course name cannot be part of a file name.
QString TrademarkPagePath(const QString& courseName, int n);

// Shows the slideshow modeless (the exit path).
void ShowTrademarkSlideshow();

} // namespace qm
