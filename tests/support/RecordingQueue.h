#pragma once
// A print queue that keeps the pages handed to it, in order, instead of printing them.

#include <string>
#include <vector>

#include "reports/HtmlPrintQueue.h"

namespace korva::test {

struct RecordingQueue : HtmlPrintQueue {
    void QueueHtmlPrint(const std::string& path) override { paths.push_back(path); }
    std::vector<std::string> paths;
};

}  // namespace korva::test
