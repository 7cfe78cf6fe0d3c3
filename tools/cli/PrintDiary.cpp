// korvex-cli print TEAM.dmp OUT.pdf [--record N | --from DATE --to DATE]: one record (N as
// the diary's grid counts rows, 1 = newest), or the team's records as one document, all of
// them or those whose date lies in the range.
#include "cli/PrintTargets.h"

#include "print/DiaryPrint.h"
#include "print/PageLayout.h"
#include "storage/TDiary.h"

#include <QFileInfo>
#include <QLocale>

namespace korvex::cli {

namespace {

struct DiaryOptions {
    int row = 0; // 0: the document
    QDate from;
    QDate to;
};

bool parseOptions(const QStringList& options, DiaryOptions* parsed, QString* error) {
    for (int i = 0; i < options.size(); i += 2) {
        const QString& name = options.at(i);
        if (i + 1 >= options.size()) {
            *error = QStringLiteral("%1 needs a value").arg(name);
            return false;
        }
        const QString& value = options.at(i + 1);
        bool ok = true;
        if (name == QLatin1String("--record")) {
            parsed->row = value.toInt(&ok);
            ok = ok && parsed->row >= 1;
        } else if (name == QLatin1String("--from") || name == QLatin1String("--to")) {
            const QDate date = TDiary::readDate(value, QLocale());
            ok = date.isValid();
            (name == QLatin1String("--from") ? parsed->from : parsed->to) = date;
        } else {
            *error = QStringLiteral("unknown diary print option %1").arg(name);
            return false;
        }
        if (!ok) {
            *error = QStringLiteral("%1 %2: not a record number or date").arg(name, value);
            return false;
        }
    }
    if (parsed->row > 0 && (parsed->from.isValid() || parsed->to.isValid())) {
        *error = QStringLiteral("--record prints one record; it takes no date range");
        return false;
    }
    return true;
}

} // namespace

bool prepareDiaryPrint(const PrintRequest& request, PrintJob* job, QString* error) {
    DiaryOptions options;
    if (!parseOptions(request.options, &options, error))
        return false;
    TDiary diary;
    if (!diary.readFile(request.file, true)) {
        *error = diary.errorString();
        return false;
    }
    const QString team = QFileInfo(request.file).completeBaseName();
    job->title = QStringLiteral("Korvex - ") + team;
    if (options.row > 0) {
        const int record = diary.recordOfRow(options.row);
        if (record < 0) {
            *error = QStringLiteral("%1 holds %2 records; there is no record %3")
                         .arg(request.file)
                         .arg(diary.count())
                         .arg(options.row);
            return false;
        }
        const DiaryRecordText text = diaryRecordText(diary, record);
        job->body = [text](PageCanvas& canvas, QString&) {
            PageLayout layout(canvas);
            printDiaryRecord(layout, text);
            return true;
        };
        return true;
    }
    QList<int> records;
    if (options.from.isValid() || options.to.isValid()) {
        records = diary.recordsBetween(options.from.isValid() ? options.from : QDate(1, 1, 1),
                                       options.to.isValid() ? options.to : QDate(9999, 12, 31),
                                       QLocale());
    } else {
        for (int i = 0; i < diary.count(); ++i)
            records.append(i);
    }
    if (records.isEmpty()) {
        *error = QStringLiteral("%1: no record to print").arg(request.file);
        return false;
    }
    QList<DiaryRecordText> texts;
    for (int record : records)
        texts.append(diaryRecordText(diary, record));
    job->body = [team, texts](PageCanvas& canvas, QString&) {
        PageLayout layout(canvas);
        printDiaryRecords(layout, team, texts);
        return true;
    };
    return true;
}

} // namespace korvex::cli
