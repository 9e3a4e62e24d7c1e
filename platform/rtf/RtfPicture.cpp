#include "platform/rtf/RtfPicture.h"

namespace qm::rtf {
namespace {
// A page picture is small; this keeps a hostile file from exhausting memory.
constexpr qsizetype kMaxPictureBytes = qsizetype(32) << 20;
constexpr int kMaxSidePx = 8192;

inline int hexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

int scaledPx(int twips, int percent)
{
    const qint64 px = qint64(twips) * qBound(1, percent, 10000) / 100 / 15;
    return int(qBound<qint64>(1, px, qint64(kMaxSidePx)));
}
} // namespace

void PictureData::reset() { *this = PictureData(); }

bool PictureData::room(qsizetype n)
{
    if (tooLarge_ || bytes_.size() + n > kMaxPictureBytes) {
        tooLarge_ = true;
        return false;
    }
    return true;
}

void PictureData::addHex(const char* p, qsizetype n)
{
    if (!room(n / 2 + 1)) return;
    for (qsizetype i = 0; i < n; ++i) {
        const int v = hexValue(p[i]);
        if (v < 0) continue; // blanks between hex digits
        if (nibble_ < 0) {
            nibble_ = v;
        } else {
            bytes_.append(char(nibble_ * 16 + v));
            nibble_ = -1;
        }
    }
}

void PictureData::addBinary(const char* p, qsizetype n)
{
    if (!room(n)) return;
    bytes_.append(p, n);
}

QImage PictureData::decode() const
{
    if (tooLarge_ || bytes_.isEmpty()) return QImage();
    const char* format = nullptr;
    if (kind_ == Kind::Png) format = "PNG";
    else if (kind_ == Kind::Jpeg) format = "JPEG";
    else if (kind_ == Kind::Other) return QImage();
    else if (bytes_.startsWith("\x89PNG")) format = "PNG";
    else if (bytes_.startsWith("\xFF\xD8")) format = "JPEG";
    else return QImage();
    return QImage::fromData(bytes_, format);
}

QSize PictureData::displaySize(const QImage& image) const
{
    int w = goalW_ > 0 ? scaledPx(goalW_, scaleX_) : 0;
    int h = goalH_ > 0 ? scaledPx(goalH_, scaleY_) : 0;
    const QSize own = image.size();
    if (w == 0 && h == 0) {
        w = qBound(1, int(qint64(own.width()) * qBound(1, scaleX_, 10000) / 100), kMaxSidePx);
        h = qBound(1, int(qint64(own.height()) * qBound(1, scaleY_, 10000) / 100), kMaxSidePx);
    } else if (w == 0) {
        w = own.height() > 0 ? qBound(1, int(qint64(h) * own.width() / own.height()), kMaxSidePx) : h;
    } else if (h == 0) {
        h = own.width() > 0 ? qBound(1, int(qint64(w) * own.height() / own.width()), kMaxSidePx) : w;
    }
    return QSize(w, h);
}

} // namespace qm::rtf
