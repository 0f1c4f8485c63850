#pragma once
// Icons of the commands and of the program, drawn in bold colours that read in sunlight.

#include <QIcon>

class QPainter;

namespace korva {

enum class Cmd;

// An empty icon for commands that go without one.
QIcon commandIcon(Cmd cmd);

// A sheet of paper with a folded corner, on the 64 x 64 grid the icons are drawn on.
void paintPage(QPainter& painter);

// The program's own icon: a chequered flag.
QIcon programIcon();
QImage programIconImage(int size);

}  // namespace korva
