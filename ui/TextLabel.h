#pragma once
#include <QLabel>

namespace qm {

// A label with the fore and back colours the windows set and read back (a
// caption's text colour tells its button's state), reporting the mouse.
class TextLabel : public QLabel {
    Q_OBJECT
public:
    explicit TextLabel(QWidget* parent = nullptr, const QString& name = QString(), int index = -1);

    void setForeColor(quint32 bgr);
    quint32 foreColor() const { return fore_; }
    // Makes the label opaque in that colour.
    void setBackColor(quint32 bgr);
    quint32 backColor() const { return back_; }
    void setTransparent();
    int index() const;
    // A one-line caption too long for the label ends with an ellipsis instead
    // of being cut; text() keeps the whole caption.
    void setElided(bool on);

signals:
    void mouseMoved(QPoint pos);
    void mouseDown(Qt::MouseButton button, QPoint pos);
    void mouseUp(Qt::MouseButton button, QPoint pos);
    void clicked();

protected:
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void applyColours();
    quint32 fore_ = 0x000000;
    quint32 back_ = 0xFFFFFF;
    bool opaque_ = false;
    bool pressed_ = false;
    bool elided_ = false;
};

} // namespace qm
