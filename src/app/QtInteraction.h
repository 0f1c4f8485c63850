#pragma once
// Message boxes, wait cursor and view refresh with Qt widgets.

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "ui/Interaction.h"

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
    QPointer<QWidget> parent_;
};

}  // namespace korva
