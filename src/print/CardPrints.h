#pragma once

#include <QString>

namespace korvex {

class PageLayout;
class TCardPractise;
class TLanguage;

// The printouts of a team's card file, in page units. The lists print the cards in their
// stored order (the order of the grid) and continue on further pages, each page beginning
// with the list's heading again.

// One player's card: the heading, the name, one line of the player's details and the note,
// which continues on a further page when it is longer than the page.
void printPlayerCard(PageLayout& layout, const TLanguage& language, const TCardPractise& cards,
                     int card);
// Name, birth, number, position and phone of every player.
void printPlayerList(PageLayout& layout, const TLanguage& language, const QString& team,
                     const TCardPractise& cards);
// Name, phone and e-mail of every player.
void printPhoneList(PageLayout& layout, const TLanguage& language, const QString& team,
                    const TCardPractise& cards);

} // namespace korvex
