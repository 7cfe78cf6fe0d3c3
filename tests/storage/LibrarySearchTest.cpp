// The library search: folding, matching, following saves, renames and deletions, and
// checking hits against the files.
#include "CliRunner.h"
#include "SearchFixture.h"

#include "storage/ItemFiles.h"
#include "storage/search/LibraryIndex.h"
#include "storage/search/LibraryNotify.h"
#include "storage/search/SearchText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>

#include <gtest/gtest.h>

using namespace korvex;
using namespace korvex::test;

namespace {

QStringList names(const QList<LibraryHit>& hits) {
    QStringList list;
    for (const LibraryHit& hit : hits)
        list.append(hit.entry.name);
    return list;
}

// Forwards the item notifications to an index, as the window's search does.
struct IndexListener : LibraryListener {
    explicit IndexListener(LibraryIndex& index) : index(index) { setLibraryListener(this); }
    ~IndexListener() override { setLibraryListener(nullptr); }
    void itemWritten(const QString& file) override { index.update(file); }
    void itemRemoved(const QString& file) override { index.remove(file); }
    LibraryIndex& index;
};

class LibrarySearch : public ::testing::Test {
protected:
    void SetUp() override {
        writeAll(inst.graphicStem("Čára útoku") + QStringLiteral(".gmp"),
                 graphicFile({QStringLiteral("Rychlý přechod do pásma")},
                             {QStringLiteral("Übung, Angriff")}));
        writeAll(inst.graphicStem("Warm up") + QStringLiteral(".gmp"),
                 graphicFile({QStringLiteral("Skating in circles")}, {QStringLiteral("skating")}));
        writeAll(inst.tacticsStem("Powerplay") + QStringLiteral(".tac"),
                 tacticsFile({QStringLiteral("Box formation")}, {QStringLiteral("special teams")}));
        ASSERT_TRUE(writeTextPractiseAt(
            inst.path(QStringLiteral("TextPractises/Off/Ice/Shooting.tmp")),
            {QStringLiteral("Wrist shots from the slot")}, {QStringLiteral("shooting")}));
        ASSERT_TRUE(writePlanAt(inst.path(QStringLiteral("TrainingPlans/TrainingPlanCategory/"
                                                         "U15/Monday.pmp")),
                                false, {}, {}, {}, {QStringLiteral("Circles and shooting")}));
        // Frozen archive copies are not library items.
        ASSERT_TRUE(writePlanAt(inst.path(QStringLiteral("TrainingPlans/Archive/U15/1.pamp")), true,
                                {}, {}, {}, {QStringLiteral("Circles and shooting")}));
        index = LibraryIndex(LibraryIndex::rootsOf(*inst.settings));
        index.rebuild();
    }

    Installation inst;
    LibraryIndex index;
};

} // namespace

TEST(SearchText, FoldsCaseAccentsAndSharpS) {
    EXPECT_EQ(foldForSearch(QStringLiteral("Čára")), QStringLiteral("cara"));
    EXPECT_EQ(foldForSearch(QStringLiteral("ÜBUNG")), QStringLiteral("ubung"));
    EXPECT_EQ(foldForSearch(QStringLiteral("Straße")), QStringLiteral("strasse"));
    EXPECT_EQ(searchWords(QStringLiteral("Přechod-do pásma, 2x3!")),
              QStringList({QStringLiteral("prechod"), QStringLiteral("do"), QStringLiteral("pasma"),
                           QStringLiteral("2x3")}));
    EXPECT_TRUE(searchWords(QStringLiteral(" ,;- ")).isEmpty());
}

