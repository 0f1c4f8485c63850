#pragma once
// The report folder beside a race file, where pages are written and their pictures are found:
// "html", or a folder of another spelling ("HTML") that is already there.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "properties/ReportPictureNames.h"

namespace korva {

class Interaction;

// The existing report folder of a race folder: "HTML" first, then "html", then any other
// letter case of the name; empty when there is none.
std::string findReportFolder(const std::string& raceFolder);

// The bytes of a picture's file; empty when it could not be drawn.
using PictureDrawer = std::function<std::vector<std::uint8_t>(const ReportPicture&)>;

struct ReportFolderOutcome {
    bool ok = false;
    std::string folder;  // the report folder used or made
    int written = 0;     // pictures drawn
    int kept = 0;        // pictures already there, left as they were
};

// Makes the report folder and its picture folder when they are missing and writes every
// picture that is not there yet. A picture already there is kept: the director may have put
// his own in its place. A failure is told (with the folder or picture and why) and ends the
// work; what was written before it stays.
ReportFolderOutcome ensureReportFolder(Interaction& ui, const std::string& raceFolder,
                                       const PictureDrawer& draw);

}  // namespace korva
