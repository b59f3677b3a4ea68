#include "editor_fixture.h"

#include "gui/scripting/script_edit_history.h"
#include "gui/scripting/team_type_form.h"
#include "gui/scripting/trigger_form.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>

namespace vexa {
namespace {

// Triggers: 0 first (R1 Reinforcement of team type 1), a comment, 1 second (R1 Force
// trigger 2), 2 third (R1 Create team 2, R2 Destroy team 0). Team types: 0 t0 (attached
// trigger 2), 1 t1, 2 t2 (attached trigger 1).
const QByteArray kScriptsFile =
    "[Basic]\r\nName=Scripts\r\n"
    "[Trigs]\r\n"
    "first=0,2,0,0,7,-1,-1,0,-1,-1,7,1,-1,7,0,-1,-1,-1\r\n"
    "; reinforcements\r\n"
    "second=1,2,0,1,13,-1,5,0,-1,-1,22,-1,2,-1,0,-1,-1,-1 ; soon\r\n"
    "third=0,2,0,1,0,-1,-1,0,-1,-1,4,2,-1,-1,5,0,-1,-1\r\n"
    "[TeamTypes]\r\n"
    "t0=2,0,0,0,0,-1,2,1,3TNK:2,0\r\n"
    "t1=2,4,0,0,3,-1,-1,1,E1:5,1,3:7\r\n"
    "t2=2,0,0,0,0,-1,1,0,0\r\n";

class ScriptEditCommandsTest : public test::EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        writeFile("scripts.mpr", kScriptsFile);
        startEditor({path("scripts.mpr")});
        main().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
    }
    // The cursor on a pane line, the pane shown and focused.
    void putCursorOn(PaneId id, int line)
    {
        document().showPaneLine(id, static_cast<std::size_t>(line));
        QTextCursor cursor(pane(id).document()->findBlockByNumber(line));
        pane(id).setTextCursor(cursor);
    }
    void command(const char* name) { main().action(name)->trigger(); }
    QString status() const { return main().statusBar()->currentMessage(); }
    QList<QByteArray> saved()
    {
        choose("Save1");
        return readFile("scripts.mpr").split('\n');
    }
};

TEST_F(ScriptEditCommandsTest, ATriggerEditedInItsComposerReplacesItsLineAndNothingElse)
{
    const QList<QByteArray> before = saved();
    TForm13& form = app_->triggersDialog();
    putCursorOn(PaneId::Trigs, 2);
    command("EditInComposer");
    ASSERT_TRUE(form.isVisible());
    auto* replace = child<QPushButton>(form, "ReplaceLine");
    EXPECT_TRUE(replace->isVisible());
    EXPECT_EQ(replace->text(), "Replace line 2");
    EXPECT_EQ(child<QLineEdit>(form, "Edit1")->text(), "second");
    EXPECT_TRUE(child<QRadioButton>(form, "RadioButton2")->isChecked());
    EXPECT_TRUE(child<QRadioButton>(form, "RadioButton5")->isChecked());
    EXPECT_EQ(child<QLabel>(form, "Label7")->text(), "Minutes/10:");
    EXPECT_EQ(child<QLabel>(form, "Label13")->text(), "Trigger #:");
    EXPECT_EQ(child<QLineEdit>(form, "Edit11")->text(), "2");
    EXPECT_EQ(child<QLineEdit>(form, "Edit17")->text(), "soon");

    QLineEdit* minutes = child<QLineEdit>(form, "Edit5");
    minutes->selectAll();
    QTest::keyClicks(minutes, "50");
    QTest::mouseClick(replace, Qt::LeftButton);
    EXPECT_FALSE(replace->isVisible());
    EXPECT_TRUE(child<QLineEdit>(form, "Edit1")->text().isEmpty()) << "reset as after Create";

    const QList<QByteArray> after = saved();
    ASSERT_EQ(after.size(), before.size());
    for (qsizetype i = 0; i < before.size(); ++i) {
        if (before[i].startsWith("second="))
            EXPECT_EQ(after[i], "second=1,2,0,1,13,-1,50,0,-1,-1,22,-1,2,-1,0,-1,-1,-1 ; soon\r");
        else
            EXPECT_EQ(after[i], before[i]);
    }

    // A line changed since the composer was filled is not replaced.
    putCursorOn(PaneId::Trigs, 0);
    command("EditInComposer");
    QTextCursor typing(pane(PaneId::Trigs).document()->findBlockByNumber(0));
    typing.insertText("x");
    QTest::mouseClick(replace, Qt::LeftButton);
    EXPECT_TRUE(child<QLabel>(form, "ReplaceRefusal")->isVisible());
    EXPECT_TRUE(child<QLabel>(form, "ReplaceRefusal")->text().contains("no longer holds"));
    EXPECT_EQ(paneLines(PaneId::Trigs)[0], "xfirst=0,2,0,0,7,-1,-1,0,-1,-1,7,1,-1,7,0,-1,-1,-1");

    // From the Create menu the composer is as ever; a line it cannot show stays where it is.
    choose("Triggers1");
    EXPECT_FALSE(replace->isVisible());
    EXPECT_FALSE(child<QLabel>(form, "ReplaceRefusal")->isVisible());
    putCursorOn(PaneId::Trigs, 1);
    command("EditInComposer");
    EXPECT_TRUE(status().contains("Cannot show line 1 of [Trigs] in the composer.")) << status().toStdString();
    EXPECT_FALSE(replace->isVisible());
}

