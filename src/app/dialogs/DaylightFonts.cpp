#include "app/dialogs/DaylightFonts.h"

#include <QWidget>

namespace korva {

namespace {
constexpr double kDialogScale = 1.25;
constexpr double kNumberScale = 1.4;
}  // namespace

void useDaylightFont(QWidget* dialog) {
    QFont font = dialog->font();
    font.setPointSizeF(font.pointSizeF() * kDialogScale);
    dialog->setFont(font);
}

QFont numberFont(const QWidget* widget) {
    QFont font = widget->font();
    font.setPointSizeF(font.pointSizeF() * kNumberScale);
    font.setBold(true);
    return font;
}

}  // namespace korva
