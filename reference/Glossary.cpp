#include "reference/Glossary.h"
#include "platform/ScreenMetrics.h"
#include "platform/TextControl.h"
#include "reference/GlossaryFile.h"
#include "reference/GlossaryLines.h"
#include "ui/Controls.h"
#include "ui/DialogLook.h"
#include "ui/KeyCodes.h"
#include "ui/PictureBox.h"
#include "ui/Pointer.h"
#include "ui/ScaleForm.h"
#include "ui/SkinnedButtons.h"
#include "ui/TextLabel.h"
#include "ui/UiText.h"
#include "ui/VbColor.h"
#include "viewer/Form1.h"

#include <QFontMetricsF>
#include <QHash>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>

namespace qm {
namespace {

constexpr quint32 kHeadingBack = 0xCCCCCC;
constexpr quint32 kBarMarkFore = 0xCCCCCC;
constexpr quint32 kBarMarkBack = 0x000001;

QTableWidget* newGrid(Form* form, const QString& name, const QRect& rect)
{
    auto* grid = Place(form, new QTableWidget(form), name, rect);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->horizontalHeader()->setMinimumSectionSize(1);
    grid->verticalHeader()->setMinimumSectionSize(1);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFocusPolicy(Qt::NoFocus);
    grid->setShowGrid(false);
    grid->setWordWrap(false);
    grid->setMouseTracking(true);
    grid->viewport()->setMouseTracking(true);
    return grid;
}

int twipsToPixels(int twips) { return qMax(1, twips / qMax(1, Screen().twipsPerPixelX)); }

// The width a grid's cells can show: the window keeps its pixels at any font
// scale, so columns given in twips may be wider than the grid. Room is kept
// for the vertical scroll bar, which a long glossary shows.
int shownWidth(const QTableWidget* grid)
{
    return grid->width() - 2 * grid->frameWidth() - grid->verticalScrollBar()->sizeHint().width();
}

} // namespace

Glossary::Glossary() : SingleForm<Glossary>(QStringLiteral("Glossary"))
{
    SetupDialog(this, QSize(820, 640));
    Label2[5] = NewHeading(this, QStringLiteral("Label2"), 5, QRect(12, 8, 790, 22));
    MSFlexGrid2 = newGrid(this, QStringLiteral("MSFlexGrid2"), QRect(16, 48, 788, 24));
    MSFlexGrid2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MSFlexGrid2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MSFlexGrid1 = newGrid(this, QStringLiteral("MSFlexGrid1"), QRect(16, 80, 788, 500));
    MSFlexGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MSFlexGrid1->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    MSFlexGrid1->setAutoScroll(false);

    // The printable copy is laid out for paper and never shown.
    TXTextControl1 = Place(this, new TextControl(this), QStringLiteral("TXTextControl1"), QRect(0, 0, 1, 1));
    TXTextControl1->hide();
    // The hidden view wraps at the printed text's width (8.5 inches less two
    // one-inch margins), not at its own tiny width: that keeps its layout cheap.
    TXTextControl1->setLineWrapMode(QTextEdit::FixedPixelWidth);
    TXTextControl1->setLineWrapColumnOrWidth((12240 - 2 * 1440) / 15);
    // A word longer than the printed line is broken, as the grid breaks it,
    // rather than run off the paper.
    TXTextControl1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);

    NewSkinButton(this, QStringLiteral("Glos_Print"), QStringLiteral("Label2"), 0, QRect(596, 596, 100, 28), Glos_Print,
                  Label2[0]);
    NewSkinButton(this, QStringLiteral("Glos_Close"), QStringLiteral("Label2"), 1, QRect(704, 596, 100, 28), Glos_Close,
                  Label2[1]);

    buttons_ = new SkinnedButtonSet(this);
    buttons_->addPlainButton(Glos_Print, Label2[0], [this] {
        buttons_->showNormal(Glos_Print);
        PrintGlossary();
    });
    buttons_->addPlainButton(Glos_Close, Label2[1], [this] { CloseGlossary(); });
    // Enter closes when Close is highlighted, else prints when Print is.
    buttons_->setEnterOrder({Glos_Close, Glos_Print});
    buttons_->setEscapeExits(false);

    MSFlexGrid1->viewport()->installEventFilter(this);
    MSFlexGrid2->viewport()->installEventFilter(this);
}

void Glossary::Form_Load()
{
    setKeyPreview(true);
    ScaleFormToScreen(*this);
    Label2[5]->setText(GetResString(107));
    Label2[1]->setText(GetResString(253));
    Label2[0]->setText(GetResString(252));
    buttons_->showNormal(Glos_Print);
    buttons_->showNormal(Glos_Close);
    Clear_Form();
}

void Glossary::layoutGrid()
{
    MSFlexGrid1->clearContents();
    MSFlexGrid1->setRowCount(0);
    MSFlexGrid1->setColumnCount(2);
    const int letters = twipsToPixels(kLetterColumnTwips);
    MSFlexGrid1->setColumnWidth(0, letters);
    MSFlexGrid1->setColumnWidth(1, qBound(1, shownWidth(MSFlexGrid1) - letters, twipsToPixels(kTextColumnTwips)));
}

