#pragma once
// The pictures the report pages name, drawn by the program for a new report folder: lane
// cells of heat cards, wing-flag headings and lane-change marks of heat sheets, the finished
// heat and the pilot list's status marks. Sized for paper (one pixel prints as 1/96 inch) and
// on white, since JPEG keeps no transparency.

#include <QImage>
#include <cstdint>
#include <vector>

#include "reports/ReportPictureNames.h"

namespace korva {

QImage reportPicture(const ReportPicture& picture);

// The picture as the bytes of its JPEG file; empty when it could not be encoded.
std::vector<std::uint8_t> reportPictureJpeg(const ReportPicture& picture);

}  // namespace korva
