#pragma once
// The Qt application of the window benchmarks: made once, on the offscreen platform.

#include <QApplication>

namespace korva::bench {

inline void startOffscreenQt() {
    static int argc = 1;
    static char name[] = "korva_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
}

}  // namespace korva::bench
