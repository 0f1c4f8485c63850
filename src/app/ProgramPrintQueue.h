#pragma once
// The program's one print queue: written pages go to the default printer one at a time,
// paced against the spooler. Its parts are made with the first page and kept for the run.

#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "reports/HtmlPrintQueue.h"

namespace korva {

class ProgramPrintQueue final : public HtmlPrintQueue {
public:
    // Called with the status line's text once the worker starts; the caller asks it every
    // few seconds.
    using StartStatus = std::function<void(std::function<QString()> text)>;
    // Tells the director something in passing (a page that could not be printed).
    using Tell = std::function<void(const QString& text)>;

    ProgramPrintQueue(std::string workingFolder, StartStatus startStatus, Tell tell);
    ~ProgramPrintQueue() override;
    ProgramPrintQueue(const ProgramPrintQueue&) = delete;
    ProgramPrintQueue& operator=(const ProgramPrintQueue&) = delete;

    void QueueHtmlPrint(const std::string& path) override;
    // Ends the worker, waiting up to five seconds for a page in progress; at once when idle.
    void stop();

    struct Parts;

private:
    std::string workingFolder_;
    StartStatus startStatus_;
    Tell tell_;
    std::unique_ptr<Parts> parts_;
};

}  // namespace korva
