#pragma once
#include "reference/GlossaryFile.h"
#include "ui/Form.h"

#include <QStringList>
#include <QVector>

class QFontMetricsF;
class QTableWidget;

namespace qm {

class PictureBox;
class SkinnedButtonSet;
class TextControl;
class TextLabel;

// The course glossary: terms and definitions under letter headings in a
// two-column grid (MSFlexGrid1), a letter bar (MSFlexGrid2) that jumps to the
// headings, and a printable copy (TXTextControl1). The views are built when a
// visit starts; Close hides the window, which keeps its place for the next
// opening.
class Glossary : public SingleForm<Glossary> {
    Q_OBJECT
public:
    Glossary();

    // Run at the start of each visit: the glossary is read (a damaged file
    // is told then) and each view starts from empty; the views are filled
    // from what was read when first needed (FillGrid when the window is
    // first shown, FillPrintable when it first prints).
    void GetGlosInfo();
    void GetPrintableGlosInfo();
    void Clear_Form();
    void FillGrid();
    void FillPrintable();
    void FillViews();

    // Scrolls the heading (0 = the first in the file) to the top of the grid
    // and selects its letter in the bar.
    void GoToLetter(int index);
    // The heading at the key's place in the alphabet (A the first heading in
    // the file, B the second...); -1 for other keys and places with no heading.
    int HeadingForKey(int keyCode) const;
    void PrintGlossary();
    void CloseGlossary();

    int letterCount() const { return int(letterRows_.size()); }
    int letterRow(int index) const { return letterRows_.value(index, -1); }
    QString letterText(int index) const { return letterTexts_.value(index); }
    int selectedLetter() const { return selected_; }
    int hoveredLetter() const { return hovered_; }

    // Twips of the grid columns and the letter bar's cells.
    static constexpr int kLetterColumnTwips = 400;
    static constexpr int kTextColumnTwips = 11295;
    static constexpr int kBarCellTwips = 300;
    // A definition line ends at the first blank past the soft width, and
    // anywhere once it reaches the hard width.
    static constexpr int kDefinitionSoftTwips = 9000;
    static constexpr int kDefinitionHardTwips = 10000;
    // The bar has room for one cell per letter of the alphabet; a cell
    // beyond these could never be clicked, so none is built.
    static constexpr int kBarCells = 26;

    QTableWidget* MSFlexGrid1 = nullptr; // terms and definitions
    QTableWidget* MSFlexGrid2 = nullptr; // the letter bar
    TextControl* TXTextControl1 = nullptr; // the printable copy, never shown
    PictureBox* Glos_Print = nullptr;
    PictureBox* Glos_Close = nullptr;
    TextLabel* Label2[6] = {}; // 0 Print, 1 Close, 5 the title
    SkinnedButtonSet* buttons() const { return buttons_; }

    // Mouse handling of the letter bar, at a point of its viewport.
    void LetterBarClick(int x);
    void LetterBarHover(int x);
    void ClearHover();

protected:
    void Form_Load() override;
    void Form_KeyUp(int keyCode, int shift) override;
    bool Form_QueryUnload(int unloadMode) override;
    void Form_MouseMove() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void layoutGrid();
    void layoutBar();
    void BuildLetterBar();
    // The hard width of a definition line, in twips of this screen: as
    // designed where the text column has room for it, else what it has room for.
    double definitionWidthTwips(const QFontMetricsF& metrics) const;
    int barColumnAt(int x) const;
    enum class CellLook { Normal, Selected, Hovered };
    void setBarLook(int column, CellLook look);

    void releaseParts();

    SkinnedButtonSet* buttons_ = nullptr;
    // The glossary as read at the start of the visit, until both views are filled.
    QVector<GlossaryPart> parts_;
    bool partsRead_ = false;
    bool gridPending_ = false;
    bool printPending_ = false;
    QVector<int> letterRows_;
    QStringList letterTexts_;
    int selected_ = 0;
    int hovered_ = -1;
};

// Builds both glossary views for the chosen course (start of a visit).
void BuildGlossaryViews();
// Shows the glossary modal over the main window; returns once it is closed.
void ShowGlossary();

} // namespace qm
