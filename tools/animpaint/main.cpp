// Writes "transmit.avi", the animation shown while a page is sent to the
// printer, into the folder given as the first argument: a sheet of paper
// travelling into a printer, over and over.
#include "AviWriter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <cstdio>

namespace {

const QSize kSize(160, 120);
const int kFrames = 20;

QImage frame(int n)
{
    QImage img(kSize, QImage::Format_RGB32);
    img.fill(QColor(0xEE, 0xF0, 0xFA));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // The printer on the right.
    p.setPen(QPen(QColor(0x33, 0x33, 0x66), 2));
    p.setBrush(QColor(0x66, 0x66, 0xAA));
    p.drawRoundedRect(QRectF(100, 50, 50, 36), 4, 4);
    p.setBrush(QColor(0x44, 0x44, 0x88));
    p.drawRect(QRectF(106, 44, 38, 8));
    // The sheet moves from the left into the printer's slot.
    const double t = double(n) / (kFrames - 1);
    const double x = 8 + t * 100;
    const double y = 30 + t * 14;
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(x, y, 26, 34));
    p.setPen(QColor(0x99, 0x99, 0xCC));
    for (int line = 0; line < 4; ++line) p.drawLine(QPointF(x + 4, y + 8 + line * 6), QPointF(x + 22, y + 8 + line * 6));
    // The status light blinks.
    p.setPen(Qt::NoPen);
    p.setBrush(n % 4 < 2 ? QColor(0x33, 0xCC, 0x33) : QColor(0x22, 0x66, 0x22));
    p.drawEllipse(QPointF(140, 78), 3, 3);
    return img;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: animpaint <GUIimages folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "animpaint: cannot create %s\n", qPrintable(folder));
        return 1;
    }
    QList<QByteArray> frames;
    for (int n = 0; n < kFrames; ++n) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setQuality(85);
        if (!writer.write(frame(n))) {
            std::fprintf(stderr, "animpaint: %s\n", qPrintable(writer.errorString()));
            return 1;
        }
        frames.append(buffer.data());
    }
    QFile out(QDir(folder).filePath(QStringLiteral("transmit.avi")));
    if (!out.open(QIODevice::WriteOnly) || out.write(MakeMjpegAvi(frames, kSize, 10)) < 0) {
        std::fprintf(stderr, "animpaint: cannot write %s\n", qPrintable(out.fileName()));
        return 1;
    }
    return 0;
}
