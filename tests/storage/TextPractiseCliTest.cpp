// korvex-cli print of a text practise: the pictures come from the file itself.
#include "CliRunner.h"
#include "RecordFixtures.h"

#include "core/Jpeg.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace korvex;
using namespace korvex::test;

namespace {

TEST(TextPractiseCli, PrintWritesAPdfAndNamesADamagedPicture) {
    QTemporaryDir tmp;
    QImage image(120, 90, QImage::Format_RGB32);
    image.fill(qRgb(20, 120, 60));
    const QByteArray picture = encodeJpeg(image);
    const QString practise = tmp.filePath(QStringLiteral("Edges.tmp"));
    ASSERT_TRUE(writeFile(practise, le32(141) + streamStrings({"Weave through the cones."}) +
                                        le32(2) + le64(picture.size()) + picture +
                                        le64(picture.size()) + picture + streamStrings({"edges"})));
    const QString pdf = tmp.filePath(QStringLiteral("Edges.pdf"));
    CliRun run = cli({QStringLiteral("print"), practise, pdf});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(readFile(pdf).startsWith("%PDF"));

    const QString damaged = tmp.filePath(QStringLiteral("Broken.tmp"));
    ASSERT_TRUE(writeFile(damaged, le32(141) + streamStrings({"x"}) + le32(1) + le64(20) +
                                       picture.left(20) + streamStrings({})));
    run = cli({QStringLiteral("print"), damaged, tmp.filePath(QStringLiteral("Broken.pdf"))});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("picture 1")) << run.err.toStdString();
    EXPECT_EQ(cli({QStringLiteral("print"), practise, pdf, QStringLiteral("--small")}).exitCode, 1);
}

} // namespace
