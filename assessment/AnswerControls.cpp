#include "assessment/AnswerControls.h"
#include "ui/VbColor.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace qm::answerlook {

const Elements kOption{QStyle::PM_ExclusiveIndicatorWidth, QStyle::PM_ExclusiveIndicatorHeight,
                       QStyle::PM_RadioButtonLabelSpacing, QStyle::PE_IndicatorRadioButton};
const Elements kCheck{QStyle::PM_IndicatorWidth, QStyle::PM_IndicatorHeight, QStyle::PM_CheckBoxLabelSpacing,
                      QStyle::PE_IndicatorCheckBox};

QRect CaptionArea(const QAbstractButton* b, const Elements& e)
{
    const int left = b->style()->pixelMetric(e.width, nullptr, b) + b->style()->pixelMetric(e.spacing, nullptr, b);
    return QRect(left, 0, qMax(0, b->width() - left), b->height());
}

// The indicator sits level with the caption's first line.
void Paint(QAbstractButton* b, const Elements& e, quint32 fore)
{
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.state |= b->isChecked() ? QStyle::State_On : QStyle::State_Off;
    if (b->isDown()) opt.state |= QStyle::State_Sunken;
    opt.text = b->text();
    QStylePainter p(b);
    QStyleOptionButton ind = opt;
    ind.text.clear();
    const int w = b->style()->pixelMetric(e.width, &opt, b);
    const int h = b->style()->pixelMetric(e.height, &opt, b);
    const int line = b->fontMetrics().height();
    ind.rect = QRect(0, qMax(0, (line - h) / 2), w, h);
    p.drawPrimitive(e.indicator, ind);

    const QRect text = CaptionArea(b, e);
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

void SetBold(QAbstractButton* b, bool bold)
{
    QFont f = b->font();
    f.setBold(bold);
    b->setFont(f);
}

} // namespace qm::answerlook
