#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

namespace korvex {

class TLanguage;

// The rink folder ({app}/{PlayCourtSaveDir}): each rink is {name}.jpg, 450 x 280 or
// 675 x 420, with its 225 x 140 thumbnail {name}Small.jpg. These are the rules of adding a
// rink and of showing one in the chooser, without any widget.

// True for the two rink sizes the canvases use.
bool isAcceptedRinkSize(QSize size);

// The refusal of a picture of the wrong size: {who} {WrongSizeOfPlayground}{SizePictureIs}
// {w}x{h}. ("who" is the file path when adding, the rink name in the chooser).
QString wrongRinkSizeText(const TLanguage& language, const QString& who, QSize size);

// Names (without ".jpg") of every "*.jpg" file of `folder`, thumbnails included.
QStringList rinkFileNames(const QString& folder);

// True when `name` is already the name of a "*.jpg" file of `folder` (letter case aside:
// the files are shared with systems that ignore it).
bool isRinkNameTaken(const QString& folder, const QString& name);

// Copies the picture `source` into `folder` as {name}.jpg. False with `error` set.
bool addRinkPicture(const QString& source, const QString& folder, const QString& name,
                    QString* error);

// The thumbnail shown for rink `name` in the chooser.
struct RinkThumbnail {
    enum Status { Shown, Missing, WrongSize };
    Status status = Missing;
    QImage image;  // 225 x 140 when shown
    QSize size;    // the picture's size when it was refused
    QString error; // why a missing or unreadable picture was not shown
};

// Reads {name}Small.jpg; when there is none, reads {name}.jpg, checks its size, makes the
// thumbnail by the box filter and saves it beside the picture for the next time.
RinkThumbnail loadRinkThumbnail(const QString& folder, const QString& name);

} // namespace korvex
