#pragma once
// What the user is told when a race file or the pilot master file cannot be read.

#include <string>

namespace korva {

enum class FileKind { Race, Master };

// Call from a catch block: the failure in flight, first in plain words (not such a file, or
// damaged; not enough memory), then the technical detail (byte offset, what was expected).
// A file that cannot be opened at all says so with the system's reason.
std::string loadFailureText(FileKind kind);

}  // namespace korva
