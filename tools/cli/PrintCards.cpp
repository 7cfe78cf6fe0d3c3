// korvex-cli print TEAM.cmp OUT.pdf --player N | --list | --phones: a team's printouts, as
// the cards view prints them. The players are in surname order, as the grid first shows
// them; N counts from 1 in that order.
#include "cli/PrintTargets.h"

#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "print/CardPrints.h"
#include "print/PageLayout.h"
#include "storage/TCardPractise.h"

#include <QFileInfo>

#include <memory>

namespace korvex::cli {

bool prepareCardsPrint(const PrintRequest& request, PrintJob* job, QString* error) {
    const QStringList& options = request.options;
    const QString kind = options.value(0);
    const bool player = kind == QStringLiteral("--player") && options.size() == 2;
    if (!player && !(options.size() == 1 &&
                     (kind == QStringLiteral("--list") || kind == QStringLiteral("--phones")))) {
        *error = QStringLiteral("a card file prints with --player N, --list or --phones");
        return false;
    }
    auto cards = std::make_shared<TCardPractise>();
    if (!cards->readFile(request.file, true)) {
        *error = cards->errorString();
        return false;
    }
    cards->setSortLocale(TCardPractise::sortLocaleOf(request.settings.Language()));
    cards->setSortColumn(TCardPractise::Surname);
    cards->sort();
    int card = -1;
    if (player) {
        bool ok = false;
        card = options.at(1).toInt(&ok) - 1;
        if (!ok || card < 0 || card >= cards->count()) {
            *error = QStringLiteral("the team has %1 players; --player takes 1 to %1")
                         .arg(cards->count());
            return false;
        }
    }
    const QString team = QFileInfo(request.file).completeBaseName();
    job->title = QStringLiteral("Korvex - ") + team;
    job->body = [cards, card, team, kind, language = request.language](PageCanvas& canvas,
                                                                       QString&) {
        PageLayout layout(canvas);
        if (card >= 0)
            printPlayerCard(layout, language, *cards, card);
        else if (kind == QStringLiteral("--list"))
            printPlayerList(layout, language, team, *cards);
        else
            printPhoneList(layout, language, team, *cards);
        return true;
    };
    return true;
}

} // namespace korvex::cli
