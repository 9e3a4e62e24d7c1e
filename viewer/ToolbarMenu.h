#pragma once
#include "viewer/MenuRows.h"

#include <QObject>
#include <QVector>

namespace qm {

class Form1;

// The "Toolbar" menu: seven tool commands in rows that slide open from the
// toolbar button; a click on a row runs its command.
class ToolbarMenu : public QObject {
    Q_OBJECT
public:
    explicit ToolbarMenu(Form1& window);

    void BuildToolbarMenu();
    void OpenToolbarMenu();
    void AnimateToolbarMenu();
    void HighlightToolbarSlice(int n);
    void CloseToolbarMenu();
    bool isOpen() const;
    // The look of the button when the pointer is not on it.
    void showButtonResting();

    void toolBar_But_Click();
    void toolBar_But_MouseMove();
    void toolBar_Slice_MouseMove(int index);

    PictureBox* Main_Tool_frm = nullptr;
    PictureBox* toolBar_Frame = nullptr;
    MenuRow row(int i) const { return rows_.value(i); }
    int ToolHilite = -1; // the highlighted row, -1 for none

private:
    bool rowEnabled(int i) const;
    void resetRow(int i);
    Form1& f_;
    QVector<MenuRow> rows_;
};

} // namespace qm
