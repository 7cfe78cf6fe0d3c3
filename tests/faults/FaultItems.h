#pragma once

// The items the fault tests save: a small installation (optionally copied onto another
// file system), a graphic practise, a plan, a team file of cards or diary records and a
// graphic backup with its restore.

#include "FaultSupport.h"
#include "storage/PractiseFixture.h"

#include "core/Paths.h"
#include "storage/BackupKinds.h"
#include "storage/KindBackup.h"
#include "storage/PractiseRewriters.h"
#include "storage/TCardPractise.h"
#include "storage/TDiary.h"
#include "storage/TGraphicPractise.h"
#include "storage/TrainingPlanFile.h"

namespace korvex::test {

class FaultInstallation {
public:
    // The installation in its own temporary folder, or copied into `root`.
    explicit FaultInstallation(const QString& root = {}) {
        m_root = root.isEmpty() ? m_base.dir.path() : root;
        if (!root.isEmpty()) {
            EXPECT_TRUE(copyTree(m_base.dir.path(), root));
            settings = std::make_unique<TSettings>(root);
            settings->setSaveOnDestroy(false);
            EXPECT_TRUE(settings->Load()) << settings->errorString().toStdString();
        }
        QDir(m_root).mkpath(QStringLiteral("TrainingPlans/TrainingPlanCategory/U18"));
    }
    TSettings& theSettings() { return settings ? *settings : *m_base.settings; }
    TLanguage& language() { return m_base.language; }
    QString path(const QString& relative) const { return joinPath(m_root, relative); }
    QString root() const { return m_root; }
    QString graphicStem(const char* name) const {
        return path(QStringLiteral("GraphicPractises/Cat/Sub/") + QString::fromUtf8(name));
    }

private:
    Installation m_base;
    QString m_root;
    std::unique_ptr<TSettings> settings;
};

// A drill of `figures` players and a line, saved at `stem`; a failure's reason in `error`.
inline bool saveDrill(FaultInstallation& inst, const QString& stem, int figures,
                      QString* error = nullptr) {
    TGraphicPractise practise(inst.theSettings(), inst.language());
    practise.setGroundName(QStringLiteral("Rink"));
    practise.loadStandardGround();
    for (int i = 0; i < figures; ++i) {
        auto figure = std::make_unique<TFigure>(practise.figures().settings());
        figure->setKind(static_cast<quint8>(i % 3));
        figure->setPosition(QPoint(40 + i * 50, 60 + i * 30));
        figure->setText(QString::number(i + 1));
        practise.figures().add(std::move(figure));
    }
    // A short line: its stored path has a few points, so a save has few enough writes to
    // be killed at each of them.
    auto line = std::make_unique<TLine>(practise.lines().settings());
    line->addPoint(QPoint(50, 50));
    line->addPoint(QPoint(52 + figures, 54));
    practise.lines().add(std::move(line));
    practise.description() = {QStringLiteral("Drill with %1 players").arg(figures)};
    const bool ok = practise.Save(stem);
    if (!ok && error)
        *error = practise.errorString();
    return ok;
}

inline bool savePlan(const QString& path, int items) {
    TrainingPlanData plan;
    plan.version = 141;
    plan.date = QStringLiteral("09.12.2026");
    plan.description = {QStringLiteral("Tuesday")};
    for (int i = 0; i < items; ++i) {
        plan.paths.append(QStringLiteral("GraphicPractises\\Cat\\Sub\\D%1.gmp").arg(i));
        plan.items.append({QStringLiteral("%1").arg(10 + i), QStringLiteral("D%1").arg(i)});
    }
    QString error;
    return writePlanFile(path, false, plan, &error);
}

template <typename Team> FixedRecord teamRecord(int i);
template <> inline FixedRecord teamRecord<TCardPractise>(int i) {
    return TCardPractise::makeRecord({QStringLiteral("Player %1").arg(i), QStringLiteral("Jan"),
                                      QStringLiteral("2010"), QString::number(i + 1)});
}
template <> inline FixedRecord teamRecord<TDiary>(int i) {
    return TDiary::makeRecord(QStringLiteral("%1.12.2026").arg(i + 1),
                              QStringLiteral("Practice %1").arg(i));
}

// The team "U18" of cards or diary records with `count` records, saved.
template <typename Team> bool saveTeamFile(FaultInstallation& inst, int count) {
    Team team;
    team.setLocation(inst.root(), std::is_same_v<Team, TDiary> ? QStringLiteral("Diaries")
                                                               : QStringLiteral("PlayerCards"));
    if constexpr (std::is_same_v<Team, TCardPractise>)
        team.setWriteVersion(141);
    if (!team.loadTeam(QStringLiteral("U18")) && !team.createTeam(141, QStringLiteral("U18")))
        return false;
    team.setEntries({});
    for (int i = 0; i < count; ++i)
        team.addEntry(teamRecord<Team>(i), {QStringLiteral("Note %1").arg(i)});
    return team.saveTeam();
}

inline bool writeGraphicBackup(FaultInstallation& inst, const QString& file) {
    const InstallationFolders folders = InstallationFolders::fromSettings(inst.theSettings());
    QString error;
    const bool ok =
        writeKindBackup(folders.root, backupWalkFolder(BackupKind::Graphic, folders),
                        kindExtension(BackupKind::Graphic), folders.version, file, &error);
    EXPECT_TRUE(ok) << error.toStdString();
    return ok;
}

// Restores the graphic backup `file`, replacing what exists; true when it went cleanly.
inline bool restoreGraphicBackup(FaultInstallation& inst, const QString& file,
                                 RestoreReport* report = nullptr) {
    FixedBackupDecider replace(true);
    RestoreOptions options = restoreOptionsFor(
        BackupKind::Graphic, InstallationFolders::fromSettings(inst.theSettings()));
    options.decider = &replace;
    options.rewrite = practiseRewriter(BackupKind::Graphic, inst.theSettings(), inst.language());
    const RestoreReport result = restoreKindBackup(file, options);
    if (report)
        *report = result;
    return result.ok() && result.refused.isEmpty() && result.rewriteFailures.isEmpty();
}

} // namespace korvex::test
