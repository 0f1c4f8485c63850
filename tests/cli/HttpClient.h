#pragma once
// A tiny HTTP client for the server tests: sends bytes to 127.0.0.1 and reads until closed.

#include <string>

namespace korva::test {

// The whole answer, or "" when nothing came within a few seconds.
std::string httpExchange(int port, const std::string& request);
// A GET of TARGET.
std::string httpGet(int port, const std::string& target);

}  // namespace korva::test
