#include "SkinCatalogue.h"
#include "SkinStyle.h"
#include "SkinSymbols.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace skin {

namespace {

using Symbol = std::function<void(QPainter&, const QRectF&, const QColor&)>;

// A bevelled face with a symbol centred in a square of the face's height.
std::function<QImage(QSize)> Face(State state, Symbol symbol = {}, qreal inset = 4)
{
    return [=](QSize size) {
        QImage img = BevelFace(size, state);
        if (symbol) {
            QPainter p(&img);
            const qreal side = size.height() - 2 * inset;
            const QRectF area((size.width() - side) / 2.0, inset, side, side);
            symbol(p, area, PaletteFor(state).symbol);
        }
        return img;
    };
}

// A menu button: the face, the caption label on its left part, and a marker
// in a square at the right end.
std::function<QImage(QSize)> MenuButton(State state, Symbol marker)
{
    return [=](QSize size) {
        QImage img = BevelFace(size, state);
        QPainter p(&img);
        const qreal side = size.height() - 14;
        marker(p, QRectF(size.width() - side - 9, 7, side, side), PaletteFor(state).symbol);
        return img;
    };
}

// A menu row: a flat face with a thin outline, optionally a marker at the
// left (topic rows) or the right (module rows, whose topics open beside).
enum class RowMark { None, Dot, Chevron };
std::function<QImage(QSize)> MenuRow(State state, RowMark mark)
{
    return [=](QSize size) {
        QImage img = BevelFace(size, state, 1);
        QPainter p(&img);
        const Palette pal = PaletteFor(state);
        const int h = size.height();
        if (mark == RowMark::Dot) DrawDot(p, QPointF(10, h / 2.0), 3, pal.symbol);
        if (mark == RowMark::Chevron)
            DrawChevron(p, QRectF(size.width() - 18, h / 2.0 - 6, 12, 12), Direction::Right, pal.symbol);
        return img;
    };
}

// A scroll arrow strip: a small triangle in the middle of a flat face.
std::function<QImage(QSize)> ScrollStrip(State state, Direction dir)
{
    return [=](QSize size) {
        QImage img = BevelFace(size, state, 1);
        QPainter p(&img);
        const qreal side = size.height() - 4;
        DrawChevron(p, QRectF((size.width() - side) / 2.0, 2, side, side), dir, PaletteFor(state).symbol);
        return img;
    };
}

Symbol Arrow(Direction dir)
{
    return [dir](QPainter& p, const QRectF& r, const QColor& c) { DrawArrow(p, r, dir, c); };
}
Symbol Chevron(Direction dir)
{
    return [dir](QPainter& p, const QRectF& r, const QColor& c) { DrawChevron(p, r, dir, c); };
}
const Symbol kReturn = [](QPainter& p, const QRectF& r, const QColor& c) { DrawReturnArrow(p, r, c); };
const Symbol kCross = [](QPainter& p, const QRectF& r, const QColor& c) { DrawCross(p, r, c); };
const Symbol kBar = [](QPainter& p, const QRectF& r, const QColor& c) { DrawBar(p, r, c); };
const Symbol kLines = [](QPainter& p, const QRectF& r, const QColor& c) { DrawMenuLines(p, r, c); };

void Band(QPainter& p, const QRectF& r, bool lightOnTop)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, lightOnTop ? kBandLight : kBand);
    g.setColorAt(1, lightOnTop ? kBand : kBandLight);
    p.fillRect(r, g);
}

QImage MainBackground(QSize size)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(kPanel);
    QPainter p(&img);
    const int w = size.width(), h = size.height();
    Band(p, QRectF(0, 0, w, 56), true);
    Band(p, QRectF(0, h - 56, w, 56), false);
    p.fillRect(QRect(0, 56, w, 2), kAccent);
    p.fillRect(QRect(0, h - 58, w, 2), kAccent);
    return img;
}

