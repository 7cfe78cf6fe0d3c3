// The player card, player list and phone list on the recording canvas.
#include "print/CardPrints.h"
#include "core/TLanguage.h"
#include "print/PageLayout.h"
#include "print/RecordingCanvas.h"
#include "storage/TCardPractise.h"

#include <gtest/gtest.h>

using namespace korvex;

namespace {

TLanguage englishTexts() {
    TLanguage language;
    language.setLines({QStringLiteral("printPCPrintPlayer=Player card"),
                       QStringLiteral("printPCPrintPlayerList=Player list"),
                       QStringLiteral("printPCPrintPhoneList=Phone list"),
                       QStringLiteral("printPCName=Name"), QStringLiteral("printPCBirth=Birth"),
                       QStringLiteral("printPCNo=No"), QStringLiteral("printPCPosition=Position"),
                       QStringLiteral("printPCPhone=Phone")});
    return language;
}

// A team of `count` players "Player<i>", numbered i, with phone and e-mail.
TCardPractise team(int count) {
    TCardPractise cards;
    for (int i = 0; i < count; ++i) {
        cards.addEntry(
            TCardPractise::makeRecord({QStringLiteral("Player%1").arg(i), QStringLiteral("Jan"),
                                       QStringLiteral("1.1.2010"),
                                       TCardPractise::storedNumber(QString::number(i % 100)),
                                       QStringLiteral("C"), QStringLiteral("777 %1").arg(i),
                                       QStringLiteral("p%1@club.cz").arg(i)}),
            {});
    }
    return cards;
}

// Every recorded text that starts a list row (x 1, below the heading), per page.
QList<QStringList> rowNames(const RecordingCanvas& canvas, double firstRow) {
    QList<QStringList> pages(canvas.pageCount());
    for (const RecordingCanvas::Text& text : canvas.texts) {
        if (text.x == 1 && text.y >= firstRow)
            pages[text.page].append(text.text);
    }
    return pages;
}

TEST(CardPrints, ListsLongerThanAPageContinueWithTheirHeadingRepeated) {
    const TLanguage language = englishTexts();
    const TCardPractise cards = team(120);
    for (const bool players : {true, false}) {
        RecordingCanvas canvas;
        PageLayout layout(canvas);
        if (players)
            printPlayerList(layout, language, QStringLiteral("U15"), cards);
        else
            printPhoneList(layout, language, QStringLiteral("U15"), cards);
        const double firstRow = players ? 3.0 : 2.5;
        ASSERT_GE(canvas.pageCount(), 3);
        const QList<QStringList> pages = rowNames(canvas, firstRow);
        QStringList all;
        for (int page = 0; page < canvas.pageCount(); ++page) {
            const QStringList texts = canvas.textsOfPage(page);
            EXPECT_EQ(texts.first(),
                      players ? QStringLiteral("Player list") : QStringLiteral("Phone list"));
            EXPECT_TRUE(texts.contains(QStringLiteral("U15")));
            EXPECT_EQ(texts.contains(QStringLiteral("Position")), players);
            all += pages[page];
        }
        // Every player exactly once, in stored order, and no row below the page's end.
        ASSERT_EQ(all.size(), 120);
        for (int i = 0; i < 120; ++i)
            EXPECT_EQ(all[i], QStringLiteral("Player%1 Jan").arg(i));
        for (const RecordingCanvas::Text& text : canvas.texts)
            EXPECT_LE(text.y, 28.3);
        const RecordingCanvas::Text* first = canvas.find(QStringLiteral("Player0 Jan"));
        ASSERT_NE(first, nullptr);
        EXPECT_DOUBLE_EQ(first->y, firstRow);
    }
}

TEST(CardPrints, ListColumnsSitWhereTheyBelongAndLongTextsAreCutToTheirWidth) {
    TCardPractise cards;
    cards.addEntry(TCardPractise::makeRecord({QString(50, QChar(0x0160)), QStringLiteral("Ota"),
                                              QStringLiteral("2010"), QStringLiteral("00"),
                                              QStringLiteral("Defender"), QStringLiteral("123"),
                                              QString(100, QLatin1Char('m'))}),
                   {});
    RecordingCanvas canvas;
    PageLayout layout(canvas);
    printPlayerList(layout, englishTexts(), QStringLiteral("A"), cards);
    QList<RecordingCanvas::Text> row;
    for (const RecordingCanvas::Text& text : canvas.texts) {
        if (text.y == 3.0)
            row.append(text);
    }
    ASSERT_EQ(row.size(), 5);
    EXPECT_EQ(row[0].x, 1);
    EXPECT_TRUE(row[0].text.startsWith(QChar(0x0160)));
    canvas.setFont(12, false);
    EXPECT_LE(canvas.textWidth(row[0].text), 6);
    EXPECT_EQ(row[1].x, 7.5);
    EXPECT_EQ(row[2].text, QString()); // no number
    EXPECT_EQ(row[3].x, 12.5);
    EXPECT_EQ(row[4].text, QStringLiteral("123"));

    RecordingCanvas phones;
    PageLayout phoneLayout(phones);
    printPhoneList(phoneLayout, englishTexts(), QStringLiteral("A"), cards);
    const RecordingCanvas::Text& email = phones.texts.last();
    EXPECT_EQ(email.x, 12);
    phones.setFont(12, false);
    EXPECT_LE(email.x + phones.textWidth(email.text), PageCanvas::kPageWidth - 1);
}

TEST(CardPrints, PlayerCardPrintsNameDetailsAndANoteThatRunsOnToTheNextPage) {
    TCardPractise cards;
    QStringList note;
    for (int i = 0; i < 90; ++i)
        note.append(QStringLiteral("note line %1").arg(i));
    cards.addEntry(
        TCardPractise::makeRecord({QStringLiteral("Novák"), QStringLiteral("Jan"),
                                   QStringLiteral("3.4.2011"), QStringLiteral("07"), QString(),
                                   QStringLiteral("777 1"), QString(), QStringLiteral("Brno")}),
        note);
    RecordingCanvas canvas;
    PageLayout layout(canvas);
    printPlayerCard(layout, englishTexts(), cards, 0);
    const QStringList first = canvas.textsOfPage(0);
    ASSERT_GE(first.size(), 4);
    EXPECT_EQ(first[0], QStringLiteral("Player card"));
    EXPECT_EQ(first[1], QStringLiteral("Jan Novák"));
    // Empty details leave no empty commas behind.
    EXPECT_EQ(first[2], QStringLiteral("3.4.2011, 07, 777 1, Brno"));
    EXPECT_EQ(canvas.find(QStringLiteral("note line 0"))->y, 4.0);
    EXPECT_EQ(canvas.pageCount(), 2);
    const RecordingCanvas::Text* last = canvas.find(QStringLiteral("note line 89"));
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->page, 1);
    for (const RecordingCanvas::Text& text : canvas.texts)
        EXPECT_LE(text.y, 28.3);
}

} // namespace
