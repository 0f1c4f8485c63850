#pragma once
// Where report runs hand their written pages for printing.

#include <string>

namespace korva {

class HtmlPrintQueue {
public:
    virtual ~HtmlPrintQueue() = default;
    // One written page, by the path it was written to (in the race folder's html folder);
    // a run hands its pages in page order once all of them are written.
    virtual void QueueHtmlPrint(const std::string& path) = 0;
};

}  // namespace korva
