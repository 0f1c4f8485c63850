#pragma once
// Fonts of the result forms: they are read at arm's length, often in bright sunlight.

#include <QFont>

class QWidget;

namespace korva {

// Enlarges the font of a dialog and of everything in it.
void useDaylightFont(QWidget* dialog);
// The bold, larger font of the numbers typed or checked.
QFont numberFont(const QWidget* widget);

}  // namespace korva
