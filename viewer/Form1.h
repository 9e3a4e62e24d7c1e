#pragma once
#include "content/PageView.h"
#include "ui/Form.h"

#include <QTimer>
#include <memory>

namespace qm {

class ChromeHover;
class KeyboardShortcuts;
class ModuleMenu;
class MovieObjects;
class PictureBox;
class TextControl;
class TextLabel;
class ToolbarMenu;
class TopicMenu;

// The main window of the learner's visit: the page view, the heading, the
// course name, Exit and minimise, Next, Previous and Return, the module,
// topic and toolbar menus, hover looks and keyboard shortcuts.
class Form1 : public SingleForm<Form1>, public PageView {
    Q_OBJECT
public:
    Form1();
    ~Form1() override;

    // Navigation buttons.
    void NextPage();
    void PrevPage();
    void Exit_Course();
    void Exit_Pic_Click();

    // Button looks used by the navigation, sign-in and test windows.
    void SetNextButton(bool enabled, const QString& skin);
    void SetPrevButton(bool enabled, const QString& skin);
    void SetReturnButton(bool enabled, const QString& skin);
    void DisableReturnButton();

    // Closes the module, topic and toolbar menus.
    void CloseAllMenus();
    // The window takes the keys again once a window of the program is gone,
    // also where no window manager hands them back.
    static void TakeKeysBack();
    void RemoveMovieControl();
    void BuildModuleMenu();
    void BuildToolbarMenu();
    // The tooltip of a control of the window's chrome; show 0 hides it.
    void ShowToolTip(QWidget* control, int show, const QString& text);

    // PageView: pages are shown in TXTextControl1.
    bool LoadPage(const QString& path, QString* error) override;
    void Refresh() override;

    TextControl* TXTextControl1 = nullptr;
    PictureBox* Picture2 = nullptr; // the window's background, container of the chrome
    TextLabel* Label1 = nullptr;    // the heading
    TextLabel* CourseNameLbl = nullptr;
    PictureBox* Modules = nullptr;
    TextLabel* ModLabel = nullptr;
    PictureBox* toolBar_But = nullptr;
    TextLabel* ToolLabel = nullptr;
    PictureBox* Exit_Pic = nullptr;
    PictureBox* Min_btn = nullptr;
    PictureBox* NextBtn = nullptr;
    PictureBox* Prev = nullptr;
    PictureBox* Return_Btn = nullptr;
    PictureBox* Picture1 = nullptr; // takes the focus away from the chrome
    QTimer* Timer1 = nullptr;       // the exit-flag poll
    ChromeHover* hover = nullptr;
    ModuleMenu* moduleMenu = nullptr;
    TopicMenu* topicMenu = nullptr;
    ToolbarMenu* toolbarMenu = nullptr;
    MovieObjects* Movies = nullptr; // the movie frames and players of the page

protected:
    void Form_Load() override;
    void Form_Unload() override;
    bool Form_QueryUnload(int unloadMode) override;
    void Form_Activate() override;
    void Form_KeyUp(int keyCode, int shift) override;

private:
    void LoadMenuCaptions();
    void Timer1_Timer();
    void CourseNameLbl_Click();
    void Min_btn_Click();
    void buildControls();
    std::unique_ptr<KeyboardShortcuts> shortcuts_;
};

} // namespace qm
