// korva_new_race FILE TITLE: a new race of the 424 (AMA) and 426 classes with ties resolved
// by fly-off, saved to FILE,
// with the report folder and pictures beside it, as the program makes them for a new race.

#include <QGuiApplication>
#include <iostream>

#include "app/pictures/ReportPictures.h"
#include "cli/CliSession.h"
#include "properties/RaceProperties.h"
#include "race/FileIo.h"
#include "race/KORVARaceDoc.h"
#include "reports/ReportFolder.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::cerr << "usage: korva_new_race FILE TITLE\n";
        return 2;
    }
    const std::string path = argv[1];
    korva::CliSession session(std::cerr);
    korva::RaceProperties values = korva::propertiesFromDefaults(session.settings);
    values.title = argv[2];
    values.class424Ama = true;
    values.class426 = true;
    values.resolveTies = 1;  // by fly-off, so that tied pilots show on the fly-off page
    korva::KORVARaceDoc race(session.services);
    if (!korva::applyProperties(race, values) || !race.saveDocument(path)) return 1;
    const korva::ReportFolderOutcome folder =
        korva::ensureReportFolder(session.ui, korva::folderOf(path), korva::reportPictureJpeg);
    return folder.ok ? 0 : 1;
}
