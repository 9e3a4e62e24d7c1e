#include "ui/TextLabel.h"
#include "ui/VbColor.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace qm {

TextLabel::TextLabel(QWidget* parent, const QString& name, int index) : QLabel(parent)
{
    setObjectName(name);
    if (index >= 0) setProperty("index", index);
    setMouseTracking(true);
    setWordWrap(true);
    applyColours();
}

int TextLabel::index() const
{
    const QVariant v = property("index");
    return v.isValid() ? v.toInt() : -1;
}

void TextLabel::setForeColor(quint32 bgr)
{
    fore_ = bgr;
    applyColours();
}

void TextLabel::setBackColor(quint32 bgr)
{
    back_ = bgr;
    opaque_ = true;
    applyColours();
}

void TextLabel::setTransparent()
{
    opaque_ = false;
    applyColours();
}

void TextLabel::setElided(bool on)
{
    elided_ = on;
    update();
}

void TextLabel::paintEvent(QPaintEvent* e)
{
    const QRect area = contentsRect();
    if (!elided_ || wordWrap() || fontMetrics().horizontalAdvance(text()) <= area.width()) {
        QLabel::paintEvent(e);
        return;
    }
    QPainter p(this);
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    style()->drawItemText(&p, area, int(alignment()), palette(), isEnabled(), shown, foregroundRole());
}

void TextLabel::applyColours()
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, VbColor(fore_));
    pal.setColor(QPalette::Window, VbColor(back_));
    setPalette(pal);
    setAutoFillBackground(opaque_);
}

void TextLabel::mouseMoveEvent(QMouseEvent* e)
{
    QLabel::mouseMoveEvent(e);
    e->accept(); // the window's own handler is for its bare background
    emit mouseMoved(e->position().toPoint());
}

void TextLabel::mousePressEvent(QMouseEvent* e)
{
    QLabel::mousePressEvent(e);
    e->accept();
    pressed_ = true;
    emit mouseDown(e->button(), e->position().toPoint());
}

void TextLabel::mouseReleaseEvent(QMouseEvent* e)
{
    QLabel::mouseReleaseEvent(e);
    e->accept();
    const bool wasPressed = pressed_;
    pressed_ = false;
    const QPoint pos = e->position().toPoint();
    emit mouseUp(e->button(), pos);
    if (wasPressed && rect().contains(pos) && e->button() == Qt::LeftButton) emit clicked();
}

} // namespace qm
