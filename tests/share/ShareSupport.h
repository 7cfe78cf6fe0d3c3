#pragma once

// Shared pieces of the share-page tests: reading a written page, the addresses it refers
// to, and a small tactics practise stored in a test installation.

#include "PrintInstallation.h"

#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace korvex::test {

inline QString readPage(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Every value of a src= or href= attribute in `html`, quoted or not.
inline QStringList referencedAddresses(const QString& html) {
    static const QRegularExpression attribute(
        QStringLiteral(R"re(\b(?:src|href)\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s>"']+)))re"),
        QRegularExpression::CaseInsensitiveOption);
    QStringList values;
    for (auto it = attribute.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        for (int group = 1; group <= 3; ++group) {
            if (match.capturedStart(group) >= 0)
                values.append(match.captured(group));
        }
    }
    return values;
}

// A tactics practise "Breakout" in Tactics/Drills/Team with `frames` frames: a forward that
// moves 60 pixels right per frame, a defender that stays and a puck; returns its file.
QString addTacticsPractise(PrintInstallation& installation, int frames);

} // namespace korvex::test
