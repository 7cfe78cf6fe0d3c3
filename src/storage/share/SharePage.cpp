#include "storage/share/SharePage.h"

#include "core/Jpeg.h"
#include "core/SafeSave.h"
#include "storage/HtmlPage.h"

#include <QBuffer>

namespace korvex {

namespace {

// Large type and full-width pictures on a phone, a centred column on a desktop, and a
// plain black-on-white print without the player's controls.
const char* const kStyle = R"CSS(
*{box-sizing:border-box}
html{-webkit-text-size-adjust:100%;text-size-adjust:100%}
body{margin:0;background:#eef1f5;color:#17202b;font:18px/1.5 "Liberation Sans",Arial,Helvetica,sans-serif}
main{max-width:760px;margin:0 auto;padding:14px}
h1{font-size:1.55em;line-height:1.2;margin:.3em 0 .2em;color:#b3122a}
h2{font-size:1.2em;line-height:1.25;margin:0 0 .4em}
h3{font-size:1em;margin:.8em 0 .2em}
p{margin:.4em 0}
.sub{color:#4a5563;margin:0 0 .8em}
.card{background:#fff;border-radius:12px;padding:14px;margin:0 0 16px;box-shadow:0 1px 3px rgba(0,0,0,.15)}
.drawing,.photo,canvas{display:block;width:100%;height:auto;border-radius:8px;background:#fff}
.photo{margin:8px 0}
.facts{display:grid;grid-template-columns:max-content 1fr;gap:2px 12px;margin:0}
.facts dt{font-weight:bold;color:#4a5563}
.facts dd{margin:0}
.total{font-size:1.15em;font-weight:bold}
.badge{display:inline-block;background:#17202b;color:#fff;border-radius:999px;padding:0 .6em;font-size:.85em;font-weight:bold;white-space:nowrap}
.toc{margin:0;padding-left:1.4em}
.toc a{color:#17202b}
.legend{display:flex;flex-wrap:wrap;gap:4px 16px;list-style:none;margin:10px 0 0;padding:8px 0 0;border-top:1px solid #dde2e8;font-size:.8em}
.legend li{display:flex;align-items:center;gap:6px}
.legend img{flex:none}
.controls{display:flex;flex-wrap:wrap;align-items:center;gap:8px 12px;margin-top:10px}
.controls button{font:inherit;min-height:44px;min-width:44px;padding:4px 14px;border:1px solid #17202b;border-radius:8px;background:#fff;color:#17202b}
.controls button.main{background:#b3122a;border-color:#b3122a;color:#fff}
.controls select,.controls input{font:inherit}
.controls label{display:flex;align-items:center;gap:6px}
.counter{font-weight:bold;margin-left:auto}
.print-only{display:none}
.frames{grid-template-columns:1fr 1fr;gap:8px}
.frames figure{margin:0}
.frames figcaption{font-size:.8em}
@media (max-width:480px){body{font-size:19px}main{padding:8px}.card{padding:10px;border-radius:10px}}
@media print{
body{background:#fff;font-size:11pt}
main{max-width:none;padding:0}
.card{box-shadow:none;border:1px solid #bbb;break-inside:avoid;page-break-inside:avoid}
.controls,canvas,.toc-card{display:none}
.print-only{display:block}
.print-only.frames{display:grid}
.badge{border:1px solid #000;background:#fff;color:#000}
h1{color:#000}
}
)CSS";

QString dataUri(const char* mime, const QByteArray& bytes) {
    return QStringLiteral("data:") + QLatin1String(mime) + QStringLiteral(";base64,") +
           QString::fromLatin1(bytes.toBase64());
}

} // namespace

SharePage::SharePage(const QString& title, const QString& languageCode)
    : m_title(title), m_language(languageCode) {}

void SharePage::appendScript(const QString& script) {
    m_scripts.append(script);
}

QByteArray SharePage::html() const {
    QString page;
    page += QStringLiteral("<!DOCTYPE html>\n<html lang=\"") + htmlEscape(m_language) +
            QStringLiteral("\">\n<head>\n<meta charset=\"utf-8\">\n"
                           "<meta name=\"viewport\" content=\"width=device-width, "
                           "initial-scale=1\">\n<title>") +
            htmlEscape(m_title) + QStringLiteral("</title>\n<style>") +
            QString::fromLatin1(kStyle) + QStringLiteral("</style>\n</head>\n<body>\n<main>\n") +
            m_body + QStringLiteral("</main>\n");
    for (const QString& script : m_scripts)
        page += QStringLiteral("<script>") + script + QStringLiteral("</script>\n");
    page += QStringLiteral("</body>\n</html>\n");
    return page.toUtf8();
}

bool SharePage::save(const QString& target, QString* error) const {
    return saveBytes(target, html(), error);
}

QString SharePage::textLines(const QStringList& lines) {
    QStringList escaped;
    escaped.reserve(lines.size());
    for (const QString& line : lines)
        escaped.append(htmlEscape(line));
    // Trailing empty lines would only add space at the end of a card.
    while (!escaped.isEmpty() && escaped.last().trimmed().isEmpty())
        escaped.removeLast();
    return escaped.join(QStringLiteral("<br>\n"));
}

QString SharePage::element(const QString& tag, const QString& text, const QString& className) {
    const QString classAttribute =
        className.isEmpty() ? QString() : QStringLiteral(" class=\"%1\"").arg(className);
    return QStringLiteral("<%1%2>%3</%1>\n").arg(tag, classAttribute, htmlEscape(text));
}

QString SharePage::pngUri(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // Like an unreadable JPEG, a picture the encoder refuses is left out (an empty URI).
    if (!image.save(&buffer, "PNG"))
        return QString();
    return dataUri("image/png", bytes);
}

QString SharePage::jpegUri(const QImage& image) {
    return dataUri("image/jpeg", encodeJpeg(image));
}

QString SharePage::jpegBytesUri(const QByteArray& bytes) {
    if (bytes.size() < 4 || quint8(bytes[0]) != 0xFF || quint8(bytes[1]) != 0xD8)
        return QString();
    return dataUri("image/jpeg", bytes);
}

QString SharePage::image(const QString& uri, const QSize& size, const QString& alt,
                         const QString& className) {
    return QStringLiteral("<img class=\"%1\" src=\"%2\" width=\"%3\" height=\"%4\" alt=\"%5\">")
        .arg(className, uri)
        .arg(size.width())
        .arg(size.height())
        .arg(htmlEscape(alt));
}

QString SharePage::languageCode(const QString& languageName) {
    if (languageName.compare(QLatin1String("Czech"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("cs");
    if (languageName.compare(QLatin1String("German"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("de");
    return QStringLiteral("en");
}

} // namespace korvex
