#pragma once

#include <QString>

namespace korvex {

// The path under which a plan stores the practise file `file` (relative to the
// application folder `appDir`, with "\" separators), or the empty text when the file is not
// a practise of this installation: a graphic practise (".gmp") in
// {appDir}/{graphicFolder}/{category}/{subcategory}, or a text practise (".tmp") in
// {appDir}/{textFolder}/{category}/{subcategory}. A plan keeps only such paths; anything
// else would be dropped as missing the next time the plan loads.
QString placeablePractisePath(const QString& appDir, const QString& graphicFolder,
                              const QString& textFolder, const QString& file);

} // namespace korvex