double Glossary::definitionWidthTwips(const QFontMetricsF& metrics) const
{
    // A line may pass its width by one character; the cell's own margins
    // come off as well.
    const int margin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, MSFlexGrid1) + 1);
    const double room = MSFlexGrid1->columnWidth(1) - margin - 2 * metrics.height();
    const double tpp = qMax(1, Screen().twipsPerPixelX);
    return qBound(kDefinitionHardTwips - kDefinitionSoftTwips + tpp, room * tpp, double(kDefinitionHardTwips));
}

void Glossary::layoutBar()
{
    MSFlexGrid2->clearContents();
    MSFlexGrid2->setRowCount(1);
    MSFlexGrid2->setColumnCount(0);
}

void Glossary::Clear_Form()
{
    letterRows_.clear();
    letterTexts_.clear();
    selected_ = 0;
    hovered_ = -1;
    layoutGrid();
    layoutBar();
}

void Glossary::GetGlosInfo()
{
    // A change of course builds again on the loaded window: start from empty.
    Clear_Form();
    parts_.clear();
    // The file is read now, so that a damaged one is told at the start; the
    // views, hundreds of thousands of rows and a long document at the most,
    // are filled when they are first needed.
    ReadGlossary([this](const GlossaryPart& part) { parts_.append(part); });
    partsRead_ = true;
    gridPending_ = true;
}

void Glossary::FillViews()
{
    FillGrid();
    FillPrintable();
}

void Glossary::releaseParts()
{
    if (gridPending_ || printPending_) return;
    parts_ = QVector<GlossaryPart>();
    partsRead_ = false;
}

void Glossary::FillGrid()
{
    if (!gridPending_) return;
    gridPending_ = false;
    enum class RowKind { Spacer, Heading, Term, Line };
    struct Row {
        RowKind kind;
        QString text;
    };
    QVector<Row> rows;
    const QFontMetricsF metrics(MSFlexGrid1->font());
    const double twipsPerPixel = Screen().twipsPerPixelX;
    // At a larger font scale the width in twips is wider than the column: it
    // shrinks to fit, and the stretch in which a line waits for a blank
    // keeps its size, so that words are not cut more often than at 1.
    const double hard = definitionWidthTwips(metrics);
    const double soft = hard - (kDefinitionHardTwips - kDefinitionSoftTwips);
    QHash<QChar, double> widths;
    const auto charWidth = [&](QChar c) {
        auto it = widths.constFind(c);
        if (it == widths.cend()) it = widths.insert(c, metrics.horizontalAdvance(c) * twipsPerPixel);
        return *it;
    };

    for (const GlossaryPart& part : parts_) {
        switch (part.kind) {
        case GlossaryPart::Letter:
            // Every character of a heading is a heading of its own.
            for (const QChar c : part.text) {
                rows.append({RowKind::Spacer, {}});
                letterRows_.append(int(rows.size()));
                letterTexts_.append(QString(c));
                rows.append({RowKind::Heading, QString(c)});
            }
            break;
        case GlossaryPart::Term:
            rows.append({RowKind::Spacer, {}});
            rows.append({RowKind::Term, part.text});
            break;
        case GlossaryPart::Definition:
            for (const QString& line : BreakDefinition(part.text, charWidth, soft, hard))
                rows.append({RowKind::Line, line});
            break;
        }
    }

    MSFlexGrid1->setUpdatesEnabled(false);
    MSFlexGrid1->setRowCount(int(rows.size()));
    QFont bold = MSFlexGrid1->font();
    bold.setBold(true);
    QFont letterFont = bold;
    letterFont.setPointSize(10);
    for (int r = 0; r < rows.size(); ++r) {
        const Row& row = rows[r];
        switch (row.kind) {
        case RowKind::Spacer: break;
        case RowKind::Heading: {
            auto* letter = new QTableWidgetItem(row.text);
            letter->setFont(letterFont);
            letter->setBackground(VbColor(kHeadingBack));
            auto* rest = new QTableWidgetItem();
            rest->setBackground(VbColor(kHeadingBack));
            MSFlexGrid1->setItem(r, 0, letter);
            MSFlexGrid1->setItem(r, 1, rest);
            break;
        }
        case RowKind::Term: {
            MSFlexGrid1->setItem(r, 0, new QTableWidgetItem(QStringLiteral(" ")));
            auto* term = new QTableWidgetItem(row.text);
            term->setFont(bold);
            MSFlexGrid1->setItem(r, 1, term);
            break;
        }
        case RowKind::Line: MSFlexGrid1->setItem(r, 1, new QTableWidgetItem(row.text)); break;
        }
    }
    MSFlexGrid1->setUpdatesEnabled(true);
    BuildLetterBar();
    releaseParts();
}

