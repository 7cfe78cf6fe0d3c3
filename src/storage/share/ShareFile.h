#pragma once

#include <QString>

namespace korvex {

class TLanguage;
class TSettings;

// Writes the item in `file` as one self-contained page `target`: a graphic practise
// (.gmp), a tactics practise (.tac), a text practise (.tmp), a training plan (.pmp) or an
// archived plan (.pamp). Practises and plans are read with `settings` (folders, picture
// size) and labelled in `language`. The page is written atomically; false with `error`
// set when the item cannot be read (or has a format version this program does not read),
// the target is the item itself, or the page cannot be written.
bool writeSharePage(const QString& file, TSettings& settings, TLanguage& language,
                    const QString& target, QString* error);

} // namespace korvex
