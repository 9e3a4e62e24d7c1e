#pragma once
#include <QByteArray>
#include <QImage>
#include <QSize>

namespace qm::rtf {

// One \pict group: its kind, sizes and data, gathered as the reader meets them.
class PictureData {
public:
    enum class Kind { Unknown, Png, Jpeg, Other };

    void reset();
    void setKind(Kind k) { kind_ = k; }
    void setGoalWidth(int twips) { goalW_ = twips; }
    void setGoalHeight(int twips) { goalH_ = twips; }
    void setScaleX(int percent) { scaleX_ = percent; }
    void setScaleY(int percent) { scaleY_ = percent; }
    void addHex(const char* p, qsizetype n);
    void addBinary(const char* p, qsizetype n);

    // The decoded image, or a null image for kinds we do not draw (metafiles,
    // device-independent bitmaps) and for data that does not decode.
    QImage decode() const;
    // The size to show it at, in pixels: the wanted size (goal and scale,
    // 15 twips a pixel) when the file gives one, else the image's own size.
    QSize displaySize(const QImage& image) const;

private:
    bool room(qsizetype n);
    QByteArray bytes_;
    Kind kind_ = Kind::Unknown;
    int goalW_ = 0, goalH_ = 0, scaleX_ = 100, scaleY_ = 100;
    int nibble_ = -1;
    bool tooLarge_ = false;
};

} // namespace qm::rtf
