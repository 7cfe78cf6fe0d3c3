#pragma once

#include <QString>

// Every language key the program looks up is written in the source as LK, an opening
// bracket, the key in double quotes and a closing bracket; a lookup then reads
// language.Text(LK(<key in quotes>)). The language-file test scans src/ for that form (and
// for Text(QStringLiteral(<key in quotes>))) and fails when a shipped language file lacks
// one of the keys, so a key written this way is checked automatically. A key that is made
// at run time (a control's own name) must therefore also be listed somewhere in this form.
#define LK(key) QStringLiteral(key)
