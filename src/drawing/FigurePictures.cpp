#include "drawing/FigurePictures.h"

#include <QFileInfo>
#include <QImageReader>

#include <unordered_map>

namespace korvex {

namespace {

// Node-based, so a picture stays where it is while others are added.
std::unordered_map<QString, QImage>& cache() {
    static std::unordered_map<QString, QImage> pictures;
    return pictures;
}

} // namespace

QString figurePictureFileName(int kind, int variant, bool largeLayout) {
    const QString v = QString::number(variant);
    switch (kind) {
    case FigureForward:
        return QStringLiteral("forwardDraw.bmp");
    case FigureDefender:
        return QStringLiteral("defenderDraw.bmp");
    case FigureGoalie:
        return QStringLiteral("goalieDraw.bmp");
    case FigureFree:
        return QStringLiteral("freeDraw.bmp");
    case FigureCoach:
        return QStringLiteral("coachDraw.bmp");
    case FigureNet:
        return (largeLayout ? QStringLiteral("bigNetDraw") : QStringLiteral("goalDraw")) + v +
               QStringLiteral(".bmp");
    case FigureCone:
        return QStringLiteral("coneDraw.bmp");
    case FigurePuck:
        return QStringLiteral("puckDraw.bmp");
    case FigurePucks:
        return QStringLiteral("pucksDraw.bmp");
    case FigureBall:
        return QStringLiteral("ballDraw.bmp");
    case FigureObstacle:
        return QStringLiteral("blockDraw") + v + QStringLiteral(".bmp");
    case FigureStartForward:
        return QStringLiteral("startForwardDraw.bmp");
    case FigureStartDefender:
        return QStringLiteral("startDefenderDraw.bmp");
    case FigureStartFree:
        return QStringLiteral("startFreeDraw.bmp");
    default:
        return {};
    }
}

QStringList allFigurePictureFileNames() {
    QStringList names;
    for (int kind = 0; kind < kFigureKindCount; ++kind) {
        const bool variants = kind == FigureNet || kind == FigureObstacle;
        for (int variant = 0; variant < (variants ? kFigureVariantCount : 1); ++variant) {
            for (bool large : {false, true}) {
                const QString name = figurePictureFileName(kind, variant, large);
                if (!name.isEmpty() && !names.contains(name))
                    names.append(name);
            }
        }
    }
    return names;
}

QImage loadFigurePicture(const QString& path, QString* error) {
    const QImage* picture = cachedFigurePicture(path, error);
    return picture ? *picture : QImage();
}

const QImage* cachedFigurePicture(const QString& path, QString* error) {
    const auto found = cache().find(path);
    if (found != cache().end())
        return &found->second;
    if (!QFileInfo::exists(path)) {
        if (error)
            *error = QStringLiteral("The figure picture %1 does not exist.").arg(path);
        return nullptr;
    }
    QImageReader reader(path);
    QImage loaded = reader.read();
    if (loaded.isNull()) {
        if (error)
            *error = QStringLiteral("The figure picture %1 cannot be read: %2")
                         .arg(path, reader.errorString());
        return nullptr;
    }
    QImage picture = loaded.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            if ((line[x] | 0xFF000000u) == kFigureTransparent)
                line[x] = 0;
    }
    picture = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return &cache().emplace(path, picture).first->second;
}

} // namespace korvex
