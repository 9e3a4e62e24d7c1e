#pragma once
#include <QCheckBox>
#include <QRadioButton>

namespace qm {

// The answer controls of the test window. Answer texts can be long, so the
// caption wraps within the control's width (the standard controls keep it on
// one line); the indicator stays beside the first line. The text colour is
// kept as a 0xBBGGRR value the window sets and reads back (grey marks a wrong
// answer after grading). The whole control takes clicks.
class AnswerOption : public QRadioButton {
public:
    explicit AnswerOption(QWidget* parent = nullptr);
    void setForeColor(quint32 bgr);
    quint32 foreColor() const { return fore_; }
    void setBold(bool bold);
    bool isBold() const { return font().bold(); }
    // Where the caption is drawn, in the control's coordinates.
    QRect captionRect() const;

protected:
    void paintEvent(QPaintEvent*) override;
    bool hitButton(const QPoint& pos) const override;

private:
    quint32 fore_ = 0x000000;
};

class AnswerCheck : public QCheckBox {
public:
    explicit AnswerCheck(QWidget* parent = nullptr);
    void setForeColor(quint32 bgr);
    quint32 foreColor() const { return fore_; }
    void setBold(bool bold);
    bool isBold() const { return font().bold(); }
    QRect captionRect() const;

protected:
    void paintEvent(QPaintEvent*) override;
    bool hitButton(const QPoint& pos) const override;

private:
    quint32 fore_ = 0x000000;
};

} // namespace qm
