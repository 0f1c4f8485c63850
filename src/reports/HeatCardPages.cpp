#include "reports/HeatCardPages.h"

#include "reports/HeatCard.h"
#include "reports/HeatSelection.h"
#include "reports/PrintLook.h"
#include "reports/html/ZelHtml.h"
#include "reports/html/ZelHtmlString.h"
#include "reports/html/ZelHtmlTable.h"

namespace korva {

std::vector<CardPage> pageCards(const std::vector<PrintedHeat>& heats, const CardPaging& paging) {
    std::vector<CardPage> pages;
    CardPage page;
    CardRow row;
    const auto endRow = [&] {
        if (!row.empty()) page.push_back(std::move(row));
        row.clear();
    };
    const auto endPage = [&] {
        endRow();
        if (!page.empty()) pages.push_back(std::move(page));
        page.clear();
    };
    for (const PrintedHeat& heat : heats) {
        row.push_back(&heat);
        if (static_cast<int>(row.size()) >= paging.cardsPerRow) endRow();
        if (static_cast<int>(page.size()) >= paging.rowsPerPage) endPage();
        if (paging.breakAfterRound && heat.lastOfRound()) endPage();
    }
    endPage();
    return pages;
}

void addCardRows(ZelHtml& page, const CardSetup& setup, const CardPage& cards) {
    for (const CardRow& row : cards) {
        auto* table = page.make<ZelHtmlTable>(nullptr, "0");
        table->SetOutlineWidth(0);
        for (const PrintedHeat* heat : row) {
            table->AddColItem(heatCard(page, setup, heat), 0, cell::kWhite, cell::kLeft, 0);
        }
        page.AddItem(table);
        page.AddItem(page.make<ZelHtmlString>("<BR>"));
    }
}

}  // namespace korva
