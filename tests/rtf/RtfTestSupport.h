#pragma once
#include "platform/VisibleText.h"
#include "platform/rtf/RtfReader.h"

#include <QBuffer>
#include <QImage>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <memory>

// Reads RTF text into a fresh document and keeps both for the checks.
struct ReadPage {
    std::unique_ptr<QTextDocument> doc = std::make_unique<QTextDocument>();
    qm::rtf::RtfContent content;

    explicit ReadPage(const QByteArray& rtf) { content = qm::rtf::ReadRtf(rtf, *doc); }

    QString text() const { return qm::VisibleText(doc->toPlainText()); }

    // The first occurrence of the words (letter case aside), whatever
    // joiners the reader put between a word and its space.
    QTextCursor find(const QString& words) const
    {
        QString pattern;
        for (const QChar c : words) pattern += QRegularExpression::escape(QString(c)) + "[\\x{2060}\\x{200B}]?";
        return doc->find(QRegularExpression(pattern, QRegularExpression::CaseInsensitiveOption));
    }

    // The character format of the first character of the first occurrence of word.
    QTextCharFormat formatOf(const QString& word) const
    {
        const QTextCursor c = find(word);
        if (c.isNull()) return QTextCharFormat();
        QTextCursor one(doc.get());
        one.setPosition(c.selectionStart() + 1);
        return one.charFormat();
    }
    QTextBlockFormat blockOf(const QString& word) const
    {
        const QTextCursor c = find(word);
        return c.isNull() ? QTextBlockFormat() : c.block().blockFormat();
    }
};

inline QByteArray HexPng(const QSize& size, QColor color = Qt::red)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(color);
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "PNG");
    return bytes.toHex();
}