void Glossary::BuildLetterBar()
{
    layoutBar();
    // Every letter's cell stays on the bar, however large the font scale.
    const int barWidth = MSFlexGrid2->width() - 2 * MSFlexGrid2->frameWidth();
    const int cell = qMax(1, qMin(twipsToPixels(kBarCellTwips), barWidth / kBarCells));
    const int cells = int(qMin<qsizetype>(letterTexts_.size(), kBarCells));
    MSFlexGrid2->setColumnCount(cells);
    for (int i = 0; i < cells; ++i) {
        MSFlexGrid2->setColumnWidth(i, cell);
        auto* item = new QTableWidgetItem(letterTexts_[i]);
        item->setTextAlignment(Qt::AlignCenter);
        MSFlexGrid2->setItem(0, i, item);
        setBarLook(i, CellLook::Normal);
    }
    MSFlexGrid2->setFixedHeight(MSFlexGrid2->rowHeight(0) + 2 * MSFlexGrid2->frameWidth());
}

void Glossary::setBarLook(int column, CellLook look)
{
    QTableWidgetItem* item = MSFlexGrid2->item(0, column);
    if (!item) return;
    QFont f = MSFlexGrid2->font();
    f.setUnderline(look == CellLook::Hovered);
    item->setFont(f);
    item->setForeground(VbColor(look == CellLook::Normal ? kBlack : kBarMarkFore));
    item->setBackground(VbColor(look == CellLook::Normal ? kWhite : kBarMarkBack));
}

void Glossary::GoToLetter(int index)
{
    if (index < 0 || index >= letterRows_.size()) return;
    MSFlexGrid1->scrollTo(MSFlexGrid1->model()->index(letterRows_[index], 0), QAbstractItemView::PositionAtTop);
    setBarLook(selected_, CellLook::Normal);
    selected_ = index;
    setBarLook(selected_, CellLook::Selected);
}

int Glossary::HeadingForKey(int keyCode) const
{
    // The key's place in the alphabet picks the heading by its place in the
    // file, so that headings that are not the letters A to Z can be reached.
    if (keyCode < 'A' || keyCode > 'Z') return -1;
    const int index = keyCode - 'A';
    return index < letterRows_.size() ? index : -1;
}

void Glossary::Form_KeyUp(int keyCode, int)
{
    if (keyCode == vbKeyReturn) {
        buttons_->keyUp(keyCode);
        return;
    }
    const int heading = HeadingForKey(keyCode);
    if (heading >= 0) GoToLetter(heading);
}

int Glossary::barColumnAt(int x) const
{
    const int width = MSFlexGrid2->columnCount() > 0 ? MSFlexGrid2->columnWidth(0) : 0;
    if (width <= 0 || x < 0) return -1;
    const int column = x / width;
    if (column >= MSFlexGrid2->columnCount()) return -1;
    return column;
}

void Glossary::LetterBarClick(int x)
{
    const int column = barColumnAt(x);
    if (column >= 0) GoToLetter(column);
}

void Glossary::LetterBarHover(int x)
{
    setMousePointer(vbCustom);
    const int column = barColumnAt(x);
    if (column < 0 || column == hovered_) return;
    const int previous = hovered_ < 0 ? 0 : hovered_;
    if (previous != selected_) setBarLook(previous, CellLook::Normal);
    hovered_ = column;
    if (column != selected_) setBarLook(column, CellLook::Hovered);
}

void Glossary::ClearHover()
{
    if (hovered_ >= 0 && hovered_ != selected_) setBarLook(hovered_, CellLook::Normal);
    hovered_ = -1;
}

void Glossary::Form_MouseMove()
{
    ClearHover();
    setMousePointer(vbDefault);
}

bool Glossary::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove) {
        const auto* e = static_cast<QMouseEvent*>(event);
        if (watched == MSFlexGrid2->viewport()) LetterBarHover(e->position().toPoint().x());
        else if (watched == MSFlexGrid1->viewport()) ClearHover();
    } else if (event->type() == QEvent::MouseButtonRelease && watched == MSFlexGrid2->viewport()) {
        LetterBarClick(static_cast<QMouseEvent*>(event)->position().toPoint().x());
    }
    return Form::eventFilter(watched, event);
}

void Glossary::showEvent(QShowEvent* event)
{
    if (gridPending_) {
        SetScreenPointer(vbHourglass);
        FillGrid();
        SetScreenPointer(vbDefault);
    }
    Form::showEvent(event);
}

void Glossary::CloseGlossary()
{
    buttons_->showNormal(Glos_Close);
    hide();
}

bool Glossary::Form_QueryUnload(int unloadMode)
{
    if (unloadMode != vbFormControlMenu) return false;
    CloseGlossary(); // the glossary is hidden, never unloaded, when closed
    return true;
}

void BuildGlossaryViews()
{
    Glossary& g = Glossary::instance();
    g.GetGlosInfo();
    g.GetPrintableGlosInfo();
}

void ShowGlossary()
{
    Glossary& g = Glossary::instance();
    // It opens with no caption highlighted, so that Enter does nothing until
    // the pointer or Tab reaches a button: the window itself has the focus.
    g.buttons()->showAllNormal();
    g.setFocus(Qt::OtherFocusReason);
    QPointer<Glossary> guard(&g);
    g.showModal(Form1::ifLoaded());
    // The glossary outlives a main window reloaded for another course.
    if (guard && guard->parentWidget()) guard->setParent(nullptr, Qt::Window);
}

} // namespace qm
