#pragma once
// "Results Board": turns the board on and off, chooses its port and shows the address to
// open with a QR code of it, so pilots can scan it from the screen.

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class QSpinBox;

namespace korva {

class ResultsBoardServer;
class SettingsStore;

inline constexpr const char* kBoardSettingsSection = "Results Board";
inline constexpr const char* kBoardPortKey = "Port";
inline constexpr int kBoardDefaultPort = 8080;

// The machine's first IPv4 address that is not the loopback, or "localhost".
QString boardHost();

class ResultsBoardDialog final : public QDialog {
    Q_OBJECT
public:
    ResultsBoardDialog(ResultsBoardServer& server, SettingsStore& settings, QWidget* parent);

    QPushButton* startStopButton() const { return startStop_; }
    QSpinBox* portBox() const { return port_; }
    QString address() const;

private:
    void toggle();
    void showState();

    ResultsBoardServer& server_;
    SettingsStore& settings_;
    QSpinBox* port_;
    QPushButton* startStop_;
    QLabel* state_;
    QLabel* address_;
    QLabel* code_;
};

}  // namespace korva
