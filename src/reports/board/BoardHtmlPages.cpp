// The board's HTML pages: small, self-contained and readable on a phone at the field.

#include <initializer_list>

#include "race/KORVAPilot.h"
#include "race/KORVARaceDoc.h"
#include "race/TextCodec.h"
#include "reports/board/BoardText.h"
#include "reports/board/BoardWriters.h"
#include "ui/Format.h"

namespace korva {

namespace {

constexpr const char* kStyle =
    "body{font-family:sans-serif;font-size:1.3rem;margin:0.5rem;line-height:1.4}"
    "h1{font-size:1.6rem;margin:0.3rem 0}h2{font-size:1.4rem;margin:0.8rem 0 0.3rem}"
    "table{border-collapse:collapse;width:100%}"
    "th,td{padding:0.3rem;border-bottom:1px solid #ccc;text-align:left;vertical-align:top}"
    "a{color:#0645ad}.tie{color:#b00000;font-weight:bold}.note{color:#555}";

// The head of a page; the body is appended to it in place and closed by page().
// `title` is already escaped.
std::string pageHead(const std::string& title, std::size_t bodySize = 0) {
    std::string out;
    out.reserve(bodySize + 1024);
    out.append("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">")
        .append("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">")
        .append("<meta http-equiv=\"refresh\" content=\"15\"><title>")
        .append(title)
        .append("</title><style>")
        .append(kStyle)
        .append("</style></head>\n<body>\n");
    return out;
}

std::string page(std::string&& out) {
    out += "</body></html>\n";
    return std::move(out);
}

// `title` and `body` are already escaped.
std::string page(const std::string& title, const std::string& body) {
    return page(pageHead(title, body.size()) + body);
}

std::string link(const std::string& href, const std::string& text) {
    return "<a href=\"" + href + "\">" + text + "</a>";
}

std::string homeLink() {
    return "<p>" + link("/", "Board") + "</p>\n";
}

// Appended piece by piece: the heats page of a full race writes thousands of rows.
std::string row(std::initializer_list<std::string> cells, std::string_view tag = "td") {
    std::string out = "<tr>";
    for (const std::string& cell : cells) {
        out.append("<").append(tag).append(">").append(cell).append("</").append(tag).append(">");
    }
    return out + "</tr>\n";
}

std::string pilotLink(std::int32_t number, const std::string& name) {
    return link("/pilot/" + std::to_string(number), boardHtml(name));
}

void appendCell(std::string& out, std::string_view escaped) {
    out.append("<td>").append(escaped).append("</td>");
}

// Written straight into the page: the heats page of a full race has thousands of lanes.
void appendHeatTable(std::string& out, const BoardHeat& heat) {
    out.append("<h2>Round ").append(std::to_string(heat.round)).append(", Heat ");
    out.append(std::to_string(heat.heat)).append("</h2>\n<table>\n");
    out +=
        heat.complete ? row({"Lane", "Pilot", "Result"}, "th") : row({"Lane", "Pilot", "Ch"}, "th");
    for (const BoardLane& lane : heat.lanes) {
        out += "<tr>";
        appendCell(out, std::to_string(lane.lane));
        appendCell(out, pilotLink(lane.pilot, lane.name));
        appendCell(out, boardHtml(heat.complete ? lane.result : lane.channel));
        out += "</tr>\n";
    }
    out += "</table>\n";
}

}  // namespace

std::string classLink(std::string_view route, const BoardClass& c) {
    return std::string(route) + percentEncode(cp1252ToUtf8(c.name));
}

std::string boardStartPage(const KORVARaceDoc& doc, const std::vector<BoardClass>& classes,
                           std::string_view lastChange) {
    const std::string title = boardHtml(doc.raceTitle);
    std::string body = "<h1>" + title + "</h1>\n<table>\n";
    for (const BoardClass& c : classes) {
        body += row({boardHtml(c.name), link(classLink("/standings/", c), "Standings"),
                     link(classLink("/heats/", c), "Heats")});
    }
    body += "</table>\n<p class=\"note\">Last change: " + boardHtml(lastChange) + "</p>\n";
    return page(title, body);
}

std::string boardStandingsPage(const KORVARaceDoc& doc, const BoardClass& c,
                               const std::vector<BoardStandingRow>& rows) {
    const std::string title = boardHtml(c.name) + " Standings";
    const bool fai = doc.faiClass != 0;
    std::string body =
        homeLink() + "<h1>" + title + "</h1>\n<table>\n" +
        row({"Place", "Pilot", "#", fai ? "Score" : "Points", fai ? "Low Score" : "Low Time"},
            "th");
    for (const BoardStandingRow& r : rows) {
        const std::string place =
            r.tied ? cformat("<span class=\"tie\">%d=</span>", r.place) : std::to_string(r.place);
        body += row({place, pilotLink(r.number, r.name), std::to_string(r.number),
                     boardHtml(r.points), boardHtml(r.lowTime)});
    }
    body +=
        "</table>\n<p class=\"note\">** fastest time, C cut, F fly-off points, "
        "= tied</p>\n";
    return page(title, body);
}

std::string boardHeatsPage(const BoardClass& c, const BoardHeats& heats) {
    const std::string title = boardHtml(c.name) + " Heats";
    // About 600 bytes a heat: reserved once, a full bracket's page is never copied.
    std::string body = pageHead(title, 640 * (heats.toFly.size() + heats.flown.size()));
    body += homeLink() + "<h1>" + title + "</h1>\n";
    if (heats.toFly.empty()) body += "<p>No heats to fly.</p>\n";
    for (const BoardHeat& heat : heats.toFly) appendHeatTable(body, heat);
    if (!heats.flown.empty()) body += "<h1>Results</h1>\n";
    for (const BoardHeat& heat : heats.flown) appendHeatTable(body, heat);
    return page(std::move(body));
}

std::string boardPilotPage(const KORVARaceDoc& doc, const KORVAPilot& pilot,
                           const BoardStandingRow* standing,
                           const std::vector<BoardPilotHeat>& heats) {
    const std::string title = boardHtml(cformat("%s #%d", pilot.shortName(), pilot.pilotNumber));
    std::string body = homeLink() + "<h1>" + title + "</h1>\n";
    body += "<p>" + boardHtml(doc.classNameOf(pilot.classIndex));
    if (standing) {
        body += cformat(" &middot; Place %d%s &middot; %s &middot; %s", standing->place,
                        standing->tied ? "=" : "", boardHtml(standing->points),
                        boardHtml(standing->lowTime));
    }
    body += "</p>\n<table>\n" + row({"Round", "Heat", "Lane", "Start", "Result"}, "th");
    for (const BoardPilotHeat& h : heats) {
        body += row({std::to_string(h.round), std::to_string(h.heat), std::to_string(h.lane),
                     boardHtml(h.startGroup), h.complete ? boardHtml(h.result) : "to fly"});
    }
    return page(title, body + "</table>\n");
}

std::string boardNotFoundPage() {
    return page("Not Found", "<h1>Not Found</h1>\n" + homeLink());
}

}  // namespace korva
