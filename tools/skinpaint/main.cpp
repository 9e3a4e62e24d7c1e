// Paints every skin image into the folder given as the first argument.
// With "--list" prints the images as the rows of a Markdown table instead.
#include "SkinCatalogue.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: skinpaint <GUIimages folder> | --list\n");
        return 2;
    }
    const QList<skin::SkinImage> skins = skin::AllSkins();
    const QString arg = QString::fromLocal8Bit(argv[1]);
    if (arg == QLatin1String("--list")) {
        for (const skin::SkinImage& s : skins)
            std::printf("| \"%s\" | %d x %d | %s |\n", qPrintable(s.name), s.size.width(), s.size.height(),
                        qPrintable(s.use));
        return 0;
    }
    QDir dir(arg);
    if (!QDir().mkpath(arg)) {
        std::fprintf(stderr, "skinpaint: cannot create %s\n", qPrintable(arg));
        return 1;
    }
    int failures = 0;
    for (const skin::SkinImage& s : skins) {
        QImageWriter writer(dir.filePath(s.name), "jpeg");
        writer.setQuality(95);
        if (!writer.write(s.paint(s.size))) {
            std::fprintf(stderr, "skinpaint: %s: %s\n", qPrintable(s.name), qPrintable(writer.errorString()));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
