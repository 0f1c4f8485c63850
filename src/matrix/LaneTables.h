#pragma once
// The lane tables of the trace log: every lane's pilots and channels by heat position.

#include <string_view>

#include "matrix/LaneLists.h"

namespace korva {

class MatrixTrace;

enum class LaneTableKind { Assigned, WithByes };

void traceLaneTable(MatrixTrace& trace, std::string_view title, const LaneLists& lists, int lanes,
                    int heats, LaneTableKind kind);

}  // namespace korva
