// The part of korvex-cli info that describes text practises, training plans, archived
// plans, player cards, diaries and backup files as JSON on stdout.
#include "cli/CliCommands.h"

#include "core/BinaryReader.h"
#include "storage/BackupKinds.h"
#include "storage/TCardPractise.h"
#include "storage/TDiary.h"
#include "storage/TextPractiseFile.h"
#include "storage/TrainingPlanFile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace korvex::cli {

namespace {

const QStringList kRecordExtensions = {
    QStringLiteral(".tmp"),  QStringLiteral(".pmp"), QStringLiteral(".pamp"),
    QStringLiteral(".cmp"),  QStringLiteral(".dmp"), QStringLiteral(".gbp"),
    QStringLiteral(".tcb"),  QStringLiteral(".tbp"), QStringLiteral(".pbp"),
    QStringLiteral(".pabp"), QStringLiteral(".cbp"), QStringLiteral(".dbp"),
    QStringLiteral(".abp"),
};

QJsonArray lines(const QStringList& list) {
    return QJsonArray::fromStringList(list);
}

int print(const QJsonObject& object) {
    QTextStream(stdout) << QJsonDocument(object).toJson(QJsonDocument::Indented);
    return kExitOk;
}

QJsonObject textPractiseJson(const TextPractiseData& data) {
    QJsonArray pictures;
    for (const QByteArray& picture : data.pictures)
        pictures.append(picture.size());
    return {{QStringLiteral("kind"), QStringLiteral("text practise")},
            {QStringLiteral("version"), data.version},
            {QStringLiteral("versionAccepted"), data.versionAccepted},
            {QStringLiteral("text"), lines(data.text)},
            {QStringLiteral("pictureSizes"), pictures},
            {QStringLiteral("keywords"), lines(data.keywords)}};
}

QJsonObject planJson(const TrainingPlanData& data, bool archive) {
    QJsonArray items;
    for (const PlanFileItem& item : data.items) {
        QJsonObject entry{{QStringLiteral("time"), item.time}, {QStringLiteral("name"), item.name}};
        if (archive) {
            entry.insert(QStringLiteral("description"), lines(item.description));
            entry.insert(QStringLiteral("pictureSize"), item.picture.size());
        }
        items.append(entry);
    }
    QJsonObject object{{QStringLiteral("kind"),
                        archive ? QStringLiteral("archived plan") : QStringLiteral("plan")},
                       {QStringLiteral("version"), data.version},
                       {QStringLiteral("versionAccepted"), data.versionAccepted},
                       {QStringLiteral("practisePaths"), lines(data.paths)},
                       {QStringLiteral("description"), lines(data.description)},
                       {QStringLiteral("date"), data.date},
                       {QStringLiteral("time"), data.time},
                       {QStringLiteral("items"), items},
                       {QStringLiteral("textBlocks"), data.textBlocks.count()},
                       {QStringLiteral("heading"),
                        QJsonObject{{QStringLiteral("place"), data.heading.place},
                                    {QStringLiteral("tools"), data.heading.tools},
                                    {QStringLiteral("players"), data.heading.playersCount},
                                    {QStringLiteral("coaches"), data.heading.coaches},
                                    {QStringLiteral("processed"), data.heading.processed},
                                    {QStringLiteral("aim"), lines(data.heading.aim)}}}};
    if (archive) {
        object.insert(QStringLiteral("evaluation"), lines(data.evaluation));
    } else {
        object.insert(QStringLiteral("team"), data.team);
        object.insert(QStringLiteral("trainingNumber"), data.trainingNumber);
    }
    return object;
}

QJsonObject teamJson(const TTeamRecords& team, bool cards) {
    QJsonArray records;
    for (int i = 0; i < team.count(); ++i) {
        QJsonObject record;
        const FixedRecord& bytes = team.entry(i).record;
        if (cards) {
            const QStringList keys = {QStringLiteral("surname"),  QStringLiteral("firstName"),
                                      QStringLiteral("birth"),    QStringLiteral("number"),
                                      QStringLiteral("position"), QStringLiteral("phone"),
                                      QStringLiteral("email"),    QStringLiteral("address")};
            for (int f = 0; f < keys.size(); ++f)
                record.insert(keys[f],
                              bytes.field(TCardPractise::fieldOf(TCardPractise::Field(f))));
        } else {
            record.insert(QStringLiteral("date"), bytes.field(TDiary::fieldOf(TDiary::Date)));
            record.insert(QStringLiteral("headline"),
                          bytes.field(TDiary::fieldOf(TDiary::HeadLine)));
        }
        record.insert(QStringLiteral("notes"), lines(team.entry(i).notes));
        records.append(record);
    }
    return {
        {QStringLiteral("kind"), cards ? QStringLiteral("player cards") : QStringLiteral("diary")},
        {QStringLiteral("version"), team.version()},
        {QStringLiteral("records"), records}};
}

bool kindBackupJson(QIODevice* device, const QString& source, QJsonObject* object, QString* error) {
    qint32 version = 0;
    QList<BackupRecordInfo> records;
    const bool ok = listKindBackup(device, source, &version, &records, error);
    QJsonArray list;
    for (const BackupRecordInfo& record : records)
        list.append(QJsonObject{{QStringLiteral("folder"), record.folder},
                                {QStringLiteral("fileName"), record.fileName},
                                {QStringLiteral("size"), record.size}});
    *object = {{QStringLiteral("version"), version}, {QStringLiteral("records"), list}};
    return ok;
}

int fullBackupInfo(QFile* file, const QString& shown) {
    BinaryReader in(file, shown);
    const qint32 tag = in.readInt32();
    const qint32 count = in.readInt32();
    in.checkCount(count, 4, QStringLiteral("backups"));
    const QList<BackupKind> kinds = fullBackupOrder();
    QJsonArray entries;
    QString error;
    for (qint32 i = 0; i < count && in.ok(); ++i) {
        QBuffer buffer;
        buffer.setData(in.readBytes(in.readInt32()));
        if (!in.ok())
            break;
        buffer.open(QIODevice::ReadOnly);
        QJsonObject entry;
        const QString name = i < kinds.size() ? backupKindName(kinds[i]) : QStringLiteral("extra");
        if (!kindBackupJson(&buffer, shown + QStringLiteral(" (") + name + QLatin1Char(')'), &entry,
                            &error))
            in.fail(error);
        entry.insert(QStringLiteral("kind"), name);
        entries.append(entry);
    }
    if (!in.ok())
        return fail(in.errorString());
    return print({{QStringLiteral("kind"), QStringLiteral("full backup")},
                  {QStringLiteral("version"), tag},
                  {QStringLiteral("backups"), entries}});
}

} // namespace

