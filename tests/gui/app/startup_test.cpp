#include "editor_fixture.h"

#include "gui/app/about_windows.h"
#include "gui/document/wrapping_tab_bar.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>

using namespace vexa;
using vexa::test::EditorFixture;

using StartUp = EditorFixture;

TEST_F(StartUp, WithoutArgumentsShowsSplashThenEmptyMaximisedMainWindow)
{
    startEditor();
    ASSERT_EQ(desktop_.modalRuns.size(), 1u);
    EXPECT_EQ(desktop_.modalRuns[0], &app_->splashWindow());
    EXPECT_EQ(main().windowTitle(), "Vexa Build - no file");
    EXPECT_TRUE(main().isVisible());
    EXPECT_TRUE(main().windowState() & Qt::WindowMaximized);
    EXPECT_EQ(document().currentWidget()->objectName(), "Basic");
    for (std::size_t i = 0; i < kPaneCount; ++i)
        EXPECT_TRUE(pane(static_cast<PaneId>(i)).toPlainText().isEmpty());
    EXPECT_TRUE(desktop_.errors.isEmpty());
}

// Where no window manager hands the focus over, the main window must take it itself.
// (The offscreen platform activates every window it shows; what it cannot hide is
// whether start-up gave the window a focus widget before any event ran.)
TEST_F(StartUp, MainWindowTakesTheKeyboardFocusAfterTheSplash)
{
    QWidget elsewhere;
    elsewhere.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    startEditor();
    EXPECT_EQ(main().focusWidget(), document().tabBar()) << "focus given by start-up itself";
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
    EXPECT_EQ(QApplication::focusWidget(), document().tabBar());
}

TEST_F(StartUp, VersionTextsReachBothWindowsBeforeTheSplashShows)
{
    startEditor();
    EXPECT_EQ(child<QLabel>(app_->aboutWindow(), "Label4")->text(), "Version 4.0.1");
    EXPECT_EQ(child<QLabel>(app_->splashWindow(), "Label1")->text(), "Version 4.0.1");
}

TEST_F(StartUp, WindowsAreMadeInOrder)
{
    startEditor();
    QStringList names;
    for (QWidget* window : app_->windows())
        names << window->objectName();
    EXPECT_EQ(names.first(), "TForm1");
    QStringList sorted = names;
    std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
        return a.mid(5).toInt() < b.mid(5).toInt();
    });
    EXPECT_EQ(names, sorted);
}

TEST_F(StartUp, OpensTheFileNamedOnTheCommandLine)
{
    writeFile("start.mpr", "[Basic]\r\nName=Started\r\n[UNITS]\r\n0=u\r\n");
    startEditor({path("start.mpr"), "ignored-second-argument"});
    EXPECT_EQ(main().windowTitle(), "Vexa Build - start.mpr");
    EXPECT_EQ(document().fieldText(FieldId::Name), "Started");
    EXPECT_EQ(paneLines(PaneId::Units), (std::vector<std::string>{"0=u"}));
    choose("Save1");
    EXPECT_TRUE(readFile("start.mpr").startsWith("; This file was edited with Vexa Build version 4.0.1"));
}

namespace {
QString canonical(const QString& folder)
{
    return QDir(folder).canonicalPath();
}
} // namespace

TEST_F(StartUp, WithoutArgumentsTheExecutablesFolderBecomesCurrent)
{
    ASSERT_NE(canonical(QDir::currentPath()), canonical(programFolder_->path()));
    startEditor();
    EXPECT_EQ(canonical(QDir::currentPath()), canonical(programFolder_->path()));
}

