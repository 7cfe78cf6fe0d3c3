#pragma once

#include <QString>

namespace korvex {

class TGraphicPractise;

// The exports of a graphic practise. Neither saves the practise: the caller saves it first
// (the view saves a modified practise; the command-line tool exports a file as it is).

// The practise's HTML page `target` from the template of `appDir`: its name, the rendered
// picture as "Picture.jpg" in the page's picture folder, and its description.
bool writeGraphicPractiseHtml(TGraphicPractise& practise, const QString& appDir,
                              const QString& target, QString* error);

// The practise as a ZIP archive: for `target` with any extension and B = `target` cut
// before its last ".", the archive B.zip holds "<name of B>.html" and
// "<name of B>/Picture.jpg". The page and picture are made in a temporary folder, so only
// B.zip is written beside the target: files the coach keeps there are never touched.
bool writeGraphicPractiseZip(TGraphicPractise& practise, const QString& appDir,
                             const QString& target, QString* error);

} // namespace korvex
