#include "support/LabelFit.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTextEdit>
#include <QWidget>

namespace qmtest {
namespace {

QRect inWindow(const QWidget* w, const QWidget& window, const QRect& r)
{
    return QRect(w->mapTo(&window, r.topLeft()), r.size());
}

// Where the label draws its text, in window coordinates, not cut to the label.
QRect drawnText(const QLabel* l, const QWidget& window)
{
    const QRect area = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
    const int flags = int(l->alignment()) | (l->wordWrap() ? int(Qt::TextWordWrap) : 0)
                      | (l->buddy() ? int(Qt::TextShowMnemonic) : 0);
    QRect text = l->fontMetrics().boundingRect(area, flags, l->text());
    return inWindow(l, window, text);
}

bool shown(const QWidget* w, const QWidget& window) { return w->isVisibleTo(&window) && !w->size().isEmpty(); }

bool isField(const QWidget* w)
{
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w)
           || qobject_cast<const QTextEdit*>(w) || qobject_cast<const QAbstractButton*>(w)
           || qobject_cast<const QAbstractSpinBox*>(w);
}

} // namespace

QStringList UnreadableLabels(QWidget& window)
{
    QList<QLabel*> labels;
    for (QLabel* l : window.findChildren<QLabel*>())
        if (shown(l, window) && !l->text().isEmpty() && l->textFormat() != Qt::RichText) labels.append(l);
    QList<QWidget*> fields;
    for (QWidget* w : window.findChildren<QWidget*>())
        if (shown(w, window) && isField(w)) fields.append(w);

    QStringList found;
    for (QLabel* l : labels) {
        const QRect text = drawnText(l, window);
        const QRect box = inWindow(l, window, l->contentsRect());
        bool bad = !box.contains(text) || !window.rect().contains(text);
        for (QLabel* other : labels)
            if (other != l && !bad && text.intersects(drawnText(other, window).intersected(inWindow(other, window, other->rect()))))
                bad = true;
        for (QWidget* f : fields)
            if (!bad && !f->isAncestorOf(l) && text.intersects(inWindow(f, window, f->rect()))) bad = true;
        if (bad)
            found.append(QStringLiteral("%1: %2 (text %3,%4 %5x%6 in %7,%8 %9x%10)")
                             .arg(l->objectName(), l->text())
                             .arg(text.x()).arg(text.y()).arg(text.width()).arg(text.height())
                             .arg(box.x()).arg(box.y()).arg(box.width()).arg(box.height()));
    }
    return found;
}

} // namespace qmtest