// The executable's folder is current by then, yet the launch folder resolves the name;
// the file's own folder becomes current after it.
TEST_F(StartUp, RelativeNamesAreTakenFromTheLaunchFolder)
{
    ASSERT_TRUE(QDir(files_->path()).mkdir("scenarios"));
    writeFile("scenarios/relative.mpr", "[Basic]\r\nName=Relative\r\n");
    startEditor({"scenarios/relative.mpr"});
    EXPECT_EQ(document().fieldText(FieldId::Name), "Relative");
    EXPECT_EQ(main().currentFileName(), path("scenarios/relative.mpr"));
    EXPECT_EQ(canonical(QDir::currentPath()), canonical(path("scenarios")));
}

TEST_F(StartUp, UnreadableCommandLineFileKeepsItsNameForSave)
{
    startEditor({path("not-yet.mpr")});
    EXPECT_EQ(desktop_.errors, QStringList{"Filen saknas."});
    EXPECT_EQ(main().windowTitle(), "Vexa Build - no file");
    EXPECT_EQ(main().currentFileName(), path("not-yet.mpr"));
    choose("Save1");
    EXPECT_FALSE(readFile("not-yet.mpr").isEmpty());
    EXPECT_EQ(main().windowTitle(), "Vexa Build - not-yet.mpr");
}

TEST_F(StartUp, HelpEntriesFollowTheHelpFile)
{
    startEditor({}, false);
    for (const char* name : {"VexaBuilderhelp1", "Helponhelp1", "Howtousehelp1"})
        EXPECT_FALSE(main().action(name)->isEnabled()) << name;
    EXPECT_TRUE(main().action("About1")->isEnabled());
    choose("About1");
    EXPECT_EQ(desktop_.modalRuns.back(), &app_->aboutWindow());
}

// Only a regular file counts: with a folder of that name, Contents would do nothing.
TEST_F(StartUp, AFolderNamedLikeTheHelpFileIsNoHelpFile)
{
    ASSERT_TRUE(QDir(programFolder_->path()).mkdir("VexaBuild.hlp"));
    startEditor({}, false);
    for (const char* name : {"VexaBuilderhelp1", "Helponhelp1", "Howtousehelp1"})
        EXPECT_FALSE(main().action(name)->isEnabled()) << name;
    EXPECT_TRUE(main().helpFile().isEmpty());
}

TEST_F(StartUp, MenusInOrderWithTheirShortcuts)
{
    startEditor();
    QStringList menus;
    for (QAction* action : main().menuBar()->actions())
        menus << action->menu()->objectName();
    EXPECT_EQ(menus, (QStringList{"Arkiv1", "Edit1", "Byggnader1", "Tools1", "Help1"}));

    QStringList fileEntries;
    for (QAction* action : main().findChild<QMenu*>("Arkiv1")->actions())
        fileEntries << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(fileEntries, (QStringList{"&New", "&Open...", "&Save", "Save &as...", "Revert to saved...",
                                        "Recover unsaved work...", "-", "&Quit"}));
    EXPECT_EQ(main().action("Nytt1")->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(main().action("Load1")->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(main().action("Save1")->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(main().action("Avsluta1")->shortcut(), QKeySequence("Ctrl+Q"));
    EXPECT_TRUE(main().action("Saveas1")->shortcut().isEmpty());
    EXPECT_EQ(main().action("Map1")->shortcut(), QKeySequence("Ctrl+M"));

    QStringList createEntries;
    for (QAction* action : main().findChild<QMenu*>("Byggnader1")->actions())
        createEntries << action->text();
    EXPECT_EQ(createEntries, (QStringList{"Buildings", "Celltriggers", "Country", "Infantry", "Overlay", "Ships",
                                          "Smudge", "Terrain", "Triggers", "TeamTypes", "Units", "Waypoints"}));
}

TEST_F(StartUp, QuitClosesTheMainWindowWithoutAsking)
{
    startEditor();
    document().setFieldText(FieldId::Name, "unsaved");
    choose("Avsluta1");
    EXPECT_FALSE(main().isVisible());
    EXPECT_TRUE(desktop_.errors.isEmpty() && desktop_.warnings.isEmpty());
}
