#include "session/KORVACmdParms.h"

namespace korva {

bool KORVACmdParms::isSwitch(const std::string& a) {
    if (a.empty()) return true;
    if (a[0] == '-') return true;
    if (a[0] != '/') return false;
    return a.find_first_of("/.", 1) == std::string::npos;
}

void KORVACmdParms::parseParam(const std::string& argument) {
    if (isSwitch(argument) || !fileName.empty()) return;
    fileName = argument;
}

void KORVACmdParms::parse(const std::vector<std::string>& arguments) {
    for (const std::string& a : arguments) parseParam(a);
}

}  // namespace korva
