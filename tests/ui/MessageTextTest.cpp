// Message boxes keep long paths and system messages readable: long runs are broken, the box
// wraps and stays on the screen.
#include "ui/MessageText.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>

#include <algorithm>

#include <gtest/gtest.h>

using namespace korvex;

namespace {

// The longest stretch without a space or line break.
qsizetype longestRun(const QString& text) {
    qsizetype longest = 0;
    qsizetype run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        longest = std::max(longest, run);
    }
    return longest;
}

TEST(MessageText, LongRunsBreakAfterSeparatorsAndNothingElseChanges) {
    const QString path = QStringLiteral("/home/coach/") + QString(230, QLatin1Char('x')) +
                         QStringLiteral("/Drill.gmp");
    const QString text = QStringLiteral("Cannot save ") + path + QStringLiteral(": No space left");
    const QString broken = breakLongRuns(text, 60);
    EXPECT_LE(longestRun(broken), 60);
    QString joined = broken;
    EXPECT_EQ(joined.remove(QLatin1Char('\n')), text);
    // The first break falls after the last separator within reach, not in a name.
    EXPECT_TRUE(broken.contains(QStringLiteral("/home/coach/\n"))) << broken.toStdString();

    // Ordinary sentences and short runs are left alone, line breaks included.
    const QString plain = QStringLiteral("The name is empty.\nChoose another one.");
    EXPECT_EQ(breakLongRuns(plain, 60), plain);
    EXPECT_EQ(breakLongRuns(QString(), 60), QString());
    EXPECT_EQ(breakLongRuns(QString(60, QLatin1Char('a')), 60), QString(60, QLatin1Char('a')));
}

TEST(MessageText, BoxWithALongPathStaysOnTheScreenAndShowsEveryCharacter) {
    const QString path =
        QStringLiteral("/media/usb/") + QString(400, QLatin1Char('n')) + QStringLiteral(".gmp");
    const QString text = path + QStringLiteral(": Read-only file system ") + path;
    QMessageBox box(QMessageBox::Information, QStringLiteral("Korvex"), QString(), QMessageBox::Ok);
    setMessageText(box, text);
    box.show();
    QCoreApplication::processEvents();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(box.width(), screen.width());
    EXPECT_LE(box.height(), screen.height());
    const auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_EQ(label->text().remove(QLatin1Char('\n')), text);
    if (qEnvironmentVariableIsSet("KORVEX_SCREENSHOT_DIR"))
        box.grab().save(qEnvironmentVariable("KORVEX_SCREENSHOT_DIR") +
                        QStringLiteral("/message-box-long-path.png"));
    box.close();
}

} // namespace