QImage DialogBackground(QSize size)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(kPanel);
    QPainter p(&img);
    const int w = size.width(), h = size.height();
    Band(p, QRectF(0, 0, w, 36), true);
    p.fillRect(QRect(0, 36, w, 2), kAccent);
    p.setPen(kBand);
    p.drawRect(0, 0, w - 1, h - 1);
    return img;
}

QImage Splash(QSize size)
{
    QImage img(size, QImage::Format_RGB32);
    QPainter p(&img);
    const int w = size.width(), h = size.height();
    QLinearGradient g(0, 0, w, h);
    g.setColorAt(0, kBandLight);
    g.setColorAt(1, kBand);
    p.fillRect(img.rect(), g);
    p.setRenderHint(QPainter::Antialiasing);
    // A quill over a tick mark, in the left third; the window writes its own
    // title text to the right of it.
    QPainterPath quill;
    quill.moveTo(60, 200);
    quill.cubicTo(80, 120, 130, 60, 170, 36);
    quill.cubicTo(160, 90, 120, 150, 72, 196);
    quill.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xCC, 0xCC, 0xFF));
    p.drawPath(quill);
    p.setPen(QPen(Qt::white, 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({{40, 150}, {70, 185}, {130, 110}}));
    p.fillRect(QRect(0, h - 10, w, 4), kAccent);
    return img;
}

} // namespace

