#include "storage/share/TacticsShare.h"

#include "core/TLanguage.h"
#include "storage/TTacticsPractise.h"
#include "storage/share/DrawingLegend.h"
#include "storage/share/SharePage.h"
#include "storage/share/TacticsPlayerScript.h"

#include <QHash>
#include <QPainter>

#include <algorithm>

namespace korvex {

namespace {

// A figure drawn alone, centred in a transparent picture with room for its text; the
// player draws it with its centre on the figure's position.
QImage figureSprite(const TFigure& figure, int canvasWidth) {
    const QSize picture = figure.kind() == FigureText ? QSize() : figure.picture().size();
    const QSize text = figure.showsText() ? figure.textSize() : QSize();
    // Only the part of a text within one canvas width either side of its figure can ever
    // show; the cap keeps a very long text from asking for a huge picture.
    const int width = std::min(std::max(picture.width(), text.width()), 2 * canvasWidth) + 8;
    const int height = std::max(picture.height(), text.height()) + 8;
    QImage sprite(width | 1, height | 1, QImage::Format_ARGB32_Premultiplied);
    sprite.fill(Qt::transparent);
    TFigure copy = figure;
    copy.setPosition(QPoint(sprite.width() / 2, sprite.height() / 2));
    QPainter painter(&sprite);
    copy.draw(painter);
    return sprite;
}

// The frames as JSON: one picture per distinct figure look (kind, turn, text), and for
// each frame the figures as [picture, x, y]. Only numbers and data URIs are written.
QString playerData(TTacticsPractise& practise, const QImage& ground) {
    QHash<QString, int> spriteOf;
    QStringList sprites;
    QStringList frames;
    TFiguresAnimation& animation = practise.animation();
    for (int f = 0; f < animation.count(); ++f) {
        const TFigures* figures = animation.at(f);
        QStringList placed;
        for (int i = 0; i < figures->count(); ++i) {
            const TFigure& figure = *figures->at(i);
            const QString look = QStringLiteral("%1/%2/").arg(figure.kind()).arg(figure.variant()) +
                                 (figure.showsText() ? figure.text() : QString());
            auto it = spriteOf.find(look);
            if (it == spriteOf.end()) {
                it = spriteOf.insert(look, int(sprites.size()));
                sprites.append(QLatin1Char('"') +
                               SharePage::pngUri(figureSprite(figure, ground.width())) +
                               QLatin1Char('"'));
            }
            placed.append(QStringLiteral("[%1,%2,%3]")
                              .arg(it.value())
                              .arg(figure.position().x())
                              .arg(figure.position().y()));
        }
        frames.append(QLatin1Char('[') + placed.join(QLatin1Char(',')) + QLatin1Char(']'));
    }
    return QStringLiteral("{\"w\":%1,\"h\":%2,\"ground\":\"%3\",\"sprites\":[%4],\"frames\":[%5]}")
        .arg(ground.width())
        .arg(ground.height())
        .arg(SharePage::jpegUri(ground), sprites.join(QLatin1Char(',')),
             frames.join(QLatin1Char(',')));
}

// The ground without figures: an empty frame is added, rendered and taken away again.
QImage renderGround(TTacticsPractise& practise) {
    TFiguresAnimation& animation = practise.animation();
    animation.add(std::make_unique<TFigures>(&practise.drawingSettings()));
    practise.SetFrame(animation.count() - 1);
    const QImage ground = practise.RenderPicture();
    practise.SetFrame(0);
    animation.take(animation.count() - 1);
    return ground;
}

QString controls(const TLanguage& language, int frameCount) {
    const auto text = [](const QString& value) { return SharePage::textLines({value}); };
    const QString play = text(language.Text(QStringLiteral("sharePlay")));
    const QString pause = text(language.Text(QStringLiteral("sharePause")));
    const QString frameLabel = text(language.Text(QStringLiteral("shareFrameOf")));
    QString speeds;
    for (const auto& [value, shown] : {std::pair{"0.5", "0.5×"}, std::pair{"1", "1×"},
                                       std::pair{"2", "2×"}, std::pair{"4", "4×"}}) {
        speeds += QStringLiteral("<option value=\"%1\"%2>%3</option>")
                      .arg(QLatin1String(value),
                           QLatin1String(value) == QLatin1String("1") ? QStringLiteral(" selected")
                                                                      : QString(),
                           QString::fromUtf8(shown));
    }
    return QStringLiteral("<div class=\"controls\">\n"
                          "<button type=\"button\" class=\"main\" id=\"tp-play\" "
                          "aria-pressed=\"false\" data-play=\"%1\" data-pause=\"%2\">%1</button>\n"
                          "<button type=\"button\" id=\"tp-step\">%3</button>\n"
                          "<label>%4 <select id=\"tp-speed\">%5</select></label>\n"
                          "<label><input type=\"checkbox\" id=\"tp-smooth\" checked> %6</label>\n"
                          "<span class=\"counter\" id=\"tp-frame\" data-frame=\"0\" "
                          "data-label=\"%7\" aria-live=\"polite\">%8</span>\n"
                          "</div>\n")
        .arg(play, pause, text(language.Text(QStringLiteral("shareStep"))),
             text(language.Text(QStringLiteral("shareSpeed"))), speeds,
             text(language.Text(QStringLiteral("shareSmooth"))), frameLabel,
             QString(frameLabel)
                 .replace(QStringLiteral("%1"), QStringLiteral("1"))
                 .replace(QStringLiteral("%2"), QString::number(frameCount)));
}

// Every frame as a small picture, shown only on paper.
QString printedFrames(TTacticsPractise& practise, const TLanguage& language) {
    QString markup = QStringLiteral("<div class=\"print-only frames\">\n");
    const QString caption = language.Text(QStringLiteral("shareFrameOf"));
    const int count = practise.frameCount();
    for (int f = 0; f < count; ++f) {
        practise.SetFrame(f);
        const QImage frame = practise.RenderPicture().scaled(
            practise.pictureWidth() / 2, practise.pictureHeight() / 2, Qt::IgnoreAspectRatio,
            Qt::SmoothTransformation);
        const QString title = QString(caption)
                                  .replace(QStringLiteral("%1"), QString::number(f + 1))
                                  .replace(QStringLiteral("%2"), QString::number(count));
        markup += QStringLiteral("<figure>") +
                  SharePage::image(SharePage::jpegUri(frame), frame.size(), title,
                                   QStringLiteral("drawing")) +
                  QStringLiteral("<figcaption>") + SharePage::textLines({title}) +
                  QStringLiteral("</figcaption></figure>\n");
    }
    practise.SetFrame(0);
    return markup + QStringLiteral("</div>\n");
}

} // namespace

void addTacticsPractise(SharePage& page, TTacticsPractise& practise, const TLanguage& language,
                        const QString& name) {
    practise.setPlaying(false);
    const QImage ground = renderGround(practise);
    QList<const TFigures*> frames;
    for (int f = 0; f < practise.frameCount(); ++f)
        frames.append(practise.animation().at(f));

    page.append(QStringLiteral("<section class=\"card\" id=\"player\">\n") +
                SharePage::element(QStringLiteral("h1"), name) +
                QStringLiteral("<canvas id=\"tp-canvas\" width=\"%1\" height=\"%2\" "
                               "role=\"img\" aria-label=\"%3\"></canvas>\n")
                    .arg(ground.width())
                    .arg(ground.height())
                    .arg(SharePage::textLines({name})) +
                controls(language, practise.frameCount()) + printedFrames(practise, language) +
                legendHtml(legendEntries(nullptr, frames), practise.drawingSettings(), language));
    if (!practise.description().isEmpty())
        page.append(QStringLiteral("<p>") + SharePage::textLines(practise.description()) +
                    QStringLiteral("</p>\n"));
    page.append(QStringLiteral("</section>\n"));
    // The data block holds numbers and base64 only, so it cannot close its script early.
    page.append(QStringLiteral("<script type=\"application/json\" id=\"tp-data\">") +
                playerData(practise, ground) + QStringLiteral("</script>\n"));
    page.appendScript(tacticsPlayerScript());
}

} // namespace korvex
