// korvex-cli info FILE: describes a stored item as JSON on stdout. Graphic practises give
// their format version, texts, figures (positions in pixels of the large canvas), lines,
// ground and the player number sets; tactics practises list their frames; every other
// kind is described by the records part (InfoRecords.cpp).
#include "cli/CliCommands.h"
#include "cli/CliInstallation.h"

#include "core/Paths.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "storage/PractiseVersions.h"
#include "storage/TTacticsPractise.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace korvex::cli {

namespace {

QJsonArray figuresJson(const TFigures& figures) {
    QJsonArray list;
    for (int i = 0; i < figures.count(); ++i) {
        const TFigure* figure = figures.at(i);
        list.append(QJsonObject{{QStringLiteral("kind"), figure->kind()},
                                {QStringLiteral("x"), figure->position().x()},
                                {QStringLiteral("y"), figure->position().y()},
                                {QStringLiteral("variant"), figure->variant()},
                                {QStringLiteral("text"), figure->text()}});
    }
    return list;
}

QJsonArray linesJson(TLines& lines) {
    QJsonArray list;
    for (int i = 0; i < lines.count(); ++i) {
        const TLine* line = lines.at(i);
        const TLineSetting& s = line->setting();
        QJsonArray points;
        for (const QPoint& p : line->controlPoints())
            points.append(QJsonArray{p.x(), p.y()});
        list.append(QJsonObject{
            {QStringLiteral("setting"), QJsonObject{{QStringLiteral("reservedA"), s.reservedA},
                                                    {QStringLiteral("colour"), s.colour},
                                                    {QStringLiteral("endKind"), s.endKind},
                                                    {QStringLiteral("lineKind"), s.lineKind},
                                                    {QStringLiteral("reservedB"), s.reservedB},
                                                    {QStringLiteral("curved"), s.curved}}},
            {QStringLiteral("controlPoints"), points},
            {QStringLiteral("pathPoints"), line->pathLastIndex() + 1}});
    }
    return list;
}

QJsonArray numbersJson(const PlayerNumbers& numbers) {
    QJsonArray list;
    for (int n = 0; n < PlayerNumbers::kCount; ++n) {
        if (numbers.contains(n))
            list.append(n);
    }
    return list;
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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("%1: cannot be read: %2").arg(shown, file.errorString()));

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

    QJsonObject info{
        {QStringLiteral("file"), shown},
        {QStringLiteral("kind"),
         tactics ? QStringLiteral("tactics practise") : QStringLiteral("graphic practise")},
        {QStringLiteral("version"), version},
        {QStringLiteral("description"), QJsonArray::fromStringList(practise.description())},
        {QStringLiteral("keywords"), QJsonArray::fromStringList(practise.keywords())},
        {QStringLiteral("groundName"), practise.groundName()}};
    if (tactics) {
        QJsonArray frames;
        for (int i = 0; i < practise.frameCount(); ++i)
            frames.append(figuresJson(*practise.animation().at(i)));
        info.insert(QStringLiteral("frames"), frames);
    } else {
        info.insert(QStringLiteral("figures"), figuresJson(practise.figures()));
        info.insert(QStringLiteral("lines"), linesJson(practise.lines()));
        info.insert(QStringLiteral("groundMode"), practise.groundMode());
        info.insert(QStringLiteral("numbersA"),
                    numbersJson(practise.numbers(TGraphicPractise::NumbersA)));
        info.insert(QStringLiteral("numbersB"),
                    numbersJson(practise.numbers(TGraphicPractise::NumbersB)));
        info.insert(QStringLiteral("pictureEmbedded"), practise.groundMode() != GroundStandard);
    }
    QTextStream(stdout) << QString::fromUtf8(QJsonDocument(info).toJson(QJsonDocument::Indented));
    return kExitOk;
}

} // namespace

const Command kInfoCommand = {"info", "FILE", "describe a stored item or backup file as JSON",
                              runInfo};

} // namespace korvex::cli
