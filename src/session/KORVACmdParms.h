#pragma once
// The command line: the race file to open; switches are accepted and have no effect.

#include <string>
#include <vector>

namespace korva {

class KORVACmdParms {
public:
    void parseParam(const std::string& argument);
    // Arguments after the program's own name.
    void parse(const std::vector<std::string>& arguments);

    std::string fileName;  // the first argument that is not a switch

    // "-x", and "/x" when it names no file ("/home/me/race.kvr" is a file, "/p" a switch).
    static bool isSwitch(const std::string& argument);
};

}  // namespace korva
