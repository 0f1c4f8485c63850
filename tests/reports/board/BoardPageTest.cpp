// The results board's routes over a small race: what each page and JSON document shows, that
// race text stays text, and that every path the board does not serve is a 404.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "race/KORVAPilot.h"
#include "reports/board/BoardPage.h"
#include "samples/SampleRace.h"
#include "scoring/Standings.h"
#include "support/TestServices.h"
#include "ui/Format.h"

namespace korva::test {
namespace {

int countOf(const std::string& text, const std::string& part) {
    int n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

// Twelve pilots, four a bracket, three rounds of three heats; the last round not yet flown.
struct BoardPageTest : ::testing::Test {
    TestServices t;
    std::unique_ptr<KORVARaceDoc> doc = samples::makeRace(t.services, {});
    std::unique_ptr<RaceStandings> standings;

    BoardPageTest() {
        for (const auto& heat : doc->raceMatrix.matrix(0).rounds.back()->heats)
            heat->clearResults(t.clock.now());
        doc->pilotByNumber(1)->lastName = "<script>";
        doc->raceTitle = "Spring & \xE9t\xE9";
        refresh();
    }

    void refresh() {
        standings = std::make_unique<RaceStandings>(*doc);
        standings->rebuild();
    }

    BoardResponse get(std::string_view path) { return boardPage(*standings, path, "12:00 <now>"); }

    std::string html(std::string_view path) {
        const BoardResponse r = get(path);
        EXPECT_EQ(r.status, 200) << path;
        EXPECT_EQ(r.contentType, "text/html; charset=utf-8") << path;
        EXPECT_EQ(countOf(r.body, "<meta http-equiv=\"refresh\" content=\"15\">"), 1) << path;
        EXPECT_EQ(countOf(r.body, "name=\"viewport\""), 1) << path;
        EXPECT_EQ(countOf(r.body, "<script"), 0) << path;
        EXPECT_EQ(countOf(r.body, "src=") + countOf(r.body, "stylesheet"), 0) << path;
        return r.body;
    }

    nlohmann::json json(std::string_view path) {
        const BoardResponse r = get(path);
        EXPECT_EQ(r.status, 200) << path;
        EXPECT_EQ(r.contentType, "application/json; charset=utf-8") << path;
        return nlohmann::json::parse(r.body);
    }
};

TEST_F(BoardPageTest, StartPageLinksEveryClassAndEscapesTheRaceText) {
    const std::string start = html("/");
    EXPECT_EQ(countOf(start, "<h1>Spring &amp; \xC3\xA9t\xC3\xA9</h1>"), 1);
    for (const char* c : {"424", "426", "Q40"}) {
        EXPECT_EQ(countOf(start, std::string("href=\"/standings/") + c + "\""), 1) << c;
        EXPECT_EQ(countOf(start, std::string("href=\"/heats/") + c + "\""), 1) << c;
    }
    EXPECT_EQ(countOf(start, "Last change: 12:00 &lt;now&gt;"), 1);

    // A user class name with a blank and a slash is linked encoded and found again.
    doc->classQ40 = 0;
    doc->userClass = 1;
    doc->userClassName = "My/Class \xE9";
    doc->raceMatrix.matrix(2).setClassCode(4);
    refresh();
    EXPECT_EQ(countOf(html("/"), "href=\"/heats/My%2FClass%20%C3%A9\""), 1);
    EXPECT_EQ(countOf(html("/heats/My%2FClass%20%C3%A9"), "<h1>My/Class \xC3\xA9 Heats</h1>"), 1);
    EXPECT_EQ(countOf(html("/standings/2"), "<h1>My/Class \xC3\xA9 Standings</h1>"), 1);
}

TEST_F(BoardPageTest, StandingsPageIsInFinishOrderWithThePilotListMarks) {
    const std::string page = html("/standings/424");
    // The page lists bracket 0's four pilots in the order of the JSON, most points first.
    const nlohmann::json rows = json("/standings.json")["classes"][0]["standings"];
    ASSERT_EQ(rows.size(), 4U);
    std::size_t at = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::size_t found = page.find(cformat("href=\"/pilot/%d\"", int(rows[i]["pilot"])));
        EXPECT_TRUE(found != std::string::npos && found >= at) << i;
        at = found;
        if (i > 0) {
            EXPECT_GE(std::stoi(std::string(rows[i - 1]["points"])),
                      std::stoi(std::string(rows[i]["points"])));
            EXPECT_EQ(rows[i]["place"], i + 1) << "the sample has no equal totals";
        }
    }
    EXPECT_EQ(countOf(page, "&lt;script&gt;"), 1);
    EXPECT_EQ(countOf(page, "<td>** "), 1) << "one fastest time";
    EXPECT_EQ(html("/standings/0"), page) << "the bracket number names the class too";

    // Equal points tie the four, whatever their times; the fly-off points the director
    // enters then decide.
    int hundredths = 9000;
    for (auto& round : doc->raceMatrix.matrix(0).rounds) {
        for (auto& heat : round->heats) {
            if (!heat->isComplete()) continue;
            heat->lanePoints.fill(2);
            for (auto& time : heat->laneTime) time.setTotal(hundredths++);
        }
    }
    doc->resolveTiesByFlyOff = 1;
    doc->raceFinished = 1;
    refresh();
    const std::string tied = html("/standings/424");
    EXPECT_EQ(countOf(tied, "<span class=\"tie\">1=</span>"), 4) << tied;
    doc->pilotByNumber(7)->flyOffPoints = 2;
    standings->update();
    const std::string decided = html("/standings/424");
    EXPECT_EQ(countOf(decided, "<span class=\"tie\">2=</span>"), 3);
    EXPECT_LT(decided.find("/pilot/7\""), decided.find("/pilot/1\""));
    EXPECT_EQ(countOf(decided, "<td>F2 "), 1);
    EXPECT_EQ(countOf(decided, "<td>F0 "), 3);
}

TEST_F(BoardPageTest, HeatsPageShowsTheNextHeatFirstAndResultsLatestFirst) {
    const std::string page = html("/heats/424");
    const auto next = page.find("Round 3, Heat 1");
    const auto later = page.find("Round 3, Heat 3");
    const auto results = page.find("<h1>Results</h1>");
    const auto latest = page.find("Round 2, Heat 3");
    const auto first = page.find("Round 1, Heat 1");
    ASSERT_NE(first, std::string::npos);
    EXPECT_TRUE(next < later && later < results && results < latest && latest < first);
    EXPECT_EQ(countOf(page.substr(0, results), "<th>Ch</th>"), 3);
    EXPECT_EQ(countOf(page.substr(results), "Finish=1 Time="), 6);
    EXPECT_EQ(countOf(page, "&lt;script&gt;"), 9) << "pilot 1 flies every heat of a lane";
}

TEST_F(BoardPageTest, PilotPageListsTheHeatsWithStartGroupsAndResults) {
    const std::string page = html("/pilot/4");
    EXPECT_EQ(countOf(page, "<tr><td>"), 9) << "a row per heat of the bracket";
    EXPECT_EQ(countOf(page, "to fly"), 3);
    EXPECT_EQ(countOf(page, "Green") + countOf(page, "Blue"), 9);
    EXPECT_EQ(countOf(page, "Place "), 1);
    const std::string one = html("/pilot/1");
    EXPECT_EQ(countOf(one, "&lt;script&gt; #1</h1>"), 1) << one;
    const std::string flown = html("/pilot/5");
    EXPECT_EQ(countOf(flown, "<tr><td>"), 9) << "bracket 1 has flown every heat";
    EXPECT_EQ(countOf(flown, "to fly"), 0);
    EXPECT_EQ(countOf(flown, "Pts="), 9);
}

TEST_F(BoardPageTest, JsonHoldsTheSameDataAsThePages) {
    const nlohmann::json s = json("/standings.json");
    EXPECT_EQ(s["race"], "Spring & \xC3\xA9t\xC3\xA9");
    EXPECT_EQ(s["lastChange"], "12:00 <now>");
    ASSERT_EQ(s["classes"].size(), 3U);
    EXPECT_EQ(s["classes"][0]["class"], "424");
    EXPECT_EQ(s["classes"][0]["standings"].size(), 4U);
    std::set<std::string> names;
    for (const auto& row : s["classes"][0]["standings"]) names.insert(row["name"]);
    EXPECT_EQ(names.count("First1 <script>"), 1U) << s.dump();
    EXPECT_EQ(get("/standings.json").body.find('<'), std::string::npos);

    const nlohmann::json h = json("/heats.json");
    ASSERT_EQ(h["classes"].size(), 3U);
    EXPECT_EQ(h["classes"][0]["toFly"].size(), 3U);
    EXPECT_EQ(h["classes"][0]["flown"].size(), 6U);
    EXPECT_EQ(h["classes"][1]["toFly"].size(), 0U);
    EXPECT_EQ(h["classes"][0]["toFly"][0]["round"], 3);
    EXPECT_EQ(h["classes"][0]["toFly"][0]["lanes"].size(), 4U);
    // The latest flown heat (round 2, heat 3): the sample's lane 1 finished first in 90.02 s.
    const nlohmann::json& lane = h["classes"][0]["flown"][0]["lanes"][0];
    EXPECT_EQ(h["classes"][0]["flown"][0]["round"], 2);
    EXPECT_EQ(lane["finish"], 1);
    EXPECT_EQ(lane["time"], 9002);
    EXPECT_EQ(lane["points"], 4);
    EXPECT_EQ(lane["finished"], true);
    EXPECT_FALSE(h["classes"][0]["toFly"][0]["lanes"][0].contains("points"));

    // An FAI race names its columns as the pilot list does and says so in the JSON.
    doc->faiClass = 1;
    refresh();
    EXPECT_EQ(json("/standings.json")["fai"], true);
    const std::string fai = html("/standings/426");
    EXPECT_EQ(countOf(fai, "<th>Score</th><th>Low Score</th>"), 1);
    EXPECT_EQ(countOf(html("/heats/424"), "Infringe="), 6 * 4);
}

TEST_F(BoardPageTest, EverythingElseIsNotFound) {
    for (const char* path : {"",
                             "race.kvr",
                             "/../race.kvr",
                             "/html/../x",
                             "/standings/..",
                             "/standings/%2E%2E",
                             "/standings/..%2Fx",
                             "//",
                             "/standings//424",
                             "/standings/424/",
                             "/heats\\424",
                             "/standings/424?x=1",
                             "/?",
                             "/standings.json?a",
                             "/index.html",
                             "/standings",
                             "/standings/",
                             "/standings/F3D",
                             "/standings/%zz",
                             "/standings/%4",
                             "/standings/%00",
                             "/standings/7",
                             "/heats/-1",
                             "/pilot/",
                             "/pilot/0",
                             "/pilot/99",
                             "/pilot/1x",
                             "/pilot/+1",
                             "/pilot/99999999999",
                             "/html/race.kvr",
                             "/STANDINGS.JSON"}) {
        const BoardResponse r = get(path);
        EXPECT_EQ(r.status, 404) << path;
        EXPECT_EQ(countOf(r.body, "Not Found"), 2) << path;
    }
    doc->class426 = 0;
    refresh();
    EXPECT_EQ(get("/heats/426").status, 404) << "a class the race does not use";
}

}  // namespace
}  // namespace korva::test
