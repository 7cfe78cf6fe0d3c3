#include "storage/TextPractiseHtml.h"

#include "core/FileHelpers.h"
#include "core/Jpeg.h"
#include "core/Paths.h"
#include "core/SafeSave.h"
#include "drawing/FitRule.h"
#include "storage/HtmlPage.h"
#include "storage/TTextPractise.h"

#include <QDir>
#include <QFile>

namespace korvex {

namespace {

constexpr int kPictureWidth = 400;
constexpr int kPictureHeight = 300;

// Writes `source` as `target`: fitted into 400 x 300 on white when it is larger, else the
// same bytes.
bool writePagePicture(const QString& source, const QString& target, QString* error) {
    QFile in(source);
    if (!openForReading(&in, error))
        return false;
    const QByteArray bytes = in.readAll();
    QImage picture;
    QString decodeError;
    if (!decodeJpeg(bytes, &picture, &decodeError)) {
        *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(source), decodeError);
        return false;
    }
    if (picture.width() <= kPictureWidth && picture.height() <= kPictureHeight)
        return saveBytes(target, bytes, error);
    const QImage fitted = fittedPicture(picture, kPictureWidth, kPictureHeight, Qt::white);
    return saveBytes(target, encodeJpeg(fitted), error);
}

} // namespace

bool writeTextPractiseHtml(const QString& name, const QStringList& text,
                           const QStringList& pictureFiles, const QString& appDir,
                           const QString& target, QString* error) {
    QString folder;
    if (!makePictureFolder(target, &folder, error))
        return false;
    QStringList block;
    block << QStringLiteral("<p align=\"left\"><b><font size=\"4\" color=\"red\">") +
                 htmlEscape(name) + QStringLiteral("</font></b></p>")
          << QStringLiteral("<hr color=\"#FF0000\" size=\"1\">")
          << QStringLiteral("<table border=\"0\" width=\"100%\" id=\"table1\">")
          << QStringLiteral("<tr>") << QStringLiteral("<td width=\"410\" valign=\"top\">");
    for (int i = 0; i < pictureFiles.size(); ++i) {
        const QString file = QStringLiteral("%1.jpg").arg(i);
        if (!writePagePicture(pictureFiles[i], joinPath(folder, file), error))
            return false;
        block << QStringLiteral("<img border=\"0\" src=\"") + pictureSource(folder, file) +
                     QStringLiteral("\" width=\"400\" height=\"300\" alt=\"\">");
    }
    block << QStringLiteral("</td>") << QStringLiteral("<td valign=\"top\">")
          << QStringLiteral("<p>");
    for (const QString& line : text)
        block << htmlEscape(line) + QStringLiteral("<br>");
    block << QStringLiteral("<br></p>") << QStringLiteral("</td></tr>")
          << QStringLiteral("</table>");
    return writeHtmlPage(appDir, target, block, error);
}

bool writeTextPractiseHtml(const TTextPractise& practise, const QString& appDir,
                           const QString& target, QString* error) {
    return writeTextPractiseHtml(practise.name(), practise.text, practise.scratchPictures(), appDir,
                                 target, error);
}

} // namespace korvex
