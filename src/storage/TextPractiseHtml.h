#pragma once

#include <QString>
#include <QStringList>

namespace korvex {

class TTextPractise;

// The HTML page of a text practise: its name, its pictures beside its text. Picture i
// becomes "<i>.jpg" in the page's picture folder: a picture larger than 400 x 300 is
// fitted into 400 x 300 on white, a smaller one is copied byte for byte. `pictureFiles` are
// JPEG files in picture order. The page does not save the practise; the caller does.
bool writeTextPractiseHtml(const QString& name, const QStringList& text,
                           const QStringList& pictureFiles, const QString& appDir,
                           const QString& target, QString* error);

// The same for an open text practise, whose pictures are its scratch pictures.
bool writeTextPractiseHtml(const TTextPractise& practise, const QString& appDir,
                           const QString& target, QString* error);

} // namespace korvex
