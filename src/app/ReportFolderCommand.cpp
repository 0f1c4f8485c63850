#include "app/ReportFolderCommand.h"

#include <QStatusBar>

#include "app/QtText.h"
#include "app/pictures/ReportPictures.h"
#include "race/FileIo.h"
#include "race/KORVARaceDoc.h"
#include "reports/ReportFolder.h"
#include "ui/Format.h"
#include "ui/Strings.h"

namespace korva {

namespace {
constexpr int kStatusMessageMs = 8000;
}

bool createReportFolder(Interaction& ui, const KORVARaceDoc& race, QStatusBar* status) {
    const ReportFolderOutcome out =
        ensureReportFolder(ui, folderOf(race.pathName()), reportPictureJpeg);
    if (out.ok && status) {
        status->showMessage(
            toQt(cformat(text(str::kReportFolderDone), out.folder, out.written, out.kept)),
            kStatusMessageMs);
    }
    return out.ok;
}

}  // namespace korva
