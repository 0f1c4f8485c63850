// Paths in messages appear as the user typed them, whatever their letters.

#include <QAbstractButton>
#include <QMessageBox>

#include "AppFixture.h"
#include "AppTestSupport.h"

namespace korva::test {
namespace {

class SaveQuestion : public AppFixture {};

TEST_F(SaveQuestion, ANonAsciiRaceFileNameIsShownAsTyped) {
    const std::string name =
        "K\xC3\xB6ln-\xC5\x81\xC3\xB3"
        "d\xC5\xBA.kvr";  // Köln-Łódź
    AppSetup real = setup();
    real.ui = nullptr;  // the program's own message boxes
    app = std::make_unique<KORVARaceApp>(real);
    ASSERT_TRUE(app->start({"korvarace", QString::fromStdString(sampleRace(name))}));
    app->race()->setModified(true);
    QString shown;
    DialogDriver driver;
    driver.then("message", [&shown](QDialog* box) {
        shown = static_cast<QMessageBox*>(box)->text();
        QAbstractButton* cancel = static_cast<QMessageBox*>(box)->button(QMessageBox::Cancel);
        QMetaObject::invokeMethod(cancel, &QAbstractButton::click, Qt::QueuedConnection);
    });
    EXPECT_FALSE(app->canClose());
    EXPECT_EQ(shown, QStringLiteral("Save changes to %1?").arg(QString::fromStdString(name)));
    app->race()->setModified(false);
}

}  // namespace
}  // namespace korva::test
