#include "viewer/MenuRows.h"
#include "ui/Controls.h"
#include "ui/PictureBox.h"
#include "ui/TextLabel.h"
#include "ui/VbColor.h"

#include <QThread>
#include <QTimer>
#include <cmath>

namespace qm {

MenuRow NewMenuRow(Form* form, QWidget* frame, const QString& sliceName, const QString& captionName, int index,
                   const QRect& rect)
{
    MenuRow row;
    row.slice = NewPictureBox(form, sliceName, rect, frame, index);
    row.slice->setFocusPolicy(Qt::NoFocus);
    frame->setAutoFillBackground(true);
    QPalette pal = frame->palette();
    pal.setColor(QPalette::Window, QColor(0x33, 0x33, 0x99)); // seen in the gaps between rows
    frame->setPalette(pal);
    // The caption leaves the row image's marks at both ends in sight.
    row.caption = NewLabel(form, captionName, QRect(18, 3, rect.width() - 40, rect.height() - 6), row.slice, index);
    row.caption->setWordWrap(false);
    row.caption->setTextFormat(Qt::PlainText); // titles are the content's, shown as written
    row.caption->setElided(true);
    return row;
}

MenuRow CopyMenuRow(Form* form, const MenuRow& first, int index)
{
    MenuRow row = NewMenuRow(form, first.slice->parentWidget(), first.slice->objectName(),
                             first.caption->objectName(), index, first.slice->geometry());
    row.caption->setGeometry(first.caption->geometry());
    row.caption->setFont(first.caption->font());
    row.caption->setAlignment(first.caption->alignment());
    return row;
}

void ShowRowHighlighted(const MenuRow& row, const QString& onSkin)
{
    row.caption->setForeColor(kBlack);
    row.caption->setBackColor(kHighlightBack);
    row.slice->setSkin(onSkin);
}

void ShowRowNormal(const MenuRow& row, const QString& offSkin)
{
    row.caption->setForeColor(kWhite);
    row.caption->setBackColor(kNormalBack);
    row.slice->setSkin(offSkin);
}

void AnimationPause(QWidget* menuWindow, int milliseconds)
{
    menuWindow->repaint();
    if (milliseconds > 0) QThread::msleep(static_cast<unsigned long>(milliseconds));
}

void AnimateMenuOpening(QWidget* menuWindow, int bottom, int steps, int rowWidth, int pitch, int pauseMs)
{
    const QRect full = menuWindow->geometry();
    QRect g(full.x(), bottom, 0, 0);
    menuWindow->setGeometry(g);
    menuWindow->show();
    menuWindow->raise();
    if (steps > 0) {
        const int stepH = int(std::lround(pitch / 2.0));
        const int stepW = int(std::lround(rowWidth / (2.0 * steps)));
        for (int round = 0; round < 2 * steps; ++round) {
            g.setTop(g.top() - stepH);
            g.setWidth(g.width() + stepW);
            menuWindow->setGeometry(g);
            AnimationPause(menuWindow, pauseMs);
        }
    }
    menuWindow->setGeometry(full);
}

void ScrollMenuRowDown(QWidget* frame, int& scrollPos, int lastRow, int pitch, QWidget* downArrow, QTimer* repeat)
{
    if (scrollPos <= lastRow) {
        ++scrollPos;
        frame->move(frame->x(), frame->y() - pitch);
    }
    if (scrollPos > lastRow) {
        downArrow->hide();
        repeat->stop();
    }
}

void ScrollMenuRowUp(QWidget* frame, int& scrollPos, int rowsInView, int pitch, QWidget* upArrow, QTimer* repeat)
{
    if (scrollPos > rowsInView) {
        --scrollPos;
        frame->move(frame->x(), frame->y() + pitch);
    }
    if (scrollPos <= rowsInView) {
        upArrow->hide();
        repeat->stop();
    }
}

void StartArrowRepeat(QWidget* arrow, QTimer* repeat)
{
    if (arrow->isVisible()) {
        repeat->setInterval(500);
        repeat->start();
    }
}

void QuickenArrowRepeat(QTimer* repeat, int intervalMs)
{
    if (repeat->isActive()) repeat->setInterval(intervalMs);
}

} // namespace qm
