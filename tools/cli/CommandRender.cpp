// korvex-cli render FILE.gmp OUT.png [--small]: paints a graphic practise as the editor
// shows it, with the rink and figure pictures of the installation the tool runs from, on
// the large canvas (675 x 420) or with --small on the small one (450 x 280).
#include "cli/CliCommands.h"
#include "cli/CliInstallation.h"

#include "core/SafeSave.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "storage/TGraphicPractise.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>

namespace korvex::cli {

namespace {

int runRender(const QStringList& args) {
    QStringList files;
    bool small = false;
    for (const QString& arg : args) {
        if (arg == QLatin1String("--small"))
            small = true;
        else if (arg.startsWith(QLatin1String("--")))
            return usageOf(kRenderCommand);
        else
            files.append(arg);
    }
    if (files.size() != 2)
        return usageOf(kRenderCommand);
    const QString input = files.at(0);
    const QString output = files.at(1);
    if (QFileInfo(input).suffix().compare(QLatin1String("gmp"), Qt::CaseInsensitive) != 0)
        return fail(QStringLiteral("%1: not a graphic practise (.gmp)")
                        .arg(QDir::toNativeSeparators(input)));
    if (QFileInfo(output).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) != 0)
        return fail(QStringLiteral("%1: the picture is written as PNG and must end in .png")
                        .arg(QDir::toNativeSeparators(output)));

    TSettings settings;
    TLanguage language;
    QString error;
    if (!loadInstallation(installationFolder(), settings, language, &error))
        return fail(error);
    settings.SetFormSize(small ? 0 : 1);

    TGraphicPractise practise(settings, language);
    if (!practise.LoadFile(input))
        return fail(practise.errorString());
    if (!practise.loadWarning().isEmpty())
        warn(practise.loadWarning());
    if (practise.isSaveRefused())
        return fail(QStringLiteral("%1: format version %2 is not one this program reads")
                        .arg(QDir::toNativeSeparators(input))
                        .arg(practise.formatVersion()));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!practise.RenderPicture().save(&buffer, "PNG"))
        return fail(QStringLiteral("the picture could not be encoded as PNG"));
    if (!saveBytes(output, png, &error))
        return fail(error);
    return kExitOk;
}

} // namespace

const Command kRenderCommand = {"render", "FILE.gmp OUT.png [--small]",
                                "paint a graphic practise into a PNG picture", runRender};

} // namespace korvex::cli
