#include "core/KeyValueLines.h"

namespace korvex {

bool splitKeyLine(const QString& line, QString* key, QString* value) {
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0)
        return false;
    if (key)
        *key = line.left(eq);
    if (value)
        *value = line.mid(eq + 1);
    return true;
}

qsizetype indexOfKey(const QStringList& lines, const QString& key, qsizetype end) {
    const qsizetype last = end < 0 ? lines.size() : std::min(end, lines.size());
    for (qsizetype i = 0; i < last; ++i) {
        const QString& line = lines.at(i);
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq >= 0 && QStringView(line).left(eq).compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString valueOfKey(const QStringList& lines, const QString& key, qsizetype end) {
    const qsizetype i = indexOfKey(lines, key, end);
    if (i < 0)
        return {};
    const QString& line = lines.at(i);
    return line.mid(line.indexOf(QLatin1Char('=')) + 1);
}

bool setValueOfKey(QStringList& lines, const QString& key, const QString& value, qsizetype insertAt,
                   qsizetype end) {
    const qsizetype i = indexOfKey(lines, key, end);
    if (i >= 0) {
        // Keep the key as written in the file; only the value changes.
        const QString& line = lines.at(i);
        lines[i] = line.left(line.indexOf(QLatin1Char('=')) + 1) + value;
        return false;
    }
    const QString line = key + QLatin1Char('=') + value;
    if (insertAt < 0 || insertAt >= lines.size())
        lines.append(line);
    else
        lines.insert(insertAt, line);
    return true;
}

} // namespace korvex
