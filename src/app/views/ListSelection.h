#pragma once
// Selection and keys shared by the list windows.

class QEvent;
class QTreeView;

namespace korva {

// Selects the whole row and scrolls it into view; a row outside the list clears the selection.
void selectListRow(QTreeView* list, int row);
// A press of Return or of the keypad's Enter.
bool isEnterPress(const QEvent* event);

}  // namespace korva
