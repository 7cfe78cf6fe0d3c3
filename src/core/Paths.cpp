#include "core/Paths.h"

#include <QStringList>

namespace korvex {

namespace {

qsizetype lastSeparator(const QString& path) {
    return std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
}

// Index of the extension's dot, or -1 when the file name has none.
qsizetype extensionDot(const QString& path) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot > lastSeparator(path) ? dot : -1;
}

} // namespace

QString extractExtension(const QString& path) {
    const qsizetype dot = extensionDot(path);
    return dot < 0 ? QString() : path.mid(dot, 4);
}

QString pathWithoutExtension(const QString& path) {
    const qsizetype dot = extensionDot(path);
    return dot < 0 ? QString() : path.left(dot);
}

QString extractFolder(const QString& path) {
    const qsizetype sep = lastSeparator(path);
    return sep < 0 ? QString() : path.left(sep);
}

QString extractFileName(const QString& path) {
    return path.mid(lastSeparator(path) + 1);
}

QString extractFileTitle(const QString& path) {
    const QString name = extractFileName(path);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

bool sameExtension(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool isBlank(const QString& text) {
    for (const QChar c : text) {
        if (c != QLatin1Char(' '))
            return false;
    }
    return true;
}

QString joinPath(const QString& a, const QString& b) {
    if (a.isEmpty())
        return b;
    if (a.endsWith(QLatin1Char('/')))
        return a + b;
    return a + QLatin1Char('/') + b;
}

QString joinPath(const QString& a, const QString& b, const QString& c) {
    return joinPath(joinPath(a, b), c);
}

QString joinPath(const QString& a, const QString& b, const QString& c, const QString& d) {
    return joinPath(joinPath(a, b, c), d);
}

QString storedToPath(const QString& stored) {
    QString path = stored;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path;
}

QString pathToStored(const QString& path) {
    QString stored = path;
    stored.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return stored;
}

bool isSafeRelativePath(const QString& stored) {
    const QString path = storedToPath(stored);
    if (path.startsWith(QLatin1Char('/')))
        return false;
    if (path.size() >= 2 && path[1] == QLatin1Char(':'))
        return false; // drive letter
    const QStringList parts = path.split(QLatin1Char('/'));
    for (const QString& part : parts) {
        if (part == QLatin1String(".."))
            return false;
    }
    return true;
}

} // namespace korvex
