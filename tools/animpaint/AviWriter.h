#pragma once
#include <QByteArray>
#include <QList>
#include <QSize>

// A motion-JPEG AVI file: one video stream of JPEG frames, every frame a key
// frame, with the index that players use to seek.
QByteArray MakeMjpegAvi(const QList<QByteArray>& jpegFrames, QSize size, int framesPerSecond);
