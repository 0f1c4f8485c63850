#include "ListViewSupport.h"

namespace korva::test {

KORVAPilotView* pilotView(const KORVARaceApp& app) {
    return qobject_cast<KORVAPilotView*>(app.mainFrame()->window(WindowKind::Pilots));
}

KORVAPlaneView* planeView(const KORVARaceApp& app) {
    RaceWindow* w = app.mainFrame()->window(WindowKind::Planes);
    if (!w) w = app.mainFrame()->showWindow(WindowKind::Planes);
    return qobject_cast<KORVAPlaneView*>(w);
}

QStringList texts(const RaceListView* view, int section) {
    QStringList column;
    const QAbstractItemModel* model = view->list()->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        column << model->index(row, section).data().toString();
    }
    return column;
}

}  // namespace korva::test
