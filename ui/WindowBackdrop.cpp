#include "ui/WindowBackdrop.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/PictureBox.h"
#include "ui/Skins.h"

#include <QPainter>

namespace qm {
namespace {

constexpr int kBandRows = 38; // the title band and its accent line

QPixmap stretchedBackdrop(const QSize& size)
{
    const QPixmap skin = LoadSkin(QStringLiteral("DialogBackground.jpg"));
    QPixmap out(size);
    out.fill(QColor(0xEE, 0xF0, 0xFA));
    if (skin.isNull() || skin.height() <= kBandRows) return out;
    QPainter p(&out);
    const int w = size.width(), h = size.height();
    p.drawPixmap(QRect(0, 0, w, kBandRows), skin, QRect(0, 0, skin.width(), kBandRows));
    p.drawPixmap(QRect(0, kBandRows, w, h - kBandRows), skin,
                 QRect(0, kBandRows, skin.width(), skin.height() - kBandRows));
    return out;
}

} // namespace

PictureBox* NewBackdrop(Form* form, const QString& name, const QSize& size, bool passMouse)
{
    form->setFixedSize(size);
    form->setWindowTitle(RunCaption());
    PictureBox* back = NewPictureBox(form, name, QRect(QPoint(0, 0), size));
    back->setPicture(stretchedBackdrop(size));
    back->setFocusPolicy(Qt::NoFocus);
    if (passMouse) back->setAttribute(Qt::WA_TransparentForMouseEvents);
    back->lower();
    return back;
}

} // namespace qm
