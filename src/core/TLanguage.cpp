#include "core/TLanguage.h"

#include "core/FileHelpers.h"
#include "core/KeyValueLines.h"
#include "core/Paths.h"
#include "core/SafeSave.h"

#include <QDir>

namespace korvex {

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
        const QString folded = key.toCaseFolded();
        if (!m_texts.contains(folded))
            m_texts.insert(folded, text);
    }
}

QString TLanguage::Text(const QString& key) const {
    return m_texts.value(key.toCaseFolded());
}

} // namespace korvex
