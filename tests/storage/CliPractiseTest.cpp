// korvex-cli info and render against the installation the build lays out (build/bin).
#include "CliRunner.h"
#include "PractiseFixture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace korvex::test;

namespace {

QByteArray practise141() {
    // The description holds every character JSON has to escape, and two-byte letters.
    return le32(141) +
           streamStrings({"Drill", "\"2\" \\ \t\n\x01 \xC3\x9C"
                                   "bung"}) +
           streamStrings({"speed"}) + le32(1) + figureRecord(0, 150, 210, 0, "7") + le32(1) +
           redLineRecord() + bytes({0}) + streamString("Rink") + numberSet({7, 9}) + numberSet({2});
}

} // namespace

TEST(CliPractise, InfoDescribesGraphicAndTacticsPractises) {
    QTemporaryDir tmp;
    const QString gmp = tmp.filePath(QStringLiteral("p.gmp"));
    writeAll(gmp, practise141());
    CliRun run = cli({QStringLiteral("info"), gmp});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject info = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(info.value(QStringLiteral("version")).toInt(), 141);
    EXPECT_EQ(info.value(QStringLiteral("description")).toArray().at(1).toString(),
              QStringLiteral("\"2\" \\ \t\n\x01 \u00DCbung"));
    EXPECT_EQ(info.value(QStringLiteral("keywords")).toArray().at(0).toString(),
              QStringLiteral("speed"));
    const QJsonObject figure = info.value(QStringLiteral("figures")).toArray().at(0).toObject();
    EXPECT_EQ(figure.value(QStringLiteral("x")).toInt(), 150);
    EXPECT_EQ(figure.value(QStringLiteral("y")).toInt(), 210);
    EXPECT_EQ(figure.value(QStringLiteral("text")).toString(), QStringLiteral("7"));
    const QJsonObject line = info.value(QStringLiteral("lines")).toArray().at(0).toObject();
    EXPECT_EQ(line.value(QStringLiteral("controlPoints")).toArray().at(1).toArray(),
              QJsonArray({400, 302}));
    EXPECT_EQ(line.value(QStringLiteral("pathPoints")).toInt(), 455);
    EXPECT_EQ(
        line.value(QStringLiteral("setting")).toObject().value(QStringLiteral("colour")).toInt(),
        0xFF);
    EXPECT_EQ(info.value(QStringLiteral("numbersB")).toArray(), QJsonArray({7, 9}));
    EXPECT_EQ(info.value(QStringLiteral("numbersA")).toArray(), QJsonArray({2}));
    EXPECT_FALSE(info.value(QStringLiteral("pictureEmbedded")).toBool());

    const QString tac = tmp.filePath(QStringLiteral("t.tac"));
    writeAll(tac, le32(141) + streamStrings({}) + streamStrings({}) + le32(2) + le32(1) +
                      figureRecord(0, 100, 100, 0, "1") + le32(0) + streamString("Rink"));
    run = cli({QStringLiteral("info"), tac});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonArray frames =
        QJsonDocument::fromJson(run.out).object().value(QStringLiteral("frames")).toArray();
    ASSERT_EQ(frames.size(), 2);
    EXPECT_EQ(frames.at(1).toArray().size(), 0);
}

TEST(CliPractise, RenderPaintsWithTheInstalledPictures) {
    QTemporaryDir tmp;
    const QString gmp = tmp.filePath(QStringLiteral("p.gmp"));
    writeAll(gmp, practise141());
    const QString png = tmp.filePath(QStringLiteral("p.png"));
    CliRun run = cli({QStringLiteral("render"), gmp, png});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QImage large(png);
    ASSERT_EQ(large.size(), QSize(675, 420));
    EXPECT_EQ(large.pixel(250, 302), qRgb(255, 0, 0));

    run = cli({QStringLiteral("render"), gmp, png, QStringLiteral("--small")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QImage(png).size(), QSize(450, 280));
}

TEST(CliPractise, PrintWritesAPdfPageAndRefusesWhatItCannotPrint) {
    QTemporaryDir tmp;
    const QString gmp = tmp.filePath(QStringLiteral("Drill.gmp"));
    writeAll(gmp, practise141());
    const QString pdf = tmp.filePath(QStringLiteral("Drill.pdf"));
    CliRun run = cli({QStringLiteral("print"), gmp, pdf});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("%PDF"));

    EXPECT_EQ(cli({QStringLiteral("print"), gmp, tmp.filePath(QStringLiteral("x.png"))}).exitCode,
              1);
    EXPECT_EQ(cli({QStringLiteral("print"), tmp.filePath(QStringLiteral("x.abc")), pdf}).exitCode,
              1);
    EXPECT_EQ(cli({QStringLiteral("print"), gmp, pdf, QStringLiteral("--list")}).exitCode, 1);
    EXPECT_EQ(cli({QStringLiteral("print"), gmp}).exitCode, 2);
}

TEST(CliPractise, ClearErrorsAndExitCodes) {
    QTemporaryDir tmp;
    const QString bad = tmp.filePath(QStringLiteral("broken.gmp"));
    writeAll(bad, practise141().left(30));
    for (const QString& command : {QStringLiteral("info"), QStringLiteral("render")}) {
        QStringList args{command, bad};
        if (command == QLatin1String("render"))
            args << tmp.filePath(QStringLiteral("out.png"));
        const CliRun run = cli(args);
        EXPECT_EQ(run.exitCode, 1) << command.toStdString();
        EXPECT_TRUE(run.err.contains("broken.gmp")) << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(tmp.filePath(QStringLiteral("out.png"))));

    const QString newer = tmp.filePath(QStringLiteral("newer.gmp"));
    writeAll(newer, le32(150) + QByteArray(20, '\0'));
    CliRun run = cli({QStringLiteral("info"), newer});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("150"));

    EXPECT_EQ(cli({QStringLiteral("info")}).exitCode, 2);
    EXPECT_EQ(cli({QStringLiteral("render"), bad}).exitCode, 2);
    EXPECT_EQ(cli({QStringLiteral("render"), bad, QStringLiteral("x.png"), QStringLiteral("--big")})
                  .exitCode,
              2);
    EXPECT_EQ(cli({QStringLiteral("info"), tmp.filePath(QStringLiteral("missing.gmp"))}).exitCode,
              1);
    EXPECT_EQ(cli({QStringLiteral("info"), tmp.filePath(QStringLiteral("x.txt"))}).exitCode, 1);
}
