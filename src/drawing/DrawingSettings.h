#pragma once

#include <QString>

namespace korvex {

// What the drawing objects need to know about the installation: the canvas size they draw
// on, which size layout is active (nets have one picture set per layout) and the
// application folder that prefixes every figure picture path.
//
// Figures and lines keep a pointer to one shared instance (not owned); its owner (the
// practise) must outlive them and may change the values in place when the layout changes.
struct DrawingSettings {
    int canvasWidth = 675;
    int canvasHeight = 420;
    bool largeLayout = true;
    QString appFolder;
    // Folder below appFolder that holds the figure pictures (the PictureOpenDir setting).
    QString pictureFolder = QStringLiteral("Pictures");

    static DrawingSettings small(const QString& appFolder) {
        return DrawingSettings{450, 280, false, appFolder, QStringLiteral("Pictures")};
    }
    static DrawingSettings large(const QString& appFolder) {
        return DrawingSettings{675, 420, true, appFolder, QStringLiteral("Pictures")};
    }
};

} // namespace korvex
