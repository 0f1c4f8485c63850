// Building and writing the heat cards of a full race with the page builder: three brackets
// of 32 rounds of 32 four-lane heats, 32 cards a page, about a hundred pages.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "reports/html/ZelHtml.h"
#include "reports/html/ZelHtmlString.h"
#include "reports/html/ZelHtmlTable.h"
#include "reports/html/ZelHtmlText.h"
#include "samples/SilentInteraction.h"

namespace {

using namespace korva;

constexpr int kHeats = 3 * 32 * 32;
constexpr int kCardsPerPage = 32;
constexpr const char* kHeadings[] = {"Ln", "Pilot", "Ch", "Fin", "M:S.HH", "Cts", "DN", "Pts"};

ZelHtmlText* text(ZelHtml& page, const std::string& value, const char* size = "") {
    auto* item = page.make<ZelHtmlText>(value);
    item->SetFontSize(size);
    return item;
}

// A starter's card the way the heat-card pages lay it out: heading, column titles, lanes,
// and the side cells beside it.
ZelHtmlTable* heatCard(ZelHtml& page, int heat, ZelHtmlItem* spacer) {
    auto* heading = page.make<ZelHtmlTable>();
    heading->SetOutlineWidth(0);
    auto* number = text(page, std::to_string(heat + 1), "4");
    number->SetBold(1);
    auto* className = text(page, "APRA", "+1");
    className->SetFontColor("RED");
    heading->AddColItem(number, 0, 255, 3, 0);
    heading->AddColItem(className, 0, 255, 9, 0);
    heading->AddColItem(
        text(page, "R" + std::to_string(heat / 32 % 32 + 1) + "H" + std::to_string(heat % 32 + 1)),
        0, 255, 9, 0);
    heading->AddColItem(text(page, "May 4, 2024", "1"), 0, 255, 4, 0);

    auto* card = page.make<ZelHtmlTable>(heading, "2");
    card->SetWidth("630");
    for (const char* h : kHeadings) card->AddColItem(text(page, h, "1"), 0, 255, 9, 0);
    for (int lane = 0; lane < 4; ++lane) {
        auto* name = text(page, "AB Pilot" + std::to_string((heat * 4 + lane) % 999), "+2");
        name->SetFontColor(lane % 2 == 0 ? "GREEN" : "BLUE");
        card->AddColItem(text(page, std::to_string(lane + 1), "+2"), lane + 1, 255, 9, 0);
        card->AddColItem(name, lane + 1, 255, 3, 0);
        card->AddColItem(text(page, std::to_string(10 + lane * 7)), lane + 1, 255, 9, 0);
        for (int c = 3; c < 8; ++c) card->AddColItem(spacer, lane + 1, 255, 9, 0);
    }
    auto* wrapper = page.make<ZelHtmlTable>(nullptr, "0");
    wrapper->SetOutlineWidth(0);
    wrapper->AddColItem(card, 0, 255, 3, 0);
    wrapper->AddColItem(heat % 32 == 0 ? text(page, "S<BR>T<BR>A<BR>R<BR>T") : spacer, 0, 255, 9,
                        0);
    return wrapper;
}

std::unique_ptr<ZelHtml> cardPage(int first) {
    auto page = std::make_unique<ZelHtml>();
    page->SetTitle("Heat Cards");
    auto* spacer = page->make<ZelHtmlString>("&nbsp;");
    auto* rows = page->make<ZelHtmlTable>();
    rows->SetOutlineWidth(0);
    for (int heat = first; heat < first + kCardsPerPage && heat < kHeats; ++heat) {
        rows->AddColItem(heatCard(*page, heat, spacer), heat - first, 255, 3, 0);
    }
    page->AddItem(rows);
    return page;
}

void BM_BuildAndRenderHeatCards(benchmark::State& state) {
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        for (int first = 0; first < kHeats; first += kCardsPerPage) {
            bytes += cardPage(first)->render().size();
        }
    }
    state.counters["pages"] = kHeats / kCardsPerPage;
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_BuildAndRenderHeatCards)->Unit(benchmark::kMillisecond);

void BM_BuildAndPunchHeatCards(benchmark::State& state) {
    std::string folder = (std::filesystem::temp_directory_path() / "korva-bench-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) {
        state.SkipWithError("cannot create a temporary folder");
        return;
    }
    samples::SilentInteraction ui;
    for (auto _ : state) {
        for (int first = 0; first < kHeats; first += kCardsPerPage) {
            auto page = cardPage(first);
            page->SetURL(folder + "/Race_HeatCards_" + std::to_string(first / kCardsPerPage + 1) +
                         ".html");
            page->Punch(ui);
        }
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_BuildAndPunchHeatCards)->Unit(benchmark::kMillisecond);

}  // namespace
