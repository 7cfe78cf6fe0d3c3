#pragma once

#include <QString>
#include <QStringList>

namespace korvex {

// Pages made from the template {app}/Data/Html.txt: its first nine lines are the page
// head, the generated block is inserted after them and the rest of the template follows.
// Pages are written in UTF-8, as the template declares.
constexpr int kHtmlHeadLines = 9;

// `text` with the characters that HTML gives a meaning (& < > " ') written as entities,
// so that every name and description shows as written and none can add markup.
QString htmlEscape(const QString& text);

// The folder that holds the pictures of the page `target`: the target path cut before the
// last "." of its file name (a name without "." gets "_files" appended).
QString pictureFolderOf(const QString& target);

// The value of a src attribute that names `fileName` in the picture folder `folder`:
// "/" separated, the folder's name percent-encoded, escaped for the attribute.
QString pictureSource(const QString& folder, const QString& fileName);

// Creates the picture folder of `target` and returns its path; false with `error` set when
// it cannot be made.
bool makePictureFolder(const QString& target, QString* folder, QString* error);

// Writes the page `target`: the template of `appDir` with `block` inserted after its head.
bool writeHtmlPage(const QString& appDir, const QString& target, const QStringList& block,
                   QString* error);

} // namespace korvex
