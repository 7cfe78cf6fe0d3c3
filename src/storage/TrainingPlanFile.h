#pragma once

#include "core/PlanRecords.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class QIODevice;

namespace korvex {

// One practise of a plan as its file stores it.
struct PlanFileItem {
    QString time;
    QString name;
};

// What an archived plan keeps of each practise besides its time and name: the practise's
// description and picture (JPEG bytes; empty = a stored size 0). Ordinary plans have none,
// so their items carry nothing they never use.
struct PlanArchiveItem {
    QStringList description;
    QByteArray picture;
};

// The content of a training plan file.
//   Ordinary "<name>.pmp": version, paths (lines), description (lines), date, time,
//     item count, per item time and name; above version 131 (not 999) then text
//     blocks, heading, team, training number.
//   Archived "<name>.pamp" (versions 132..141): version, paths, description, evaluation,
//     date, time, heading, text blocks, item count, per item time, name, description
//     (lines), picture (JpegBlock). Versions 105..123 and 999 use the older layout:
//     paths, description, evaluation, date, time, one skipped string, the heading's
//     place, item count, then the items as above.
struct TrainingPlanData {
    qint32 version = 0;
    // False when the file's version is not read by this program (nothing else was read).
    bool versionAccepted = true;
    QStringList paths; // root-relative, "\" separated, with extension
    QStringList description;
    QStringList evaluation; // archived plans only
    QString date;
    QString time;
    QList<PlanFileItem> items;
    // Archived plans: one entry per item, in item order. Ignored when writing an ordinary plan.
    QList<PlanArchiveItem> archived;
    TTextDataList textBlocks;
    TTPHeading heading;
    QString team;           // ordinary plans only
    QString trainingNumber; // ordinary plans only
};

// Takes a plan's practises as they are read, in file order, in place of `items` and
// `archived`: a reader's caller that keeps them in a form of its own holds them only once.
class PlanItemSink {
public:
    virtual ~PlanItemSink() = default;
    // Before the first practise: the fields read so far (the paths among them) and the item
    // count, already checked against the bytes that remain.
    virtual void begin(const TrainingPlanData& read, qint32 count) = 0;
    // One practise; `extra` is empty for an ordinary plan.
    virtual void take(PlanFileItem&& item, PlanArchiveItem&& extra) = 0;
};

// With a `sink`, the items go to it and `data` keeps none; when reading fails, the sink may
// have taken some.
bool readPlan(QIODevice* device, const QString& sourceName, bool archive, TrainingPlanData* data,
              QString* error, PlanItemSink* sink = nullptr);
bool writePlan(QIODevice* device, bool archive, const TrainingPlanData& data, QString* error);
bool readPlanFile(const QString& path, bool archive, TrainingPlanData* data, QString* error,
                  PlanItemSink* sink = nullptr);
bool writePlanFile(const QString& path, bool archive, const TrainingPlanData& data, QString* error);

// Reads the plan file `stored` (the content of `path`) and gives its bytes as written with
// `version` in `bytes`, in memory, keeping every practise path even when the practise is
// not (yet) on disk: a restore of plans alone must not strip their practises. A file of
// an unknown version is refused, to be kept as it is.
bool rewritePlan(const QByteArray& stored, const QString& path, bool archive, qint32 version,
                 QByteArray* bytes, QString* error);

} // namespace korvex
