// korvex-cli print of a text practise takes the pictures from the file itself.
#include "CliRunner.h"
#include "RecordFixtures.h"

#include "core/Jpeg.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace korvex;
using namespace korvex::test;

TEST(TextPractiseCli, PrintWritesAPdfAndNamesADamagedPicture) {
    QTemporaryDir tmp;
    QImage image(120, 90, QImage::Format_RGB32);
    image.fill(qRgb(20, 120, 60));
    const QByteArray good = encodeJpeg(image);
    for (const QByteArray& picture : {good, good.left(20)}) {
        const QString practise = tmp.filePath(QStringLiteral("Edges.tmp"));
        ASSERT_TRUE(writeFile(practise, le32(141) + streamStrings({"Weave."}) + le32(1) +
                                            le64(picture.size()) + picture + streamStrings({})));
        const QString pdf =
            tmp.filePath(picture == good ? QStringLiteral("Good.pdf") : QStringLiteral("Bad.pdf"));
        const CliRun run = cli({QStringLiteral("print"), practise, pdf});
        EXPECT_EQ(run.exitCode, picture == good ? 0 : 1) << run.err.toStdString();
        EXPECT_EQ(run.err.contains("picture 1"), picture != good);
    }
    EXPECT_TRUE(readFile(tmp.filePath(QStringLiteral("Good.pdf"))).startsWith("%PDF"));
}
