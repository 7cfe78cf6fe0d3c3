#include "core/FileHelpers.h"

#include "core/Paths.h"
#include "core/SafeSave.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>

namespace korvex {

bool folderOrderLess(const QString& a, const QString& b) {
    const int folded = QString::compare(a, b, Qt::CaseInsensitive);
    if (folded != 0)
        return folded < 0;
    return QString::compare(a, b, Qt::CaseSensitive) < 0;
}

QStringList ListFolder(const QString& folder, const QString& mask, ListKind kind) {
    QDir dir(folder);
    if (!dir.exists())
        return {};
    // Hidden and system folders are not levels of the tree (on Windows a folder counts only
    // when it is a plain directory, possibly with the archive flag); files of every kind are
    // listed.
    const QDir::Filters filters = kind == ListKind::Folders
                                      ? QDir::Dirs | QDir::NoDotAndDotDot
                                      : QDir::Files | QDir::Hidden | QDir::System;
    // The mask is matched here rather than by QDir so that it ignores letter case on
    // every file system.
    const QRegularExpression pattern(QRegularExpression::wildcardToRegularExpression(mask),
                                     QRegularExpression::CaseInsensitiveOption);
    QStringList result;
    const QStringList names = dir.entryList(filters, QDir::Unsorted);
    for (const QString& name : names) {
        if (!pattern.match(name).hasMatch())
            continue;
        result.append(kind == ListKind::Folders ? name : pathWithoutExtension(name));
    }
    std::sort(result.begin(), result.end(), folderOrderLess);
    return result;
}

bool copyFile(const QString& source, const QString& target, QString* error) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("%1: cannot be read: %2")
                         .arg(QDir::toNativeSeparators(source), in.errorString());
        return false;
    }
    // Read whole and written in one piece: item files are small enough to hold.
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError) {
        if (error)
            *error = QStringLiteral("reading %1 failed: %2")
                         .arg(QDir::toNativeSeparators(source), in.errorString());
        return false;
    }
    return saveBytes(target, bytes, error);
}

void deleteJpegFiles(const QString& folder) {
    const QStringList titles = ListFolder(folder, QStringLiteral("*.jpg"), ListKind::Files);
    for (const QString& title : titles)
        QFile::remove(joinPath(folder, title + QStringLiteral(".jpg")));
}

QImage fitPicture(const QImage& picture, int width, int height) {
    QImage box(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    box.fill(Qt::white);
    if (picture.isNull() || picture.width() <= 0 || picture.height() <= 0)
        return box;
    const double scale =
        std::min(double(width) / picture.width(), double(height) / picture.height());
    const int w = qRound(picture.width() * scale);
    const int h = qRound(picture.height() * scale);
    const int x = (width - w) / 2;
    const int y = (height - h) / 2;
    QPainter painter(&box);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(x, y, w, h), picture);
    return box;
}

} // namespace korvex
