#pragma once
#include <QColor>
#include <QTextCursor>
#include <QTextTableFormat>
#include <vector>

class QTextTable;

namespace qm::rtf {

class ColorTable;

struct CellDef {
    int rightTwips = 0;
    int shading = 0; // colour table index, 0 none
    int padLeftTwips = -1, padRightTwips = -1, padTopTwips = -1, padBottomTwips = -1; // -1: the row's
    bool hMergeFirst = false, hMerged = false, vMergeFirst = false, vMerged = false;
    bool operator==(const CellDef&) const = default;
};

// The row definition that \trowd starts and \cellx completes cell by cell.
struct RowDef {
    std::vector<CellDef> cells;
    CellDef pending;
    int gapTwips = 108; // half the space between cells' text: left and right padding
    bool gapGiven = false;
    int borderTwips = -1;    // the widest cell border's line (\brdrw after \clbrdr...)
    bool inBorder = false;   // ... a cell border is being defined
    int padLeftTwips = -1, padRightTwips = -1, padTopTwips = -1, padBottomTwips = -1; // -1: the gap (0 top and bottom)
    int leftTwips = 0;
    int align = 0; // 0 left, 1 centre, 2 right
    bool bordered = false;
    void reset() { *this = RowDef(); }
    void addCell(int rightTwips);
    bool operator==(const RowDef&) const = default;
};

// Builds a QTextTable while the reader streams its rows. Rows and cells are
// opened lazily, when content for them arrives, so that a final \cell or \row
// leaves no empty cell or row behind. Later rows with more cells widen the
// table; cell merges are applied when their row ends. A long table is built
// as a stack of tables of at most a hundred rows each, which look as one:
// each row then costs the same however long the table grows.
class TableBuilder {
public:
    bool active() const { return table_ != nullptr; }
    // True when prepare() would start the table, open a row or move to a cell.
    bool needsPrepare() const { return !table_ || !rowOpen_ || cellEnded_; }
    // Content is about to be written into the table: starts the table, opens
    // the row or moves to the next cell as needed, and leaves the cursor there.
    void prepare(QTextCursor& cursor, const RowDef& def, const ColorTable& colors);
    void endCell();
    void endRow(const RowDef& def);
    // Leaves the table: the cursor goes to the document's end, after it and
    // an empty spacer paragraph (which takes no height).
    void finish(QTextCursor& cursor);
    // Removes the rows made ahead that no content came for (the document
    // may end inside a table), and gives the table's end marker back its
    // own format.
    void dropSpareRows();
    // Once the document is complete: gives every bordered table's empty
    // cells their white background.
    void paperGrids();

private:
    void begin(QTextCursor& cursor, const RowDef& def, const ColorTable& colors);
    void enterCell(QTextCursor& cursor, const RowDef& def, const ColorTable& colors);
    void mergeRow(const RowDef& def);
    bool mergeOpen() const;
    void startNextPart(QTextCursor& cursor);
    void nextRow();
    struct MadeCellFormat;
    void setRowFormat(const QTextCursor& cursor, const MadeCellFormat& made);
    void restoreEndMarker();

    QTextTableFormat format_;
    RowDef formatDef_; // the row definition format_ was made from
    bool formatMade_ = false;
    qreal firstCut_ = 0; // padding the first column gives up (see tableFormat)
    // The cell format made last, for first cells and for the others: most
    // cells of a page share one of the two.
    struct MadeCellFormat {
        qreal left = -1, right = -1, top = -1, bottom = -1;
        QColor background;
        QTextTableCellFormat format;
        bool sameLook(const MadeCellFormat& o) const
        {
            return left == o.left && right == o.right && top == o.top && bottom == o.bottom && background == o.background;
        }
    };
    MadeCellFormat cellFormats_[2];
    // Rows Qt adds to a table copy the format of its end marker. Once that
    // marker carries the format most cells take (rowFormat_), the cells of
    // rows added later need no format of their own: setting one costs more
    // than the rest of the cell. rowFormatted_ holds, per row of the part,
    // how many of its first cells were made that way.
    MadeCellFormat rowFormat_;
    bool rowFormatSet_ = false;
    std::vector<int> rowFormatted_;

    QTextTable* table_ = nullptr;
    int row_ = 0;
    int col_ = 0;
    // Asking a table for its shape, or adding a row to it, recounts all of
    // its cells once anything changed; rows are therefore made several at a
    // time, and the shape is counted here.
    int columns_ = 0;
    int rowsMade_ = 0;
    int cellsInRow_ = 0;
    bool rowOpen_ = false;
    bool cellEnded_ = false;
    std::vector<int> vStart_; // per column, the row where a vertical merge began
    // Bordered tables (and parts) built so far, and how many of their cells
    // were given paper as they were entered: a table whose every cell was
    // needs no second look.
    struct Gridded {
        QTextTable* table = nullptr;
        int papered = 0;
        int lastRow = -1;
        int lastColumn = -1;
    };
    std::vector<Gridded> gridded_;
};

} // namespace qm::rtf
