#include "app/board/ResultsBoardDialog.h"

#include <QFormLayout>
#include <QHostAddress>
#include <QLabel>
#include <QNetworkInterface>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/QtText.h"
#include "app/board/QrCodeImage.h"
#include "app/board/ResultsBoardServer.h"
#include "ui/SettingsStore.h"
#include "ui/Strings.h"

namespace korva {

namespace {
constexpr int kModulePixels = 6;
constexpr int kMaxPort = 65535;

QString label(int id) {
    return toQt(std::string(text(id)));
}
}  // namespace

QString boardHost() {
    for (const QHostAddress& a : QNetworkInterface::allAddresses()) {
        if (a.protocol() == QAbstractSocket::IPv4Protocol && !a.isLoopback()) return a.toString();
    }
    return QStringLiteral("localhost");
}

ResultsBoardDialog::ResultsBoardDialog(ResultsBoardServer& server, SettingsStore& settings,
                                       QWidget* parent)
    : QDialog(parent),
      server_(server),
      settings_(settings),
      port_(new QSpinBox(this)),
      startStop_(new QPushButton(this)),
      state_(new QLabel(this)),
      address_(new QLabel(this)),
      code_(new QLabel(this)) {
    setWindowTitle(label(str::kBoardTitle));
    port_->setRange(1, kMaxPort);
    const int stored = settings_.getInt(kBoardSettingsSection, kBoardPortKey, kBoardDefaultPort);
    port_->setValue(stored >= 1 && stored <= kMaxPort ? stored : kBoardDefaultPort);
    address_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    code_->setAlignment(Qt::AlignCenter);
    auto* form = new QFormLayout;
    form->addRow(label(str::kBoardPortLabel), port_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(startStop_);
    layout->addWidget(state_);
    layout->addWidget(address_);
    layout->addWidget(code_);
    connect(startStop_, &QPushButton::clicked, this, &ResultsBoardDialog::toggle);
    connect(&server_, &ResultsBoardServer::runningChanged, this, &ResultsBoardDialog::showState);
    showState();
}

QString ResultsBoardDialog::address() const {
    const int port = server_.isRunning() ? server_.port() : port_->value();
    return QStringLiteral("http://%1:%2/").arg(boardHost()).arg(port);
}

void ResultsBoardDialog::toggle() {
    if (server_.isRunning()) {
        server_.stop();
        return;
    }
    settings_.setInt(kBoardSettingsSection, kBoardPortKey, port_->value());
    server_.start(static_cast<quint16>(port_->value()));
}

void ResultsBoardDialog::showState() {
    const bool on = server_.isRunning();
    startStop_->setText(label(on ? str::kBoardStop : str::kBoardStart));
    port_->setEnabled(!on);
    state_->setText(label(on ? str::kBoardOn : str::kBoardOff));
    address_->setVisible(on);
    code_->setVisible(on);
    if (!on) return;
    port_->setValue(server_.port());  // the one listened on, when started elsewhere with 0
    const QString where = address();
    address_->setText(where);
    code_->setPixmap(QPixmap::fromImage(qrCodeImage(where, kModulePixels)));
    adjustSize();
}

}  // namespace korva
