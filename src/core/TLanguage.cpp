#include "core/TLanguage.h"

#include "core/FileHelpers.h"
#include "core/KeyValueLines.h"
#include "core/Paths.h"
#include "core/SafeSave.h"

#include <QDir>

namespace korvex {

namespace {

// Keys match without regard to letter case. Language keys are plain ASCII, folded here
// directly; folding through the Unicode tables costs a hundred times more per letter, for
// the several hundred keys read and looked up at every start.
QString foldedKey(const QString& key) {
    bool upper = false;
    for (const QChar c : key) {
        if (c.unicode() >= 0x80)
            return key.toCaseFolded();
        upper = upper || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
    }
    if (!upper)
        return key;
    QString folded = key;
    for (QChar& c : folded) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    }
    return folded;
}

} // namespace

TLanguage::TLanguage(const QString& appDir, const QString& languageDir)
    : m_appDir(appDir), m_languageDir(languageDir) {}

QString TLanguage::languageFolder() const {
    return joinPath(m_appDir, m_languageDir);
}

void TLanguage::ListLanguages() {
    m_languages = ListFolder(languageFolder(), QStringLiteral("*.txt"), ListKind::Files);
}

bool TLanguage::LoadLanguage(const QString& name) {
    m_error.clear();
    setLines({});
    const QString path = joinPath(languageFolder(), name + QStringLiteral(".txt"));
    // The name comes from a settings file: it names a file of the language folder, never a
    // path elsewhere.
    if (isBlank(name) || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name == QStringLiteral("..")) {
        m_error = QStringLiteral("%1: \"%2\" is not the name of a language file")
                      .arg(QDir::toNativeSeparators(path), name);
        return false;
    }
    QStringList lines;
    if (!loadTextLines(path, &lines, &m_error))
        return false;
    setLines(lines);
    return true;
}

void TLanguage::setLines(const QStringList& lines) {
    m_lines = lines;
    m_texts.clear();
    QString key;
    QString text;
    for (const QString& line : lines) {
        if (!splitKeyLine(line, &key, &text))
            continue;
        const QString folded = foldedKey(key);
        if (!m_texts.contains(folded))
            m_texts.insert(folded, text);
    }
}

QString TLanguage::Text(const QString& key) const {
    return m_texts.value(foldedKey(key));
}

} // namespace korvex
