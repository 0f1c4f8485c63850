#include "app/board/ResultsBoardCommand.h"

#include <QPointer>

#include "app/KORVARaceApp.h"
#include "app/board/ResultsBoardDialog.h"
#include "app/board/ResultsBoardServer.h"

namespace korva {

std::unique_ptr<ResultsBoardServer> connectResultsBoard(KORVARaceApp& app, Interaction& ui,
                                                        SettingsStore& settings) {
    KORVARaceApp* a = &app;
    auto server = std::make_unique<ResultsBoardServer>(ui, [a] { return a->standings(); });
    ResultsBoardServer* s = server.get();
    // One dialog, kept open beside the race windows: the director works on while it serves.
    auto dialog = std::make_shared<QPointer<ResultsBoardDialog>>();
    app.commands().setHandler(
        Cmd::ResultsBoard,
        [a, s, &settings, dialog] {
            if (!*dialog) *dialog = new ResultsBoardDialog(*s, settings, a->mainFrame());
            (*dialog)->show();
            (*dialog)->raise();
            (*dialog)->activateWindow();
        },
        [a] { return a->race() != nullptr; });
    return server;
}

}  // namespace korva
