#pragma once
// Heat cards and results laid out on pages: a few rows of cards a page, each page ending
// early after a round's last heat when asked to.

#include <vector>

namespace korva {

class ZelHtml;
struct CardSetup;
struct PrintedHeat;

using CardRow = std::vector<const PrintedHeat*>;
using CardPage = std::vector<CardRow>;

struct CardPaging {
    int rowsPerPage = 4;
    int cardsPerRow = 1;
    bool breakAfterRound = false;
};

std::vector<CardPage> pageCards(const std::vector<PrintedHeat>& heats, const CardPaging& paging);

// Appends the page's rows of cards to `page`, each card placed left in its row.
void addCardRows(ZelHtml& page, const CardSetup& setup, const CardPage& cards);

}  // namespace korva
