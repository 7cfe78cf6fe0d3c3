// Every language key the program looks up must be in every shipped language file.
//
// The keys are collected from the source: every lookup is written as LK("key") or
// Text(QStringLiteral("key")) (see src/ui/LanguageKeys.h). When this test fails it lists,
// per language file, the keys to add to data/runtime/Language/<language>.txt.
#include "core/SafeSave.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

const QString kSourceDir = QStringLiteral(KORVEX_SOURCE_DIR);

QSet<QString> keysLookedUpInSource() {
    static const QRegularExpression lookup(
        QStringLiteral(R"re(\b(?:LK|Text\(\s*QStringLiteral)\(\s*"([A-Za-z0-9_]+)"\s*\))re"));
    QSet<QString> keys;
    QDirIterator it(kSourceDir + QStringLiteral("/src"),
                    {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(file.readAll());
        for (auto match = lookup.globalMatch(text); match.hasNext();)
            keys.insert(match.next().captured(1));
    }
    return keys;
}

// key (lower case, as lookups ignore letter case) -> text
QHash<QString, QString> languageTable(const QString& language) {
    QStringList lines;
    korvex::loadTextLines(kSourceDir + QStringLiteral("/data/runtime/Language/") + language +
                              QStringLiteral(".txt"),
                          &lines);
    QHash<QString, QString> table;
    for (const QString& line : lines) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            continue;
        const QString key = line.left(equals).toLower();
        if (!table.contains(key))
            table.insert(key, line.mid(equals + 1));
    }
    return table;
}

const QStringList kLanguages = {QStringLiteral("English"), QStringLiteral("Czech"),
                                QStringLiteral("German")};

TEST(LanguageFiles, EveryKeyLookedUpIsInEveryShippedLanguage) {
    const QSet<QString> keys = keysLookedUpInSource();
    ASSERT_GT(keys.size(), 50) << "the key scan found too little; is the source path right?";
    for (const QString& language : kLanguages) {
        const QHash<QString, QString> table = languageTable(language);
        ASSERT_FALSE(table.isEmpty()) << language.toStdString() << ".txt is missing or empty";
        QStringList missing;
        for (const QString& key : keys) {
            if (!table.contains(key.toLower()))
                missing.append(key);
        }
        missing.sort();
        EXPECT_TRUE(missing.isEmpty())
            << "add to data/runtime/Language/" << language.toStdString()
            << ".txt: " << missing.join(QStringLiteral(", ")).toStdString();
    }
}

TEST(LanguageFiles, TranslationsAreRealAndFilesAreUtf8) {
    const QHash<QString, QString> english = languageTable(QStringLiteral("English"));
    for (const QString& language : {QStringLiteral("Czech"), QStringLiteral("German")}) {
        const QHash<QString, QString> table = languageTable(language);
        EXPECT_EQ(QSet<QString>(table.keyBegin(), table.keyEnd()),
                  QSet<QString>(english.keyBegin(), english.keyEnd()))
            << language.toStdString() << " and English hold different keys";
        int same = 0;
        for (auto it = table.cbegin(); it != table.cend(); ++it)
            same += it.value() == english.value(it.key()) ? 1 : 0;
        // Names, "OK" and addresses may agree; most texts must not.
        EXPECT_LT(same * 10, table.size()) << language.toStdString() << " looks like a copy";

        QFile file(kSourceDir + QStringLiteral("/data/runtime/Language/") + language +
                   QStringLiteral(".txt"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_EQ(QString::fromUtf8(bytes).toUtf8(), bytes) << "not valid UTF-8";
    }
}

} // namespace
