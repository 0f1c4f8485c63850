#pragma once
// The area behind the race windows: a chequered flag, the association's word, two texts
// of the user's choice, and now and then a plane flying past.

#include <QFont>
#include <QMdiArea>
#include <QTimer>
#include <array>
#include <functional>

#include "app/pictures/ZelBitmap.h"
#include "session/StartupSettings.h"

namespace korva {

class ZelMDIClientPaint : public QMdiArea {
    Q_OBJECT
public:
    static constexpr int kFlightEveryMs = 10000;

    explicit ZelMDIClientPaint(const ClientWindowTexts& texts, QWidget* parent = nullptr);

    // The flight is skipped while this says so (a heat window or the properties form open).
    void setFlightBlocked(std::function<bool()> blocked) { blocked_ = std::move(blocked); }
    // One flight now, as the timer would start it; false when it was skipped.
    bool startFlight();
    bool flying() const { return step_ >= 0; }
    // Draws the background (and the plane, when one is on its way) into `painter`.
    void paintBackground(QPainter& painter, const QRect& area) const;

signals:
    void backgroundPainted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void nextStep();

    ClientWindowTexts texts_;
    QFont letterFont_;
    QFont msg2Font_;
    QFont msg3Font_;
    // Two planes for each direction: [right][which].
    std::array<std::array<ZelBitmap, 2>, 2> planes_;
    QTimer flightTimer_;
    QTimer stepTimer_;
    std::function<bool()> blocked_ = [] { return false; };
    bool rightward_ = false;
    int step_ = -1;  // while flying: picture step / 4, position step % 4 (3: pause)
    QPoint planeAt_;
    std::size_t planePicture_ = 0;
    bool planeShown_ = false;
};

}  // namespace korva
