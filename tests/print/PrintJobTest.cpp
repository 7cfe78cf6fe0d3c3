// Print jobs into PDF files, and the graphic practise page.
#include "print/GraphicPractisePrint.h"
#include "print/PageLayout.h"
#include "print/PrintToPdf.h"
#include "print/RecordingCanvas.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace korvex;

namespace {

int pdfPageCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QString text = QString::fromLatin1(file.readAll());
    return static_cast<int>(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
}

TEST(PrintJob, PdfPagesAndFailedJobsKeepThePreviousFile) {
    QTemporaryDir tmp;
    const QString pdf = tmp.filePath(QStringLiteral("plan.pdf"));
    QString error;
    const PrintBody threePages = [](PageCanvas& canvas, QString&) {
        PageLayout layout(canvas);
        for (int page = 0; page < 3; ++page) {
            if (page > 0)
                canvas.newPage();
            layout.PrintCentred(QStringLiteral("Page %1").arg(page + 1), 18.8, 1, 1);
        }
        EXPECT_EQ(canvas.pageIndex(), 2);
        return true;
    };
    ASSERT_TRUE(printToPdf(pdf, QStringLiteral("Korvex - Plan"), threePages, &error))
        << error.toStdString();
    EXPECT_EQ(pdfPageCount(pdf), 3);

    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    const PrintBody missingPicture = [](PageCanvas& canvas, QString& failure) {
        canvas.drawText(1, 1, QStringLiteral("half a page"));
        failure = QStringLiteral("Drill.jpg cannot be read");
        return false;
    };
    EXPECT_FALSE(printToPdf(pdf, QStringLiteral("Korvex - Plan"), missingPicture, &error));
    EXPECT_EQ(error, QStringLiteral("Drill.jpg cannot be read"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);

    EXPECT_FALSE(printToPdf(tmp.filePath(QStringLiteral("missing/folder/x.pdf")),
                            QStringLiteral("x"), threePages, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(PrintJob, GraphicPractisePagePlacesPictureNameAndDescription) {
    RecordingCanvas canvas;
    PageLayout layout(canvas);
    QStringList description;
    for (int i = 0; i < 30; ++i)
        description.append(QStringLiteral("Skate to the blue line and back, line %1").arg(i));
    printGraphicPractise(layout, QImage(675, 420, QImage::Format_RGB32), QStringLiteral("Drill"),
                         description);
    ASSERT_EQ(canvas.images.size(), 1);
    EXPECT_EQ(canvas.images.at(0).box, QRectF(QPointF(1, 1), QPointF(9, 5.58)));
    const RecordingCanvas::Text* name = canvas.find(QStringLiteral("Drill"));
    ASSERT_NE(name, nullptr);
    EXPECT_TRUE(name->bold);
    EXPECT_DOUBLE_EQ(name->x, 10.5);
    // Beside the picture down to offset 5.83, then at full width below it.
    const RecordingCanvas::Text& first = canvas.texts.at(1);
    EXPECT_DOUBLE_EQ(first.x, 10.5);
    EXPECT_DOUBLE_EQ(first.y, 1.7);
    EXPECT_DOUBLE_EQ(first.points, 9);
    bool fullWidthSeen = false;
    for (int i = 1; i < canvas.texts.size(); ++i) {
        const RecordingCanvas::Text& line = canvas.texts.at(i);
        const bool besidePicture = line.y - 1.7 < 5.83 - 1e-9;
        EXPECT_DOUBLE_EQ(line.x, besidePicture ? 10.5 : 1.0) << i;
        fullWidthSeen = fullWidthSeen || !besidePicture;
    }
    EXPECT_TRUE(fullWidthSeen);
    EXPECT_EQ(canvas.pageCount(), 1);
}

} // namespace
