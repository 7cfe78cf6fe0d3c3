#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class QIODevice;

namespace korvex {

// The content of a text practise file "<name>.tmp":
//   int32 version, StreamStrings text, int32 picture count, count x JpegBlock,
//   StreamStrings keywords.
// Pictures are kept as their JPEG bytes, so a file read and written again is identical.
struct TextPractiseData {
    qint32 version = 0;
    // False when the file's version is not one this program reads: nothing else was
    // read and the file must not be replaced by the empty content.
    bool versionAccepted = true;
    QStringList text;
    QList<QByteArray> pictures; // JPEG files; a stored empty picture is left out
    QStringList keywords;
};

bool readTextPractise(QIODevice* device, const QString& sourceName, TextPractiseData* data,
                      QString* error);
bool writeTextPractise(QIODevice* device, const TextPractiseData& data, QString* error);
bool readTextPractiseFile(const QString& path, TextPractiseData* data, QString* error);
bool writeTextPractiseFile(const QString& path, const TextPractiseData& data, QString* error);

// Reads the text practise file `stored` (the content of `path`) and gives its bytes as
// written with `version` in `bytes`, in memory, without touching the scratch folder of the
// open practise. A file of an unknown version is refused (and reported), to be kept as it is.
bool rewriteTextPractise(const QByteArray& stored, const QString& path, qint32 version,
                         QByteArray* bytes, QString* error);

} // namespace korvex
