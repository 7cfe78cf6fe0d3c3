#include "drawing/CanvasTexts.h"

#include <gtest/gtest.h>

using namespace korvex;

TEST(CanvasTexts, TitleCardIsDrawnOnceAndRedrawnForOtherTextsOrSizes) {
    QString programName = QStringLiteral("Korvex");
    int lookups = 0;
    const TextLookup text = [&](const QString& key) {
        ++lookups;
        return key == QLatin1String("AboutName") ? programName : key;
    };
    const QImage card = titleCard(QSize(450, 280), text, QStringLiteral("1.41"));
    QImage drawn(450, 280, QImage::Format_RGB32);
    drawTitleCard(drawn, text, QStringLiteral("1.41"));
    EXPECT_EQ(card, drawn);
    EXPECT_EQ(titleCard(QSize(450, 280), text, QStringLiteral("1.41")).cacheKey(), card.cacheKey());
    EXPECT_GT(lookups, 0); // the texts are looked up every time: a new language shows

    // Another language, version or size is a new card; the kept ones stay until pushed out.
    const QImage large = titleCard(QSize(675, 420), text, QStringLiteral("1.41"));
    EXPECT_EQ(large.size(), QSize(675, 420));
    EXPECT_NE(titleCard(QSize(450, 280), text, QStringLiteral("1.42")), card);
    programName = QStringLiteral("Korvex Trainer");
    const QImage renamed = titleCard(QSize(450, 280), text, QStringLiteral("1.41"));
    EXPECT_NE(renamed, card);
    drawTitleCard(drawn, text, QStringLiteral("1.41"));
    EXPECT_EQ(renamed, drawn);
    // A picture handed out and painted on does not change the kept card.
    QImage painted = renamed;
    painted.fill(Qt::red);
    EXPECT_EQ(titleCard(QSize(450, 280), text, QStringLiteral("1.41")), drawn);
}
