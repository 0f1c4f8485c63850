// Quick print through the real dialog on a race with a matrix: the pages of the ticked
// reports written, the heat window switched, each run saved as one PDF of one sheet a page.

#include <QCheckBox>
#include <QStatusBar>
#include <filesystem>

#include "AppFixture.h"
#include "AppTestSupport.h"
#include "app/views/KORVAHeatView.h"
#include "race/FileIo.h"
#include "ui/Strings.h"

namespace korva::test {
namespace {

namespace fs = std::filesystem;

int pdfPageCount(const std::string& path) {
    const auto bytes = readWholeFile(path);
    const std::string pdf(bytes.begin(), bytes.end());
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u) << path;
    // Every sheet is a "/Type /Page" object; the one "/Type /Pages" object lists them.
    int pages = -1;
    for (auto at = pdf.find("/Type /Page"); at != std::string::npos;
         at = pdf.find("/Type /Page", at + 1))
        ++pages;
    return pages;
}

int pagesStartingWith(const std::string& folder, const std::string& prefix) {
    int n = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        n += entry.path().filename().string().rfind(prefix, 0) == 0 ? 1 : 0;
    return n;
}

void tick(QDialog* d, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        if (auto* box = field<QCheckBox>(d, name)) box->setChecked(true);
    }
}

class QuickPrintApp : public AppFixture {
protected:
    void SetUp() override {
        fs::create_directories(work.file("html"));
        samples::SampleSize size;
        size.pilots = 20;
        ASSERT_TRUE(start({QString::fromStdString(sampleRace("Spring.kvr", size))}));
        app->mainFrame()->resize(1100, 720);
    }
    QAction* quickPrint() const { return app->mainFrame()->commands().action(Cmd::QuickPrint); }
    std::string html(const std::string& name = {}) const { return work.file("html/" + name); }
};

TEST_F(QuickPrintApp, TickedReportsWriteTheirPagesAndOnePdfPerRun) {
    EXPECT_EQ(quickPrint()->text(), "Quick Print...");
    EXPECT_EQ(quickPrint()->statusTip(), "Quick Access Printing");
    app->mainFrame()->commands().action(Cmd::ViewHeats)->trigger();
    auto* heats = qobject_cast<KORVAHeatView*>(app->mainFrame()->window(WindowKind::Heats));
    ASSERT_TRUE(heats && quickPrint()->isEnabled());
    const KORVARaceDoc& race = *app->race();
    {
        DialogDriver driver;
        driver.then("quickPrint", [&race](QDialog* d) {
            screenshot(d, "quick-print");
            EXPECT_EQ(d->windowTitle(), "Select Quick Print Items");
            auto* third = field<QCheckBox>(d, "class2");
            EXPECT_EQ(third->text().toStdString(), race.bracketName(2));
            EXPECT_TRUE(third->isChecked() && third->isVisible());
            field<QCheckBox>(d, "class1")->setChecked(false);
            tick(d, {"matrixPoster", "heatCards", "resultsPostRace", "htmlOnly", "saveAsPdf"});
            press(d);
        });
        ui.expect(str::kMatrixLocked);
        quickPrint()->trigger();
    }
    ui.verifyDone();

    // Html only: written, nothing queued for printing; the heat window shows the last layout.
    EXPECT_TRUE(printed.paths.empty());
    EXPECT_EQ(heats->layout(), HeatListLayout::Cards);
    EXPECT_EQ(race.locked426, 0) << "the unticked class";
    const int cardPages = pagesStartingWith(html(), "Spring_HeatCards_");
    EXPECT_GE(cardPages, 2);
    EXPECT_EQ(pdfPageCount(html("Spring_HeatSheets.pdf")), 1);
    EXPECT_EQ(pdfPageCount(html("Spring_HeatCards.pdf")), cardPages);
    EXPECT_EQ(pdfPageCount(html("Spring_PilotList.pdf")), 1);
    const QString status = app->mainFrame()->statusBar()->currentMessage();
    EXPECT_TRUE(status.contains("3 PDF")) << status.toStdString();
    EXPECT_TRUE(status.endsWith(QString::fromStdString(html()).chopped(1)));
}

}  // namespace
}  // namespace korva::test
