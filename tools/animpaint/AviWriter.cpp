#include "AviWriter.h"

#include <QtEndian>

namespace {

void u32(QByteArray& b, quint32 v)
{
    char raw[4];
    qToLittleEndian(v, raw);
    b.append(raw, 4);
}

void u16(QByteArray& b, quint16 v)
{
    char raw[2];
    qToLittleEndian(v, raw);
    b.append(raw, 2);
}

QByteArray chunk(const char* id, const QByteArray& data)
{
    QByteArray b(id, 4);
    u32(b, quint32(data.size()));
    b += data;
    if (data.size() % 2) b.append('\0');
    return b;
}

QByteArray list(const char* type, const QByteArray& data)
{
    return chunk("LIST", QByteArray(type, 4) + data);
}

} // namespace

QByteArray MakeMjpegAvi(const QList<QByteArray>& frames, QSize size, int fps)
{
    quint32 largest = 0;
    for (const QByteArray& f : frames) largest = qMax(largest, quint32(f.size()));
    const quint32 count = quint32(frames.size());

    QByteArray avih;
    u32(avih, 1000000 / fps); // microseconds per frame
    u32(avih, largest * fps);
    u32(avih, 0);
    u32(avih, 0x10); // has an index
    u32(avih, count);
    u32(avih, 0);
    u32(avih, 1); // streams
    u32(avih, largest);
    u32(avih, size.width());
    u32(avih, size.height());
    for (int i = 0; i < 4; ++i) u32(avih, 0);

    QByteArray strh("vidsMJPG", 8);
    u32(strh, 0);
    u16(strh, 0);
    u16(strh, 0);
    u32(strh, 0);
    u32(strh, 1);   // scale
    u32(strh, fps); // rate
    u32(strh, 0);
    u32(strh, count);
    u32(strh, largest);
    u32(strh, 0xFFFFFFFF);
    u32(strh, 0);
    u16(strh, 0);
    u16(strh, 0);
    u16(strh, quint16(size.width()));
    u16(strh, quint16(size.height()));

    QByteArray strf;
    u32(strf, 40);
    u32(strf, size.width());
    u32(strf, size.height());
    u16(strf, 1);
    u16(strf, 24);
    strf += QByteArray("MJPG", 4);
    u32(strf, size.width() * size.height() * 3);
    for (int i = 0; i < 4; ++i) u32(strf, 0);

    const QByteArray hdrl = list("hdrl", chunk("avih", avih) + list("strl", chunk("strh", strh) + chunk("strf", strf)));

    QByteArray movi;
    QByteArray idx1;
    for (const QByteArray& f : frames) {
        idx1 += QByteArray("00dc", 4);
        u32(idx1, 0x10); // key frame
        u32(idx1, quint32(movi.size() + 4)); // from the "movi" type
        u32(idx1, quint32(f.size()));
        movi += chunk("00dc", f);
    }
    const QByteArray body = QByteArray("AVI ", 4) + hdrl + list("movi", movi) + chunk("idx1", idx1);
    return chunk("RIFF", body);
}
