#pragma once
// `korva matrix FILE`: builds the heat matrix of a race file without a window.

#include <iosfwd>
#include <string>
#include <vector>

namespace korva {

int matrixCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace korva
