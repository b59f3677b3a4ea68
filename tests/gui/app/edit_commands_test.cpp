#include "editor_fixture.h"

#include "gui/app/about_windows.h"
#include "gui/app/edit_commands.h"
#include "gui/desktop/qt_desktop.h"
#include "gui/help/help_viewer.h"
#include "gui/placement/buildings_form.h"
#include "gui/placement/position_calculator.h"
#include "gui/scripting/trigger_form.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include "gui/document/wrapping_tab_bar.h"

using namespace vexa;
using vexa::test::EditorFixture;

namespace {

class EditMenu : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        startEditor();
        main().activateWindow();
    }
    // The entries enabled after the menu drops down, in menu order.
    QStringList enabledEntries()
    {
        Q_EMIT main().findChild<QMenu*>("Edit1")->aboutToShow();
        QStringList names;
        for (const char* name : {"Undo1", "Cut1", "Copy1", "Paste1", "Selectall1", "Setfont1"}) {
            if (main().action(name)->isEnabled())
                names << name;
        }
        return names;
    }
    void focusPane(PaneId id, const QString& text)
    {
        document().setCurrentWidget(pane(id).parentWidget());
        pane(id).setPlainText(text);
        pane(id).setFocus();
    }
    void focusField(const char* name)
    {
        document().showBasicPage();
        child<QLineEdit>(main(), name)->setFocus();
    }
    // Opens the Edit menu from the menu bar with the mouse and closes it with Esc.
    void closeEditMenuWithEsc()
    {
        QMenuBar* bar = main().menuBar();
        auto* menu = main().findChild<QMenu*>("Edit1");
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
        ASSERT_TRUE(menu->isVisible());
        QTest::keyClick(menu, Qt::Key_Escape);
        ASSERT_FALSE(menu->isVisible());
    }
};

} // namespace

TEST_F(EditMenu, EntriesFollowFocusSelectionAndClipboard)
{
    QApplication::clipboard()->setText("clip");
    focusField("Edit2");
    EXPECT_EQ(enabledEntries(), QStringList{"Setfont1"}) << "a field is not a pane";

    focusPane(PaneId::Trigs, "t1=0");
    EXPECT_EQ(enabledEntries(), (QStringList{"Paste1", "Selectall1", "Setfont1"}));

    choose("Selectall1");
    EXPECT_EQ(enabledEntries(), (QStringList{"Cut1", "Copy1", "Paste1", "Selectall1", "Setfont1"}));

    auto* image = new QMimeData;
    image->setImageData(QImage(4, 4, QImage::Format_RGB32));
    QApplication::clipboard()->setMimeData(image);
    EXPECT_EQ(enabledEntries(), (QStringList{"Cut1", "Copy1", "Selectall1", "Setfont1"}));
}

// Closing a menu with Esc leaves the menu bar holding the focus; the commands still
// belong to the pane the user was in, until the focus goes somewhere else.
TEST_F(EditMenu, MenuClosedWithEscKeepsThePaneItWasOpenedOn)
{
    // Only an active window's menu bar takes the focus.
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
    QApplication::clipboard()->setText("clip");
    focusPane(PaneId::Units, "alpha");
    choose("Selectall1");
    closeEditMenuWithEsc();
    ASSERT_EQ(main().focusWidget(), main().menuBar()) << "the menu bar took the focus";

    EXPECT_EQ(enabledEntries(), (QStringList{"Cut1", "Copy1", "Paste1", "Selectall1", "Setfont1"}));
    choose("Copy1");
    EXPECT_EQ(QApplication::clipboard()->text(), "alpha");

    focusPane(PaneId::Units, "alpha");  // nothing selected
    focusField("Edit2");
    closeEditMenuWithEsc();
    EXPECT_EQ(enabledEntries(), QStringList{"Setfont1"}) << "a field had the focus before the menu bar";
    main().editCommands().Selectall1Click();
    EXPECT_FALSE(pane(PaneId::Units).textCursor().hasSelection());
}

TEST_F(EditMenu, CommandsActOnTheFocusedPane)
{
    focusPane(PaneId::Units, "alpha");
    choose("Selectall1");
    choose("Copy1");
    EXPECT_EQ(QApplication::clipboard()->text(), "alpha");
    choose("Cut1");
    EXPECT_EQ(pane(PaneId::Units).toPlainText(), "");
    choose("Paste1");
    choose("Paste1");
    EXPECT_EQ(pane(PaneId::Units).toPlainText(), "alphaalpha");
}

