#pragma once
#include <QCheckBox>
#include <QRadioButton>
#include <QStyle>
#include <type_traits>

namespace qm {

// How the answer controls are drawn; shared by both kinds.
namespace answerlook {
struct Elements {
    QStyle::PixelMetric width;
    QStyle::PixelMetric height;
    QStyle::PixelMetric spacing;
    QStyle::PrimitiveElement indicator;
};
extern const Elements kOption;
extern const Elements kCheck;
QRect CaptionArea(const QAbstractButton* b, const Elements& e);
void Paint(QAbstractButton* b, const Elements& e, quint32 fore);
void SetBold(QAbstractButton* b, bool bold);
} // namespace answerlook

// The answer controls of the test window. Answer texts can be long, so the
// caption wraps within the control's width (the standard controls keep it on
// one line); the indicator stays beside the first line. The text colour is
// kept as a 0xBBGGRR value the window sets and reads back (grey marks a wrong
// answer after grading). The whole control takes clicks.
template <class Base>
class WrappingAnswer : public Base {
public:
    explicit WrappingAnswer(QWidget* parent = nullptr) : Base(parent) {}
    void setForeColor(quint32 bgr)
    {
        fore_ = bgr;
        this->update();
    }
    quint32 foreColor() const { return fore_; }
    void setBold(bool bold) { answerlook::SetBold(this, bold); }
    bool isBold() const { return this->font().bold(); }
    // Where the caption is drawn, in the control's coordinates.
    QRect captionRect() const { return answerlook::CaptionArea(this, elements()); }

protected:
    void paintEvent(QPaintEvent*) override { answerlook::Paint(this, elements(), fore_); }
    bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }

private:
    static const answerlook::Elements& elements()
    {
        return std::is_same_v<Base, QRadioButton> ? answerlook::kOption : answerlook::kCheck;
    }
    quint32 fore_ = 0x000000;
};

// Option buttons for one correct answer, check boxes for several.
class AnswerOption : public WrappingAnswer<QRadioButton> {
public:
    using WrappingAnswer::WrappingAnswer;
};
class AnswerCheck : public WrappingAnswer<QCheckBox> {
public:
    using WrappingAnswer::WrappingAnswer;
};

} // namespace qm
