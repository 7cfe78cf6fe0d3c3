// The HTML pages, the ZIP archive and their picture folders.
#include "PractiseFixture.h"

#include "core/Jpeg.h"
#include "storage/GraphicPractiseExport.h"
#include "storage/HtmlPage.h"
#include "storage/TGraphicPractise.h"
#include "storage/TTrainingPlan.h"
#include "storage/TextPractiseHtml.h"
#include "storage/TrainingPlanHtml.h"
#include "storage/ZipLibrary.h"

#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <zip.h>

#include <gtest/gtest.h>

using namespace korvex;
using namespace korvex::test;

namespace {

// A template whose nine head lines and tail are easy to find.
void writeTemplate(const Installation& inst) {
    QDir().mkpath(inst.path(QStringLiteral("Data")));
    writeAll(inst.path(QStringLiteral("Data/Html.txt")),
             "h0\nh1\nh2\nh3\nh4\nh5\nh6\nh7\n<main>\n</main>\n</html>\n");
}

QStringList pageLines(const QString& path) {
    QStringList lines = QString::fromUtf8(readAll(path)).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

int countMatching(const QStringList& lines, const QString& pattern) {
    const QRegularExpression re(pattern);
    int n = 0;
    for (const QString& line : lines)
        n += re.match(line).hasMatch() ? 1 : 0;
    return n;
}

QStringList filesBelow(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(folder).relativeFilePath(it.next()));
    files.sort();
    return files;
}

QByteArray jpegOfSize(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return encodeJpeg(image);
}

class ExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeTemplate(inst);
        practise = std::make_unique<TGraphicPractise>(*inst.settings, inst.language);
        practise->setCategory(QStringLiteral("Cat"));
        practise->setSubcategory(QStringLiteral("Sub"));
        practise->setName(QStringLiteral("Breakout <2 & 1> \"Žluťoučký\""));
        practise->setGroundName(QStringLiteral("Rink"));
        practise->description() = {QStringLiteral("<5 min & go"), QStringLiteral("Überzahl")};
        QDir().mkpath(out());
    }
    QString out(const QString& name = {}) const { return inst.path(QStringLiteral("out/") + name); }

    Installation inst;
    std::unique_ptr<TGraphicPractise> practise;
};

