#include "assessment/AnswerControls.h"
#include "ui/VbColor.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace qm {
namespace {

struct Elements {
    QStyle::PixelMetric width;
    QStyle::PixelMetric height;
    QStyle::PixelMetric spacing;
    QStyle::PrimitiveElement indicator;
};

const Elements kOption{QStyle::PM_ExclusiveIndicatorWidth, QStyle::PM_ExclusiveIndicatorHeight,
                       QStyle::PM_RadioButtonLabelSpacing, QStyle::PE_IndicatorRadioButton};
const Elements kCheck{QStyle::PM_IndicatorWidth, QStyle::PM_IndicatorHeight, QStyle::PM_CheckBoxLabelSpacing,
                      QStyle::PE_IndicatorCheckBox};

QRect captionArea(const QAbstractButton* b, const Elements& e)
{
    const int left = b->style()->pixelMetric(e.width, nullptr, b) + b->style()->pixelMetric(e.spacing, nullptr, b);
    return QRect(left, 0, qMax(0, b->width() - left), b->height());
}

// The indicator sits level with the caption's first line.
void paintAnswer(QAbstractButton* b, const QStyleOptionButton& opt, const Elements& e, quint32 fore)
{
    QStylePainter p(b);
    QStyleOptionButton ind = opt;
    ind.text.clear();
    const int w = b->style()->pixelMetric(e.width, &opt, b);
    const int h = b->style()->pixelMetric(e.height, &opt, b);
    const int line = b->fontMetrics().height();
    ind.rect = QRect(0, qMax(0, (line - h) / 2), w, h);
    p.drawPrimitive(e.indicator, ind);

    const QRect text = captionArea(b, e);
    p.setPen(VbColor(fore));
    p.drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, b->text());
    if (b->hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(b);
        focus.rect = p.boundingRect(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, b->text())
                         .adjusted(-1, 0, 1, 0);
        p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

template <class B>
void setBoldFont(B* b, bool bold)
{
    QFont f = b->font();
    f.setBold(bold);
    b->setFont(f);
}

} // namespace

AnswerOption::AnswerOption(QWidget* parent) : QRadioButton(parent) {}

void AnswerOption::setForeColor(quint32 bgr)
{
    fore_ = bgr;
    update();
}

void AnswerOption::setBold(bool bold) { setBoldFont(this, bold); }

QRect AnswerOption::captionRect() const { return captionArea(this, kOption); }

void AnswerOption::paintEvent(QPaintEvent*)
{
    QStyleOptionButton opt;
    initStyleOption(&opt);
    paintAnswer(this, opt, kOption, fore_);
}

bool AnswerOption::hitButton(const QPoint& pos) const { return rect().contains(pos); }

AnswerCheck::AnswerCheck(QWidget* parent) : QCheckBox(parent) {}

void AnswerCheck::setForeColor(quint32 bgr)
{
    fore_ = bgr;
    update();
}

void AnswerCheck::setBold(bool bold) { setBoldFont(this, bold); }

QRect AnswerCheck::captionRect() const { return captionArea(this, kCheck); }

void AnswerCheck::paintEvent(QPaintEvent*)
{
    QStyleOptionButton opt;
    initStyleOption(&opt);
    paintAnswer(this, opt, kCheck, fore_);
}

bool AnswerCheck::hitButton(const QPoint& pos) const { return rect().contains(pos); }

} // namespace qm
