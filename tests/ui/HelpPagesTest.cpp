// The shipped help pages: one per language, each with a section for every mode and topic,
// internal links that all lead somewhere, and menu labels quoted as the language file of
// that page's language gives them.
#include "core/SafeSave.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

#include <gtest/gtest.h>

namespace {

const QString kSourceDir = QStringLiteral(KORVEX_SOURCE_DIR);

struct HelpPage {
    const char* file;
    const char* language;
};

const HelpPage kPages[] = {
    {"Korvex.html", "Czech"}, {"KorvexEN.html", "English"}, {"KorvexDE.html", "German"}};

// The sections every page has, so that a page in one language cannot lag behind another.
const char* const kSections[] = {"modes",    "graphic", "text",     "plans",   "archive",
                                 "diary",    "cards",   "explorer", "tactics", "shortcuts",
                                 "printing", "backup",  "data"};

QString readPage(const HelpPage& page, bool* validUtf8) {
    QFile file(kSourceDir + QStringLiteral("/data/runtime/Help/") + QString::fromLatin1(page.file));
    if (!file.open(QIODevice::ReadOnly)) {
        *validUtf8 = false;
        return {};
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(file.readAll());
    *validUtf8 = !decoder.hasError();
    return text;
}

QStringList captures(const QString& text, const QString& pattern) {
    QStringList found;
    const QRegularExpression expression(pattern);
    for (auto match = expression.globalMatch(text); match.hasNext();)
        found << match.next().captured(1);
    return found;
}

// The texts of a language file as the menus show them: without the accelerator mark.
QSet<QString> menuTexts(const char* language) {
    QStringList lines;
    korvex::loadTextLines(kSourceDir + QStringLiteral("/data/runtime/Language/") +
                              QString::fromLatin1(language) + QStringLiteral(".txt"),
                          &lines);
    QSet<QString> texts;
    for (const QString& line : lines) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0 && !line.startsWith(QLatin1Char(';')))
            texts.insert(line.mid(equals + 1).remove(QLatin1Char('&')).trimmed());
    }
    return texts;
}

QString unescaped(QString html) {
    return html.replace(QStringLiteral("&gt;"), QStringLiteral(">"))
        .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
        .replace(QStringLiteral("&amp;"), QStringLiteral("&"))
        .simplified();
}

TEST(HelpPages, EveryPageIsUtf8WithEverySectionAndNoDanglingLink) {
    for (const HelpPage& page : kPages) {
        SCOPED_TRACE(page.file);
        bool validUtf8 = false;
        const QString text = readPage(page, &validUtf8);
        ASSERT_FALSE(text.isEmpty());
        EXPECT_TRUE(validUtf8);
        EXPECT_TRUE(text.contains(QStringLiteral("<meta charset=\"utf-8\">")));

        const QStringList idList = captures(text, QStringLiteral(R"re(\bid="([^"]+)")re"));
        const QSet<QString> ids(idList.begin(), idList.end());
        EXPECT_EQ(ids.size(), idList.size()) << "an id is used twice";
        for (const char* section : kSections)
            EXPECT_TRUE(ids.contains(QString::fromLatin1(section))) << section;
        for (const QString& target : captures(text, QStringLiteral(R"re(href="#([^"]*)")re")))
            EXPECT_TRUE(ids.contains(target))
                << "link to a missing anchor: #" << target.toStdString();
        // The table of contents leads to every section.
        const QStringList links = captures(text, QStringLiteral(R"re(href="#([^"]*)")re"));
        for (const char* section : kSections)
            EXPECT_TRUE(links.contains(QString::fromLatin1(section))) << section;
    }
}

TEST(HelpPages, MenuLabelsAreQuotedAsTheLanguageFileGivesThem) {
    for (const HelpPage& page : kPages) {
        SCOPED_TRACE(page.file);
        bool validUtf8 = false;
        const QString text = readPage(page, &validUtf8);
        const QSet<QString> texts = menuTexts(page.language);
        ASSERT_FALSE(texts.isEmpty());
        const QStringList labels =
            captures(text, QStringLiteral(R"re(<b class="menu">(.*?)</b>)re"));
        EXPECT_GT(labels.size(), 40);
        // "File > Print" names a menu and its item: each part is a text of its own.
        for (const QString& label : labels) {
            for (const QString& part : unescaped(label).split(QStringLiteral(" > ")))
                EXPECT_TRUE(texts.contains(part))
                    << "not a menu text of " << page.language << ": " << part.toStdString();
        }
    }
}

} // namespace
