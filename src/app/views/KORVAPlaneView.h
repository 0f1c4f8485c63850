#pragma once
// The plane list window: one row per registered plane, sorted by any column, filtered by
// class (backup planes only without a filter) and to the planes still to check; planes are
// registered, changed and safety checked (several selected rows at once) from it.

#include "app/views/RaceListView.h"
#include "views/KORVAPlaneDoc.h"

namespace korva {

class PlaneListModel;

class KORVAPlaneView : public RaceListView {
    Q_OBJECT
public:
    KORVAPlaneView(KORVARaceDoc& race, CommandTable& commands, QWidget* parent);

    WindowKind kind() const override { return WindowKind::Planes; }
    const PlaneListModel& model() const { return *model_; }
    const KORVAPlaneDoc& document() const { return doc_; }
    void setUncheckedOnly(bool only);
    bool uncheckedOnly() const;

protected:
    std::int32_t selectedNumber() const override { return doc_.selectedPlane; }
    void rememberSelection(std::int32_t number) override;
    std::string windowTitleText() const override;
    void addMenuCommands(QMenu& menu) override;

private:
    KORVAPlaneDoc doc_;
    PlaneListModel* model_;
};

}  // namespace korva