TEST_F(ScriptEditCommandsTest, DeletingATeamTypeShiftsLaterIndicesAndUndoesAsOneStep)
{
    const std::vector<std::string> trigsBefore = paneLines(PaneId::Trigs);
    const std::vector<std::string> teamsBefore = paneLines(PaneId::TeamType);
    putCursorOn(PaneId::TeamType, 1);
    command("DeleteWithReferences");
    EXPECT_EQ(paneLines(PaneId::Trigs), (std::vector<std::string>{
                  "first=0,2,0,0,7,-1,-1,0,-1,-1,7,-1,-1,7,0,-1,-1,-1",
                  "; reinforcements",
                  "second=1,2,0,1,13,-1,5,0,-1,-1,22,-1,2,-1,0,-1,-1,-1 ; soon",
                  "third=0,2,0,1,0,-1,-1,0,-1,-1,4,1,-1,-1,5,0,-1,-1",
              }));
    EXPECT_EQ(paneLines(PaneId::TeamType),
              (std::vector<std::string>{"t0=2,0,0,0,0,-1,2,1,3TNK:2,0", "t2=2,0,0,0,0,-1,1,0,0"}));
    EXPECT_TRUE(status().contains("Set to -1: [Trigs] line 0 (R1 parameter 1).")) << status().toStdString();

    // Ctrl+Z in the pane undoes it in both.
    pane(PaneId::TeamType).setFocus();
    QTest::keyClick(&pane(PaneId::TeamType), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(paneLines(PaneId::Trigs), trigsBefore);
    EXPECT_EQ(paneLines(PaneId::TeamType), teamsBefore);

    // Redone in the pane, it is undone again from the Scripts window.
    QTest::keyClick(&pane(PaneId::TeamType), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(paneLines(PaneId::TeamType).size(), 2u);
    command("Scripts1");
    auto* scripts = main().findChild<QWidget*>("ScriptsWindow");
    ASSERT_TRUE(scripts);
    scripts->findChild<QAction*>("ScriptsUndo")->trigger();
    EXPECT_EQ(paneLines(PaneId::Trigs), trigsBefore);
    EXPECT_EQ(paneLines(PaneId::TeamType), teamsBefore);
    scripts->close();

    // Alt+Down moves the team type; once another pane of the step changed, Ctrl+Z refuses.
    putCursorOn(PaneId::TeamType, 0);
    QTest::keyClick(&pane(PaneId::TeamType), Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(paneLines(PaneId::TeamType)[1], teamsBefore[0]);
    EXPECT_EQ(paneLines(PaneId::Trigs)[3], "third=0,2,0,1,0,-1,-1,0,-1,-1,4,2,-1,-1,5,1,-1,-1");
    QTextCursor(pane(PaneId::Trigs).document()->findBlockByNumber(1)).insertText(";");
    QTest::keyClick(&pane(PaneId::TeamType), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(status().contains("[Trigs] has changed since")) << status().toStdString();
    EXPECT_EQ(paneLines(PaneId::TeamType)[1], teamsBefore[0]);
    EXPECT_TRUE(ScriptEditHistory::of(document()).undo().contains("has changed since")) << "the same step, reached from the document";
}

} // namespace
} // namespace vexa
