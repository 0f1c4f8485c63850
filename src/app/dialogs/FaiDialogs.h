#pragma once
// The small forms opened from the race properties: channel limits, FAI wing-flag colours,
// FAI lane-change rotation, and the round quantity of the pilot cards.

#include <array>

#include "app/dialogs/FormDialog.h"
#include "properties/RacePropertiesForm.h"

class QButtonGroup;
class QLabel;
class QRadioButton;
class QSpinBox;

namespace korva {

class ChannelLimitDialog : public FormDialog {
    Q_OBJECT
public:
    ChannelLimitDialog(const ChannelLimitForm& form, FormValidator<ChannelLimitForm> check,
                       QWidget* parent);
    const ChannelLimitForm& values() const { return form_; }

protected:
    bool tryAccept() override;

private:
    ChannelLimitForm form_;
    FormValidator<ChannelLimitForm> check_;
    std::array<QSpinBox*, 3> limits_{};
};

class FaiColorsDialog : public FormDialog {
    Q_OBJECT
public:
    FaiColorsDialog(const FaiColorsForm& form, QWidget* parent);
    const FaiColorsForm& values() const { return form_; }

protected:
    bool tryAccept() override;

private:
    FaiColorsForm form_;
    QButtonGroup* schemes_;
};

class FaiRotationDialog : public FormDialog {
    Q_OBJECT
public:
    FaiRotationDialog(const FaiRotationForm& form, FormValidator<FaiRotationForm> check,
                      QWidget* parent);
    const FaiRotationForm& values() const { return form_; }

protected:
    bool tryAccept() override;

private:
    void collect();
    void showValues();

    FaiRotationForm form_;
    FormValidator<FaiRotationForm> check_;
    QSpinBox* every_;
    QRadioButton* laneColors_;
    QRadioButton* wingFlags_;
};

class RoundQuantityDialog : public FormDialog {
    Q_OBJECT
public:
    RoundQuantityDialog(const RoundQuantityForm& form, FormValidator<RoundQuantityForm> check,
                        QWidget* parent);
    const RoundQuantityForm& values() const { return form_; }

protected:
    bool tryAccept() override;

private:
    RoundQuantityForm form_;
    FormValidator<RoundQuantityForm> check_;
    QSpinBox* rounds_;
};

}  // namespace korva
