#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace korvex {

enum class ListKind {
    Folders, // bare names of the sub-folders ("." and ".." never)
    Files,   // names without extension of the files matching the mask
};

// Lists `folder` by `mask` (a wildcard such as "*.gmp", matched without regard to letter
// case). Names are sorted case-insensitively, the order an NTFS volume gives, so that
// remembered indices are the same on every machine. A missing folder gives an empty list.
QStringList ListFolder(const QString& folder, const QString& mask, ListKind kind);

// Copies `source` onto `target` (created or replaced atomically).
bool copyFile(const QString& source, const QString& target, QString* error = nullptr);

// Deletes every "*.jpg" file of `folder`.
void deleteJpegFiles(const QString& folder);

// Scales `picture` into a white w x h bitmap, keeping its aspect ratio, centred.
QImage fitPicture(const QImage& picture, int width, int height);

// Compares two names the way the folder listing orders them.
bool folderOrderLess(const QString& a, const QString& b);

} // namespace korvex
