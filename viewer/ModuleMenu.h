#pragma once
#include "viewer/MenuRows.h"

#include <QObject>
#include <QVector>

class QTimer;

namespace qm {

class Form1;

// The "Modules" menu of the main window: one row per module of the course,
// sliding open above its button; resting on a row opens that module's topic
// menu; more than ten rows scroll with press-and-hold arrows.
class ModuleMenu : public QObject {
    Q_OBJECT
public:
    explicit ModuleMenu(Form1& window);

    void BuildModuleMenu();
    void OpenModuleMenu();
    void AnimateModuleMenu();
    void ScrollModuleMenuDown();
    void ScrollModuleMenuUp();
    void HighlightModuleSlice(int n);
    void CloseModuleMenu();
    bool isOpen() const;
    // The module rows, in view or not.
    int rowCount() const { return moduleCount_ + 1; }
    int rowPitch() const;
    // The look of the button when the pointer is not on it.
    void showButtonResting();

    // Event handlers (public so that the shortcuts and tests reach them).
    void ModLabel_Click();
    void Modules_MouseMove();
    void MenuSlice_MouseMove(int index);
    void MenuScrlDwn_MouseMove();
    void MenuScrlUp_MouseMove();
    void MenuScrlDwn_MouseDown();
    void MenuScrlUp_MouseDown();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();

    PictureBox* Main_Menu_frm = nullptr;
    PictureBox* MenuFrame = nullptr;
    PictureBox* MenuScrlUp = nullptr;
    PictureBox* MenuScrlDwn = nullptr;
    QTimer* Timer2 = nullptr; // repeat of the down arrow
    QTimer* Timer3 = nullptr; // repeat of the up arrow
    QTimer* Timer4 = nullptr; // rest on a row: its topic menu opens
    // The controls showing module row i; empty while the row is scrolled out
    // of view.
    MenuRow row(int i) const;

private:
    void resetRow(int i);
    // The rows' controls show the modules from `first` on.
    void showRowsFrom(int first);
    void hoverArrow(PictureBox* arrow, const QString& onSkin);
    Form1& f_;
    QVector<MenuRow> rows_;
    int menuTop_ = 0; // MenuTop: the inner frame's unscrolled top
    int moduleCount_ = -1;
    int first_ = 0; // the module shown in the top row
    int lit_ = -1;  // the module row shown highlighted, -1 for none
};

} // namespace qm
