// korvex-cli info FILE: describes a stored item as JSON on stdout. Graphic practises give
// their format version, texts, figures (positions in pixels of the large canvas), lines,
// ground and the player number sets; tactics practises list their frames; every other
// kind is described by the records part (InfoRecords.cpp).
#include "cli/CliCommands.h"
#include "cli/CliInstallation.h"
#include "cli/JsonStream.h"
#include "cli/WholeFile.h"

#include "core/Paths.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "storage/PractiseVersions.h"
#include "storage/TTacticsPractise.h"

#include <QDir>
#include <QFileInfo>

namespace korvex::cli {

namespace {

void writeFigures(JsonStream& json, const TFigures& figures) {
    json.beginArray();
    for (int i = 0; i < figures.count(); ++i) {
        const TFigure* figure = figures.at(i);
        json.beginObject();
        json.field("kind", int(figure->kind()));
        json.field("x", figure->position().x());
        json.field("y", figure->position().y());
        json.field("variant", figure->variant());
        json.field("text", figure->text());
        json.endObject();
    }
    json.endArray();
}

void writeLines(JsonStream& json, const TLines& lines) {
    json.beginArray();
    for (int i = 0; i < lines.count(); ++i) {
        const TLine* line = lines.at(i);
        const TLineSetting& s = line->setting();
        json.beginObject();
        json.key("setting").beginObject();
        json.field("reservedA", int(s.reservedA));
        json.field("colour", int(s.colour));
        json.field("endKind", int(s.endKind));
        json.field("lineKind", int(s.lineKind));
        json.field("reservedB", int(s.reservedB));
        json.field("curved", s.curved);
        json.endObject();
        json.key("controlPoints").beginArray();
        for (const QPoint& p : line->controlPoints()) {
            json.beginArray();
            json.value(p.x());
            json.value(p.y());
            json.endArray();
        }
        json.endArray();
        json.field("pathPoints", line->pathLastIndex() + 1);
        json.endObject();
    }
    json.endArray();
}

void writeNumbers(JsonStream& json, const PlayerNumbers& numbers) {
    json.beginArray();
    for (int n = 0; n < PlayerNumbers::kCount; ++n) {
        if (numbers.contains(n))
            json.value(n);
    }
    json.endArray();
}

int runInfo(const QStringList& args) {
    if (args.size() != 1)
        return usageOf(kInfoCommand);
    const QString path = args.at(0);
    const QString shown = QDir::toNativeSeparators(path);
    const QString extension = QStringLiteral(".") + QFileInfo(path).suffix().toLower();
    const bool tactics = extension == QLatin1String(".tac");
    if (!tactics && extension != QLatin1String(".gmp")) {
        if (isRecordsInfoExtension(extension))
            return runRecordsInfo(path);
        return fail(QStringLiteral("%1: not a file korvex-cli can describe").arg(shown));
    }
    QBuffer file;
    QString error;
    if (!readWholeFile(path, &file, &error))
        return fail(error);

    // Positions are reported on the large canvas; the figure pictures come from the
    // installation the tool runs from.
    TSettings settings(installationFolder());
    settings.setSaveOnDestroy(false);
    settings.SetFormSize(1);
    TLanguage language;
    TTacticsPractise practise(settings, language);
    const bool read =
        tactics ? practise.readTacticsFrom(&file, shown) : practise.readFrom(&file, shown);
    if (!read)
        return fail(practise.errorString());
    const qint32 version = practise.formatVersion();
    const bool accepted =
        tactics ? isTacticsVersionAccepted(version) : isGraphicVersionAccepted(version);
    if (!accepted)
        return fail(QStringLiteral("%1: format version %2 is not one this program reads")
                        .arg(shown)
                        .arg(version));

    // Streamed as it is written: a practise of many figures never becomes a JSON tree.
    JsonStream json(stdout);
    json.beginObject();
    json.field("file", shown);
    json.field("kind", tactics ? "tactics practise" : "graphic practise");
    json.field("version", int(version));
    json.field("description", practise.description());
    json.field("keywords", practise.keywords());
    json.field("groundName", practise.groundName());
    if (tactics) {
        json.key("frames").beginArray();
        for (int i = 0; i < practise.frameCount(); ++i)
            writeFigures(json, *practise.animation().at(i));
        json.endArray();
    } else {
        json.key("figures");
        writeFigures(json, practise.figures());
        json.key("lines");
        writeLines(json, practise.lines());
        json.field("groundMode", practise.groundMode());
        json.key("numbersA");
        writeNumbers(json, practise.numbers(TGraphicPractise::NumbersA));
        json.key("numbersB");
        writeNumbers(json, practise.numbers(TGraphicPractise::NumbersB));
        json.field("pictureEmbedded", practise.groundMode() != GroundStandard);
    }
    json.endObject();
    if (!json.ok())
        return fail(QStringLiteral("the description could not be written"));
    return kExitOk;
}

} // namespace

const Command kInfoCommand = {"info", "FILE", "describe a stored item or backup file as JSON",
                              runInfo};

} // namespace korvex::cli
