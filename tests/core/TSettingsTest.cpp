#include "core/TSettings.h"
#include "core/SafeSave.h"
#include "core/SettingsCipher.h"

#include <QDir>
#include <QFile>
#include <QSize>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace korvex;

namespace {

const QStringList kInstallation = {
    QStringLiteral("Version=141"),
    QStringLiteral("VersionText=1.41"),
    QStringLiteral("GMSaveDir=Graphic"),
    QStringLiteral("TXSaveDir=Text"),
    QStringLiteral("TPSaveDir=Plans"),
    QStringLiteral("DMSaveDir=Documents"),
    QStringLiteral("CPSaveDir=Cards"),
    QStringLiteral("DRSaveDir=Diaries"),
    QStringLiteral("TCSaveDir=Tactics"),
    QStringLiteral("PlayerArchiveSaveDir=PlayerArchive"),
    QStringLiteral("PlayCourtSaveDir=Rinks"),
    QStringLiteral("PhotosSaveDir=Photos"),
    QStringLiteral("LanguageOpenDir=Language"),
    QStringLiteral("PictureOpenDir=Pictures"),
};

// An installation in a temporary folder: Settings.txt and the enciphered Settings.def.
class Installation {
public:
    explicit Installation(const QStringList& def, const QStringList& txt = kInstallation) {
        EXPECT_TRUE(saveTextLines(path("Settings.txt"), txt));
        writeDef(def);
    }
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
    QString root() const { return dir.path(); }
    void writeDef(const QStringList& lines) const {
        EXPECT_TRUE(saveTextLines(path("plain"), lines));
        EXPECT_TRUE(cipherSettingsFile(path("plain"), path("Settings.def")));
        QFile::remove(path("plain"));
    }
    QStringList readDef() const {
        EXPECT_TRUE(cipherSettingsFile(path("Settings.def"), path("plain")));
        QStringList lines;
        EXPECT_TRUE(loadTextLines(path("plain"), &lines));
        QFile::remove(path("plain"));
        return lines;
    }
    QByteArray defBytes() const {
        QFile f(path("Settings.def"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir;
};

QStringList L(std::initializer_list<const char*> lines) {
    QStringList list;
    for (const char* line : lines)
        list.append(QString::fromUtf8(line));
    return list;
}

} // namespace

TEST(TSettings, LoadInsertsCountPlayersAndSaveWritesItBack) {
    Installation inst(
        L({"Language=English", "FormSize=0", "IndexOfGroundLine=3", "Rink", "HalfRink"}));
    {
        TSettings settings(inst.root());
        ASSERT_TRUE(settings.Load()) << settings.errorString().toStdString();
        EXPECT_FALSE(QFile::exists(inst.path("Settings.set")));
        EXPECT_EQ(settings.defLines().at(2), QStringLiteral("CountPlayers=1"));
        EXPECT_EQ(settings.IndexOfGroundLine(), 4);
        EXPECT_TRUE(settings.CountPlayers());
        EXPECT_EQ(settings.selectedRinks(), L({"Rink", "HalfRink"}));
        EXPECT_EQ(settings.Language(), QStringLiteral("English"));
        EXPECT_EQ(settings.Version(), 141);
        EXPECT_EQ(settings.GMSaveDir(), QStringLiteral("Graphic"));
        EXPECT_EQ(settings.PlayerArchiveSaveDir(), QStringLiteral("PlayerArchive"));
        // The stored form size is read back: the window starts as small as it was left.
        EXPECT_EQ(settings.FormSize(), 0);
        EXPECT_EQ(settings.RinkWidth(), 450);
        settings.SetFormSize(1);
        EXPECT_TRUE(QDir(inst.path("Photos")).exists());
        ASSERT_TRUE(settings.Save()) << settings.errorString().toStdString();
        EXPECT_FALSE(QFile::exists(inst.path("Settings.set")));
    }
    EXPECT_EQ(inst.readDef(), L({"Language=English", "FormSize=1", "CountPlayers=-1",
                                 "IndexOfGroundLine=4", "Rink", "HalfRink"}));

    // The destructor saves: small size, no numbering, no rinks.
    {
        TSettings settings(inst.root());
        ASSERT_TRUE(settings.Load());
        settings.SetFormSize(0);
        settings.setCountPlayers(false);
        settings.setSelectedRinks({});
    }
    EXPECT_EQ(inst.readDef(),
              L({"Language=English", "FormSize=0", "CountPlayers=0", "IndexOfGroundLine=4"}));
    EXPECT_FALSE(QFile::exists(inst.path("Settings.set")));
    QStringList txt;
    ASSERT_TRUE(loadTextLines(inst.path("Settings.txt"), &txt));
    EXPECT_EQ(txt, kInstallation);

    TSettings again(inst.root());
    ASSERT_TRUE(again.Load());
    again.setSaveOnDestroy(false);
    EXPECT_EQ(again.FormSize(), 0);
    EXPECT_EQ(again.RinkHeight(), 280);
    EXPECT_FALSE(again.CountPlayers());
    EXPECT_TRUE(again.selectedRinks().isEmpty());
}

TEST(TSettings, EmptyLanguageAndMissingKeysKeepTheRinkLinesInPlace) {
    Installation inst(
        L({"language=German", "CountPlayers=0", "IndexOfGroundLine=3", "Rink", "Odd=Name"}));
    {
        TSettings settings(inst.root());
        ASSERT_TRUE(settings.Load());
        EXPECT_EQ(settings.Language(), QStringLiteral("German")); // keys ignore letter case
        EXPECT_FALSE(settings.CountPlayers());
        // Rink lines are names even when they hold "=".
        EXPECT_EQ(settings.selectedRinks(), L({"Rink", "Odd=Name"}));
        settings.setLanguage(QString());
    }
    // The empty value keeps its line; the missing FormSize goes before the rinks.
    const QStringList saved = inst.readDef();
    EXPECT_EQ(saved, L({"language=", "CountPlayers=0", "IndexOfGroundLine=4", "FormSize=1", "Rink",
                        "Odd=Name"}));
    TSettings settings(inst.root());
    ASSERT_TRUE(settings.Load());
    settings.setSaveOnDestroy(false);
    EXPECT_TRUE(settings.Language().isEmpty());
    EXPECT_EQ(settings.selectedRinks(), L({"Rink", "Odd=Name"}));
}

TEST(TSettings, BadFilesFailWithAClearMessageAndChangeNothing) {
    struct Case {
        const char* what;
        QStringList def;
        QStringList txt;
        const char* expected;
    };
    const QStringList good = L({"Language=English", "CountPlayers=-1", "IndexOfGroundLine=3"});
    QStringList badFolder = kInstallation;
    badFolder[2] = QStringLiteral("GMSaveDir=..\\outside");
    QStringList noVersion = kInstallation;
    noVersion[0] = QStringLiteral("Version=abc");
    const Case cases[] = {
        {"version", good, noVersion, "Version"},
        {"index", L({"Language=English", "IndexOfGroundLine=three"}), kInstallation,
         "IndexOfGroundLine"},
        {"index too big", L({"Language=English", "IndexOfGroundLine=9"}), kInstallation,
         "IndexOfGroundLine"},
        {"folder", good, badFolder, "GMSaveDir"},
    };
    for (const Case& c : cases) {
        Installation inst(c.def, c.txt);
        const QByteArray before = inst.defBytes();
        {
            TSettings settings(inst.root());
            EXPECT_FALSE(settings.Load()) << c.what;
            EXPECT_TRUE(settings.errorString().contains(QLatin1String(c.expected)))
                << c.what << ": " << settings.errorString().toStdString();
        }
        EXPECT_FALSE(QFile::exists(inst.path("Settings.set"))) << c.what;
        EXPECT_EQ(inst.defBytes(), before) << c.what; // a failed load is never saved
    }

    Installation inst(good);
    QFile::remove(inst.path("Settings.def"));
    TSettings missing(inst.root());
    EXPECT_FALSE(missing.Load());
    EXPECT_TRUE(missing.errorString().contains(QStringLiteral("Settings.def")));
    EXPECT_FALSE(QFile::exists(inst.path("Settings.def")));

    // A file enciphered with another key deciphers to noise: no index, a clear error.
    Installation foreign(good);
    QFile plain(foreign.path("Settings.def"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.write("\x13\x37garbage\xff\x00\x01", 12);
    plain.close();
    TSettings noise(foreign.root());
    EXPECT_FALSE(noise.Load());
    EXPECT_FALSE(noise.errorString().isEmpty());

    QFile::remove(foreign.path("Settings.txt"));
    foreign.writeDef(good);
    TSettings noTxt(foreign.root());
    EXPECT_FALSE(noTxt.Load());
    EXPECT_TRUE(noTxt.errorString().contains(QStringLiteral("Settings.txt")));
    EXPECT_FALSE(QFile::exists(foreign.path("Settings.set")));
}

TEST(TSettings, LastSelectionsSurviveARestartAndBadValuesMeanTheFirstEntries) {
    Installation inst(L({"Language=English", "Selection2=1,x,3", "Selection5=-4,2",
                         "IndexOfGroundLine=4", "Rink"}));
    {
        TSettings settings(inst.root());
        ASSERT_TRUE(settings.Load());
        EXPECT_EQ(settings.rememberedIndex(2, 0), 1);
        EXPECT_EQ(settings.rememberedIndex(2, 1), 0);
        EXPECT_EQ(settings.rememberedIndex(2, 2), 3);
        for (int level = 0; level < 3; ++level)
            EXPECT_EQ(settings.rememberedIndex(5, level), 0) << level;
        settings.setRememberedIndex(1, 0, 2);
        settings.setRememberedIndex(1, 2, 7);
        settings.setRememberedIndex(2, 0, 0);
        settings.setRememberedIndex(2, 2, 0);
    }
    // A selection at the first entries writes no line unless the file had one already.
    EXPECT_EQ(inst.readDef(),
              L({"Language=English", "Selection2=0,0,0", "CountPlayers=-1", "Selection5=0,0,0",
                 "IndexOfGroundLine=7", "FormSize=1", "Selection1=2,0,7", "Rink"}));
    TSettings again(inst.root());
    ASSERT_TRUE(again.Load());
    again.setSaveOnDestroy(false);
    EXPECT_EQ(again.rememberedIndex(1, 0), 2);
    EXPECT_EQ(again.rememberedIndex(1, 2), 7);
    EXPECT_EQ(again.selectedRinks(), L({"Rink"}));
}

TEST(TSettings, RunTimeStateAndSelectors) {
    TSettings settings;
    EXPECT_EQ(settings.CurrentMode(), 1);
    for (int list = 0; list < TSettings::ReloadListCount; ++list)
        EXPECT_TRUE(settings.reloadNeeded(static_cast<TSettings::ReloadList>(list)));

    settings.SetFormSize(0);
    EXPECT_EQ(QSize(settings.WindowWidth(), settings.WindowHeight()), QSize(772, 656));
    EXPECT_EQ(QSize(settings.RinkWidth(), settings.RinkHeight()), QSize(450, 280));
    settings.SetFormSize(7); // stored, sizes unchanged
    EXPECT_EQ(settings.FormSize(), 7);
    EXPECT_EQ(settings.RinkWidth(), 450);

    // The plan and archive copies are picked by the selector; others do nothing.
    settings.setPlanSelector(TSettings::Plans);
    settings.setTPTeamIndex(2);
    settings.setTPPlanIndex(5);
    settings.setPlanReloadNeeded(false);
    settings.setPlanSelector(TSettings::Archive);
    EXPECT_EQ(settings.TPTeamIndex(), 0);
    EXPECT_TRUE(settings.planReloadNeeded());
    settings.setTPTeamIndex(1);
    settings.setPlanSelector(TSettings::Plans);
    EXPECT_EQ(settings.TPTeamIndex(), 2);
    EXPECT_EQ(settings.TPPlanIndex(), 5);
    EXPECT_FALSE(settings.reloadNeeded(TSettings::TrainingPlanList));
    settings.setPlanSelector(9);
    settings.setTPTeamIndex(4);
    EXPECT_EQ(settings.TPTeamIndex(-1), -1);
    settings.setPlanSelector(TSettings::Archive);
    EXPECT_EQ(settings.TPTeamIndex(), 1);

    settings.setRememberedIndex(1, 2, 8);
    settings.setRememberedIndex(1, 3, 9); // no such level
    EXPECT_EQ(settings.rememberedIndex(1, 2), 8);
    EXPECT_EQ(settings.rememberedIndex(2, 2), 0);
    EXPECT_EQ(settings.rememberedIndex(12, 0, -1), -1);
}

TEST(TSettings, ShippedInstallationLoads) {
    // The runtime tree of the build: copies, so the test never rewrites it.
    QTemporaryDir tmp;
    for (const char* name : {"Settings.def", "Settings.txt"})
        ASSERT_TRUE(QFile::copy(QStringLiteral(KORVEX_APP_DIR "/") + QLatin1String(name),
                                tmp.filePath(QLatin1String(name))));
    TSettings settings(tmp.path());
    settings.setSaveOnDestroy(false);
    ASSERT_TRUE(settings.Load()) << settings.errorString().toStdString();
    EXPECT_EQ(settings.Version(), 141);
    EXPECT_EQ(settings.Language(), QStringLiteral("English"));
    EXPECT_TRUE(settings.CountPlayers());
    EXPECT_EQ(settings.selectedRinks(), L({"Rink", "HalfRink", "IceSheet"}));
    const QDir app(QStringLiteral(KORVEX_APP_DIR));
    for (const QString& folder :
         {settings.GMSaveDir(), settings.TXSaveDir(), settings.TPSaveDir(), settings.DMSaveDir(),
          settings.CPSaveDir(), settings.DRSaveDir(), settings.TCSaveDir(),
          settings.PlayCourtSaveDir(), settings.PhotosSaveDir(), settings.LanguageOpenDir(),
          settings.PictureOpenDir()})
        EXPECT_TRUE(app.exists(folder)) << folder.toStdString();
}
