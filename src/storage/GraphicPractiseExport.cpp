#include "storage/GraphicPractiseExport.h"

#include "core/FileHelpers.h"
#include "core/Jpeg.h"
#include "core/Paths.h"
#include "core/SafeSave.h"
#include "storage/HtmlPage.h"
#include "storage/TGraphicPractise.h"
#include "storage/ZipLibrary.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace korvex {

namespace {

const QString kPictureName = QStringLiteral("Picture.jpg");

// Adds the file `path` to the open archive under `entry`.
bool addToZip(const ZipLibrary& zip, zip_t* archive, const QString& path, const QString& entry,
              QString* error) {
    zip_source_t* source = zip.sourceFile(archive, QFile::encodeName(path).constData(), 0, -1);
    if (source != nullptr && zip.fileAdd(archive, entry.toUtf8().constData(), source,
                                         ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8) >= 0)
        return true;
    if (source != nullptr)
        zip.sourceFree(source);
    *error = QStringLiteral("%1: cannot be added to the archive: %2")
                 .arg(QDir::toNativeSeparators(path), QString::fromUtf8(zip.strerror(archive)));
    return false;
}

// Writes the archive `zipPath` holding `files` (path, entry name) pairs.
bool writeZip(const QString& zipPath, const QList<std::pair<QString, QString>>& files,
              QString* error) {
    const ZipLibrary* zip = zipLibrary(error);
    if (zip == nullptr)
        return false;
    int code = 0;
    zip_t* archive =
        zip->open(QFile::encodeName(zipPath).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (archive == nullptr) {
        zip_error_t zipError;
        zip->errorInitWithCode(&zipError, code);
        *error = QStringLiteral("%1: the archive cannot be made: %2")
                     .arg(QDir::toNativeSeparators(zipPath),
                          QString::fromUtf8(zip->errorStrerror(&zipError)));
        zip->errorFini(&zipError);
        return false;
    }
    for (const auto& [path, entry] : files) {
        if (!addToZip(*zip, archive, path, entry, error)) {
            zip->discard(archive);
            return false;
        }
    }
    if (zip->close(archive) != 0) {
        *error = QStringLiteral("%1: the archive cannot be written: %2")
                     .arg(QDir::toNativeSeparators(zipPath),
                          QString::fromUtf8(zip->strerror(archive)));
        zip->discard(archive);
        return false;
    }
    return true;
}

} // namespace

bool writeGraphicPractiseHtml(TGraphicPractise& practise, const QString& appDir,
                              const QString& target, QString* error) {
    QString folder;
    if (!makePictureFolder(target, &folder, error))
        return false;
    if (!saveBytes(joinPath(folder, kPictureName), encodeJpeg(practise.RenderPicture()), error))
        return false;
    const QString name = htmlEscape(practise.name());
    QStringList block;
    block << QStringLiteral("<p align=\"left\"><b><font size=\"4\" color=\"red\">") + name +
                 QStringLiteral("</font></b></p>")
          << QStringLiteral("<hr color=\"#FF0000\" size=\"1\">")
          << QStringLiteral("<p><img border=\"0\" src=\"") + pictureSource(folder, kPictureName) +
                 QStringLiteral("\" alt=\"") + name + QStringLiteral("\"></p>")
          << QStringLiteral("<p>");
    for (const QString& line : practise.description())
        block << htmlEscape(line) + QStringLiteral("<br>");
    block << QStringLiteral("<br></p>");
    return writeHtmlPage(appDir, target, block, error);
}

bool writeGraphicPractiseZip(TGraphicPractise& practise, const QString& appDir,
                             const QString& target, QString* error) {
    const QString base =
        pathWithoutExtension(target).isEmpty() ? target : pathWithoutExtension(target);
    const QString title = extractFileName(base);
    if (title.isEmpty()) {
        *error = QStringLiteral("%1: the archive needs a file name")
                     .arg(QDir::toNativeSeparators(target));
        return false;
    }
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        *error = QStringLiteral("cannot make a temporary folder: %1").arg(scratch.errorString());
        return false;
    }
    const QString page = scratch.filePath(title + QStringLiteral(".html"));
    if (!writeGraphicPractiseHtml(practise, appDir, page, error))
        return false;
    const QString zipFile = scratch.filePath(title + QStringLiteral(".zip"));
    const QList<std::pair<QString, QString>> files = {
        {page, title + QStringLiteral(".html")},
        {joinPath(pictureFolderOf(page), kPictureName), title + QLatin1Char('/') + kPictureName},
    };
    if (!writeZip(zipFile, files, error))
        return false;
    return copyFile(zipFile, base + QStringLiteral(".zip"), error);
}

} // namespace korvex
