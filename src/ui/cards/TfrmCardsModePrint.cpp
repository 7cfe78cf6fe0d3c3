// The cards view's printouts: a player's card, the player list and the phone list.
#include "ui/cards/TfrmCardsMode.h"

#include "core/TLanguage.h"
#include "print/CardPrints.h"
#include "print/PageLayout.h"
#include "storage/TCardPractise.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"
#include "ui/PrintCommand.h"

#include <memory>

namespace korvex {

namespace {

constexpr int kPrintPlayer = 51;
constexpr int kPrintPlayerList = 52;

} // namespace

PrintBody TfrmCardsMode::printBody(int tag) {
    // The body prints a copy, in the order the grid shows.
    auto cards = std::make_shared<TCardPractise>(*m_cards);
    const int card = tag == kPrintPlayer ? currentCard() : -1;
    const QString team = m_cards->team();
    const TLanguage& texts = language();
    return [cards, card, team, tag, &texts](PageCanvas& canvas, QString&) {
        PageLayout layout(canvas);
        if (tag == kPrintPlayer)
            printPlayerCard(layout, texts, *cards, card);
        else if (tag == kPrintPlayerList)
            printPlayerList(layout, texts, team, *cards);
        else
            printPhoneList(layout, texts, team, *cards);
        return true;
    };
}

void TfrmCardsMode::print(int tag, bool preview) {
    if (!requireTeam())
        return;
    if (tag == kPrintPlayer && currentCard() < 0) {
        dialogs().information(this, language().Text(LK("PlayerNotSelected")));
        return;
    }
    if (!saveIfModified()) {
        dialogs().information(this, m_cards->errorString());
        return;
    }
    const QString title = QStringLiteral("Korvex - ") + m_cards->team();
    if (preview)
        runPrintPreview(this, language(), title, printBody(tag));
    else
        runPrintCommand(this, language(), title, printBody(tag));
}

} // namespace korvex
