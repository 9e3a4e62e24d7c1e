#include "assessment/ProgressGrid.h"
#include "ui/VbColor.h"

#include <QHeaderView>
#include <QMouseEvent>

namespace qm {

ProgressGrid::ProgressGrid(QWidget* parent) : QTableWidget(0, 1, parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setColumnWidth(0, kColumnWidth);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    QFont f = font();
    f.setBold(true);
    setFont(f);
    setSelectionColors(0xFFFFFF, 0x000000);
}

void ProgressGrid::clearRows()
{
    clearSelection();
    setRowCount(0);
    setColumnWidth(0, kColumnWidth);
}

void ProgressGrid::addRow(const QString& text)
{
    const int row = rowCount();
    insertRow(row);
    auto* it = new QTableWidgetItem(text);
    it->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont f = font();
    f.setBold(true);
    it->setFont(f);
    setItem(row, 0, it);
}

void ProgressGrid::markViewed(int row)
{
    QTableWidgetItem* it = item(row, 0);
    if (!it) return;
    it->setForeground(VbColor(kViewedColor));
    QFont f = it->font();
    f.setBold(false);
    it->setFont(f);
}

QString ProgressGrid::rowText(int row) const
{
    const QTableWidgetItem* it = item(row, 0);
    return it ? it->text() : QString();
}

quint32 ProgressGrid::rowColor(int row) const
{
    const QTableWidgetItem* it = item(row, 0);
    if (!it || it->foreground().style() == Qt::NoBrush) return ToVbColor(palette().color(QPalette::Text));
    return ToVbColor(it->foreground().color());
}

bool ProgressGrid::rowBold(int row) const
{
    const QTableWidgetItem* it = item(row, 0);
    return it && it->font().bold();
}

int ProgressGrid::rowAtY(int y) const
{
    const int r = rowAt(y);
    return r < 0 ? rowCount() : r;
}

void ProgressGrid::setHighlight(bool on)
{
    highlight_ = on;
    if (!on) clearSelection();
    setSelectionMode(on ? QAbstractItemView::SingleSelection : QAbstractItemView::NoSelection);
}

void ProgressGrid::setSelectionColors(quint32 back, quint32 fore)
{
    selBack_ = back;
    selFore_ = fore;
    QPalette pal = palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(g, QPalette::Highlight, VbColor(back));
        pal.setColor(g, QPalette::HighlightedText, VbColor(fore));
    }
    setPalette(pal);
}

void ProgressGrid::selectRowAlone(int row)
{
    setCurrentCell(row, 0,
                   highlight_ ? QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows
                              : QItemSelectionModel::NoUpdate);
}

bool ProgressGrid::viewportEvent(QEvent* e)
{
    if (e->type() == QEvent::MouseMove) emit mouseMovedAt(static_cast<QMouseEvent*>(e)->position().toPoint().y());
    return QTableWidget::viewportEvent(e);
}

} // namespace qm
