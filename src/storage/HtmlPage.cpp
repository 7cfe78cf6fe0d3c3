#include "storage/HtmlPage.h"

#include "core/Paths.h"
#include "core/SafeSave.h"
#include "storage/ItemKinds.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace korvex {

QString htmlEscape(const QString& text) {
    QString escaped;
    escaped.reserve(text.size() + text.size() / 8);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&':
            escaped += QLatin1String("&amp;");
            break;
        case '<':
            escaped += QLatin1String("&lt;");
            break;
        case '>':
            escaped += QLatin1String("&gt;");
            break;
        case '"':
            escaped += QLatin1String("&quot;");
            break;
        case '\'':
            escaped += QLatin1String("&#39;");
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

QString pictureFolderOf(const QString& target) {
    const QString name = extractFileName(target);
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0)
        return target + QStringLiteral("_files");
    return target.left(target.size() - (name.size() - dot));
}

QString pictureSource(const QString& folder, const QString& fileName) {
    const QByteArray encoded = QUrl::toPercentEncoding(extractFileName(folder));
    return htmlEscape(QString::fromLatin1(encoded) + QLatin1Char('/') + fileName);
}

bool makePictureFolder(const QString& target, QString* folder, QString* error) {
    *folder = pictureFolderOf(target);
    if (QFileInfo(*folder).isDir() || QDir().mkpath(*folder))
        return true;
    *error = QStringLiteral("%1: the picture folder cannot be created")
                 .arg(QDir::toNativeSeparators(*folder));
    return false;
}

bool writeHtmlPage(const QString& appDir, const QString& target, const QStringList& block,
                   QString* error) {
    QStringList page;
    if (!loadTextLines(joinPath(appDir, htmlTemplateFolder(), QStringLiteral("Html.txt")), &page,
                       error))
        return false;
    const int at = std::min<int>(kHtmlHeadLines, page.size());
    QStringList lines = page.mid(0, at);
    lines += block;
    lines += page.mid(at);
    return saveTextLines(target, lines, error);
}

} // namespace korvex