TEST_F(ExportTest, GraphicPageEscapesEveryTextAndIsUtf8AfterTheTemplateHead) {
    QString error;
    ASSERT_TRUE(writeGraphicPractiseHtml(*practise, inst.dir.path(),
                                         out(QStringLiteral("P q.html")), &error))
        << error.toStdString();
    const QStringList lines = pageLines(out(QStringLiteral("P q.html")));
    ASSERT_GE(lines.size(), 12);
    EXPECT_EQ(lines.mid(0, 9).join(QLatin1Char(',')),
              QStringLiteral("h0,h1,h2,h3,h4,h5,h6,h7,<main>"));
    EXPECT_EQ(lines[9],
              QStringLiteral("<p align=\"left\"><b><font size=\"4\" color=\"red\">Breakout "
                             "&lt;2 &amp; 1&gt; &quot;Žluťoučký&quot;</font></b></p>"));
    EXPECT_TRUE(lines.contains(QStringLiteral("&lt;5 min &amp; go<br>")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Überzahl<br>")));
    EXPECT_EQ(lines.mid(lines.size() - 2),
              QStringList({QStringLiteral("</main>"), QStringLiteral("</html>")}));
    // The folder name is percent-encoded in the link; the picture is the rendered practise.
    EXPECT_EQ(countMatching(lines, QStringLiteral("src=\"P%20q/Picture\\.jpg\"")), 1);
    QImage picture;
    ASSERT_TRUE(decodeJpeg(readAll(out(QStringLiteral("P q/Picture.jpg"))), &picture, nullptr));
    EXPECT_EQ(picture.size(), QSize(675, 420));
}

TEST_F(ExportTest, ZipLeavesOnlyTheArchiveAndNeverTouchesTheCoachsFiles) {
    // The coach's own page and pictures of the same name beside the target stay as they are.
    writeAll(out(QStringLiteral("P.html")), "mine");
    QDir().mkpath(out(QStringLiteral("P")));
    writeAll(out(QStringLiteral("P/Holiday.jpg")), "photo");
    QString error;
    ASSERT_TRUE(
        writeGraphicPractiseZip(*practise, inst.dir.path(), out(QStringLiteral("P.zip")), &error))
        << error.toStdString();
    EXPECT_EQ(filesBelow(out()), QStringList({QStringLiteral("P.html"), QStringLiteral("P.zip"),
                                              QStringLiteral("P/Holiday.jpg")}));
    EXPECT_EQ(readAll(out(QStringLiteral("P.html"))), QByteArray("mine"));

    int code = 0;
    zip_t* archive =
        zip_open(QFile::encodeName(out(QStringLiteral("P.zip"))).constData(), ZIP_RDONLY, &code);
    ASSERT_NE(archive, nullptr);
    QStringList entries;
    for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i)
        entries.append(QString::fromUtf8(zip_get_name(archive, i, 0)));
    zip_stat_t stat;
    zip_stat_init(&stat);
    ASSERT_EQ(zip_stat(archive, "P/Picture.jpg", 0, &stat), 0);
    EXPECT_GT(stat.size, 1000u);
    zip_close(archive);
    entries.sort();
    EXPECT_EQ(entries, QStringList({QStringLiteral("P.html"), QStringLiteral("P/Picture.jpg")}));

    // Any extension names the archive; an existing archive is replaced.
    ASSERT_TRUE(
        writeGraphicPractiseZip(*practise, inst.dir.path(), out(QStringLiteral("Q.html")), &error));
    ASSERT_TRUE(
        writeGraphicPractiseZip(*practise, inst.dir.path(), out(QStringLiteral("Q.zip")), &error));
    EXPECT_TRUE(QFileInfo::exists(out(QStringLiteral("Q.zip"))));
    EXPECT_FALSE(QFileInfo::exists(out(QStringLiteral("Q.html"))));
}

TEST(ZipLibraryLoading, TheProgramsStartWithoutItAndTheExportLoadsIt) {
    // libzip (and the libcrypto it brings) is not among what the programs load to start.
    const QString objdump = QStandardPaths::findExecutable(QStringLiteral("objdump"));
    if (objdump.isEmpty())
        GTEST_SKIP() << "objdump is needed to read the programs' dynamic sections";
    for (const char* program : {"korvex", "korvex-cli"}) {
        QProcess dump;
        dump.start(objdump, {QStringLiteral("-p"),
                             QStringLiteral(KORVEX_APP_DIR "/") + QLatin1String(program)});
        ASSERT_TRUE(dump.waitForFinished(30000));
        const QByteArray headers = dump.readAllStandardOutput();
        ASSERT_TRUE(headers.contains("NEEDED")) << program;
        EXPECT_FALSE(headers.contains("libzip")) << program;
    }
    QString error;
    const ZipLibrary* zip = zipLibrary(&error);
    ASSERT_NE(zip, nullptr) << error.toStdString();
    EXPECT_NE(zip->open, nullptr);
    EXPECT_EQ(zipLibrary(&error), zip); // loaded once
}

TEST_F(ExportTest, MissingTemplateAndBlockedFolderAreErrorsThatNameTheFile) {
    QFile::remove(inst.path(QStringLiteral("Data/Html.txt")));
    QString error;
    EXPECT_FALSE(writeGraphicPractiseHtml(*practise, inst.dir.path(), out(QStringLiteral("A.html")),
                                          &error));
    EXPECT_TRUE(error.contains(QStringLiteral("Html.txt"))) << error.toStdString();
    writeTemplate(inst);
    writeAll(out(QStringLiteral("B")), "a file where the picture folder would go");
    EXPECT_FALSE(writeGraphicPractiseHtml(*practise, inst.dir.path(), out(QStringLiteral("B.html")),
                                          &error));
    EXPECT_TRUE(error.contains(QStringLiteral("B"))) << error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(out(QStringLiteral("B.html"))));
}

