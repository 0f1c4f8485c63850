#pragma once
// Lane colours on printed pages: which colour code a lane has in a round, and the names of
// the lane, wing-flag and colour-change pictures in the html folder's img folder.

#include <string>

namespace korva {

class KORVARaceDoc;
enum class WingFlags;

// Lanes on a card or a sheet row: 3 in an FAI race, 4 otherwise.
int printedLanes(const KORVARaceDoc& doc);

// An FAI race that moves the course's lane colours every few rounds.
bool rotatesLaneColors(const KORVARaceDoc& doc);

// The rotation period the start-group colours follow: the FAI period, 0 otherwise.
int startGroupPeriod(const KORVARaceDoc& doc);

// The colour code of colour slot `slot` in round index `roundIndex`.
std::string laneColorCodeAt(const KORVARaceDoc& doc, int slot, int roundIndex);

// "img/HC_L<lane><code>.jpg" for lane index `lane` in round index `roundIndex`.
std::string heatCardLanePicture(const KORVARaceDoc& doc, int lane, int roundIndex);

// The wing-flag heading picture of a lane on the heat sheet.
std::string wingFlagPicture(const KORVARaceDoc& doc, int lane, WingFlags flags, bool color);

// The picture of a lane's new colour in a colour-change row of the heat sheet.
std::string colorChangePicture(const KORVARaceDoc& doc, int lane, int roundIndex, WingFlags flags);

}  // namespace korva