TEST_F(EditMenu, CommandsWithoutAFocusedPaneDoNothingEvenByShortcut)
{
    focusPane(PaneId::Units, "kept");
    QApplication::clipboard()->setText("clip");
    focusField("Edit2");
    auto& commands = main().editCommands();
    commands.Selectall1Click();
    commands.Cut1Click();
    commands.Paste1Click();
    EXPECT_EQ(pane(PaneId::Units).toPlainText(), "kept");
    EXPECT_EQ(document().fieldText(FieldId::Name), "");

    focusPane(PaneId::Units, "kept");
    commands.Copy1Click();  // nothing selected
    EXPECT_EQ(QApplication::clipboard()->text(), "clip");
}

TEST_F(EditMenu, UndoStaysDisabled)
{
    focusPane(PaneId::Units, "x");
    choose("Selectall1");
    EXPECT_FALSE(enabledEntries().contains("Undo1"));
    EXPECT_EQ(main().action("Undo1")->shortcut(), QKeySequence("Ctrl+Z"));
}

TEST_F(EditMenu, FontReachesPanesAndPagesButNotTheDialogs)
{
    const QFont aboutFont = app_->aboutWindow().font();
    const QFont dialogFont = app_->buildingsDialog().font();
    ASSERT_EQ(app_->triggersDialog().font(), dialogFont);
    QFont big = main().font();
    big.setPointSize(12);
    desktop_.fontAnswers.push_back(big);
    choose("Setfont1");
    EXPECT_EQ(pane(PaneId::Structures).font().pointSize(), 12);
    EXPECT_EQ(child<QLineEdit>(main(), "Edit5")->font().pointSize(), 12);
    EXPECT_EQ(document().tabBar()->font().pointSize(), 12);
    EXPECT_EQ(app_->aboutWindow().font(), aboutFont);
    for (QWidget* dialog : {static_cast<QWidget*>(&app_->buildingsDialog()),
                            static_cast<QWidget*>(&app_->positionCalculator()),
                            static_cast<QWidget*>(&app_->triggersDialog())}) {
        EXPECT_EQ(dialog->font(), dialogFont) << dialog->objectName().toStdString();
        EXPECT_EQ(child<QLineEdit>(*dialog, "Edit1")->font(), dialogFont) << dialog->objectName().toStdString();
    }

    choose("Setfont1");  // cancelled
    EXPECT_EQ(pane(PaneId::Structures).font().pointSize(), 12);
    ASSERT_EQ(desktop_.fontRequests.size(), 2u);
    EXPECT_EQ(desktop_.fontRequests[0].family(), "MS Sans Serif");
    EXPECT_EQ(desktop_.fontRequests[1].pointSize(), 12) << "the dialog starts on the last confirmed font";
}

TEST_F(EditMenu, HelpEntriesAskTheViewerForTheirCommands)
{
    choose("VexaBuilderhelp1");
    choose("Helponhelp1");
    choose("Howtousehelp1");
    ASSERT_EQ(desktop_.helpCalls.size(), 3u);
    EXPECT_EQ(desktop_.helpCalls[0].command, 3);
    EXPECT_EQ(desktop_.helpCalls[1].command, 261);
    EXPECT_EQ(desktop_.helpCalls[2].command, 4);
    for (const auto& call : desktop_.helpCalls) {
        EXPECT_TRUE(call.file.endsWith("/VexaBuild.hlp"));
        EXPECT_EQ(call.data, 0);
    }
}

TEST(QtDesktopHelp, OpensOurViewerOnTheRightView)
{
    QtDesktop desktop;
    const QString file = QStringLiteral(VEXA_SOURCE_DIR "/data/help/VexaBuild.hlp");
    const auto viewer = [] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* found = qobject_cast<HelpViewer*>(window))
                return found;
        }
        return static_cast<HelpViewer*>(nullptr);
    };
    desktop.showHelp(nullptr, file, kHelpPartialKey, 0);
    ASSERT_NE(viewer(), nullptr);
    EXPECT_TRUE(viewer()->isVisible());
    EXPECT_EQ(viewer()->currentView(), HelpViewer::View::Search);
    desktop.showHelp(nullptr, file, kHelpContents, 0);
    EXPECT_EQ(viewer()->currentView(), HelpViewer::View::Topic);
}
