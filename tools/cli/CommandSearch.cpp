// korvex-cli search ROOT WORDS...: the library search of the installation in ROOT, as the
// window's Find runs it. Prints the hits as a JSON array: kind, category, subcategory,
// name, the path relative to ROOT (stored form, "\" separated) and the matched words.
#include "cli/CliCommands.h"
#include "cli/CliInstallation.h"

#include "core/Paths.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "storage/search/LibraryIndex.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace korvex::cli {

namespace {

QString kindName(ItemKind kind) {
    switch (kind) {
    case ItemKind::GraphicPractise:
        return QStringLiteral("graphic");
    case ItemKind::TextPractise:
        return QStringLiteral("text");
    case ItemKind::TacticsPractise:
        return QStringLiteral("tactics");
    case ItemKind::TrainingPlan:
        return QStringLiteral("plan");
    default:
        return QStringLiteral("other");
    }
}

int runSearch(const QStringList& args) {
    if (args.size() < 2)
        return usageOf(kSearchCommand);
    const QString root = args.at(0);
    TSettings settings(root);
    TLanguage language;
    QString error;
    if (!loadInstallation(root, settings, language, &error))
        return fail(error);

    LibraryIndex index(LibraryIndex::rootsOf(settings));
    index.rebuild();
    QJsonArray hits;
    const QDir rootFolder(root);
    for (const LibraryHit& hit : index.query(args.mid(1).join(QLatin1Char(' ')))) {
        const LibraryEntry& entry = hit.entry;
        hits.append(QJsonObject{
            {QStringLiteral("kind"), kindName(entry.kind)},
            {QStringLiteral("category"), entry.category},
            {QStringLiteral("subcategory"), entry.subcategory},
            {QStringLiteral("name"), entry.name},
            {QStringLiteral("path"), pathToStored(rootFolder.relativeFilePath(entry.file))},
            {QStringLiteral("matched"), QJsonArray::fromStringList(hit.matchedWords)}});
    }
    QTextStream(stdout) << QString::fromUtf8(QJsonDocument(hits).toJson(QJsonDocument::Indented));
    return kExitOk;
}

} // namespace

const Command kSearchCommand = {"search", "ROOT WORDS...",
                                "find practises and plans of an installation by words, as JSON",
                                runSearch};

} // namespace korvex::cli
