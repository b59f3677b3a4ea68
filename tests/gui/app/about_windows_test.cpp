#include "gui/app/about_windows.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace vexa;

TEST(AboutWindows, EnterClosesEitherWindowAndEscDoesNot)
{
    TForm3 about;
    TForm7 splash;
    for (QDialog* window : {static_cast<QDialog*>(&about), static_cast<QDialog*>(&splash)}) {
        for (int time = 0; time < 2; ++time) {
            window->show();
            ASSERT_TRUE(window->isVisible());
            QTest::keyClick(window, Qt::Key_Escape);
            EXPECT_TRUE(window->isVisible()) << window->objectName().toStdString();
            QTest::keyClick(window, Qt::Key_Return);
            EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
            EXPECT_EQ(window->result(), QDialog::Accepted);
        }
    }
    // The close box closes About; the window-close command closes the splash.
    about.show();
    EXPECT_TRUE(about.close());
    EXPECT_FALSE(about.isVisible());
}

TEST(AboutWindows, FixedSizesCaptionsAndButtons)
{
    TForm3 about;
    TForm7 splash;
    EXPECT_EQ(about.windowTitle(), "About Vexa Build");
    EXPECT_EQ(about.size(), QSize(250, 329));
    EXPECT_EQ(about.minimumSize(), about.maximumSize());
    EXPECT_TRUE(about.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(about.findChild<QPushButton*>("Button1")->text(), "&Ok");
    EXPECT_EQ(about.findChild<QLabel*>("Label1")->text(), "Vexa Build");

    EXPECT_EQ(splash.size(), QSize(320, 240));
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(splash.windowTitle(), "Splashscreen");
    EXPECT_EQ(splash.findChild<QPushButton*>("Button1")->text(), "OK");
    EXPECT_FALSE(splash.findChild<QLabel*>("Image2")->pixmap().isNull());
}