TEST_F(LibrarySearch, FindsEveryKindByNameDescriptionAndKeyword) {
    EXPECT_EQ(index.count(), 5); // the archived copy is left out
    EXPECT_EQ(names(index.query(QStringLiteral("cara"))),
              QStringList{QStringLiteral("Čára útoku")});
    EXPECT_EQ(names(index.query(QStringLiteral("PASMA"))),
              QStringList{QStringLiteral("Čára útoku")});
    EXPECT_EQ(names(index.query(QStringLiteral("ubung"))),
              QStringList{QStringLiteral("Čára útoku")});
    EXPECT_EQ(names(index.query(QStringLiteral("box"))), QStringList{QStringLiteral("Powerplay")});
    EXPECT_EQ(names(index.query(QStringLiteral("special"))),
              QStringList{QStringLiteral("Powerplay")});
    EXPECT_EQ(names(index.query(QStringLiteral("wrist"))), QStringList{QStringLiteral("Shooting")});
    // Prefixes; all words required; kinds listed graphic, tactics, text, plan.
    EXPECT_EQ(names(index.query(QStringLiteral("circ"))),
              QStringList({QStringLiteral("Warm up"), QStringLiteral("Monday")}));
    EXPECT_EQ(names(index.query(QStringLiteral("circ shoot"))),
              QStringList{QStringLiteral("Monday")});
    EXPECT_TRUE(index.query(QStringLiteral("circ hockeyball")).isEmpty());
    EXPECT_TRUE(index.query(QStringLiteral("  ")).isEmpty());

    const QList<LibraryHit> hits = index.query(QStringLiteral("Sho wri"));
    ASSERT_EQ(hits.size(), 1);
    EXPECT_EQ(hits.first().entry.kind, ItemKind::TextPractise);
    EXPECT_EQ(hits.first().entry.category, QStringLiteral("Off"));
    EXPECT_EQ(hits.first().entry.subcategory, QStringLiteral("Ice"));
    EXPECT_EQ(hits.first().matchedWords,
              QStringList(
                  {QStringLiteral("shooting"), QStringLiteral("shots"), QStringLiteral("wrist")}));
}

TEST_F(LibrarySearch, FollowsSavesRenamesAndDeletionsAtOnce) {
    IndexListener listener(index);
    // A text practise saved with a new keyword is found by it.
    ASSERT_TRUE(writeTextPractiseAt(inst.path(QStringLiteral("TextPractises/Off/Ice/Shooting.tmp")),
                                    {QStringLiteral("Wrist shots")}, {QStringLiteral("backhand")}));
    EXPECT_EQ(names(index.query(QStringLiteral("backh"))), QStringList{QStringLiteral("Shooting")});

    // Renamed: found under the new name only.
    ASSERT_TRUE(renameItemFiles(ItemKind::TextPractise,
                                inst.path(QStringLiteral("TextPractises/Off/Ice/Shooting")),
                                inst.path(QStringLiteral("TextPractises/Off/Ice/Snipers"))));
    EXPECT_EQ(names(index.query(QStringLiteral("backhand"))),
              QStringList{QStringLiteral("Snipers")});
    EXPECT_EQ(names(index.query(QStringLiteral("shooting"))),
              QStringList{QStringLiteral("Monday")});

    // Copied: both are found; deleted: the copy is gone.
    const QString copy = inst.path(QStringLiteral("TextPractises/Off/Ice/Copy"));
    ASSERT_TRUE(copyItemFiles(ItemKind::TextPractise,
                              inst.path(QStringLiteral("TextPractises/Off/Ice/Snipers")), copy));
    EXPECT_EQ(index.query(QStringLiteral("backhand")).size(), 2);
    ASSERT_TRUE(deleteItemFiles(ItemKind::TextPractise, copy));
    EXPECT_EQ(names(index.query(QStringLiteral("backhand"))),
              QStringList{QStringLiteral("Snipers")});

    // A graphic practise's whole file set removed: no longer found.
    writeAll(inst.graphicStem("Warm up") + QStringLiteral(".jpg"), "x");
    writeAll(inst.graphicStem("Warm up") + QStringLiteral("Small.jpg"), "x");
    deleteItemFiles(ItemKind::GraphicPractise, inst.graphicStem("Warm up"));
    EXPECT_TRUE(index.query(QStringLiteral("warm")).isEmpty());
}

