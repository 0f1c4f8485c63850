#pragma once
// Icons of the commands and of the program, drawn in bold colours that read in sunlight.

#include <QIcon>

namespace korva {

enum class Cmd;

// An empty icon for commands that go without one.
QIcon commandIcon(Cmd cmd);

// The program's own icon: a chequered flag.
QIcon programIcon();
QImage programIconImage(int size);

}  // namespace korva
