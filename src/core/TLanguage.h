#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace korvex {

// The language table: every text the user sees is looked up here by key. A language file
// {app}/{LanguageOpenDir}/{name}.txt is a list of lines "key=text"; keys are compared
// without regard to letter case, the first line with a key wins, lines without "=" are
// ignored, and a missing key gives the empty text.
class TLanguage {
public:
    TLanguage() = default;
    TLanguage(const QString& appDir, const QString& languageDir);

    void setAppDir(const QString& dir) { m_appDir = dir; }
    const QString& appDir() const { return m_appDir; }
    void setLanguageDir(const QString& dir) { m_languageDir = dir; }
    const QString& languageDir() const { return m_languageDir; }
    QString languageFolder() const;

    // Fills languages() with the names (without ".txt") of the language files, in the order
    // the folder listing gives.
    void ListLanguages();
    const QStringList& languages() const { return m_languages; }
    int LanguageCount() const { return static_cast<int>(m_languages.size()); }

    // Replaces the table with the file of `name`. On failure the table is left empty and
    // errorString() names the file.
    bool LoadLanguage(const QString& name);
    // Replaces the table with `lines` (for tests and tools).
    void setLines(const QStringList& lines);
    const QStringList& lines() const { return m_lines; }
    QString errorString() const { return m_error; }

    QString Text(const QString& key) const;

private:
    QString m_appDir;
    QString m_languageDir;
    QStringList m_languages;
    QStringList m_lines;
    QHash<QString, QString> m_texts; // case-folded key -> text of its first line
    QString m_error;
};

} // namespace korvex
