// The legend under a shared drawing: exactly what the drawing uses, drawn by the drawing's
// own painters, with its meaning in the coach's language.
#include "PrintInstallation.h"
#include "ShareSupport.h"

#include "storage/TGraphicPractise.h"
#include "storage/share/DrawingLegend.h"
#include "storage/share/ShareFile.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace korvex::test {
namespace {

// A pass and a shot between a forward, a goalie and a puck, with a free text.
void passAndShot(TGraphicPractise& practise) {
    const DrawingSettings* settings = &practise.drawingSettings();
    const auto figure = [&](quint8 kind, QPoint at, const QString& text = {}) {
        auto f = std::make_unique<TFigure>(settings);
        f->setKind(kind);
        f->setPosition(at);
        f->setText(text);
        practise.figures().add(std::move(f));
    };
    const auto line = [&](quint8 kind, QPoint from, QPoint to) {
        auto l = std::make_unique<TLine>(settings);
        l->setLineKind(kind);
        l->setEndKind(EndArrow);
        l->addPoint(from);
        l->addPoint(to);
        practise.lines().add(std::move(l));
    };
    figure(FigureForward, {200, 200}, QStringLiteral("7"));
    figure(FigureForward, {300, 120}, QStringLiteral("8"));
    figure(FigureGoalie, {600, 210});
    figure(FigurePuck, {210, 210});
    figure(FigureText, {100, 60}, QStringLiteral("Go!"));
    line(LineDash, {200, 200}, {300, 120});
    line(LineDoubleSolid, {300, 120}, {590, 210});
}

bool allWhite(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return false;
        }
    }
    return true;
}

TEST(ShareLegend, ListsExactlyTheLineKindsEndsAndFiguresOfTheDrawing) {
    PrintInstallation inst;
    ASSERT_TRUE(inst.isValid());
    TGraphicPractise practise(inst.settings(), inst.language());
    passAndShot(practise);

    const QList<LegendEntry> entries = legendEntries(&practise.lines(), {&practise.figures()});
    const QList<LegendEntry> expected = {
        {LegendEntry::Line, LineDash},       {LegendEntry::Line, LineDoubleSolid},
        {LegendEntry::End, EndArrow},        {LegendEntry::Figure, FigureForward},
        {LegendEntry::Figure, FigureGoalie}, {LegendEntry::Figure, FigurePuck},
    };
    EXPECT_EQ(entries, expected);

    // The pictures come from the painters: the pass and the shot look different, and every
    // entry shows something.
    const DrawingSettings& drawing = practise.drawingSettings();
    const QImage pass = legendPicture(entries[0], drawing);
    const QImage shot = legendPicture(entries[1], drawing);
    EXPECT_FALSE(allWhite(pass));
    EXPECT_FALSE(allWhite(shot));
    EXPECT_NE(pass, shot);
    for (const LegendEntry& entry : entries)
        EXPECT_FALSE(legendPicture(entry, drawing).isNull());
}

TEST(ShareLegend, PageShowsTheMeaningsInTheCoachsLanguage) {
    PrintInstallation inst;
    ASSERT_TRUE(inst.isValid());
    const QString stored = inst.addGraphicPractise(QStringLiteral("Shot drill"), {}, passAndShot);
    ASSERT_FALSE(stored.isEmpty());
    const QString file = inst.path(QString(stored).replace(QLatin1Char('\\'), QLatin1Char('/')));
    const auto meanings = [&](const QString& language) {
        EXPECT_TRUE(inst.language().LoadLanguage(language));
        const QString target = inst.path(QStringLiteral("drill.html"));
        QString error;
        EXPECT_TRUE(writeSharePage(file, inst.settings(), inst.language(), target, &error))
            << error.toStdString();
        static const QRegularExpression item(QStringLiteral("<li><img[^>]*><span>([^<]*)</span>"));
        QStringList found;
        for (auto it = item.globalMatch(readPage(target)); it.hasNext();)
            found.append(it.next().captured(1));
        return found;
    };
    EXPECT_EQ(meanings(QStringLiteral("English")),
              (QStringList{QStringLiteral("Pass"), QStringLiteral("Shot"),
                           QStringLiteral("Arrow: direction"), QStringLiteral("Forward"),
                           QStringLiteral("Goalie"), QStringLiteral("Puck")}));
    EXPECT_EQ(meanings(QStringLiteral("German")),
              (QStringList{QStringLiteral("Pass"), QStringLiteral("Schuss"),
                           QStringLiteral("Pfeil: Richtung"), QStringLiteral("Stürmer"),
                           QStringLiteral("Torhüter"), QStringLiteral("Puck")}));
}

} // namespace
} // namespace korvex::test
