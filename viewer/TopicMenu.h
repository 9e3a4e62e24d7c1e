#pragma once
#include "viewer/MenuRows.h"

#include <QObject>
#include <QVector>

class QTimer;

namespace qm {

class Form1;

// The topic menu: the topics of the module row the pointer rests on, opened
// beside that row; a click on a topic opens it. Twelve or more topics scroll
// with press-and-hold arrows. Rows are loaded on demand and reused.
class TopicMenu : public QObject {
    Q_OBJECT
public:
    explicit TopicMenu(Form1& window);

    void BuildTopicMenu(int n);
    void AnimateTopicMenu(int count, int n);
    void ScrollTopicMenuDown();
    void ScrollTopicMenuUp();
    void ShowTopicScrollUp();
    void HighlightTopicSlice(int n);
    void CloseTopicMenu();
    void TopicMoveProc(int index);
    void TopicClickProc(int index);
    bool isOpen() const;
    int topicCount() const { return topicCount_; }
    int rowPitch() const;

    // Event handlers (public so that tests reach them).
    void TopicSlice_MouseMove(int index);
    void TopicLabel_MouseMove(int index);
    void TopicScrlDwn_MouseDown();
    void TopicScrlup_MouseDown();
    void TopicScrlDwn_MouseMove();
    void TopicScrlup_MouseMove();
    void Timer5_Timer();
    void Timer6_Timer();

    PictureBox* Main_Topic_frm = nullptr;
    PictureBox* TopicFrame = nullptr;
    PictureBox* TopicScrlup = nullptr;
    PictureBox* TopicScrlDwn = nullptr;
    QTimer* Timer5 = nullptr; // repeat of the down arrow
    QTimer* Timer6 = nullptr; // repeat of the up arrow
    MenuRow row(int i) const { return rows_.value(i); }

private:
    int rowInView(int n) const;
    void connectRow(int i);
    void resetArrows();
    Form1& f_;
    QVector<MenuRow> rows_;
    int topicCount_ = -1;
};

} // namespace qm
