#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

namespace korvex {

// One self-contained HTML page for sharing: UTF-8, every picture inlined as a data URI,
// a style sheet that reads well on a phone and prints cleanly, and nothing that points to
// another file or address. The builders append escaped fragments to the body; save()
// writes the whole page atomically.
class SharePage {
public:
    // `title` is plain text; `languageCode` is the page's lang attribute ("en", "cs", ...).
    SharePage(const QString& title, const QString& languageCode);

    // Appends raw markup (already escaped by the caller).
    void append(const QString& markup) { m_body += markup; }
    // Appends an inline script (the page's own code, never user text).
    void appendScript(const QString& script);

    QByteArray html() const;
    bool save(const QString& target, QString* error) const;

    // Escaped lines joined by line breaks; empty lines keep their place.
    static QString textLines(const QStringList& lines);
    // `<h1>`..`<h3>`, `<p>`-like helpers all escape their text.
    static QString element(const QString& tag, const QString& text, const QString& className = {});
    // Data URIs of pictures: PNG (exact pixels, transparency) and JPEG (photos, rinks).
    static QString pngUri(const QImage& image);
    static QString jpegUri(const QImage& image);
    // JPEG bytes as they are; the empty text when they are not a JPEG stream.
    static QString jpegBytesUri(const QByteArray& bytes);
    // An <img> with a data URI, its pixel size and escaped alternative text.
    static QString image(const QString& uri, const QSize& size, const QString& alt,
                         const QString& className);

    // The lang attribute for a language file name ("Czech" gives "cs"; unknown: "en").
    static QString languageCode(const QString& languageName);

private:
    QString m_title;
    QString m_language;
    QString m_body;
    QStringList m_scripts;
};

} // namespace korvex
