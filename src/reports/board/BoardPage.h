#pragma once
// The pages of the live results board: one pure function from a request path to a response,
// so a server only has to pass paths in and bytes out.

#include <string>
#include <string_view>

namespace korva {

class RaceStandings;

struct BoardResponse {
    int status = 200;  // 200, or 404 for anything the board does not serve
    std::string contentType;
    std::string body;
};

// Answers a GET of `path` (as sent, query included) from the race of `standings`, which
// the caller has rebuilt after the last change. `lastChange` is shown on the start page
// and in the JSON (Windows-1252, escaped here).
BoardResponse boardPage(const RaceStandings& standings, std::string_view path,
                        std::string_view lastChange);

}  // namespace korva
