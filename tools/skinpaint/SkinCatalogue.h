#pragma once
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <functional>

// Every skin image of the program folder's "GUIimages" folder: its file name
// exactly as the windows ask for it, its size in pixels, what it is for, and
// how it is painted.
namespace skin {

struct SkinImage {
    QString name;
    QSize size;
    QString use;
    std::function<QImage(QSize)> paint;
};

QList<SkinImage> AllSkins();

} // namespace skin
