#include "platform/rtf/RtfTableBuilder.h"
#include "platform/rtf/RtfCellPadding.h"
#include "platform/rtf/RtfTables.h"

#include <QTextDocument>
#include <QTextTable>

namespace qm::rtf {
namespace {
constexpr int kMaxColumns = 64;
constexpr int kMaxCellPx = 4000;
constexpr int kRowsPerPart = 100;
constexpr int kRowsMadeSingly = 8;
// The characters Qt marks a cell's start and a table's end with.
constexpr QChar kCellStart(0xFDD0);
constexpr QChar kTableEnd(0xFDD1);

// firstCut: how much narrower the first column is made, on its left, to keep
// a grid's line in view.
QTextTableFormat tableFormat(const RowDef& def, qreal pageMargin, qreal& firstCut)
{
    firstCut = 0;
    QTextTableFormat fmt;
    fmt.setCellPadding(0); // each cell has its own
    // A bordered table is drawn as a one-pixel grid: its cells, white unless
    // shaded, stand a pixel apart on the table's black background. It looks
    // as collapsed borders do and lays out in about half their time.
    fmt.setBorderCollapse(false);
    fmt.setBorder(0);
    fmt.setCellSpacing(def.bordered ? 1 : 0);
    if (def.bordered) fmt.setBackground(Qt::black);
    if (def.align == 1) fmt.setAlignment(Qt::AlignHCenter);
    else if (def.align == 2) fmt.setAlignment(Qt::AlignRight);
    // A row stands where word processors place it (see PaddingLeftOfRow).
    // The view has no page margin to take more than that: text never starts
    // left of the paragraphs, and a grid's line stays in view, the first
    // column giving up the padding that would leave it.
    if (def.align == 0) {
        const qreal edge = qMax(def.leftTwips / 15.0, 0.0) - PaddingLeftOfRow(def) - fmt.cellSpacing();
        if (def.bordered && edge < -pageMargin) firstCut = qMin(-pageMargin - edge, PaddingOf(def, 0).left);
        if (edge + firstCut != 0) fmt.setLeftMargin(qMin<qreal>(edge + firstCut, kMaxCellPx));
    }
    if (!def.cells.empty()) {
        // Each boundary is rounded to its pixel, so that the last cells of a
        // wide row end where the page puts them; a grid's lines take no room.
        const auto at = [](int twips) { return qRound(twips / 15.0); };
        QList<QTextLength> widths;
        int left = qMin(def.leftTwips, def.cells.front().rightTwips);
        for (const CellDef& c : def.cells) {
            const qreal width = at(c.rightTwips) - at(left) - fmt.cellSpacing() - (widths.empty() ? firstCut : 0);
            widths.append(QTextLength(QTextLength::FixedLength, qBound<qreal>(1, width, kMaxCellPx)));
            left = qMax(left, c.rightTwips);
        }
        fmt.setColumnWidthConstraints(widths);
    }
    return fmt;
}
} // namespace

void RowDef::addCell(int rightTwips)
{
    if (int(cells.size()) < kMaxColumns) {
        pending.rightTwips = rightTwips;
        cells.push_back(pending);
    }
    pending = CellDef();
}

void TableBuilder::begin(QTextCursor& cursor, const RowDef& def, const ColorTable&)
{
    const int columns = qBound(1, int(def.cells.size()), kMaxColumns);
    // Pages of many small tables repeat one row definition.
    if (!formatMade_ || !(def == formatDef_)) {
        formatDef_ = def;
        formatMade_ = true;
        format_ = tableFormat(def, cursor.document()->documentMargin(), firstCut_);
    }
    const QTextTableFormat& fmt = format_;
    // Qt hides an empty paragraph just before a table, but still puts the
    // larger of its space above and the space after the paragraph before it
    // above the table; only the latter belongs there.
    if (cursor.block().length() == 1) cursor.setBlockFormat(QTextBlockFormat());
    table_ = cursor.insertTable(1, columns, fmt);
    if (def.bordered) gridded_.push_back(Gridded{table_});
    rowFormatSet_ = false;
    rowFormatted_.assign(1, 0);
    columns_ = columns;
    rowsMade_ = 1;
    row_ = 0;
    col_ = 0;
    cellsInRow_ = 0;
    rowOpen_ = false;
    cellEnded_ = false;
    vStart_.assign(size_t(columns), -1);
}

void TableBuilder::prepare(QTextCursor& cursor, const RowDef& def, const ColorTable& colors)
{
    if (!table_) {
        begin(cursor, def, colors);
        rowOpen_ = true;
        enterCell(cursor, def, colors);
        return;
    }
    if (!rowOpen_) {
        if (row_ + 1 >= kRowsPerPart && !mergeOpen()) startNextPart(cursor);
        else nextRow();
        col_ = 0;
        cellsInRow_ = 0;
        rowOpen_ = true;
        cellEnded_ = false;
        const int wanted = qMin(int(def.cells.size()), kMaxColumns);
        if (wanted > columns_) {
            table_->appendColumns(wanted - columns_);
            columns_ = wanted;
        }
        enterCell(cursor, def, colors);
        return;
    }
    if (cellEnded_) {
        cellEnded_ = false;
        if (col_ + 1 < kMaxColumns) {
            ++col_;
            if (col_ >= columns_) {
                table_->appendColumns(1);
                ++columns_;
            }
        }
        enterCell(cursor, def, colors);
    }
}

void TableBuilder::enterCell(QTextCursor& cursor, const RowDef& def, const ColorTable& colors)
{
    QTextTableCell cell = table_->cellAt(row_, col_);
    if (!cell.isValid()) return;
    const CellDef* d = size_t(col_) < def.cells.size() ? &def.cells[size_t(col_)] : nullptr;
    // Word processors keep the paddings inside the width a cell's \cellx gives.
    const CellPadding pad = PaddingOf(def, col_);
    const qreal left = pad.left - (col_ == 0 ? firstCut_ : 0);
    const qreal right = pad.right, top = pad.top, bottom = pad.bottom;
    QColor background = d ? colors.color(d->shading) : QColor();
    if (!background.isValid() && format_.cellSpacing() > 0) background = Qt::white;
    MadeCellFormat& made = cellFormats_[col_ == 0 ? 0 : 1];
    if (left != made.left || right != made.right || top != made.top || bottom != made.bottom
        || background != made.background) {
        // The table's own padding is none: a cell carries only the sides it
        // pads. Qt copies a cell's format each time its layout asks it for
        // anything, so every property left out is saved many times over.
        QTextTableCellFormat f;
        if (left != 0) f.setLeftPadding(left);
        if (right != 0) f.setRightPadding(right);
        if (top != 0) f.setTopPadding(top);
        if (bottom != 0) f.setBottomPadding(bottom);
        if (background.isValid()) f.setBackground(background);
        made = {left, right, top, bottom, background, f};
    }
    const bool preformatted = rowFormatSet_ && size_t(row_) < rowFormatted_.size() && col_ < rowFormatted_[size_t(row_)]
        && made.sameLook(rowFormat_);
    if (!preformatted) cell.setFormat(made.format);
    // A cell without shading of its own gives its format to the rows to
    // come: a cell left empty in them then looks as it would without it.
    if (!rowFormatSet_ && !(d && colors.color(d->shading).isValid())) setRowFormat(cursor, made);
    if (!gridded_.empty() && gridded_.back().table == table_) {
        Gridded& g = gridded_.back();
        if (g.lastRow != row_ || g.lastColumn != col_) ++g.papered; // a capped column is entered again
        g.lastRow = row_;
        g.lastColumn = col_;
    }
    // A cell entered for the first time is empty: its first position is its
    // last, and finding that needs no search through the table's cells.
    const int first = cell.firstPosition();
    const QChar next = cursor.document()->characterAt(first);
    const bool empty = next == kCellStart || next == kTableEnd;
    cursor.setPosition(empty ? first : cell.lastPosition());
    cellsInRow_ = qMax(cellsInRow_, col_ + 1);
}

void TableBuilder::endCell()
{
    if (!table_) return;
    if (rowOpen_) cellEnded_ = true;
}

void TableBuilder::endRow(const RowDef& def)
{
    if (!table_ || !rowOpen_) return;
    mergeRow(def);
    rowOpen_ = false;
    cellEnded_ = false;
}

// Moves to the next row. A short table gets its rows one at a time; a
// longer one as many again as it has, up to the part's size.
void TableBuilder::nextRow()
{
    ++row_;
    if (row_ < rowsMade_) return;
    const int n = rowsMade_ < kRowsMadeSingly ? 1 : qMax(1, qMin(rowsMade_, kRowsPerPart - rowsMade_));
    table_->appendRows(n);
    rowsMade_ += n;
    rowFormatted_.resize(size_t(rowsMade_), rowFormatSet_ ? columns_ : 0);
}

void TableBuilder::setRowFormat(const QTextCursor& cursor, const MadeCellFormat& made)
{
    QTextCharFormat f = made.format;
    f.setObjectType(QTextFormat::TableCellObject);
    QTextCursor after(cursor.document());
    after.setPosition(table_->lastPosition() + 1);
    after.setBlockCharFormat(f); // the format of the block's separator: the table's end marker
    rowFormat_ = made;
    rowFormatSet_ = true;
}

// The marker's format is also the next paragraph's own until it gets one.
void TableBuilder::restoreEndMarker()
{
    if (!table_ || !rowFormatSet_) return;
    QTextCharFormat f;
    f.setObjectType(QTextFormat::TableCellObject);
    QTextCursor after(table_->document());
    after.setPosition(table_->lastPosition() + 1);
    after.setBlockCharFormat(f);
    rowFormatSet_ = false;
}

void TableBuilder::dropSpareRows()
{
    restoreEndMarker();
    if (!table_ || rowsMade_ <= row_ + 1) return;
    table_->removeRows(row_ + 1, rowsMade_ - row_ - 1);
    rowsMade_ = row_ + 1;
}

void TableBuilder::mergeRow(const RowDef& def)
{
    const int columns = columns_;
    if (int(vStart_.size()) < columns) vStart_.resize(size_t(columns), -1);
    const int n = qMin(int(def.cells.size()), columns);

    // Horizontal merges: a first cell followed by merged ones.
    for (int c = 0; c < n;) {
        if (!def.cells[size_t(c)].hMergeFirst) { ++c; continue; }
        int end = c + 1;
        while (end < n && def.cells[size_t(end)].hMerged) ++end;
        bool plain = true;
        for (int k = c; k < end; ++k)
            if (table_->cellAt(row_, k).rowSpan() != 1 || table_->cellAt(row_, k).columnSpan() != 1) plain = false;
        if (plain && end - c > 1) table_->mergeCells(row_, c, 1, end - c);
        c = end;
    }
    // Vertical merges: a cell continues the one above it.
    for (int c = 0; c < n; ++c) {
        const CellDef& d = def.cells[size_t(c)];
        if (d.vMergeFirst) {
            vStart_[size_t(c)] = row_;
        } else if (d.vMerged && vStart_[size_t(c)] >= 0) {
            const int top = vStart_[size_t(c)];
            bool oneColumn = true;
            for (int r = top; r <= row_; ++r)
                if (table_->cellAt(r, c).columnSpan() != 1) oneColumn = false;
            if (oneColumn) table_->mergeCells(top, c, row_ - top + 1, 1);
        } else {
            vStart_[size_t(c)] = -1;
        }
    }
}

// The next part starts right below the last one; the paragraph between the
// two is kept to no height.
void TableBuilder::startNextPart(QTextCursor& cursor)
{
    dropSpareRows();
    const int between = table_->lastPosition() + 1;
    const int columns = columns_;
    cursor.movePosition(QTextCursor::End);
    table_ = cursor.insertTable(1, columns, format_);
    if (format_.cellSpacing() > 0) gridded_.push_back(Gridded{table_});
    rowFormatted_.assign(1, 0);
    QTextCursor gap(cursor.document());
    gap.setPosition(between);
    QTextBlockFormat none;
    none.setLineHeight(0, QTextBlockFormat::FixedHeight);
    QTextCharFormat tiny;
    tiny.setFontPointSize(1);
    gap.setBlockFormat(none);
    gap.setBlockCharFormat(tiny);
    row_ = 0;
    rowsMade_ = 1;
    vStart_.assign(size_t(columns), -1);
}

bool TableBuilder::mergeOpen() const
{
    for (const int start : vStart_)
        if (start >= 0) return true;
    return false;
}

void TableBuilder::finish(QTextCursor& cursor)
{
    if (!table_) return;
    dropSpareRows();
    cursor.movePosition(QTextCursor::End);
    // Qt hides an empty paragraph right after a table and ignores the space
    // above any paragraph there. An empty spacer takes that place, so the
    // author's paragraphs after the table keep their height and spacing.
    cursor.setBlockFormat(QTextBlockFormat());
    cursor.insertBlock();
    table_ = nullptr;
    rowOpen_ = false;
    cellEnded_ = false;
}

// Cells that never got content (a short row in a wider table) are still
// drawn as paper, not as the grid's black.
void TableBuilder::paperGrids()
{
    for (const Gridded& g : gridded_) {
        QTextTable* t = g.table;
        if (g.papered == t->rows() * t->columns()) continue;
        for (int r = 0; r < t->rows(); ++r) {
            for (int c = 0; c < t->columns(); ++c) {
                QTextTableCell cell = t->cellAt(r, c);
                if (cell.row() != r || cell.column() != c) continue; // part of a merged cell
                QTextCharFormat f = cell.format();
                if (f.background().style() != Qt::NoBrush) continue;
                f.setBackground(Qt::white);
                cell.setFormat(f);
            }
        }
    }
    gridded_.clear();
}

} // namespace qm::rtf
