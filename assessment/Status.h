#pragma once
#include "ui/Form.h"

class QLineEdit;
class QProgressBar;

namespace qm {

class PictureBox;
class ProgressGrid;
class SkinnedButtonSet;
class TextLabel;

// The progress window: the chosen course's modules with the viewed ones
// marked, the topics of the module under the pointer, that module's highest
// and last score, and the share of the course's topics viewed. A click on a
// module or topic goes there. It reads the progress records and writes
// nothing.
class Status : public SingleForm<Status> {
    Q_OBJECT
public:
    Status();

    void Clear_Form();
    void InsertFormText();
    void FillStatusModuleGrid();
    void FillStatusTopicGrid(const QString& rowText);
    void ShowModuleScores(int row);
    // With progress that could not be read, the lists only lead to modules
    // and topics: no row is marked viewed and no score, share or colour key
    // is shown, as any of them would be a figure nobody read.
    void SetProgressKnown(bool known);

    // The pointer moved over grid index (0 modules, 1 topics) at y.
    void MSFlexGrid1_MouseMove(int index, int y);
    // A row of grid index was clicked.
    void MSFlexGrid1_Click(int index, int row);
    // Close: starts the test when the main window is on a test page.
    void CloseStatus();
    void ShowHelp();

    ProgressGrid* MSFlexGrid1[2] = {};
    QProgressBar* ccrpProgressBar1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    TextLabel* Label1[7] = {};
    TextLabel* Label2[6] = {};
    PictureBox* Picture1 = nullptr; // "not viewed" swatch
    PictureBox* Picture3 = nullptr; // "viewed" swatch
    PictureBox* Prog_Help = nullptr;
    PictureBox* Prog_Cancel = nullptr;
    SkinnedButtonSet* buttons() const { return buttons_; }

    int HoverModuleRow = -1;

    static constexpr quint32 kViewedColor = 0x663399;
    static constexpr quint32 kViewedHighlight = 0x99CCCC;
    static constexpr quint32 kHighlight = 0xB5F7F2;

protected:
    void Form_Load() override;
    void Form_KeyUp(int keyCode, int shift) override;
    void Form_MouseMove() override;
    bool Form_QueryUnload(int unloadMode) override;
    bool eventFilter(QObject* obj, QEvent* e) override;

private:
    void buildControls();
    SkinnedButtonSet* buttons_ = nullptr;
    bool progressKnown_ = true;
};

} // namespace qm