TEST_F(ExportTest, TextPageFitsLargePicturesAndCopiesSmallOnesUnchanged) {
    const QByteArray small = jpegOfSize(300, 200, qRgb(0, 128, 0));
    const QStringList sources = {out(QStringLiteral("a.jpg")), out(QStringLiteral("b.jpg")),
                                 out(QStringLiteral("c.jpg"))};
    writeAll(sources[0], small);
    writeAll(sources[1], jpegOfSize(800, 300, qRgb(0, 0, 200)));
    writeAll(sources[2], jpegOfSize(400, 300, qRgb(200, 0, 0)));
    QString error;
    ASSERT_TRUE(writeTextPractiseHtml(QStringLiteral("Skating <fast>"), {QStringLiteral("a & b")},
                                      sources, inst.dir.path(), out(QStringLiteral("T.html")),
                                      &error))
        << error.toStdString();
    const QStringList lines = pageLines(out(QStringLiteral("T.html")));
    EXPECT_EQ(countMatching(lines, QStringLiteral("^<img .*width=\"400\" height=\"300\"")), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(countMatching(lines, QStringLiteral("src=\"T/%1\\.jpg\"").arg(i)), 1) << i;
    EXPECT_TRUE(lines.contains(QStringLiteral("a &amp; b<br>")));
    EXPECT_EQ(readAll(out(QStringLiteral("T/0.jpg"))), small);
    EXPECT_EQ(readAll(out(QStringLiteral("T/2.jpg"))), readAll(sources[2]));
    // 800 x 300 fitted into 400 x 300: 400 x 150, centred on white.
    QImage fitted;
    ASSERT_TRUE(decodeJpeg(readAll(out(QStringLiteral("T/1.jpg"))), &fitted, nullptr));
    EXPECT_EQ(fitted.size(), QSize(400, 300));
    EXPECT_GT(qGray(fitted.pixel(200, 30)), 240);
    EXPECT_GT(qBlue(fitted.pixel(200, 150)), 150);

    // A damaged picture is named, not skipped silently.
    writeAll(sources[1], "not a picture");
    EXPECT_FALSE(writeTextPractiseHtml(QStringLiteral("T"), {}, sources, inst.dir.path(),
                                       out(QStringLiteral("U.html")), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("b.jpg"))) << error.toStdString();
}

class PlanExportTest : public ExportTest {
protected:
    void SetUp() override {
        ExportTest::SetUp();
        language.setLines(
            {QStringLiteral("printArchiveHeadLine=Training unit"),
             QStringLiteral("printDate=Date:"), QStringLiteral("lblTPTime=Time:"),
             QStringLiteral("printName=Name:"), QStringLiteral("printTime=Time:"),
             QStringLiteral("printEvaluate=Evaluation:"), QStringLiteral("printPlace=Place:"),
             QStringLiteral("printAim=Aim:"), QStringLiteral("printNote=Note:"),
             QStringLiteral("printContent=Content"), QStringLiteral("lblTPTXNumber=Block"),
             QStringLiteral("printNoteShort=Note")});
        QDir().mkpath(inst.path(QStringLiteral("TextPractises/Cat/Sub")));
        writeAll(inst.graphicStem("G") + QStringLiteral(".jpg"),
                 jpegOfSize(675, 420, qRgb(9, 9, 9)));
        // A picture beside a text practise is not the practise's: text practises have none.
        writeAll(inst.path(QStringLiteral("TextPractises/Cat/Sub/T.jpg")), jpegOfSize(10, 10, 0));
    }
    TPractisesData item(const char* name, const char* time) {
        TPractisesData data;
        data.name = QString::fromUtf8(name);
        data.time = QString::fromUtf8(time);
        data.description = {QStringLiteral("go & stop")};
        return data;
    }
    TLanguage language;
};

TEST_F(PlanExportTest, PlanPageLinksOnlyThePicturesItHas) {
    TTrainingPlan plan(inst.dir.path(), QStringLiteral("TrainingPlans"), false);
    plan.setName(QStringLiteral("Monday"));
    plan.paths = {QStringLiteral("TextPractises\\Cat\\Sub\\T.tmp"),
                  QStringLiteral("GraphicPractises\\Cat\\Sub\\G.gmp")};
    plan.items = {item("T", "10"), item("G", "15")};
    plan.date = QStringLiteral("1.2.2027");
    // A stale picture of an earlier export must not be linked for the text practise.
    QDir().mkpath(out(QStringLiteral("Plan")));
    writeAll(out(QStringLiteral("Plan/0.jpg")), "stale");
    QString error;
    ASSERT_TRUE(writeTrainingPlanHtml(plan, language, inst.dir.path(),
                                      out(QStringLiteral("Plan.html")), PlanPage::Short, &error))
        << error.toStdString();
    const QStringList lines = pageLines(out(QStringLiteral("Plan.html")));
    EXPECT_EQ(countMatching(lines, QStringLiteral("<img ")), 1);
    EXPECT_EQ(countMatching(lines, QStringLiteral("src=\"Plan/1\\.jpg\"")), 1);
    EXPECT_FALSE(QFileInfo::exists(out(QStringLiteral("Plan/0.jpg"))));
    EXPECT_EQ(readAll(out(QStringLiteral("Plan/1.jpg"))),
              readAll(inst.graphicStem("G") + QStringLiteral(".jpg")));
    EXPECT_TRUE(lines.contains(QStringLiteral("<td width=\"30%\"><b>Date:</b> 1.2.2027</td>")));
    EXPECT_EQ(countMatching(lines, QStringLiteral("<b>Name:</b> G<br>")), 1);
    EXPECT_EQ(countMatching(lines, QStringLiteral("^go &amp; stop<br>$")), 2);
    EXPECT_EQ(countMatching(lines, QStringLiteral("Aim:")), 0);
}

TEST_F(PlanExportTest, FullPageOfAnArchivedPlanHasHeadingNotesAndEvaluation) {
    QDir().mkpath(inst.path(QStringLiteral("TrainingPlans/Archive/Team")));
    TTrainingPlan plan(inst.dir.path(), QStringLiteral("TrainingPlans"), true);
    plan.setCategory(QStringLiteral("Archive"));
    plan.setSubcategory(QStringLiteral("Team"));
    plan.setName(QStringLiteral("12"));
    plan.heading.place = QStringLiteral("Arena <B>");
    plan.description = {QStringLiteral("first"), QStringLiteral("second")};
    TTextData note;
    note.number = QStringLiteral("1");
    note.contains = {QStringLiteral("warm-up"), QStringLiteral("stretching")};
    plan.textBlocks.append(note);
    TPractisesData withPicture = item("G", "15");
    withPicture.picture.setImage(QImage(40, 30, QImage::Format_RGB32));
    plan.items = {withPicture, item("T", "10")};
    plan.evaluation = {QStringLiteral("good"), QStringLiteral("tired")};
    QString error;
    ASSERT_TRUE(writeTrainingPlanHtml(plan, language, inst.dir.path(),
                                      out(QStringLiteral("A.html")), PlanPage::Full, &error))
        << error.toStdString();
    const QStringList lines = pageLines(out(QStringLiteral("A.html")));
    EXPECT_TRUE(lines.contains(QStringLiteral("<tr><td><b>Place:</b> Arena &lt;B&gt;</td></tr>")));
    // The aim is empty: only its label line.
    EXPECT_TRUE(lines.contains(QStringLiteral("<b>Aim:</b> <br>")));
    EXPECT_TRUE(lines.contains(QStringLiteral("<b>Note:</b> first<br>")));
    EXPECT_TRUE(lines.contains(QStringLiteral("<b>Content:</b> warm-up<br>")));
    EXPECT_TRUE(lines.contains(QStringLiteral("stretching<br>")));
    EXPECT_EQ(countMatching(lines, QStringLiteral("Note:</b>")), 1); // the empty notes are left out
    EXPECT_EQ(countMatching(lines, QStringLiteral("src=\"A/0\\.jpg\"")), 1);
    EXPECT_EQ(countMatching(lines, QStringLiteral("<img ")), 1);
    const int evaluation = lines.indexOf(QStringLiteral("<b>Evaluation:</b> good<br>"));
    ASSERT_GT(evaluation, 0);
    EXPECT_EQ(lines[evaluation + 1], QStringLiteral("tired<br>"));
}

TEST(HtmlTemplate, TheShippedTemplateDeclaresUtf8AndEndsItsHeadOnTheNinthLine) {
    QStringList lines;
    ASSERT_TRUE(loadTextLines(QStringLiteral(KORVEX_APP_DIR "/Data/Html.txt"), &lines));
    ASSERT_GT(lines.size(), kHtmlHeadLines);
    const QString head = lines.mid(0, kHtmlHeadLines).join(QLatin1Char('\n'));
    EXPECT_TRUE(head.contains(QStringLiteral("<meta charset=\"utf-8\">")));
    EXPECT_TRUE(head.contains(QStringLiteral("name=\"viewport\"")));
    EXPECT_TRUE(head.contains(QStringLiteral("@media print")));
    EXPECT_TRUE(lines[kHtmlHeadLines - 1].endsWith(QStringLiteral("<body><main>")));
    EXPECT_TRUE(lines.last().contains(QStringLiteral("</html>")));
}

} // namespace
