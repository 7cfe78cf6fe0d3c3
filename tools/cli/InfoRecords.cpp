// The part of korvex-cli info that describes text practises, training plans, archived
// plans, player cards, diaries and backup files as JSON on stdout.
#include "cli/CliCommands.h"
#include "cli/JsonStream.h"
#include "cli/WholeFile.h"

#include "core/BinaryReader.h"
#include "storage/BackupKinds.h"
#include "storage/TCardPractise.h"
#include "storage/TDiary.h"
#include "storage/TextPractiseFile.h"
#include "storage/TrainingPlanFile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>

#include <functional>

namespace korvex::cli {

namespace {

const QStringList kRecordExtensions = {
    QStringLiteral(".tmp"),  QStringLiteral(".pmp"), QStringLiteral(".pamp"),
    QStringLiteral(".cmp"),  QStringLiteral(".dmp"), QStringLiteral(".gbp"),
    QStringLiteral(".tcb"),  QStringLiteral(".tbp"), QStringLiteral(".pbp"),
    QStringLiteral(".pabp"), QStringLiteral(".cbp"), QStringLiteral(".dbp"),
    QStringLiteral(".abp"),
};

void writeTextPractise(JsonStream& json, const TextPractiseData& data) {
    json.beginObject();
    json.field("kind", "text practise");
    json.field("version", int(data.version));
    json.field("versionAccepted", data.versionAccepted);
    json.field("text", data.text);
    json.key("pictureSizes").beginArray();
    for (const QByteArray& picture : data.pictures)
        json.value(qint64(picture.size()));
    json.endArray();
    json.field("keywords", data.keywords);
    json.endObject();
}

void writePlan(JsonStream& json, const TrainingPlanData& data, bool archive) {
    json.beginObject();
    json.field("kind", archive ? "archived plan" : "plan");
    json.field("version", int(data.version));
    json.field("versionAccepted", data.versionAccepted);
    json.field("practisePaths", data.paths);
    json.field("description", data.description);
    json.field("date", data.date);
    json.field("time", data.time);
    json.key("items").beginArray();
    for (qsizetype i = 0; i < data.items.size(); ++i) {
        const PlanFileItem& item = data.items.at(i);
        json.beginObject();
        json.field("time", item.time);
        json.field("name", item.name);
        if (archive) {
            const PlanArchiveItem& extra = data.archived.at(i);
            json.field("description", extra.description);
            json.field("pictureSize", qint64(extra.picture.size()));
        }
        json.endObject();
    }
    json.endArray();
    json.field("textBlocks", data.textBlocks.count());
    json.key("heading").beginObject();
    json.field("place", data.heading.place);
    json.field("tools", data.heading.tools);
    json.field("players", data.heading.playersCount);
    json.field("coaches", data.heading.coaches);
    json.field("processed", data.heading.processed);
    json.field("aim", data.heading.aim);
    json.endObject();
    if (archive) {
        json.field("evaluation", data.evaluation);
    } else {
        json.field("team", data.team);
        json.field("trainingNumber", data.trainingNumber);
    }
    json.endObject();
}

void writeTeam(JsonStream& json, const TTeamRecords& team, bool cards) {
    static const char* const cardKeys[] = {"surname",  "firstName", "birth", "number",
                                           "position", "phone",     "email", "address"};
    json.beginObject();
    json.field("kind", cards ? "player cards" : "diary");
    json.field("version", int(team.version()));
    json.key("records").beginArray();
    for (int i = 0; i < team.count(); ++i) {
        const FixedRecord& bytes = team.entry(i).record;
        json.beginObject();
        if (cards) {
            for (int f = 0; f < 8; ++f)
                json.field(cardKeys[f],
                           bytes.field(TCardPractise::fieldOf(TCardPractise::Field(f))));
        } else {
            json.field("date", bytes.field(TDiary::fieldOf(TDiary::Date)));
            json.field("headline", bytes.field(TDiary::fieldOf(TDiary::HeadLine)));
        }
        json.field("notes", team.entry(i).notes);
        json.endObject();
    }
    json.endArray();
    json.endObject();
}

void writeBackupRecords(JsonStream& json, qint32 version, const QList<BackupRecordInfo>& records) {
    json.field("version", int(version));
    json.key("records").beginArray();
    for (const BackupRecordInfo& record : records) {
        json.beginObject();
        json.field("folder", record.folder);
        json.field("fileName", record.fileName);
        json.field("size", qint64(record.size));
        json.endObject();
    }
    json.endArray();
}

// Reads the kind backups of a full backup one at a time, handing each to `visit` with its
// kind's name; false with `error` set at the first one that cannot be read.
bool forEachKindBackup(
    QIODevice* file, const QString& shown, qint32* tag, QString* error,
    const std::function<void(const QString&, qint32, const QList<BackupRecordInfo>&)>& visit) {
    file->seek(0);
    BinaryReader in(file, shown);
    *tag = in.readInt32();
    const qint32 count = in.readInt32();
    in.checkCount(count, 4, QStringLiteral("backups"));
    const QList<BackupKind> kinds = fullBackupOrder();
    for (qint32 i = 0; i < count && in.ok(); ++i) {
        QBuffer buffer;
        buffer.setData(in.readBytes(in.readInt32()));
        if (!in.ok())
            break;
        buffer.open(QIODevice::ReadOnly);
        const QString name = i < kinds.size() ? backupKindName(kinds[i]) : QStringLiteral("extra");
        qint32 version = 0;
        QList<BackupRecordInfo> records;
        QString listError;
        if (!listKindBackup(&buffer, shown + QStringLiteral(" (") + name + QLatin1Char(')'),
                            &version, &records, &listError))
            in.fail(listError);
        else
            visit(name, version, records);
    }
    if (!in.ok())
        *error = in.errorString();
    return in.ok();
}

int finish(const JsonStream& json) {
    if (!json.ok())
        return fail(QStringLiteral("the description could not be written"));
    return kExitOk;
}

int fullBackupInfo(QIODevice* file, const QString& shown) {
    // A first pass checks every kind backup, so that a damaged bundle prints nothing; the
    // second streams the description, one kind backup in memory at a time.
    qint32 tag = 0;
    QString error;
    auto ignore = [](const QString&, qint32, const QList<BackupRecordInfo>&) {};
    if (!forEachKindBackup(file, shown, &tag, &error, ignore))
        return fail(error);
    JsonStream json(stdout);
    json.beginObject();
    json.field("kind", "full backup");
    json.field("version", int(tag));
    json.key("backups").beginArray();
    forEachKindBackup(
        file, shown, &tag, &error,
        [&json](const QString& name, qint32 version, const QList<BackupRecordInfo>& records) {
            json.beginObject();
            json.field("kind", name);
            writeBackupRecords(json, version, records);
            json.endObject();
        });
    json.endArray();
    json.endObject();
    return finish(json);
}

} // namespace

bool isRecordsInfoExtension(const QString& extension) {
    return kRecordExtensions.contains(extension.toLower());
}

int runRecordsInfo(const QString& path) {
    const QString shown = QDir::toNativeSeparators(path);
    const QString extension = QStringLiteral(".") + QFileInfo(path).suffix().toLower();
    QBuffer file;
    QString error;
    if (!readWholeFile(path, &file, &error))
        return fail(error);
    JsonStream json(stdout);
    if (extension == QLatin1String(".tmp")) {
        TextPractiseData data;
        if (!readTextPractise(&file, shown, &data, &error))
            return fail(error);
        writeTextPractise(json, data);
        return finish(json);
    }
    if (extension == QLatin1String(".pmp") || extension == QLatin1String(".pamp")) {
        const bool archive = extension == QLatin1String(".pamp");
        TrainingPlanData data;
        if (!readPlan(&file, shown, archive, &data, &error))
            return fail(error);
        writePlan(json, data, archive);
        return finish(json);
    }
    if (extension == QLatin1String(".cmp") || extension == QLatin1String(".dmp")) {
        const bool cards = extension == QLatin1String(".cmp");
        TCardPractise cardFile;
        TDiary diaryFile;
        TTeamRecords& team = cards ? static_cast<TTeamRecords&>(cardFile) : diaryFile;
        if (!team.read(&file, shown, true))
            return fail(team.errorString());
        writeTeam(json, team, cards);
        return finish(json);
    }
    if (extension == QLatin1String(".abp"))
        return fullBackupInfo(&file, shown);
    qint32 version = 0;
    QList<BackupRecordInfo> records;
    if (!listKindBackup(&file, shown, &version, &records, &error))
        return fail(error);
    json.beginObject();
    json.field("kind", "backup");
    writeBackupRecords(json, version, records);
    json.endObject();
    return finish(json);
}

} // namespace korvex::cli
