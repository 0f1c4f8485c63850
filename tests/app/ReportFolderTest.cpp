// The report folder and its pictures: made with a new race and on command, readable on paper.

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <filesystem>
#include <map>

#include "AppFixture.h"
#include "AppTestSupport.h"
#include "app/pictures/ReportPictures.h"
#include "properties/RaceProperties.h"
#include "race/FileIo.h"

namespace korva::test {
namespace {

namespace fs = std::filesystem;

// Greys only: what a monochrome printer prints as drawn. JPEG adds a little colour noise.
bool greyOnly(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - c.green()) + std::abs(c.green() - c.blue()) > 24) return false;
        }
    }
    return true;
}

// How many pixels of two pictures differ clearly once both are printed in grey.
int greyDifference(const QImage& a, const QImage& b) {
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            differing += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 64;
        }
    }
    return differing;
}

// Every picture with its name, twice its size, in colour and again in grey, for a look.
void contactSheet(const std::vector<std::pair<std::string, QImage>>& pictures) {
    constexpr int kCellW = 290, kCellH = 180, kColumns = 6;
    const int rows = static_cast<int>((pictures.size() + kColumns - 1) / kColumns);
    QImage sheet(kCellW * kColumns * 2, kCellH * rows, QImage::Format_RGB32);
    sheet.fill(QColor(225, 225, 225));
    QPainter p(&sheet);
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const auto& [name, image] = pictures[i];
        for (int grey = 0; grey < 2; ++grey) {
            const int x = (static_cast<int>(i % kColumns) + grey * kColumns) * kCellW;
            const int y = static_cast<int>(i / kColumns) * kCellH;
            const QImage shown = grey ? image.convertToFormat(QImage::Format_Grayscale8) : image;
            p.drawImage(x + 4, y + 4, shown.scaled(shown.size() * 2));
            p.drawText(QRect(x, y + kCellH - 18, kCellW, 16), Qt::AlignCenter,
                       QString::fromStdString(name));
        }
    }
    p.end();
    QLabel label;
    label.setPixmap(QPixmap::fromImage(sheet));
    label.resize(sheet.size());
    screenshot(&label, "report-pictures");
}

class ReportFolderApp : public AppFixture {};

TEST_F(ReportFolderApp, NewRaceGetsEveryPictureAsAJpegThatPrintsInColourAndInGrey) {
    ASSERT_TRUE(start());
    forms.ok<RaceProperties>([this](RaceProperties& v) {
        v.fileName = work.file("Spring");
        v.class426 = true;
    });
    forms.ok<ChannelLimitForm>();
    app->newRace();
    ASSERT_NE(app->race(), nullptr);
    EXPECT_TRUE(app->mainFrame()->statusBar()->currentMessage().contains("pictures written"));

    std::map<std::string, QImage> byName;
    std::vector<std::pair<std::string, QImage>> all;
    for (const ReportPicture& p : reportPictures()) {
        QImage image;
        ASSERT_TRUE(image.load(QString::fromStdString(work.file("html/img/" + p.name)), "JPEG"));
        // Sized for a table cell of a printed page: neither a dot nor a poster.
        EXPECT_TRUE(image.height() >= 20 && image.height() <= 80 &&
                    image.width() >= image.height() && image.width() <= 160)
            << p.name << " " << image.width() << "x" << image.height();
        // On white paper the picture's corner is white.
        EXPECT_GT(qGray(image.pixel(0, 0)), 230) << p.name;
        if (p.kind == ReportPicture::Kind::WingFlag) {
            EXPECT_EQ(greyOnly(image), !p.color) << p.name;
        }
        byName[p.name] = image;
        all.emplace_back(p.name, image);
    }
    contactSheet(all);

    // Printed in grey, every colour and every status mark still looks different from the others
    // of its kind.
    std::vector<std::vector<std::string>> kinds;
    for (const char* form : {"WFL", "WFLL", "WFLC", "MFU_", "HC_L1"}) {
        kinds.emplace_back();
        for (const char* code : {"LG", "LR", "HG", "HR", "HB"}) {
            kinds.back().push_back(std::string(form) + code + ".jpg");
        }
    }
    kinds.push_back({"waiver.jpg", "money.jpg", "disqualified.jpg", "inactive.jpg", "noplane.jpg",
                     "unsafe.jpg", "redradio.jpg", "yelradio.jpg"});
    for (const auto& kind : kinds) {
        for (std::size_t a = 0; a < kind.size(); ++a) {
            for (std::size_t b = a + 1; b < kind.size(); ++b) {
                EXPECT_GT(greyDifference(byName[kind[a]], byName[kind[b]]), 20)
                    << kind[a] << " " << kind[b];
            }
        }
    }
}

TEST_F(ReportFolderApp, CreateReportFolderFillsTheExistingFolderAndKeepsTheDirectorsPictures) {
    const std::string race = sampleRace("Spring.kvr");
    fs::create_directories(work.file("HTML/img"));
    const std::vector<std::uint8_t> own = {'o', 'w', 'n'};
    writeFileAtomically(work.file("HTML/img/money.jpg"), own);
    ASSERT_TRUE(start({QString::fromStdString(race)}));
    EXPECT_FALSE(fs::exists(work.file("html")));

    // In the File menu, right after the race properties.
    CMainFrame* frame = app->mainFrame();
    const QList<QAction*> file = frame->menuBar()->actions().front()->menu()->actions();
    QAction* command = frame->commands().action(Cmd::CreateReportFolder);
    ASSERT_EQ(file.indexOf(command), file.indexOf(frame->commands().action(Cmd::Properties)) + 1);
    command->trigger();

    EXPECT_EQ(readWholeFile(work.file("HTML/img/money.jpg")), own);
    EXPECT_TRUE(fileExists(work.file("HTML/img/MFL_HB.jpg")));
    EXPECT_FALSE(fs::exists(work.file("html")));
    EXPECT_TRUE(frame->statusBar()->currentMessage().contains("1 kept"));
}

}  // namespace
}  // namespace korva::test
