#pragma once

#include "core/PlanRecords.h"
#include "core/TPractiseObject.h"

#include <QCache>
#include <QImage>
#include <QList>

#include <array>

namespace korvex {

struct TrainingPlanData;

// A training plan ("<name>.pmp" in category TrainingPlanCategory) or, in archive mode, an
// archived plan ("<name>.pamp" in category Archive; its subcategory names the team and
// its name is the training number). A plan refers to its practises by root-relative
// paths; an archived plan also keeps each practise's description and picture.
class TTrainingPlan : public TPractiseObject {
public:
    // Block kinds that carry an "edited" flag, in flag order.
    static constexpr std::array<int, 10> kBlockKinds = {3, 4, 11, 12, 13, 14, 21, 22, 23, 24};
    static constexpr int kThumbnailWidth = 225;
    static constexpr int kThumbnailHeight = 140;
    // Thumbnails of archived items kept at once: the three rows shown and a page each side.
    static constexpr int kThumbnailCacheSize = 9;

    TTrainingPlan(const QString& root, const QString& planFolder, bool archive,
                  TLanguage* language = nullptr, TSettings* settings = nullptr);

    void Clear() override;
    bool Save(const QString& path) override;
    bool Load(const QString& path) override;
    bool Delete(const QString& path) override;
    bool Rename(const QString& path) override;
    bool Copy(const QString& path) override;
    QStringList ListItems() override;

    bool archiveMode() const { return m_archive; }

    QStringList paths; // root-relative practise paths with extension, "\" separated
    QStringList description;
    QStringList evaluation; // archive only
    QString date;
    QString time;
    QList<TPractisesData> items; // one per path, same order
    TTextDataList textBlocks;
    TTPHeading heading;

    // Ordinary plans: the stored team and number; archived plans: the subcategory and name.
    QString Team() const;
    QString TrainingNumber() const;
    void setTeam(const QString& team) { m_team = team; }
    void setTrainingNumber(const QString& number) { m_trainingNumber = number; }

    // Appends a practise (root-relative path) and saves the plan at once.
    bool AddPractise(const QString& storedPath);
    // Removes practise `index` and saves the plan at once.
    bool RemovePractise(int index);
    // Writes the plan as an archived plan "<stem>.pamp" (replacing one that is there), with
    // each practise's description and full picture frozen into it. The plan itself, its
    // file and its modified flag stay as they are.
    bool SaveArchiveCopy(const QString& stem);
    bool SwapPractises(int i, int j);
    bool SwapTextBlocks(int i, int j);
    bool blockEdited(int blockKind) const;
    void setBlockEdited(int blockKind, bool edited);

    // The 225 x 140 thumbnail of practise `index`: an ordinary plan's from the practise's
    // files, an archived plan's made from its frozen picture (the last few made are kept,
    // so scrolling back and forth decodes nothing again), the grey stand-in when there is
    // none.
    QImage thumbnail(int index) const;

    // The practise paths the last Load dropped because their files are gone, and the
    // message to show for each ("PractiseMiss" path "shtPractise").
    const QStringList& missingPractises() const { return m_missing; }
    QStringList missingPractiseMessages() const;

    qint32 writeVersion() const;
    QString errorString() const { return m_error; }

private:
    bool fail(const QString& message);
    // The plan's fields besides its items, taken over from `data`.
    void fromData(TrainingPlanData&& data);
    TPractisesData practiseItem(const QString& storedPath) const;
    // Description and thumbnail of a placed practise, read from its files.
    void resolvePractise(const QString& storedPath, TPractisesData* item) const;
    // The full picture of a placed practise as JPEG bytes (empty when it has none).
    QByteArray practisePicture(const QString& storedPath) const;
    // The plan's fields that every written form shares; the items are the caller's.
    TrainingPlanData commonData() const;
    bool practiseExists(const QString& storedPath) const;

    bool m_archive;
    QString m_team;
    QString m_trainingNumber;
    std::array<bool, kBlockKinds.size()> m_blockEdited{};
    QStringList m_missing;
    QString m_error;
    bool m_versionRefused = false;
    // Thumbnails of archived items by their picture's bytes.
    mutable QCache<QByteArray, QImage> m_thumbnails{kThumbnailCacheSize};
};

} // namespace korvex
