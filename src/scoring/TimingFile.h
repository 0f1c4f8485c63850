#pragma once
// The files the timing program at the course reads: one per matrixed bracket, with the lane
// colours, the pilots and the whole heat matrix.

#include <string>

namespace korva {

class KORVARaceDoc;
struct MatrixHooks;

// The bracket's file as it is written: single-byte text, every line ended by CR LF.
std::string timingFileText(const KORVARaceDoc& doc, int bracket);
// The race file's name without its extension, "_", the bracket's class name, ".INI",
// beside the race file (in the working folder while the race has no file yet).
std::string timingFilePath(const KORVARaceDoc& doc, int bracket);

// Writes the bracket's file when its matrix has rounds, replacing the old one only once
// the new one is complete. Tells the user and returns false when that fails.
bool writeTimingFile(KORVARaceDoc& doc, int bracket);
// The "Output Timing System File" command: from now on the race wants the files. False when
// some bracket's file could not be written (the user was told).
bool outputTimingSystemFile(KORVARaceDoc& doc);
// After a matrix build or a swap: the files again, when the race wants them.
void rewriteTimingFiles(KORVARaceDoc& doc);
// Lets the matrix command write the files after every build.
void installTimingFileHook(MatrixHooks& hooks);

}  // namespace korva
