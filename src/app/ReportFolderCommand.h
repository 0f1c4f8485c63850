#pragma once
// "Create Report Folder": the report folder beside the race file with the pictures its pages
// name. A new race gets it at once; an older race on command.

class QStatusBar;

namespace korva {

class Interaction;
class KORVARaceDoc;

// Makes what is missing and keeps what is there; tells a failure, and on success says in
// the status bar how many pictures were written. True when the folder is ready.
bool createReportFolder(Interaction& ui, const KORVARaceDoc& race, QStatusBar* status);

}  // namespace korva
