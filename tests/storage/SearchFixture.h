#pragma once

// Hand-built library items for the search and summary tests: graphic and tactics practise
// files byte by byte, text practises and plans through their file writers.

#include "PractiseFixture.h"

#include "storage/TextPractiseFile.h"
#include "storage/TrainingPlanFile.h"

namespace korvex::test {

// A straight two-point line of `lineKind` with an arrow end and no stored path.
inline QByteArray lineRecord(int lineKind) {
    return le32(15) + le32(0) + bytes({0, lineKind}) + le32(1) + bytes({0}) + le32(2) +
           f64(100 / 675.0) + f64(100 / 420.0) + f64(300 / 675.0) + f64(200 / 420.0) + le32(0);
}

inline QByteArray streamLines(const QStringList& lines) {
    QByteArray b = le32(qint32(lines.size()));
    for (const QString& line : lines)
        b += streamString(line.toUtf8());
    return b;
}

// A graphic practise file (version 141) with the given texts, figure kinds and line kinds.
inline QByteArray graphicFile(const QStringList& description, const QStringList& keywords,
                              std::initializer_list<int> figureKinds = {},
                              std::initializer_list<int> lineKinds = {}) {
    QByteArray b = le32(141) + streamLines(description) + streamLines(keywords);
    b += le32(qint32(figureKinds.size()));
    int x = 40;
    for (int kind : figureKinds)
        b += figureRecord(kind, x += 30, 200, 0, kind == 0 || kind == 1 ? "1" : "");
    b += le32(qint32(lineKinds.size()));
    for (int kind : lineKinds)
        b += lineRecord(kind);
    return b + bytes({0}) + streamString("Rink") + numberSet({}) + numberSet({});
}

inline QByteArray tacticsFile(const QStringList& description, const QStringList& keywords) {
    return le32(141) + streamLines(description) + streamLines(keywords) + le32(1) + le32(0) +
           streamString("Rink");
}

inline bool writeTextPractiseAt(const QString& path, const QStringList& text,
                                const QStringList& keywords) {
    TextPractiseData data;
    data.version = 141;
    data.text = text;
    data.keywords = keywords;
    QDir().mkpath(QFileInfo(path).absolutePath());
    return writeTextPractiseFile(path, data, nullptr);
}

// A plan (or archived plan) of the given practise paths and durations.
inline bool writePlanAt(const QString& path, bool archive, const QStringList& paths,
                        const QStringList& minutes, const QString& date = {},
                        const QStringList& description = {}) {
    TrainingPlanData data;
    data.version = 141;
    data.paths = paths;
    data.description = description;
    data.date = date;
    for (qsizetype i = 0; i < paths.size(); ++i)
        data.items.append({i < minutes.size() ? minutes.at(i) : QString(), paths.at(i)});
    QDir().mkpath(QFileInfo(path).absolutePath());
    return writePlanFile(path, archive, data, nullptr);
}

} // namespace korvex::test
