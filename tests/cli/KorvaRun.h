#pragma once
// `korva ARGS...` in the test process, with the commands the program registers.

#include <iosfwd>
#include <string>
#include <vector>

namespace korva::test {

int runKorva(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace korva::test
