#include "editor_fixture.h"

#include "gui/document/pane_text_edit.h"
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

    // Opens a finding as the user does: select it in the list and press Enter.
    void open(QTreeWidgetItem* item)
    {
        findings().setFocus();
        findings().setCurrentItem(item);
        QTest::keyClick(&findings(), Qt::Key_Return);
    }

    QWidget* fieldWidget(FieldId field) const
    {
        const std::string_view name = infoOf(field).component;
        return main().findChild<QWidget*>(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    }

    // The number the gutter shows beside the line the cursor is on, if that line is on screen.
    int gutterNumberAtCursor(PaneId id) const
    {
        auto& editor = static_cast<PaneTextEdit&>(pane(id));
        const int top = editor.cursorRect().top();
        for (const auto& shown : editor.gutterNumbers(0, editor.viewport()->height())) {
            if (shown.top == top)
                return shown.number;
        }
        return -1;
    }
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
    EXPECT_EQ(item->text(2), "2");
    EXPECT_EQ(item->text(3), "The trigger 'flood' is neither None nor a trigger of [Trigs].");
    EXPECT_EQ(item->text(4), "unknown-trigger");
    EXPECT_EQ(std::get<Scenario>(document().snapshot()), before) << "the check changed the document";

    document().showBasicPage();
    open(item);
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

// The Line column, the gutter and the selection agree on one number, counted from 0.
TEST_F(CheckScenario, AFindingOnPaneLineNSelectsTheLineTheGutterNumbersN)
{
    QStringList lines;
    for (int i = 0; i < 300; ++i)
        lines << QStringLiteral("%1=Greece,JEEP,256,%2,0,Guard,None").arg(i).arg(1000 + i);
    lines[217] = "217=Greece,JEEP,256,1217";
    setPaneText(PaneId::Units, lines.join('\n') + '\n');
    choose("Checkscenario1");
    ASSERT_EQ(findings().topLevelItemCount(), 1);
    QTreeWidgetItem* item = findings().topLevelItem(0);
    EXPECT_EQ(item->text(4), "field-count");
    EXPECT_EQ(item->text(2), "217");

    document().showBasicPage();
    open(item);
    QPlainTextEdit& units = pane(PaneId::Units);
    EXPECT_EQ(document().currentWidget(), units.parentWidget());
    EXPECT_EQ(main().focusWidget(), &units);
    EXPECT_EQ(units.textCursor().selectedText(), "217=Greece,JEEP,256,1217");
    EXPECT_EQ(gutterNumberAtCursor(PaneId::Units), 217) << "the line is on screen with its number beside it";
    const int middle = units.viewport()->height() / 2;
    EXPECT_LE(std::abs(units.cursorRect().center().y() - middle), units.cursorRect().height())
        << "the line is centred";

    // The pane lost the line since the check: nothing moves.
    setPaneText(PaneId::Units, "0=Greece,JEEP,256,1000,0,Guard,None\n");
    document().showBasicPage();
    open(item);
    EXPECT_EQ(document().currentWidget()->objectName(), "Basic");
}

// A finding on a field of the Basic or Map page has no line: it opens the field.
TEST_F(CheckScenario, AFieldFindingFocusesItsField)
{
    document().setFieldText(FieldId::Player, "Atlantis");
    choose("Checkscenario1");
    ASSERT_EQ(findings().topLevelItemCount(), 1);
    QTreeWidgetItem* player = findings().topLevelItem(0);
    EXPECT_EQ(player->text(1), "[Basic]");
    EXPECT_EQ(player->text(2), "") << "a field has no line";
    document().setCurrentWidget(pane(PaneId::Units).parentWidget());
    open(player);
    EXPECT_EQ(document().currentWidget()->objectName(), "Basic");
    EXPECT_EQ(main().focusWidget(), fieldWidget(FieldId::Player));

    // No rule looks at the [Map] fields alone yet; the panel opens such a finding all the same.
    Finding width;
    width.rule = "off-map";
    width.section = "[Map]";
    width.field = FieldId::Width;
    width.message = "The playable area is wider than the map.";
    main().checkPanel().showFindings({width});
    document().showBasicPage();
    open(findings().topLevelItem(0));
    EXPECT_EQ(document().currentWidget()->objectName(), "Map");
    EXPECT_EQ(main().focusWidget(), fieldWidget(FieldId::Width));
}
