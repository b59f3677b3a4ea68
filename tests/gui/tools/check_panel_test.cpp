#include "editor_fixture.h"

#include "gui/tools/check_panel.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <QTreeWidget>

using namespace vexa;
using vexa::test::EditorFixture;

namespace {

class CheckScenario : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        startEditor();
    }
    QTreeWidget& findings() const { return *child<QTreeWidget>(main(), "CheckFindings"); }
    QString summary() const { return child<QLabel>(main(), "CheckSummary")->text(); }
};

} // namespace

TEST_F(CheckScenario, F7ListsTheFindingsAndEnterGoesToTheLine)
{
    QAction* entry = main().action("Checkscenario1");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->shortcut(), QKeySequence(Qt::Key_F7));
    EXPECT_EQ(main().findChild<QMenu*>("Tools1")->actions().first(), entry);

    setPaneText(PaneId::Trigs, "alarm=0,1,0,0,11,-1,2,0,-1,-1,1,-1,-1,1,0,-1,-1,-1\n");
    setPaneText(PaneId::Units, "; tanks\n0=USSR,3TNK,256,500,64,Hunt,alarm\n1=USSR,3TNK,256,501,64,Hunt,flood\n");
    const auto before = std::get<Scenario>(document().snapshot());
    choose("Checkscenario1");
    EXPECT_TRUE(main().checkPanel().isVisible());
    ASSERT_EQ(findings().topLevelItemCount(), 1);
    QTreeWidgetItem* item = findings().topLevelItem(0);
    EXPECT_EQ(item->text(1), "[UNITS]");
    EXPECT_EQ(item->text(2), "3");
    EXPECT_EQ(item->text(3), "The trigger 'flood' is neither None nor a trigger of [Trigs].");
    EXPECT_EQ(item->text(4), "unknown-trigger");
    EXPECT_EQ(std::get<Scenario>(document().snapshot()), before) << "the check changed the document";

    document().showBasicPage();
    findings().setFocus();
    findings().setCurrentItem(item);
    QTest::keyClick(&findings(), Qt::Key_Return);
    EXPECT_EQ(document().currentWidget()->objectName(), "Units");
    QPlainTextEdit& units = pane(PaneId::Units);
    EXPECT_EQ(units.textCursor().selectedText(), "1=USSR,3TNK,256,501,64,Hunt,flood");
    EXPECT_EQ(main().focusWidget(), &units);

    // Fixed, the check says so.
    setPaneText(PaneId::Units, "0=USSR,3TNK,256,500,64,Hunt,alarm\n");
    choose("Checkscenario1");
    EXPECT_EQ(findings().topLevelItemCount(), 0);
    EXPECT_EQ(summary(), "No findings: the check found nothing the game would punish.");
}