TEST_F(LibrarySearch, ChecksHitsAgainstTheFiles) {
    // Removed behind the index's back: the hit is dropped and forgotten.
    QFile::remove(inst.tacticsStem("Powerplay") + QStringLiteral(".tac"));
    EXPECT_TRUE(index.query(QStringLiteral("box")).isEmpty());
    EXPECT_FALSE(index.contains(inst.tacticsStem("Powerplay") + QStringLiteral(".tac")));
    // A dropped first hit makes room for the next one within the limit.
    int total = 0;
    ASSERT_EQ(index.query(QStringLiteral("circ"), 1, &total).size(), 1);
    EXPECT_EQ(total, 2);
    QFile::copy(inst.graphicStem("Warm up") + QStringLiteral(".gmp"),
                inst.path(QStringLiteral("kept.gmp")));
    QFile::remove(inst.graphicStem("Warm up") + QStringLiteral(".gmp"));
    EXPECT_EQ(names(index.query(QStringLiteral("circ"), 1)), QStringList{QStringLiteral("Monday")});
    QFile::rename(inst.path(QStringLiteral("kept.gmp")),
                  inst.graphicStem("Warm up") + QStringLiteral(".gmp"));
    index.update(inst.graphicStem("Warm up") + QStringLiteral(".gmp"));

    // Changed behind its back: read again before it is answered.
    const QString warmUp = inst.graphicStem("Warm up") + QStringLiteral(".gmp");
    QThread::msleep(20);
    writeAll(warmUp, graphicFile({QStringLiteral("Crossovers only")}, {}));
    QFile file(warmUp);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime);
    file.close();
    EXPECT_TRUE(index.query(QStringLiteral("skating")).isEmpty());
    EXPECT_EQ(names(index.query(QStringLiteral("crossovers"))),
              QStringList{QStringLiteral("Warm up")});
}

TEST_F(LibrarySearch, SkipsDamagedFilesAndFilesOutsideTheLibrary) {
    IndexListener listener(index);
    const QString broken = inst.graphicStem("Broken") + QStringLiteral(".gmp");
    // A description count far beyond the file's end, and a file cut inside its version.
    writeAll(broken, le32(141) + le32(0x7fffffff));
    index.update(broken);
    writeAll(inst.graphicStem("Short") + QStringLiteral(".gmp"), "\x8d");
    index.rebuild();
    EXPECT_EQ(index.count(), 5);
    EXPECT_FALSE(index.contains(broken));

    // A practise file outside the three levels of a mode folder is not an item.
    const QString loose = inst.path(QStringLiteral("GraphicPractises/Loose.gmp"));
    writeAll(loose, graphicFile({QStringLiteral("stray")}, {}));
    notifyItemWritten(loose);
    EXPECT_TRUE(index.query(QStringLiteral("stray")).isEmpty());
}

TEST_F(LibrarySearch, CliPrintsHitsAsJson) {
    const CliRun run = cli({QStringLiteral("search"), inst.dir.path(), QStringLiteral("Cara")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonArray hits = QJsonDocument::fromJson(run.out).array();
    ASSERT_EQ(hits.size(), 1);
    const QJsonObject hit = hits.at(0).toObject();
    EXPECT_EQ(hit.value(QStringLiteral("kind")).toString(), QStringLiteral("graphic"));
    EXPECT_EQ(hit.value(QStringLiteral("path")).toString(),
              QStringLiteral("GraphicPractises\\Cat\\Sub\\Čára útoku.gmp"));
    EXPECT_EQ(hit.value(QStringLiteral("matched")).toArray(), QJsonArray({QStringLiteral("cara")}));
    EXPECT_EQ(cli({QStringLiteral("search"), inst.dir.path()}).exitCode, 2);
}
