#pragma once

#include <QImage>
#include <QString>

namespace korvex {

class TTrainingPlan;

// The picture printed for practise `index` of `plan`. A plan's graphic practise (".gmp")
// prints {appDir}/<path without extension>.jpg; a text practise prints the first picture
// stored in its file, or none; an archived plan prints the picture its entry keeps, or
// none. "None" is a null `picture` and true. A picture file that is missing or does not
// decode gives false with `error` naming the file.
bool loadPlanPicture(const TTrainingPlan& plan, int index, const QString& appDir, QImage* picture,
                     QString* error);

// `picture` on a white bitmap of ratio 4:3, drawn at its top-left corner: the width is kept
// when the picture is wider than 4:3, else the height.
QImage padTo4by3(const QImage& picture);

} // namespace korvex
