#include "storage/share/DrawingLegend.h"

#include "core/TLanguage.h"
#include "drawing/DrawingSettings.h"
#include "drawing/TFigures.h"
#include "drawing/TLine.h"
#include "drawing/TLines.h"
#include "storage/share/SharePage.h"

#include <QPainter>

#include <set>

namespace korvex {

namespace {

// Legend pictures of lines: a short stroke, wide enough to show a line kind's pattern.
constexpr int kLineWidth = 64;
constexpr int kLineHeight = 24;

QImage whiteImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QImage linePicture(const DrawingSettings& settings, int lineKind, int endKind, int length) {
    QImage image = whiteImage(kLineWidth, kLineHeight);
    DrawingSettings canvas = settings;
    canvas.canvasWidth = image.width();
    canvas.canvasHeight = image.height();
    TLine line(&canvas);
    line.setLineKind(quint8(lineKind));
    line.setEndKind(quint8(endKind));
    line.setColour(kColourBlack);
    line.setCurved(false);
    const int y = kLineHeight / 2;
    line.addPoint(QPoint(kLineWidth - 6 - length, y));
    line.addPoint(QPoint(kLineWidth - 6, y));
    line.draw(image);
    return image;
}

QImage figurePicture(const DrawingSettings& settings, int kind) {
    TFigure figure(&settings);
    if (!figure.setKind(quint8(kind)))
        return QImage();
    const QImage& picture = figure.picture();
    QImage image(picture.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    figure.setPosition(QPoint(image.width() / 2, image.height() / 2));
    QPainter painter(&image);
    figure.draw(painter);
    return image;
}

QString lineMeaning(const TLanguage& language, int code) {
    switch (code) {
    case 0:
        return language.Text(QStringLiteral("shareLineSolid"));
    case 1:
        return language.Text(QStringLiteral("shareLineDash"));
    case 2:
        return language.Text(QStringLiteral("shareLineDoubleSolid"));
    case 3:
        return language.Text(QStringLiteral("shareLineTwiddle"));
    case 4:
        return language.Text(QStringLiteral("shareLineSemicircle"));
    case 5:
        return language.Text(QStringLiteral("shareLineCrosswise"));
    case 6:
        return language.Text(QStringLiteral("shareLineCrosswiseSolid"));
    default:
        return QString();
    }
}

QString endMeaning(const TLanguage& language, int code) {
    switch (code) {
    case 0:
        return language.Text(QStringLiteral("shareEndArrow"));
    case 1:
        return language.Text(QStringLiteral("shareEndCross"));
    case 2:
        return language.Text(QStringLiteral("shareEndDoubleCross"));
    case 3:
        return language.Text(QStringLiteral("shareEndArc"));
    default:
        return QString();
    }
}

QString figureMeaning(const TLanguage& language, int code) {
    switch (code) {
    case 0:
        return language.Text(QStringLiteral("shareFigureForward"));
    case 1:
        return language.Text(QStringLiteral("shareFigureDefender"));
    case 2:
        return language.Text(QStringLiteral("shareFigureGoalie"));
    case 3:
        return language.Text(QStringLiteral("shareFigurePlayer"));
    case 4:
        return language.Text(QStringLiteral("shareFigureCoach"));
    case 5:
        return language.Text(QStringLiteral("shareFigureNet"));
    case 6:
        return language.Text(QStringLiteral("shareFigureCone"));
    case 7:
        return language.Text(QStringLiteral("shareFigurePuck"));
    case 8:
        return language.Text(QStringLiteral("shareFigurePucks"));
    case 9:
        return language.Text(QStringLiteral("shareFigureBall"));
    case 10:
        return language.Text(QStringLiteral("shareFigureObstacle"));
    case 13:
        return language.Text(QStringLiteral("shareFigureStartForward"));
    case 14:
        return language.Text(QStringLiteral("shareFigureStartDefender"));
    case 15:
        return language.Text(QStringLiteral("shareFigureStartPlayer"));
    default:
        return QString();
    }
}

} // namespace

QList<LegendEntry> legendEntries(const TLines* lines, const QList<const TFigures*>& figures) {
    std::set<int> lineKinds;
    std::set<int> endKinds;
    std::set<int> figureKinds;
    for (int i = 0; lines != nullptr && i < lines->count(); ++i) {
        const TLineSetting& setting = lines->at(i)->setting();
        lineKinds.insert(setting.lineKind);
        if (setting.endKind < EndNone)
            endKinds.insert(setting.endKind);
    }
    for (const TFigures* list : figures) {
        for (int i = 0; list != nullptr && i < list->count(); ++i) {
            const int kind = list->at(i)->kind();
            // A free text says what it means; the big net has no picture of its own.
            if (kind != FigureText && kind != FigureBigNet)
                figureKinds.insert(kind);
        }
    }
    QList<LegendEntry> entries;
    for (int kind : lineKinds)
        entries.append({LegendEntry::Line, kind});
    for (int kind : endKinds)
        entries.append({LegendEntry::End, kind});
    for (int kind : figureKinds)
        entries.append({LegendEntry::Figure, kind});
    return entries;
}

QImage legendPicture(const LegendEntry& entry, const DrawingSettings& settings) {
    switch (entry.group) {
    case LegendEntry::Line:
        return linePicture(settings, entry.code, EndNone, kLineWidth - 12);
    case LegendEntry::End:
        return linePicture(settings, LineSolid, entry.code, kLineWidth / 2);
    case LegendEntry::Figure:
        return figurePicture(settings, entry.code);
    }
    return QImage();
}

QString legendText(const LegendEntry& entry, const TLanguage& language) {
    switch (entry.group) {
    case LegendEntry::Line:
        return lineMeaning(language, entry.code);
    case LegendEntry::End:
        return endMeaning(language, entry.code);
    case LegendEntry::Figure:
        return figureMeaning(language, entry.code);
    }
    return QString();
}

QString legendHtml(const QList<LegendEntry>& entries, const DrawingSettings& settings,
                   const TLanguage& language) {
    QString items;
    for (const LegendEntry& entry : entries) {
        const QImage picture = legendPicture(entry, settings);
        const QString meaning = legendText(entry, language);
        items += QStringLiteral("<li>");
        if (!picture.isNull())
            items += SharePage::image(SharePage::pngUri(picture), picture.size(), QString(),
                                      QStringLiteral("key"));
        items += QStringLiteral("<span>") + SharePage::textLines({meaning}) +
                 QStringLiteral("</span></li>\n");
    }
    if (items.isEmpty())
        return QString();
    return QStringLiteral("<ul class=\"legend\" aria-label=\"") +
           SharePage::textLines({language.Text(QStringLiteral("shareLegend"))}) +
           QStringLiteral("\">\n") + items + QStringLiteral("</ul>\n");
}

} // namespace korvex
