#pragma once
#include <QObject>
#include <QSize>
#include <QTextCharFormat>
#include <QTextObjectInterface>

class QTextDocument;

namespace qm::rtf {

// Lays out object placeholders (see RtfContent.h) as boxes of their size and
// draws a light frame; the view puts the object's own window over that box.
class PlaceholderHandler : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    using QObject::QObject;
    QSizeF intrinsicSize(QTextDocument* doc, int pos, const QTextFormat& format) override;
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* doc, int pos,
                    const QTextFormat& format) override;
};

// Makes the document lay out placeholders (needed again on every clone).
void RegisterPlaceholderHandler(QTextDocument& doc);

QTextCharFormat PlaceholderFormat(int number, QSize sizePx);

} // namespace qm::rtf
