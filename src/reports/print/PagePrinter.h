#pragma once
// Prints one written page: the print queue's worker hands it each page in turn.

#include <string>

namespace korva {

class PagePrinter {
public:
    virtual ~PagePrinter() = default;
    // Called on the worker thread; returns at once (the program's printer hands the page to
    // the user-interface thread and does not wait for it), so the worker learns that the
    // page was printed only from the spooler.
    virtual void printPage(const std::string& absolutePath) = 0;
};

}  // namespace korva
