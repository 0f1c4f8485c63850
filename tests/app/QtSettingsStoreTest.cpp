// The program's settings file: values survive, and a damaged file reads as defaults.

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QPainter>

#include "AppTestSupport.h"
#include "app/pictures/PointerShapes.h"
#include "app/QtSettingsStore.h"
#include "support/TempFolder.h"

namespace korva::test {
namespace {

TEST(QtSettingsStore, KeepsValuesUnderSectionAndKeyWithBlanks) {
    TempFolder folder;
    const QString file = QString::fromStdString(folder.file("settings.ini"));
    {
        QtSettingsStore s(file);
        s.setInt("Switches", "First Time", 3);
        s.setString("ClientWindow", "ClientMsg2Text", "We Fly Faster");
        s.setString("Recent File List", "File1", "/races/Spring Cup.kvr");
    }
    QtSettingsStore s(file);
    EXPECT_EQ(s.getInt("Switches", "First Time", 0), 3);
    EXPECT_EQ(s.getString("ClientWindow", "ClientMsg2Text", ""), "We Fly Faster");
    EXPECT_EQ(s.getString("Recent File List", "File1", ""), "/races/Spring Cup.kvr");
    EXPECT_EQ(s.getInt("Switches", "Missing", 7), 7);
}

TEST(QtSettingsStore, DamagedFileReadsAsDefaults) {
    TempFolder folder;
    const QString file = QString::fromStdString(folder.file("settings.ini"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Switches\n\x01\x02\xff garbage\nFirst%20Time=abc\n[Defaults]\nAwardPlaces=\n");
    f.close();
    QtSettingsStore s(file);
    EXPECT_EQ(s.getInt("Switches", "First Time", 0), 0);
    EXPECT_EQ(s.getInt("Defaults", "AwardPlaces", 3), 3);
    s.setInt("Defaults", "AwardPlaces", 5);
    EXPECT_EQ(s.getInt("Defaults", "AwardPlaces", 3), 5);
}

TEST(PointerShapes, NormalAndPressedPointersDiffer) {
    PointerShapes pointers;
    const QPixmap normal = pointers.normal().pixmap();
    const QPixmap pressed = pointers.pressed().pixmap();
    ASSERT_FALSE(normal.isNull());
    EXPECT_NE(normal.toImage(), pressed.toImage());
    EXPECT_EQ(pointers.normal().hotSpot(), QPoint(1, 1));
    QPixmap both(80, 40);
    both.fill(QColor(235, 235, 235));
    QPainter p(&both);
    p.drawPixmap(4, 4, normal);
    p.drawPixmap(44, 4, pressed);
    p.end();
    QLabel label;
    label.setPixmap(both.scaled(240, 120));
    screenshot(&label, "pointer-shapes");
}

}  // namespace
}  // namespace korva::test
