#pragma once
// Message boxes, wait cursor and view refresh with Qt widgets.

#include <QObject>
#include <functional>

#include "ui/Interaction.h"

class QWidget;

namespace korva {

class QtInteraction final : public QObject, public Interaction {
    Q_OBJECT
public:
    explicit QtInteraction(QWidget* parentWindow = nullptr) : parent_(parentWindow) {}
    void setParentWindow(QWidget* w) { parent_ = w; }

    Answer ask(const Message& message) override;
    void beginWait() override;
    void endWait() override;
    void refreshViews(bool refill) override;

signals:
    void viewsNeedRefresh(bool refill);

private:
    QWidget* parent_;
};

}  // namespace korva
