#include "ui/PictureBox.h"
#include "ui/Skins.h"
#include "ui/VbColor.h"

#include <QMouseEvent>
#include <QPainter>

namespace qm {

PictureBox::PictureBox(QWidget* parent, const QString& name) : QWidget(parent)
{
    setObjectName(name);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::setSkin(const QString& fileName)
{
    skin_ = fileName;
    picture_ = LoadSkin(fileName);
    update();
}

void PictureBox::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    skin_.clear();
    update();
}

void PictureBox::setBackColor(quint32 bgr)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, VbColor(bgr));
    setPalette(pal);
    setAutoFillBackground(true);
}

void PictureBox::paintEvent(QPaintEvent*)
{
    if (picture_.isNull()) return;
    QPainter p(this);
    p.drawPixmap(rect(), picture_);
}

void PictureBox::mouseMoveEvent(QMouseEvent* e) { emit mouseMoved(e->position().toPoint()); }

void PictureBox::mousePressEvent(QMouseEvent* e)
{
    pressed_ = true;
    emit mouseDown(e->button(), e->position().toPoint());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* e)
{
    const bool wasPressed = pressed_;
    pressed_ = false;
    const QPoint pos = e->position().toPoint();
    emit mouseUp(e->button(), pos);
    if (wasPressed && rect().contains(pos) && e->button() == Qt::LeftButton) emit clicked();
}

void PictureBox::focusInEvent(QFocusEvent* e)
{
    QWidget::focusInEvent(e);
    emit gotFocus();
}

void PictureBox::focusOutEvent(QFocusEvent* e)
{
    QWidget::focusOutEvent(e);
    emit lostFocus();
}

} // namespace qm
