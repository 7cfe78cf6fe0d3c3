#include "storage/RinkFolder.h"

#include "core/FileHelpers.h"
#include "core/JpegPicture.h"
#include "core/Paths.h"
#include "core/TLanguage.h"
#include "core/TPractiseObject.h"
#include "storage/Thumbnail.h"

#include <QFileInfo>

namespace korvex {

namespace {

const QLatin1String kJpg(".jpg");
const QLatin1String kSmall("Small");

} // namespace

bool isAcceptedRinkSize(QSize size) {
    return size == QSize(450, 280) || size == QSize(675, 420);
}

QString wrongRinkSizeText(const TLanguage& language, const QString& who, QSize size) {
    return who + QLatin1Char(' ') + language.Text(QStringLiteral("WrongSizeOfPlayground")) +
           language.Text(QStringLiteral("SizePictureIs")) + QLatin1Char(' ') +
           QString::number(size.width()) + QLatin1Char('x') + QString::number(size.height()) +
           QLatin1Char('.');
}

QStringList rinkFileNames(const QString& folder) {
    return ListFolder(folder, QStringLiteral("*.jpg"), ListKind::Files);
}

bool isRinkNameTaken(const QString& folder, const QString& name) {
    return rinkFileNames(folder).contains(name.trimmed(), Qt::CaseInsensitive);
}

bool addRinkPicture(const QString& source, const QString& folder, const QString& name,
                    QString* error) {
    if (!TPractiseObject::isValidName(name)) {
        if (error != nullptr)
            *error = QStringLiteral("%1: not a name a rink picture can take").arg(name);
        return false;
    }
    return copyFile(source, joinPath(folder, name + kJpg), error);
}

RinkThumbnail loadRinkThumbnail(const QString& folder, const QString& name) {
    RinkThumbnail result;
    const QString base = joinPath(folder, name);
    JpegPicture picture;
    if (QFileInfo::exists(base + kSmall + kJpg) &&
        picture.loadFile(base + kSmall + kJpg, &result.error)) {
        result.status = RinkThumbnail::Shown;
        result.image = picture.image();
        return result;
    }
    if (!picture.loadFile(base + kJpg, &result.error)) {
        result.status = RinkThumbnail::Missing;
        return result;
    }
    result.size = picture.image().size();
    if (!isAcceptedRinkSize(result.size)) {
        result.status = RinkThumbnail::WrongSize;
        return result;
    }
    result.image = boxFilterThumbnail(picture.image());
    JpegPicture thumbnail;
    thumbnail.setImage(result.image);
    // A thumbnail that cannot be written (read-only folder) is made again next time.
    thumbnail.saveFile(base + kSmall + kJpg);
    result.status = RinkThumbnail::Shown;
    return result;
}

} // namespace korvex
