#pragma once
// The pictures the report pages name in the "img" folder of the report folder, in one place
// so that the page builders and the program that draws the pictures agree.

#include <string>
#include <string_view>
#include <vector>

namespace korva {

inline constexpr std::string_view kPictureFolderName = "img";
inline constexpr std::string_view kFinishPictureName = "finish.jpg";

// How a page in the report folder refers to a picture: "img/NAME".
std::string pictureUrl(std::string_view name);

// The heat-card cell of lane 1..4 in a lane colour: "HC_L1LG.jpg".
std::string laneCellPictureName(int lane, std::string_view code);

// The wing-flag heading of a heat-sheet lane column: "WFL", "WFLL" (nose left), "WFLC" and
// "WFLCL" for a colour printer, then the colour code.
std::string wingFlagPictureName(std::string_view code, bool noseLeft, bool colorPrinter);

// A lane's new colour in a heat-sheet round separator: "MFU_LG.jpg", "MFL_LG.jpg".
std::string laneChangePictureName(std::string_view code, bool noseLeft);

// The status marks of the printed pilot list, in the order in which they take precedence.
enum class PilotMark {
    NoWaiver,
    Unpaid,
    Disqualified,
    Inactive,
    NoPlane,
    NotSafetyChecked,
    ChannelInBracket,
    ChannelInRace,
};
inline constexpr int kPilotMarkCount = 8;

// "waiver.jpg" ... "yelradio.jpg".
std::string_view pilotMarkPictureName(PilotMark mark);

// One picture of the set the program draws into a new report folder.
struct ReportPicture {
    enum class Kind { LaneCell, WingFlag, LaneChange, Finish, Mark };

    Kind kind = Kind::Finish;
    std::string name{};
    int lane = 0;                          // LaneCell: 1..4
    std::string code{};                    // LaneCell, WingFlag, LaneChange: the lane colour code
    bool noseLeft = false;                 // WingFlag, LaneChange
    bool color = false;                    // WingFlag: the colour-printer form
    PilotMark mark = PilotMark::NoWaiver;  // Mark
};

// Every picture any page may name, for every lane colour code (high blue included).
std::vector<ReportPicture> reportPictures();

}  // namespace korva