bool isRecordsInfoExtension(const QString& extension) {
    return kRecordExtensions.contains(extension.toLower());
}

int runRecordsInfo(const QString& path) {
    const QString shown = QDir::toNativeSeparators(path);
    const QString extension = QStringLiteral(".") + QFileInfo(path).suffix().toLower();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("%1: cannot be read: %2").arg(shown, file.errorString()));
    QString error;
    if (extension == QLatin1String(".tmp")) {
        TextPractiseData data;
        if (!readTextPractise(&file, shown, &data, &error))
            return fail(error);
        return print(textPractiseJson(data));
    }
    if (extension == QLatin1String(".pmp") || extension == QLatin1String(".pamp")) {
        const bool archive = extension == QLatin1String(".pamp");
        TrainingPlanData data;
        if (!readPlan(&file, shown, archive, &data, &error))
            return fail(error);
        return print(planJson(data, archive));
    }
    if (extension == QLatin1String(".cmp") || extension == QLatin1String(".dmp")) {
        const bool cards = extension == QLatin1String(".cmp");
        TCardPractise cardFile;
        TDiary diaryFile;
        TTeamRecords& team = cards ? static_cast<TTeamRecords&>(cardFile) : diaryFile;
        if (!team.read(&file, shown, true))
            return fail(team.errorString());
        return print(teamJson(team, cards));
    }
    if (extension == QLatin1String(".abp"))
        return fullBackupInfo(&file, shown);
    QJsonObject object;
    if (!kindBackupJson(&file, shown, &object, &error))
        return fail(error);
    object.insert(QStringLiteral("kind"), QStringLiteral("backup"));
    return print(object);
}

} // namespace korvex::cli
