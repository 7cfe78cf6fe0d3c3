// korvex-cli gif FILE.tac OUT.gif [--smooth] [--speed MS]: writes the playback of a tactics
// practise as an animated GIF, one picture per frame shown MS milliseconds each (200 unless
// told), or with --smooth 25 pictures a second with the figures moving between frames.
#include "cli/CliCommands.h"
#include "cli/CliInstallation.h"

#include "core/SafeSave.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "storage/AnimationGif.h"
#include "storage/PractiseVersions.h"
#include "storage/TTacticsPractise.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace korvex::cli {

namespace {

constexpr int kDefaultSpeedMs = 200;
// Slower than this is no animation any more; the bound keeps the GIF's delays in range.
constexpr int kMaxSpeedMs = 60000;

int runGif(const QStringList& args) {
    QStringList files;
    bool smooth = false;
    int speed = kDefaultSpeedMs;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (arg == QLatin1String("--smooth")) {
            smooth = true;
        } else if (arg == QLatin1String("--speed") && i + 1 < args.size()) {
            bool ok = false;
            speed = args.at(++i).toInt(&ok);
            if (!ok || speed < 1 || speed > kMaxSpeedMs)
                return fail(QStringLiteral("--speed takes milliseconds per frame, 1 to %1")
                                .arg(kMaxSpeedMs));
        } else if (arg.startsWith(QLatin1String("--"))) {
            return usageOf(kGifCommand);
        } else {
            files.append(arg);
        }
    }
    if (files.size() != 2)
        return usageOf(kGifCommand);
    const QString input = files.at(0);
    const QString output = files.at(1);
    if (QFileInfo(input).suffix().compare(QLatin1String("tac"), Qt::CaseInsensitive) != 0)
        return fail(QStringLiteral("%1: not a tactics practise (.tac)")
                        .arg(QDir::toNativeSeparators(input)));
    if (QFileInfo(output).suffix().compare(QLatin1String("gif"), Qt::CaseInsensitive) != 0)
        return fail(QStringLiteral("%1: the animation is written as GIF and must end in .gif")
                        .arg(QDir::toNativeSeparators(output)));

    TSettings settings;
    TLanguage language;
    QString error;
    if (!loadInstallation(installationFolder(), settings, language, &error))
        return fail(error);
    settings.SetFormSize(1);

    TTacticsPractise practise(settings, language);
    QFile file(input);
    if (!openForReading(&file, &error))
        return fail(error);
    if (!practise.readTacticsFrom(&file, QDir::toNativeSeparators(input)))
        return fail(practise.errorString());
    if (!isTacticsVersionAccepted(practise.formatVersion()))
        return fail(QStringLiteral("%1: format version %2 is not one this program reads")
                        .arg(QDir::toNativeSeparators(input))
                        .arg(practise.formatVersion()));
    practise.loadStandardGround();
    if (!saveAnimationGif(practise, output, speed, smooth, &error))
        return fail(error);
    return kExitOk;
}

} // namespace

const Command kGifCommand = {"gif", "FILE.tac OUT.gif [--smooth] [--speed MS]",
                             "write the playback of a tactics practise as an animated GIF", runGif};

} // namespace korvex::cli
