#pragma once
// The report folder beside a race file with the pictures its pages name: made for a new race
// and on command, so that a race folder prints out of the box.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "reports/ReportPictureNames.h"

namespace korva {

class Interaction;

// The bytes of a picture's file; empty when it could not be drawn.
using PictureDrawer = std::function<std::vector<std::uint8_t>(const ReportPicture&)>;

struct ReportFolderOutcome {
    bool ok = false;
    std::string folder;  // the report folder used or made
    int written = 0;     // pictures drawn
    int kept = 0;        // pictures already there, left as they were
};

// Uses the html folder the report runs write into ("html" or "HTML"), or makes "html", and
// its picture folder; then writes every picture that is not there yet. A picture already
// there is kept: the director may have put his own in its place. A failure is told (with the
// folder or picture and why) and ends the work; what was written before it stays.
ReportFolderOutcome ensureReportFolder(Interaction& ui, const std::string& raceFolder,
                                       const PictureDrawer& draw);

}  // namespace korva
