#include "storage/share/PractiseShare.h"

#include "storage/TGraphicPractise.h"
#include "storage/share/DrawingLegend.h"
#include "storage/share/SharePage.h"

#include "core/Jpeg.h"

namespace korvex {

QString graphicPractiseDrawing(TGraphicPractise& practise, const TLanguage& language,
                               const QString& name) {
    const QImage picture = practise.RenderPicture();
    const QList<LegendEntry> entries = legendEntries(&practise.lines(), {&practise.figures()});
    return SharePage::image(SharePage::jpegUri(picture), picture.size(), name,
                            QStringLiteral("drawing")) +
           QStringLiteral("\n") + legendHtml(entries, practise.drawingSettings(), language);
}

QString textPractisePictures(const QList<QByteArray>& pictures, const QString& name) {
    QString markup;
    for (const QByteArray& bytes : pictures) {
        const QString uri = SharePage::jpegBytesUri(bytes);
        QImage decoded;
        // The size keeps the page from jumping while it loads; a picture that does not
        // decode would show as a broken image and is left out.
        QString reason;
        if (uri.isEmpty() || !decodeJpeg(bytes, &decoded, &reason))
            continue;
        markup += SharePage::image(uri, decoded.size(), name, QStringLiteral("photo")) +
                  QStringLiteral("\n");
    }
    return markup;
}

void addGraphicPractise(SharePage& page, TGraphicPractise& practise, const TLanguage& language,
                        const QString& name) {
    page.append(QStringLiteral("<section class=\"card\">\n") +
                SharePage::element(QStringLiteral("h1"), name) +
                graphicPractiseDrawing(practise, language, name));
    if (!practise.description().isEmpty())
        page.append(QStringLiteral("<p>") + SharePage::textLines(practise.description()) +
                    QStringLiteral("</p>\n"));
    page.append(QStringLiteral("</section>\n"));
}

void addTextPractise(SharePage& page, const QString& name, const QStringList& text,
                     const QList<QByteArray>& pictures) {
    page.append(QStringLiteral("<section class=\"card\">\n") +
                SharePage::element(QStringLiteral("h1"), name) +
                textPractisePictures(pictures, name));
    if (!text.isEmpty())
        page.append(QStringLiteral("<p>") + SharePage::textLines(text) + QStringLiteral("</p>\n"));
    page.append(QStringLiteral("</section>\n"));
}

} // namespace korvex
