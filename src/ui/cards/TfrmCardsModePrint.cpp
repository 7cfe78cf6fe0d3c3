// The cards view's printouts: a player's card, the player list and the phone list.
#include "ui/cards/TfrmCardsMode.h"

namespace korvex {

void TfrmCardsMode::print(int tag) {
    Q_UNUSED(tag);
}

} // namespace korvex
