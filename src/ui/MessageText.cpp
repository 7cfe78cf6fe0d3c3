#include "ui/MessageText.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>

namespace korvex {

namespace {

bool isBreakAfter(QChar c) {
    return c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char('.') ||
           c == QLatin1Char('-') || c == QLatin1Char('_') || c == QLatin1Char(',') ||
           c == QLatin1Char(';') || c == QLatin1Char(':');
}

} // namespace

QString breakLongRuns(const QString& text, int limit) {
    QString out;
    out.reserve(text.size() + text.size() / qMax(limit, 1));
    qsizetype runStart = 0; // index in `out` where the current run began
    qsizetype softBreak = -1;
    for (const QChar c : text) {
        if (c.isSpace()) {
            out += c;
            runStart = out.size();
            softBreak = -1;
            continue;
        }
        if (out.size() - runStart >= limit) {
            const qsizetype at = softBreak > runStart ? softBreak : out.size();
            out.insert(at, QLatin1Char('\n'));
            runStart = at + 1;
            softBreak = -1;
        }
        out += c;
        if (isBreakAfter(c))
            softBreak = out.size();
    }
    return out;
}

void setMessageText(QMessageBox& box, const QString& text) {
    box.setTextFormat(Qt::PlainText);
    box.setText(breakLongRuns(text));
    // The box sizes itself to its label; a label that wraps at spaces and is held to most of
    // the screen's width keeps the box on the screen whatever the text.
    QScreen* screen = box.screen() ? box.screen() : QGuiApplication::primaryScreen();
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        label->setWordWrap(true);
        if (screen)
            label->setMaximumWidth(screen->availableGeometry().width() * 2 / 3);
    }
}

} // namespace korvex
