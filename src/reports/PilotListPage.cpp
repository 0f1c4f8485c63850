#include "reports/PilotListPage.h"

#include <filesystem>

#include "race/FileIo.h"
#include "race/KORVARaceDoc.h"
#include "reports/PilotListing.h"
#include "reports/ReportPictureNames.h"
#include "reports/ReportRun.h"
#include "reports/html/EscapeHtml.h"
#include "reports/html/ZelHtml.h"
#include "reports/html/ZelHtmlImage.h"
#include "reports/html/ZelHtmlString.h"
#include "reports/html/ZelHtmlTable.h"
#include "reports/html/ZelHtmlText.h"
#include "ui/Format.h"
#include "views/PilotListRows.h"

namespace korva {

namespace {
// More sponsors than fit on a strip of paper are not looked for.
constexpr int kMostSponsors = 99;

bool marksFastest(const std::string& lowTime) {
    return lowTime.starts_with("** ") || lowTime.starts_with("C* ");
}

struct ListBuilder {
    ZelHtml& page;
    const ReportRun& run;
    const PilotListSetup& setup;
    ZelHtmlItem* spacer = page.make<ZelHtmlString>("&nbsp;");

    const KORVARaceDoc& doc() const { return run.doc(); }
    const PrintLook& look() const { return run.look(); }
    bool fai() const { return doc().faiClass != 0; }
    const PilotListRows& list() const { return setup.list; }

    ZelHtmlItem* text(const std::string& value, bool bold = false, const std::string& color = {}) {
        return look().text(page, value, "2", bold, color);
    }
    static void cell(ZelHtmlTable& table, ZelHtmlItem* item, int row) {
        table.AddColItem(item, row, cell::kWhite, cell::kNoAlign, 0);
    }

    void sponsors() {
        const std::vector<std::string> pictures = sponsorPictures(run.folder());
        if (pictures.empty()) return;
        auto* heading = look().text(page, std::string(korva::text(str::kSponsoredBy)), "+2", true);
        auto* table = page.make<ZelHtmlTable>(heading);
        table->SetOutlineWidth(0);
        // A lone picture gives the table one column, and such a table shows no title.
        const int row = pictures.size() == 1 ? 1 : 0;
        if (row == 1) cell(*table, heading, 0);
        for (const std::string& picture : pictures)
            cell(*table, page.make<ZelHtmlImage>(picture), row);
        page.AddItem(table);
    }

    void headings(ZelHtmlTable& table) {
        const PilotPrintForm& c = setup.columns;
        std::vector<std::string> titles;
        if (c.icons) titles.emplace_back("&nbsp;");
        titles.emplace_back("Name");
        if (c.number) titles.emplace_back("#");
        if (c.classColumn) titles.emplace_back("Class");
        if (c.lowTime) titles.emplace_back(fai() ? "Low Score" : "Low Time");
        if (c.points) titles.emplace_back(fai() ? "Score" : "Points");
        if (c.channel) titles.emplace_back("Channel");
        if (c.korva && !fai()) titles.emplace_back("KORVA");
        for (const std::string& title : titles) cell(table, text(title, true), 0);
    }

    void pilotRow(ZelHtmlTable& table, const KORVAPilot& p, int row) {
        const PilotPrintForm& c = setup.columns;
        if (c.icons) {
            const std::string icon = statusIconPicture(list().statusIcon(p));
            cell(table, icon.empty() ? spacer : page.make<ZelHtmlImage>(icon), row);
        }
        cell(table, text(escapeHtml(list().cellText(p, PilotColumn::Name))), row);
        if (c.number) cell(table, text(list().cellText(p, PilotColumn::Number)), row);
        if (c.classColumn) {
            cell(table, text(escapeHtml(list().cellText(p, PilotColumn::Class))), row);
        }
        if (c.lowTime) {
            const std::string low = list().cellText(p, PilotColumn::LowTime);
            cell(table, text(low, false, marksFastest(low) ? look().red() : std::string()), row);
        }
        if (c.points) cell(table, text(list().cellText(p, PilotColumn::Points)), row);
        if (c.channel) cell(table, text(list().cellText(p, PilotColumn::Chan)), row);
        if (c.korva && !fai()) cell(table, text(escapeHtml(p.associationNumber)), row);
    }

    void build() {
        page.AddItem(page.make<ZelHtmlText>(""));
        page.AddItem(page.make<ZelHtmlString>("<BR>"));
        sponsors();
        addListingHeading(page, look(), listingHeading(doc(), run.raceName(), setup.printDate),
                          list());
        for (const BracketPilots& group : byBracket(setup.pilots)) {
            addClassIntro(page, look(), doc(), group.bracket);
            auto* table = page.make<ZelHtmlTable>();
            headings(*table);
            int row = 1;
            for (const KORVAPilot* p : group.pilots) pilotRow(*table, *p, row++);
            page.AddItem(table);
        }
    }
};
}  // namespace

std::string statusIconPicture(int icon) {
    const auto picture = [](PilotMark mark) { return pictureUrl(pilotMarkPictureName(mark)); };
    switch (icon) {
        case kIconNoWaiver: return picture(PilotMark::NoWaiver);
        case kIconUnpaid: return picture(PilotMark::Unpaid);
        case kIconDisqualified: return picture(PilotMark::Disqualified);
        case kIconInactive: return picture(PilotMark::Inactive);
        case kIconNoPrimaryPlane: return picture(PilotMark::NoPlane);
        case kIconNotSafetyChecked: return picture(PilotMark::NotSafetyChecked);
        case kIconChannelInBracket: return picture(PilotMark::ChannelInBracket);
        case kIconChannelInRace: return picture(PilotMark::ChannelInRace);
        default: return {};
    }
}

std::vector<std::string> sponsorPictures(const std::string& htmlFolder) {
    std::vector<std::string> pictures;
    for (int n = 1; n <= kMostSponsors; ++n) {
        std::string picture = pictureUrl(cformat("sponsor%d.jpg", n));
        std::error_code ec;
        if (!std::filesystem::is_regular_file(joinPath(htmlFolder, picture), ec)) break;
        pictures.push_back(std::move(picture));
    }
    return pictures;
}

std::unique_ptr<ZelHtml> composePilotList(const ReportRun& run, const PilotListSetup& setup) {
    auto page = run.newPage(
        run.pagePath(str::kPilotListFile, run.raceName(), "_" + listingSuffix(setup.list)),
        listingHeading(run.doc(), run.raceName(), setup.printDate));
    ListBuilder{*page, run, setup}.build();
    return page;
}

}  // namespace korva
