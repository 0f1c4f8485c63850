#pragma once
// What the main window needs of the pilot, plane and heat windows. Each shows a list of the
// open race; the full list views replace their contents behind this interface.

#include <QWidget>

namespace korva {

class KORVARaceDoc;

enum class WindowKind { None = 0, Pilots = 1, Planes = 2, Heats = 3 };

class RaceWindow : public QWidget {
    Q_OBJECT
public:
    RaceWindow(KORVARaceDoc& race, QWidget* parent) : QWidget(parent), race_(race) {}

    virtual WindowKind kind() const = 0;
    // Redraws from the race; `refill` rebuilds the rows.
    virtual void refresh(bool refill) = 0;
    // -1 every class, else the bracket 0..2 shown.
    virtual void setBracketFilter(int bracket) = 0;
    virtual int bracketFilter() const = 0;
    // Number of rows listed.
    virtual int rowCount() const = 0;

    KORVARaceDoc& race() const { return race_; }
    // "Cascade" gives each window its hint: big enough for a list one can work in.
    QSize sizeHint() const override { return {640, 360}; }

private:
    KORVARaceDoc& race_;
};

}  // namespace korva
