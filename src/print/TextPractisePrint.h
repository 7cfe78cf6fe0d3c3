#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace korvex {

class PageLayout;

// One page for a text practise: the name in bold at the top right, the pictures in a column
// on the left (each padded on white to 4:3 in a 9 x 6.75 box, seven units apart), and the
// text wrapped beside the pictures and at full width below them. `pictures` are JPEG files
// in picture order. Only the pictures that fit on the page are printed (four). Every
// picture is decoded before anything is printed: one that does not decode prints nothing
// and returns false with `error` naming it.
bool printTextPractise(PageLayout& layout, const QString& name, const QStringList& text,
                       const QList<QByteArray>& pictures, QString& error);

} // namespace korvex
