// Every reader of a stored file is fed damaged copies of a valid file: each cut at a stride,
// plus single bytes and 4-byte fields overwritten from a fixed-seed generator (count
// fields set to -1, huge or half-huge values). A reader may accept a damaged file, but it
// must never crash, never allocate from a size it did not check (the sanitizer build
// catches that), and a refusal must carry an error text.

#include "BackupFolders.h"
#include "PractiseFixture.h"

#include "core/Jpeg.h"
#include "core/SettingsCipher.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "storage/BackupKinds.h"
#include "storage/FullBackup.h"
#include "storage/KindBackup.h"
#include "storage/TCardPractise.h"
#include "storage/TDiary.h"
#include "storage/TGraphicPractise.h"
#include "storage/TTacticsPractise.h"
#include "storage/TTextPractise.h"
#include "storage/TTrainingPlan.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <functional>
#include <random>
#include <string>

#include <gtest/gtest.h>

using namespace korvex;
using namespace korvex::test;

namespace {

struct Mutant {
    QByteArray bytes;
    std::string what;
};

void putInt32(QByteArray& bytes, qsizetype offset, quint32 value) {
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// The damaged copies of `valid`: about `cuts` truncations, then `changes` overwrites. For
// files small enough every offset gets its int32 set to -1 and 0x7FFFFFFF; larger files get
// that at a stride. The seed is fixed so a failure repeats.
QList<Mutant> mutantsOf(const QByteArray& valid, int cuts, int changes) {
    QList<Mutant> out;
    const qsizetype size = valid.size();
    const qsizetype cutStride = std::max<qsizetype>(1, size / cuts);
    for (qsizetype length = 0; length < size; length += cutStride)
        out.append({valid.left(length), "cut to " + std::to_string(length)});
    out.append({valid.left(size - 1), "cut to " + std::to_string(size - 1)});

    static constexpr quint32 kFieldValues[] = {0xFFFFFFFFu, 0x7FFFFFFFu, 0x40000000u, 0x80000000u,
                                               0x00010000u, 0x000F4240u, 0xFFFFFFFEu, 0u};
    const qsizetype fieldStride = std::max<qsizetype>(1, size / std::max(1, changes / 2));
    for (qsizetype at = 0; at + 4 <= size; at += fieldStride)
        for (quint32 value : {0xFFFFFFFFu, 0x7FFFFFFFu}) {
            Mutant m{valid, "int32 at " + std::to_string(at) + " = " + std::to_string(value)};
            putInt32(m.bytes, at, value);
            out.append(m);
        }

    std::mt19937 random(20261208u);
    for (int i = 0; i < changes && size >= 4; ++i) {
        Mutant m{valid, {}};
        if (i % 2 == 0) {
            const qsizetype at = std::uniform_int_distribution<qsizetype>(0, size - 1)(random);
            const int value = std::uniform_int_distribution<int>(0, 255)(random);
            m.bytes[at] = static_cast<char>(value);
            m.what = "byte at " + std::to_string(at) + " = " + std::to_string(value);
        } else {
            const qsizetype at = std::uniform_int_distribution<qsizetype>(0, size - 4)(random);
            const quint32 value = kFieldValues[std::uniform_int_distribution<int>(0, 7)(random)];
            putInt32(m.bytes, at, value);
            m.what = "int32 at " + std::to_string(at) + " = " + std::to_string(value);
        }
        out.append(m);
    }
    return out;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(path.left(path.lastIndexOf(QLatin1Char('/'))));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Loads `bytes`; true on success, otherwise false with the reader's error text.
using Loader = std::function<bool(const QByteArray& bytes, QString* error)>;

void attack(const char* reader, const QByteArray& valid, const Loader& load, int cuts = 40,
            int changes = 120) {
    ASSERT_GT(valid.size(), 8) << reader;
    QString error;
    ASSERT_TRUE(load(valid, &error)) << reader << ": the undamaged file: " << error.toStdString();
    int silent = 0;
    for (const Mutant& m : mutantsOf(valid, cuts, changes)) {
        error.clear();
        if (!load(m.bytes, &error) && error.trimmed().isEmpty()) {
            ADD_FAILURE() << reader << ": " << m.what << " refused without an error text";
            if (++silent == 5)
                return;
        }
    }
}

QByteArray jpegOf(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return encodeJpeg(image);
}

QString joined(const QStringList& lines) {
    return lines.join(QLatin1Char('\n'));
}

// Items of every kind written by their own classes, for the team readers and backups.
class HostileFiles : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        const QString scratch = root() + QStringLiteral("/Photos");
        QDir().mkpath(scratch);
        QDir().mkpath(root() + QStringLiteral("/TextPractises/Skating/Edges"));
        ASSERT_TRUE(
            saveBytes(scratch + QStringLiteral("/0.jpg"), jpegOf(24, 16, qRgb(0, 90, 200))));
        ASSERT_TRUE(saveBytes(scratch + QStringLiteral("/1.jpg"), jpegOf(10, 30, qRgb(200, 0, 0))));
        TTextPractise text(root(), QStringLiteral("TextPractises"), scratch);
        text.setFormatVersion(141);
        text.text = {QStringLiteral("Crossovers"), QStringLiteral("both ways, žluťoučký")};
        text.keywords = {QStringLiteral("edges"), QStringLiteral("speed")};
        ASSERT_TRUE(text.Save(textStem())) << text.errorString().toStdString();

        TTrainingPlan plan(root(), QStringLiteral("TrainingPlans"), false);
        plan.setFormatVersion(141);
        QDir().mkpath(root() + QStringLiteral("/TrainingPlans/TrainingPlanCategory/U18"));
        plan.paths = {QStringLiteral("TextPractises\\Skating\\Edges\\t.tmp")};
        plan.items.append(TPractisesData{{}, {}, {}, QStringLiteral("10"), QStringLiteral("t")});
        plan.description = {QStringLiteral("Monday ice")};
        plan.date = QStringLiteral("8.12.2026");
        plan.time = QStringLiteral("17:00");
        plan.heading.place = QStringLiteral("Hall");
        plan.heading.aim = {QStringLiteral("speed")};
        TTextData block;
        block.number = QStringLiteral("1");
        block.contains = {QStringLiteral("warm up")};
        plan.textBlocks.append(block);
        plan.setTeam(QStringLiteral("U18"));
        ASSERT_TRUE(plan.Save(planStem())) << plan.errorString().toStdString();

        // The archived plan keeps each practise's description and picture.
        TTrainingPlan archived(root(), QStringLiteral("TrainingPlans"), true);
        archived.setFormatVersion(141);
        QDir().mkpath(root() + QStringLiteral("/TrainingPlans/Archive/U18"));
        archived.paths = plan.paths;
        TPractisesData item{
            {}, {}, {QStringLiteral("x")}, QStringLiteral("5"), QStringLiteral("t")};
        ASSERT_TRUE(item.picture.setBytes(jpegOf(16, 16, qRgb(0, 0, 255))));
        archived.items.append(item);
        archived.evaluation = {QStringLiteral("went well")};
        archived.heading = plan.heading;
        archived.textBlocks = plan.textBlocks;
        ASSERT_TRUE(archived.Save(archiveStem())) << archived.errorString().toStdString();

        TCardPractise cards;
        cards.setLocation(root(), QStringLiteral("PlayerCards"));
        cards.setArchive(QStringLiteral("PlayerArchive"), QStringLiteral("Archive"));
        ASSERT_TRUE(cards.createTeam(141, QStringLiteral("U18")));
        cards.addEntry(TCardPractise::makeRecord(
                           {QStringLiteral("Dvořák"), QStringLiteral("Jan"), QStringLiteral("17")}),
                       {QStringLiteral("fast"), QStringLiteral("left")});
        cards.addEntry(TCardPractise::makeRecord({QStringLiteral("Bílý")}), {});
        ASSERT_TRUE(cards.saveTeam()) << cards.errorString().toStdString();
        QDir().mkpath(root() + QStringLiteral("/PlayerCards/PlayerArchive"));
        ASSERT_TRUE(cards.saveOneCard(0, cards.archiveFilePath()));
        ASSERT_TRUE(cards.saveOneCard(1, oneCardPath()));

        TDiary diary;
        diary.setLocation(root(), QStringLiteral("Diaries"));
        ASSERT_TRUE(diary.createTeam(141, QStringLiteral("U18")));
        diary.addEntry(TDiary::makeRecord(QStringLiteral("1.9."), QStringLiteral("Start")),
                       {QStringLiteral("edges")});
        diary.addEntry(TDiary::makeRecord(QStringLiteral("2.9."), QStringLiteral("Passing")), {});
        ASSERT_TRUE(diary.saveTeam()) << diary.errorString().toStdString();
        QDir(scratch).removeRecursively();
    }

    QString root() const { return dir.path() + QStringLiteral("/source"); }
    QString textStem() const { return root() + QStringLiteral("/TextPractises/Skating/Edges/t"); }
    QString planStem() const {
        return root() + QStringLiteral("/TrainingPlans/TrainingPlanCategory/U18/Monday");
    }
    QString archiveStem() const { return root() + QStringLiteral("/TrainingPlans/Archive/U18/12"); }
    QString oneCardPath() const { return dir.path() + QStringLiteral("/one.cmp"); }
    QString target() const { return dir.path() + QStringLiteral("/target"); }

    // Restores a kind backup of `kind` into an empty installation at target().
    Loader kindRestorer(BackupKind kind) const {
        return [this, kind](const QByteArray& bytes, QString* error) {
            QDir(target()).removeRecursively();
            QBuffer buffer;
            buffer.setData(bytes);
            buffer.open(QIODevice::ReadOnly);
            RestoreOptions options;
            options.root = target();
            options.extension = kindExtension(kind);
            options.style = restoreStyleOf(kind);
            options.rewrite = defaultItemRewriter(kind, foldersAt(target()));
            const RestoreReport report =
                restoreKindBackup(&buffer, QStringLiteral("hostile.bak"), options);
            *error = report.error.isEmpty() ? joined(report.summary()) : report.error;
            return report.ok();
        };
    }

    QTemporaryDir dir;
};

TEST(HostileFilesDrawing, GraphicAndTacticsPractisesSurviveDamage) {
    Installation inst;
    const QString scratch = inst.graphicStem("scratch");
    // Each practise is loaded from hand-made bytes and written by the practise itself; the
    // written file is the one damaged.
    auto written = [&](TGraphicPractise& practise, const QString& stem, const QString& extension,
                       const QByteArray& bytes) {
        writeAll(stem + extension, bytes);
        EXPECT_TRUE(practise.Load(stem)) << practise.errorString().toStdString();
        practise.setModified(true);
        EXPECT_TRUE(practise.Save(stem)) << practise.errorString().toStdString();
        return readAll(stem + extension);
    };
    auto loader = [](TGraphicPractise& practise, const QString& stem, const QString& extension) {
        return [&practise, stem, extension](const QByteArray& bytes, QString* error) {
            QFile file(stem + extension);
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                return false;
            file.close();
            const bool ok = practise.Load(stem);
            *error = practise.errorString();
            return ok;
        };
    };

    TGraphicPractise graphic(*inst.settings, inst.language);
    const QString gmp = QStringLiteral(".gmp");
    const QByteArray drawing =
        le32(141) + streamStrings({"Drill", "two lines"}) + streamStrings({"pass"}) + le32(2) +
        figureRecord(0, 150, 210, 0, "7") + figureRecord(11, 500, 100, 0, "Go") + le32(1) +
        redLineRecord() + bytes({0}) + streamString("Rink") + numberSet({7, 9}) + numberSet({});
    attack("graphic", written(graphic, inst.graphicStem("a"), gmp, drawing),
           loader(graphic, scratch, gmp));

    const QByteArray jpeg = jpegOf(40, 30, qRgb(10, 120, 30));
    const QByteArray ownGround = le32(135) + streamStrings({}) + streamStrings({"key"}) + le32(1) +
                                 figureRecord(1, 60, 70, 0, "4") + le32(0) + bytes({2}) +
                                 streamString("") + numberSet({}) + numberSet({3}) +
                                 le64(jpeg.size()) + jpeg;
    attack("graphic with its own ground", written(graphic, inst.graphicStem("b"), gmp, ownGround),
           loader(graphic, scratch, gmp));

    // The old drawing layout of pixel positions.
    const QByteArray older = le32(101) + streamStrings({"old"}) + streamStrings({}) + le32(1) +
                             bytes({1}) + le32(100) + le32(140) + bytes({0}) + streamString("4") +
                             le32(1) + le32(15) + le32(0) + bytes({0, 0, 0, 0}) + le32(1) +
                             le32(2) + bytes({0, 0, 0, 0}) + le32(10) + le32(20) + le32(200) +
                             le32(20) + streamString("Rink") + numberSet({}) + numberSet({4});
    attack("graphic of the old layout", older, loader(graphic, scratch, gmp), 20, 60);

    TTacticsPractise tactics(*inst.settings, inst.language);
    const QString tac = QStringLiteral(".tac");
    const QByteArray frames = le32(141) + streamStrings({"Break out"}) + streamStrings({}) +
                              le32(2) + le32(2) + figureRecord(0, 100, 100, 0, "1") +
                              figureRecord(1, 300, 100, 0, "4") + le32(1) +
                              figureRecord(0, 200, 100, 0, "1") + streamString("Rink");
    attack("tactics", written(tactics, inst.tacticsStem("a"), tac, frames),
           loader(tactics, inst.tacticsStem("scratch"), tac));
}

TEST_F(HostileFiles, TextPractisesAndPlansSurviveDamage) {
    TTextPractise text(root(), QStringLiteral("TextPractises"), root() + QStringLiteral("/Photos"));
    const QString textFile = textStem() + QStringLiteral("x.tmp");
    attack("text practise", readAll(textStem() + QStringLiteral(".tmp")),
           [&](const QByteArray& bytes, QString* error) {
               if (!writeFile(textFile, bytes))
                   return false;
               const bool ok = text.Load(textStem() + QStringLiteral("x"));
               *error = text.errorString();
               return ok;
           });

    for (const bool archive : {false, true}) {
        TTrainingPlan plan(root(), QStringLiteral("TrainingPlans"), archive);
        const QString stem = archive ? archiveStem() : planStem();
        const QString extension = archive ? QStringLiteral(".pamp") : QStringLiteral(".pmp");
        const QString scratch = stem + QStringLiteral("x");
        attack(archive ? "archived plan" : "plan", readAll(stem + extension),
               [&](const QByteArray& bytes, QString* error) {
                   if (!writeFile(scratch + extension, bytes))
                       return false;
                   const bool ok = plan.Load(scratch);
                   *error = plan.errorString();
                   return ok;
               });
    }
}

TEST_F(HostileFiles, TeamFilesSurviveDamage) {
    TCardPractise cards;
    cards.setLocation(root(), QStringLiteral("PlayerCards"));
    cards.setArchive(QStringLiteral("PlayerArchive"), QStringLiteral("Archive"));
    TDiary diary;
    diary.setLocation(root(), QStringLiteral("Diaries"));
    auto teamLoader = [](TTeamRecords& team) {
        return [&team](const QByteArray& bytes, QString* error) {
            QBuffer buffer;
            buffer.setData(bytes);
            buffer.open(QIODevice::ReadOnly);
            const bool ok = team.read(&buffer, QStringLiteral("hostile"), true);
            *error = team.errorString();
            return ok;
        };
    };
    attack("cards", readAll(cards.teamFilePath(QStringLiteral("U18"))), teamLoader(cards));
    attack("diary", readAll(diary.teamFilePath(QStringLiteral("U18"))), teamLoader(diary));

    // A one-card file merged into an open team.
    ASSERT_TRUE(cards.loadTeam(QStringLiteral("U18")));
    const QString single = dir.path() + QStringLiteral("/hostile.cmp");
    attack("one card", readAll(oneCardPath()), [&](const QByteArray& bytes, QString* error) {
        if (!writeFile(single, bytes))
            return false;
        const bool ok = cards.importCardFile(single);
        *error = cards.errorString();
        while (cards.count() > 2)
            cards.deleteEntry(cards.count() - 1);
        return ok;
    });
}

TEST_F(HostileFiles, KindBackupsSurviveDamage) {
    const InstallationFolders folders = foldersAt(root());
    for (const BackupKind kind : {BackupKind::Text, BackupKind::Plans, BackupKind::Cards}) {
        const QString file = dir.path() + QStringLiteral("/kind") + kindBackupExtension(kind);
        QString error;
        ASSERT_TRUE(writeKindBackup(root(), backupWalkFolder(kind, folders), kindExtension(kind),
                                    141, file, &error))
            << error.toStdString();
        const QByteArray valid = readAll(file);
        attack(backupKindName(kind).toUtf8().constData(), valid, kindRestorer(kind), 16, 40);

        // The listing reads the same records without writing.
        int silent = 0;
        for (const Mutant& m : mutantsOf(valid, 50, 100)) {
            QBuffer buffer;
            buffer.setData(m.bytes);
            buffer.open(QIODevice::ReadOnly);
            qint32 version = 0;
            QList<BackupRecordInfo> records;
            error.clear();
            if (!listKindBackup(&buffer, QStringLiteral("x"), &version, &records, &error) &&
                error.isEmpty() && ++silent < 5)
                ADD_FAILURE() << "listing: " << m.what << " refused without an error text";
        }
    }
}

TEST_F(HostileFiles, FullBackupRestoreSurvivesDamage) {
    const QString file = dir.path() + QStringLiteral("/all.abp");
    QString error;
    ASSERT_TRUE(writeFullBackup(foldersAt(root()), file, &error)) << error.toStdString();
    const QString damaged = dir.path() + QStringLiteral("/damaged.abp");
    attack(
        "full backup", readAll(file),
        [&](const QByteArray& bytes, QString* text) {
            QDir(target()).removeRecursively();
            if (!writeFile(damaged, bytes))
                return false;
            const FullRestoreReport report = restoreFullBackup(foldersAt(target()), damaged);
            *text = report.error.isEmpty() ? joined(report.summary()) : report.error;
            // Temporary files never outlive the restore.
            for (const QString& temp : fullBackupTemporaryFiles(damaged))
                EXPECT_FALSE(QFile::exists(temp));
            return report.ok();
        },
        16, 30);
}

TEST(HostileFilesSettings, LanguageAndSettingsFilesSurviveDamage) {
    QTemporaryDir dir;
    const QDir root(dir.path());
    root.mkpath(QStringLiteral("Language"));
    TLanguage language(dir.path(), QStringLiteral("Language"));
    const QString languageFile = root.filePath(QStringLiteral("Language/Hostile.txt"));
    const QByteArray table = "AboutName=Korvex\r\nGCCenterError=Picture too large\r\n"
                             "; a remark\r\nPractiseMiss=Missing: \xC5\xBE\xC3\xA1k\r\n"
                             "shtPractise=practise\r\n\r\nEmpty=\r\n";
    attack("language", table, [&](const QByteArray& bytes, QString* error) {
        if (!writeFile(languageFile, bytes))
            return false;
        const bool ok = language.LoadLanguage(QStringLiteral("Hostile"));
        *error = language.errorString();
        return ok;
    });

    const QByteArray settingsText =
        "Version=141\r\nVersionText=1.41\r\nGMSaveDir=GraphicPractises\r\n"
        "TXSaveDir=TextPractises\r\nTPSaveDir=TrainingPlans\r\nDMSaveDir=Documents\r\n"
        "CPSaveDir=PlayerCards\r\nDRSaveDir=Diaries\r\nTCSaveDir=Tactics\r\n"
        "PlayerArchiveSaveDir=PlayerArchive\r\nPlayCourtSaveDir=Playgrounds\r\n"
        "PhotosSaveDir=Photos\r\nLanguageOpenDir=Language\r\nPictureOpenDir=Pictures\r\n";
    const QString plain = root.filePath(QStringLiteral("plain.txt"));
    ASSERT_TRUE(writeFile(plain, "Language=English\r\nFormSize=1\r\nCountPlayers=-1\r\n"
                                 "IndexOfGroundLine=4\r\nRink\r\n"));
    const QString def = root.filePath(QStringLiteral("Settings.def"));
    const QString txt = root.filePath(QStringLiteral("Settings.txt"));
    ASSERT_TRUE(cipherSettingsFile(plain, def));
    ASSERT_TRUE(writeFile(txt, settingsText));
    const QByteArray cipher = readAll(def);
    auto settingsLoader = [&](const QString& path) {
        return [&, path](const QByteArray& bytes, QString* error) {
            if (!writeFile(path, bytes))
                return false;
            TSettings settings(dir.path());
            settings.setSaveOnDestroy(false);
            const bool ok = settings.Load();
            *error = settings.errorString();
            return ok;
        };
    };
    attack("enciphered settings", cipher, settingsLoader(def));
    ASSERT_TRUE(writeFile(def, cipher));
    attack("settings text", settingsText, settingsLoader(txt));
}

} // namespace
