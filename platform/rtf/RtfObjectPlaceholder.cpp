#include "platform/rtf/RtfObjectPlaceholder.h"
#include "platform/rtf/RtfContent.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>

namespace qm::rtf {

QSizeF PlaceholderHandler::intrinsicSize(QTextDocument*, int, const QTextFormat& format)
{
    return format.property(kObjectSize).toSizeF();
}

void PlaceholderHandler::drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int,
                                    const QTextFormat&)
{
    painter->save();
    painter->setPen(QPen(QColor(0xC0, 0xC0, 0xC0), 1, Qt::DashLine));
    painter->drawRect(rect.adjusted(0.5, 0.5, -0.5, -0.5));
    painter->restore();
}

void RegisterPlaceholderHandler(QTextDocument& doc)
{
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    if (layout->handlerForObject(kPlaceholderObjectType)) return;
    layout->registerHandler(kPlaceholderObjectType, new PlaceholderHandler(&doc));
}

QTextCharFormat PlaceholderFormat(int number, QSize sizePx)
{
    QTextCharFormat f;
    f.setObjectType(kPlaceholderObjectType);
    f.setProperty(kObjectNumber, number);
    f.setProperty(kObjectSize, QSizeF(sizePx));
    return f;
}

} // namespace qm::rtf
