#pragma once
// What the page builder throws: a cell or row that does not exist, a page file that broke.

#include <stdexcept>

namespace korva {

class HtmlRangeError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

class HtmlWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace korva
