#pragma once
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace qm {

// A picture box: shows one image and reports the mouse and the focus. Skinned
// buttons are picture boxes; each remembers the skin file it shows so that the
// look can be read back.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr, const QString& name = QString());

    // Loads the named skin from the program's "GUIimages" folder (afresh each time).
    void setSkin(const QString& fileName);
    QString skin() const { return skin_; }
    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }
    void setBackColor(quint32 bgr);

    // The free-use tag some windows keep the shown image's name in.
    QString tag() const { return tag_; }
    void setTag(const QString& t) { tag_ = t; }

signals:
    void mouseMoved(QPoint pos);
    void mouseDown(Qt::MouseButton button, QPoint pos);
    void mouseUp(Qt::MouseButton button, QPoint pos);
    void clicked();
    void gotFocus();
    void lostFocus();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    QPixmap picture_;
    QString skin_;
    QString tag_;
    bool pressed_ = false;
};

} // namespace qm
