#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace korvex {

class SharePage;
class TGraphicPractise;
class TLanguage;

// The parts of a shared page that show one practise, used by the practise pages and by a
// plan's page for each practise it holds.

// The practise's drawing as rendered now, with the legend of what it uses below it.
QString graphicPractiseDrawing(TGraphicPractise& practise, const TLanguage& language,
                               const QString& name);

// The JPEG pictures of a text practise as they are stored; bytes that are not a JPEG
// stream are left out.
QString textPractisePictures(const QList<QByteArray>& pictures, const QString& name);

// Whole pages: the name, the drawing or the pictures, then the text.
void addGraphicPractise(SharePage& page, TGraphicPractise& practise, const TLanguage& language,
                        const QString& name);
void addTextPractise(SharePage& page, const QString& name, const QStringList& text,
                     const QList<QByteArray>& pictures);

} // namespace korvex
