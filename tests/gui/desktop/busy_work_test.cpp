#include "gui/desktop/busy_work.h"

#include <QDockWidget>
#include <QGuiApplication>
#include <QMainWindow>
#include <QStatusBar>

#include <gtest/gtest.h>

using namespace vexa;

TEST(BusyWork, ShowsTheBusyCursorWhileItLastsAndTellsTheMainWindowsStatusBar)
{
    QMainWindow window;
    auto* panel = new QDockWidget(&window);
    window.addDockWidget(Qt::BottomDockWidgetArea, panel);
    panel->setFloating(true);  // a window of its own, still the main window's
    {
        BusyWork work(*panel);
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        work.finish(QStringLiteral("Checked 1,200 lines"));
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(window.statusBar()->currentMessage().startsWith("Checked 1,200 lines in "))
        << window.statusBar()->currentMessage().toStdString();

    QWidget alone;
    BusyWork(alone).finish(QStringLiteral("nowhere to say it"));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(BusyWork, WritesCountsWithThousandsSeparatorsAndSecondsToATenth)
{
    EXPECT_EQ(countText(1200825), "1,200,825");
    EXPECT_EQ(countText(999), "999");
    EXPECT_EQ(countText(1000), "1,000");
    EXPECT_EQ(finishedWorkText("Opened 1,200,825 lines", 3140), "Opened 1,200,825 lines in 3.1 s");
    EXPECT_EQ(finishedWorkText("Saved 3 lines", 0), "Saved 3 lines in 0.0 s");
    EXPECT_EQ(finishedWorkText("Replaced 2", 12960), "Replaced 2 in 13.0 s");
}
