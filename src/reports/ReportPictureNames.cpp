#include "reports/ReportPictureNames.h"

#include "properties/LaneColors.h"

namespace korva {

namespace {

std::string jpg(std::string name) {
    return name + ".jpg";
}

// The four course colours and high blue, which replaces low red in some FAI races.
std::vector<std::string> pictureCodes() {
    std::vector<std::string> codes;
    for (int c = 0; c < kLaneColorCount; ++c) codes.push_back(laneColorCode(c));
    codes.push_back(laneColorCode(1, true));
    return codes;
}

}  // namespace

std::string pictureUrl(std::string_view name) {
    return std::string(kPictureFolderName) + "/" + std::string(name);
}

std::string laneCellPictureName(int lane, std::string_view code) {
    return jpg("HC_L" + std::to_string(lane) + std::string(code));
}

std::string wingFlagPictureName(std::string_view code, bool noseLeft, bool colorPrinter) {
    std::string name = "WFL";
    if (colorPrinter) name += 'C';
    if (noseLeft) name += 'L';
    return jpg(name + std::string(code));
}

std::string laneChangePictureName(std::string_view code, bool noseLeft) {
    return jpg((noseLeft ? "MFL_" : "MFU_") + std::string(code));
}

std::string_view pilotMarkPictureName(PilotMark mark) {
    switch (mark) {
        case PilotMark::NoWaiver: return "waiver.jpg";
        case PilotMark::Unpaid: return "money.jpg";
        case PilotMark::Disqualified: return "disqualified.jpg";
        case PilotMark::Inactive: return "inactive.jpg";
        case PilotMark::NoPlane: return "noplane.jpg";
        case PilotMark::NotSafetyChecked: return "unsafe.jpg";
        case PilotMark::ChannelInBracket: return "redradio.jpg";
        case PilotMark::ChannelInRace: return "yelradio.jpg";
    }
    return {};
}

std::vector<ReportPicture> reportPictures() {
    using Kind = ReportPicture::Kind;
    std::vector<ReportPicture> all;
    for (const std::string& code : pictureCodes()) {
        for (int lane = 1; lane <= kLaneColorCount; ++lane) {
            all.push_back({.kind = Kind::LaneCell,
                           .name = laneCellPictureName(lane, code),
                           .lane = lane,
                           .code = code});
        }
        for (bool left : {false, true}) {
            for (bool color : {false, true}) {
                all.push_back({.kind = Kind::WingFlag,
                               .name = wingFlagPictureName(code, left, color),
                               .code = code,
                               .noseLeft = left,
                               .color = color});
            }
            all.push_back({.kind = Kind::LaneChange,
                           .name = laneChangePictureName(code, left),
                           .code = code,
                           .noseLeft = left});
        }
    }
    all.push_back({.kind = Kind::Finish, .name = std::string(kFinishPictureName)});
    for (int m = 0; m < kPilotMarkCount; ++m) {
        const auto mark = static_cast<PilotMark>(m);
        all.push_back(
            {.kind = Kind::Mark, .name = std::string(pilotMarkPictureName(mark)), .mark = mark});
    }
    return all;
}

}  // namespace korva
