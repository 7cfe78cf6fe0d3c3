#pragma once

#include <QString>

namespace korvex {

// Fills the user's data folder `target` from the shipped runtime tree `source`.
//
// When `target` is missing or empty, the whole tree is copied into a temporary folder beside
// it that is then renamed to `target`, so an interrupted first start leaves no half tree.
// Afterwards, and on every later start, the tree is brought up to date file by file (each file
// replaced atomically):
// - a shipped file or folder missing in `target` is copied (new rinks of an update, a
//   settings file the coach deleted);
// - a file the program only reads (Settings.txt with the installation keys, and the folders
//   Language, Help, Data, Pictures) that differs from the shipped one is replaced, so an
//   updated program brings its version, texts, help and pictures along;
// - everything else the coach's data and settings stays untouched.
// False with `error` naming the file when a step fails.
bool copyShippedTree(const QString& source, const QString& target, QString* error);

} // namespace korvex