QList<SkinImage> AllSkins()
{
    const QSize dialogButton(100, 28), exitButton(24, 24), navButton(48, 32), menuButton(140, 32);
    const QSize menuRow(300, 28), scrollStrip(300, 16), toolRow(200, 28);
    return {
        // Dialog button family.
        {"Button_On.jpg", dialogButton, "ordinary dialog button with the focus (caption black on #CCCCFF)", Face(State::On)},
        {"Button_Off.jpg", dialogButton, "ordinary dialog button, enabled, without the focus (caption white on #6666FF)", Face(State::Off)},
        {"Button_Dis.jpg", dialogButton, "ordinary dialog button, disabled (caption grey)", Face(State::Dis)},
        {"ExitButton_On.jpg", exitButton, "exit button (dialogs and the main window's `Exit_Pic`) with the focus or hovered", Face(State::On, kCross)},
        {"ExitButton_Off.jpg", exitButton, "exit button at rest", Face(State::Off, kCross)},
        // Main window: navigation and window buttons.
        {"nextOn.jpg", navButton, "`NextBtn` hovered or pressed", Face(State::On, Arrow(Direction::Right))},
        {"nextOff.jpg", navButton, "`NextBtn` at rest", Face(State::Off, Arrow(Direction::Right))},
        {"nextDis.jpg", navButton, "`NextBtn` disabled (last page of the course)", Face(State::Dis, Arrow(Direction::Right))},
        {"previousOn.jpg", navButton, "`Prev` hovered or pressed", Face(State::On, Arrow(Direction::Left))},
        {"previousOff.jpg", navButton, "`Prev` at rest (also asked for as \"PreviousOff.jpg\")", Face(State::Off, Arrow(Direction::Left))},
        {"backDis.jpg", navButton, "`Prev` disabled (first page of the course)", Face(State::Dis, Arrow(Direction::Left))},
        {"ReturnOn.jpg", navButton, "`Return_Btn` hovered or pressed", Face(State::On, kReturn)},
        {"ReturnOff.jpg", navButton, "`Return_Btn` at rest", Face(State::Off, kReturn)},
        {"ReturnButtonDisabled.jpg", navButton, "`Return_Btn` disabled (return stack empty)", Face(State::Dis, kReturn)},
        {"minimizeOn.jpg", exitButton, "`Min_btn` hovered", Face(State::On, kBar)},
        {"minimizeOff.jpg", exitButton, "`Min_btn` at rest", Face(State::Off, kBar)},
        // Module menu.
        {"ModuleMenu_ButtonClosedOff.jpg", menuButton, "`Modules` button at rest, caption `ModLabel` on its left part", MenuButton(State::Off, Chevron(Direction::Up))},
        {"ModuleMenu_ButtonOpenON.jpg", menuButton, "`Modules` button hovered", MenuButton(State::On, Chevron(Direction::Up))},
        {"ModuleMenu_Off.jpg", menuRow, "module row `MenuSlice`(i) normal; caption `Label2`(i)", MenuRow(State::Off, RowMark::Chevron)},
        {"ModuleMenu_ON.jpg", menuRow, "module row highlighted", MenuRow(State::On, RowMark::Chevron)},
        {"MenuScrlUpOff.jpg", scrollStrip, "module menu scroll-up arrow `MenuScrlUp` at rest", ScrollStrip(State::Off, Direction::Up)},
        {"MenuScrlUpOn.jpg", scrollStrip, "module menu scroll-up arrow hovered", ScrollStrip(State::On, Direction::Up)},
        {"MenuScrlDwnOff.jpg", scrollStrip, "module menu scroll-down arrow `MenuScrlDwn` at rest", ScrollStrip(State::Off, Direction::Down)},
        {"MenuScrlDwnOn.jpg", scrollStrip, "module menu scroll-down arrow hovered", ScrollStrip(State::On, Direction::Down)},
        // Topic menu.
        {"TopicMenuBlank.jpg", menuRow, "topic row `TopicSlice`(i) normal; caption `TopicLabel`(i)", MenuRow(State::Off, RowMark::Dot)},
        {"TopicMenuBlankOn.jpg", menuRow, "topic row highlighted", MenuRow(State::On, RowMark::Dot)},
        {"TopicMenuScrollUpOff.jpg", scrollStrip, "topic menu scroll-up arrow `TopicScrlup` at rest", ScrollStrip(State::Off, Direction::Up)},
        {"TopicMenuScrollUpOn.jpg", scrollStrip, "topic menu scroll-up arrow hovered", ScrollStrip(State::On, Direction::Up)},
        {"TopicMenuScrollDownOff.jpg", scrollStrip, "topic menu scroll-down arrow `TopicScrlDwn` at rest", ScrollStrip(State::Off, Direction::Down)},
        {"TopicMenuScrollDownOn.jpg", scrollStrip, "topic menu scroll-down arrow hovered", ScrollStrip(State::On, Direction::Down)},
        // Toolbar menu. Open and Closed look alike: the state is told by On/Off.
        {"ToolbarMenu_OpenOn.jpg", menuButton, "`toolBar_But` hovered, caption `ToolLabel` on its left part", MenuButton(State::On, kLines)},
        {"ToolbarMenu_OpenOff.jpg", menuButton, "`toolBar_But` at rest (menu closed)", MenuButton(State::Off, kLines)},
        {"ToolbarMenu_ClosedOn.jpg", menuButton, "`toolBar_But` hovered (same look as OpenOn)", MenuButton(State::On, kLines)},
        {"ToolbarMenu_ClosedOff.jpg", menuButton, "`toolBar_But` at rest (same look as OpenOff)", MenuButton(State::Off, kLines)},
        {"ToolBar_MenuSlice_On.jpg", toolRow, "toolbar row `toolBar_Slice`(i) highlighted; caption `Label3`(i)", MenuRow(State::On, RowMark::None)},
        {"ToolBar_MenuSlice_Off.jpg", toolRow, "toolbar row normal", MenuRow(State::Off, RowMark::None)},
        {"ToolBar_MenuSlice_Dis.jpg", toolRow, "toolbar row disabled (\"Change course\" with one course)", MenuRow(State::Dis, RowMark::None)},
        // Window backgrounds (our own; the windows may lay them under their controls).
        {"MainBackground.jpg", QSize(1024, 768), "background of `Form1`: title bar 0-56, page area, bottom bar 712-768", MainBackground},
        {"DialogBackground.jpg", QSize(400, 300), "background of the dialogs: title band 0-36, panel below", DialogBackground},
        {"Splash.jpg", QSize(450, 246), "picture of `SplashScreen` (no text: the window writes its own)", Splash},
    };
}

} // namespace skin
