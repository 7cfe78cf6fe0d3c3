#include "ui/plans/PractisePlacement.h"

#include "core/Paths.h"

#include <QDir>
#include <QFileInfo>

namespace korvex {

QString placeablePractisePath(const QString& appDir, const QString& graphicFolder,
                              const QString& textFolder, const QString& file) {
    const QFileInfo info(file);
    const QFileInfo app(appDir);
    if (!info.isFile() || !app.isDir())
        return QString();
    // Canonical paths see through links and "..", so the test below is about where the
    // file really lies.
    const QString full = info.canonicalFilePath();
    const QString root = app.canonicalFilePath();
    if (!full.startsWith(root + QLatin1Char('/')))
        return QString();
    const QString relative = full.mid(root.size() + 1);
    const QStringList parts = relative.split(QLatin1Char('/'));
    if (parts.size() != 4)
        return QString();
    const QString extension = info.suffix();
    const bool graphic = parts.first() == graphicFolder &&
                         extension.compare(QLatin1String("gmp"), Qt::CaseInsensitive) == 0;
    const bool text = parts.first() == textFolder &&
                      extension.compare(QLatin1String("tmp"), Qt::CaseInsensitive) == 0;
    if (!graphic && !text)
        return QString();
    return pathToStored(relative);
}

} // namespace korvex
