#include "ui/ScaleForm.h"
#include "platform/ScreenMetrics.h"
#include "ui/Form.h"

#include <QComboBox>
#include <QLabel>
#include <QTimer>
#include <cmath>

namespace qm {

TwipsRect ScaleWindowTwips(const TwipsRect& r, int tppX, int tppY)
{
    TwipsRect o;
    o.height = float(r.height / 15.0 * tppY);
    o.width = float(r.width / 15.0 * tppX);
    o.left = float(r.left / 15.0 * tppX);
    o.top = float(r.top / 15.0 * tppY);
    return o;
}

TwipsRect ScaleControlTwips(const TwipsRect& r, ControlKind kind, int tppX, int tppY)
{
    if (kind == ControlKind::NoExtent) return r;
    TwipsRect o = r;
    o.width = float(r.width / 15.0 * tppX);
    if (kind == ControlKind::ComboBox) {
        o.top = float(r.top / 15.0 * tppY);
    } else if (kind == ControlKind::Label && tppX != 15) {
        o.height = float((r.height / 15.0 + 5) * tppY);
        o.top = float((r.top / 15.0 - 3) * tppY);
    } else {
        o.height = float(r.height / 15.0 * tppY);
        o.top = float(r.top / 15.0 * tppY);
    }
    o.left = float(r.left / 15.0 * tppX);
    return o;
}

ControlKind KindOfControl(const QObject* control)
{
    if (!control || qobject_cast<const QTimer*>(control) || !control->isWidgetType()
        || control->property("noExtent").toBool())
        return ControlKind::NoExtent;
    if (qobject_cast<const QComboBox*>(control)) return ControlKind::ComboBox;
    if (qobject_cast<const QLabel*>(control)) return ControlKind::Label;
    return ControlKind::Ordinary;
}

namespace {
TwipsRect DesignTwips(const QRect& px)
{
    return TwipsRect{float(px.x() * 15), float(px.y() * 15), float(px.width() * 15), float(px.height() * 15)};
}

QRect ToPixels(const TwipsRect& t, int tppX, int tppY)
{
    auto px = [](float twips, int tpp) { return int(std::lround(double(std::lround(twips)) / tpp)); };
    return QRect(px(t.left, tppX), px(t.top, tppY), px(t.width, tppX), px(t.height, tppY));
}
} // namespace

void ScaleFormToScreen(Form& form)
{
    const ScreenInfo s = Screen();
    const int tx = s.twipsPerPixelX > 0 ? s.twipsPerPixelX : 15;
    const int ty = s.twipsPerPixelY > 0 ? s.twipsPerPixelY : 15;
    form.setGeometry(ToPixels(ScaleWindowTwips(DesignTwips(form.geometry()), tx, ty), tx, ty));
    for (QObject* c : form.controls()) {
        const ControlKind kind = KindOfControl(c);
        if (kind == ControlKind::NoExtent) continue;
        auto* w = static_cast<QWidget*>(c);
        w->setGeometry(ToPixels(ScaleControlTwips(DesignTwips(w->geometry()), kind, tx, ty), tx, ty));
    }
    form.update();
}

} // namespace qm
