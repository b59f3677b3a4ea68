#include "form_fixture.h"

#include "core/check/scenario_check.h"
#include "core/ground/ground.h"
#include "gui/document/pane_text_edit.h"
#include "gui/check/check_panel.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QStatusBar>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

using namespace vexa;
using namespace std::chrono_literals;
using vexa::test::FormFixture;

namespace {

using Lines = std::vector<std::string>;

enum Column { SeverityColumn, SectionColumn, LineColumn, MessageColumn, RuleColumn };

const QString kNoFindings = QStringLiteral("No findings: the check found nothing the game would punish.");

class CheckScenario : public FormFixture {
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        main().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
    }

    CheckPanel& panel() const { return main().checkPanel(); }
    QTreeView& findings() const { return *child<QTreeView>(main(), "CheckFindings"); }
    QString summary() const { return child<QLabel>(main(), "CheckSummary")->text(); }
    QToolButton& fixButton() const { return *child<QToolButton>(main(), "CheckFix"); }

    int rows() const { return findings().model()->rowCount(); }
    QString cell(int row, int column) const { return findings().model()->index(row, column).data().toString(); }
    // A column's texts, top to bottom, as the list shows them.
    QStringList column(int column) const
    {
        QStringList texts;
        for (int row = 0; row < rows(); ++row)
            texts << cell(row, column);
        return texts;
    }
    // The first row that a rule found.
    int rowOf(const QString& rule) const
    {
        const int row = static_cast<int>(column(RuleColumn).indexOf(rule));
        EXPECT_GE(row, 0) << rule.toStdString();
        return row;
    }

    void select(int row) { findings().setCurrentIndex(findings().model()->index(row, 0)); }
    // Opens a finding as the user does: select it in the list and press Enter.
    void open(int row)
    {
        findings().setFocus();
        select(row);
        QTest::keyClick(&findings(), Qt::Key_Return);
    }
    void clickHeader(int section)
    {
        QHeaderView& header = *findings().header();
        const int x = header.sectionViewportPosition(section) + header.sectionSize(section) / 2;
        QTest::mouseClick(header.viewport(), Qt::LeftButton, {}, QPoint(x, header.height() / 2));
    }
    void fix() { QTest::mouseClick(&fixButton(), Qt::LeftButton); }
    // The check that follows Open, New and Revert runs on its own thread.
    void waitForCheck() const
    {
        EXPECT_TRUE(QTest::qWaitFor([this] { return !panel().isOutOfDate(); }, 10000)) << summary().toStdString();
    }

    // Types into a pane as the user does, a '\n' by the Return key.
    void type(PaneId id, const QString& text)
    {
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(&pane(id), Qt::Key_Return);
            QTest::keyClicks(&pane(id), lines[i]);
        }
    }
    // Types at the end of a pane, its tab shown and focused.
    void typeAtEnd(PaneId id, const QString& text)
    {
        document().setCurrentWidget(pane(id).parentWidget());
        pane(id).setFocus();
        pane(id).moveCursor(QTextCursor::End);
        type(id, text);
    }
    void undoIn(PaneId id)
    {
        pane(id).setFocus();
        QTest::keyClick(&pane(id), Qt::Key_Z, Qt::ControlModifier);
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

    // Three findings in two panes: the check lists the structure (line 10) before the units.
    void setThreeFindings()
    {
        QStringList structures;
        for (int i = 0; i < 11; ++i)
            structures << QStringLiteral("%1=Greece,POWR,256,%2,0,None,1,0").arg(i).arg(1000 + 3 * i);
        structures[10] = QStringLiteral("10=Greece,POWR,256,20000,0,None,1,0");  // off-map error
        setPaneText(PaneId::Structures, structures.join('\n') + '\n');
        setPaneText(PaneId::Units, QStringLiteral("0=USSR,3TNK,256,500,64,Hunt,None\n"
                                                  "1=USSR,3TNK,256,501,64,Hunt,None\n"
                                                  "2=USSR,3TNK,256,502,64,Hunt,flood\n"  // unknown trigger
                                                  "3=USSR,3TNK,256,503,64,Hunt,None\n"
                                                  "4=USSR,3TNK,256,504,64,Hunt,None\n"
                                                  "5=USSR,3TKN,256,505,64,Hunt,None\n"));  // unknown type
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
    EXPECT_TRUE(panel().isVisible());
    ASSERT_EQ(rows(), 1);
    EXPECT_EQ(cell(0, SectionColumn), "[UNITS]");
    EXPECT_EQ(cell(0, LineColumn), "2");
    EXPECT_EQ(cell(0, MessageColumn), "The trigger 'flood' is neither None nor a trigger of [Trigs].");
    EXPECT_EQ(cell(0, RuleColumn), "unknown-trigger");
    EXPECT_EQ(summary(), "1 error, 0 warnings. Double-click a finding to go to its line.");
    EXPECT_TRUE(main().statusBar()->currentMessage().contains(QRegularExpression("^Checked \\d+ lines: 1 finding in ")))
        << main().statusBar()->currentMessage().toStdString();
    EXPECT_EQ(std::get<Scenario>(document().snapshot()), before) << "the check changed the document";

    document().showBasicPage();
    open(0);
    EXPECT_EQ(document().currentWidget()->objectName(), "Units");
    QPlainTextEdit& units = pane(PaneId::Units);
    EXPECT_EQ(units.textCursor().selectedText(), "1=USSR,3TNK,256,501,64,Hunt,flood");
    EXPECT_EQ(main().focusWidget(), &units);

    // Fixed, the check says so.
    setPaneText(PaneId::Units, "0=USSR,3TNK,256,500,64,Hunt,alarm\n");
    choose("Checkscenario1");
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(summary(), kNoFindings);
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
    ASSERT_EQ(rows(), 1);
    EXPECT_EQ(cell(0, RuleColumn), "field-count");
    EXPECT_EQ(cell(0, LineColumn), "217");

    document().showBasicPage();
    open(0);
    QPlainTextEdit& units = pane(PaneId::Units);
    EXPECT_EQ(document().currentWidget(), units.parentWidget());
    EXPECT_EQ(main().focusWidget(), &units);
    EXPECT_EQ(units.textCursor().selectedText(), "217=Greece,JEEP,256,1217");
    EXPECT_EQ(gutterNumberAtCursor(PaneId::Units), 217) << "the line is on screen with its number beside it";
    const int middle = units.viewport()->height() / 2;
    EXPECT_LE(std::abs(units.cursorRect().center().y() - middle), units.cursorRect().height())
        << "the line is centred";

    // The pane lost the line since the check (the panel is not shown, so it did not
    // check again): nothing moves.
    panel().hide();
    setPaneText(PaneId::Units, "0=Greece,JEEP,256,1000,0,Guard,None\n");
    document().showBasicPage();
    open(0);
    EXPECT_EQ(document().currentWidget()->objectName(), "Basic");
}

// A finding on a field of the Basic or Map page has no line: it opens the field.
TEST_F(CheckScenario, AFieldFindingFocusesItsField)
{
    document().setFieldText(FieldId::Player, "Atlantis");
    choose("Checkscenario1");
    ASSERT_EQ(rows(), 1);
    EXPECT_EQ(cell(0, SectionColumn), "[Basic]");
    EXPECT_EQ(cell(0, LineColumn), "") << "a field has no line";
    document().setCurrentWidget(pane(PaneId::Units).parentWidget());
    open(0);
    EXPECT_EQ(document().currentWidget()->objectName(), "Basic");
    EXPECT_EQ(main().focusWidget(), fieldWidget(FieldId::Player));

    // No rule looks at the [Map] fields alone yet; the panel opens such a finding all the same.
    Finding width;
    width.rule = "off-map";
    width.section = "[Map]";
    width.field = FieldId::Width;
    width.message = "The playable area is wider than the map.";
    panel().showFindings({width});
    document().showBasicPage();
    open(0);
    EXPECT_EQ(document().currentWidget()->objectName(), "Map");
    EXPECT_EQ(main().focusWidget(), fieldWidget(FieldId::Width));
}

// A pack of the wrong size is no one line's fault: the finding is on its section, and
// opening it shows the section's tab from the top.
TEST_F(CheckScenario, ASectionFindingOpensItsTab)
{
    Ground ground;
    QStringList lines;
    for (const std::string& line : packLines(ground.overlayPackBytes()))
        lines << QString::fromStdString(line);
    setPaneText(PaneId::MapPack, lines.join('\n') + '\n');
    choose("Checkscenario1");
    ASSERT_EQ(rows(), 1);
    EXPECT_EQ(cell(0, RuleColumn), "pack");
    EXPECT_EQ(cell(0, SectionColumn), "[MapPack]");
    EXPECT_EQ(cell(0, LineColumn), "");
    document().showBasicPage();
    open(0);
    QPlainTextEdit& mapPack = pane(PaneId::MapPack);
    EXPECT_EQ(document().currentWidget(), mapPack.parentWidget());
    EXPECT_EQ(mapPack.textCursor().blockNumber(), 0);
}

// Open, Revert and New check again; a hidden panel checks nothing until shown.
TEST_F(CheckScenario, FollowsOpenRevertAndNew)
{
    writeFile("river.mpr", "[UNITS]\r\n0=USSR,3TNK,256,500,64,Hunt,flood\r\n");
    setPaneText(PaneId::Units, "0=USSR,3TNK,256,500,64,Hunt,None\n0=USSR,3TNK,256,501,64,Hunt,None\n");
    choose("Checkscenario1");
    ASSERT_EQ(column(RuleColumn), QStringList{"duplicate-key"});

    desktop_.openAnswers.push_back(path("river.mpr"));
    choose("Load1");
    EXPECT_EQ(summary(), "Checking the document...") << "the document is shown first";
    EXPECT_EQ(rows(), 0) << "no finding of the last document";
    waitForCheck();
    EXPECT_EQ(column(RuleColumn), QStringList{"unknown-trigger"});

    writeFile("river.mpr", "[UNITS]\r\n0=USSR,3TKN,256,500,64,Hunt,None\r\n");
    choose("Reverttosaved1");
    waitForCheck();
    EXPECT_EQ(column(RuleColumn), QStringList{"unknown-type"});

    // Changed before its check is over, the document is checked again as it stands.
    choose("Reverttosaved1");
    setPaneText(PaneId::Units, "0=USSR,3TNK,256,500,64,Hunt,None\n");
    waitForCheck();
    QTest::qWait(100);
    EXPECT_EQ(rows(), 0) << "the findings of the document as it was come too late";

    choose("Nytt1");
    waitForCheck();
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(summary(), kNoFindings);

    panel().close();
    desktop_.openAnswers.push_back(path("river.mpr"));
    choose("Load1");
    EXPECT_EQ(rows(), 0) << "a hidden panel checks nothing";
    panel().show();
    EXPECT_EQ(column(RuleColumn), QStringList{"unknown-type"}) << "showing the panel checks the document";
}

// Typing checks again once the typing pauses for a quarter of a second, without F7.
TEST_F(CheckScenario, ChecksAgainWhenTheTypingPauses)
{
    setPaneText(PaneId::Units, "0=USSR,3TNK,256,500,64,Hunt,None\n");
    choose("Checkscenario1");
    ASSERT_EQ(rows(), 0);

    typeAtEnd(PaneId::Units, "0=USSR,3TNK,256,501,64,Hunt,None");
    QElapsedTimer sinceTyping;
    sinceTyping.start();
    QTest::qWait(100);
    EXPECT_EQ(rows(), 0) << "no check while the typing has not paused";
    ASSERT_TRUE(QTest::qWaitFor([this] { return rows() == 1; }, 3000));
    EXPECT_GE(sinceTyping.elapsed(), 230);
    EXPECT_EQ(cell(0, RuleColumn), "duplicate-key");
    EXPECT_EQ(cell(0, LineColumn), "1");
    EXPECT_FALSE(panel().isOutOfDate());

    // A field of the Basic page is followed as well.
    document().showBasicPage();
    QLineEdit* player = document().fieldEdit(FieldId::Player);
    player->setFocus();
    QTest::keyClicks(player, "Atlantis");
    ASSERT_TRUE(QTest::qWaitFor([this] { return rows() == 2; }, 3000));
    EXPECT_EQ(cell(0, SectionColumn), "[Basic]");
}

// Where a check takes longer than typing may wait (a huge file), typing only marks the
// findings as out of date; a Create and F7 still check.
TEST_F(CheckScenario, WhenTheCheckIsSlowTypingMarksTheFindingsOutOfDate)
{
    panel().setTypingBudget(0ms);  // every check counts as slow
    setPaneText(PaneId::Units, "0=USSR,3TNK,256,500,64,Hunt,None\n");
    choose("Checkscenario1");
    ASSERT_EQ(rows(), 0);

    typeAtEnd(PaneId::Units, "0=USSR,3TNK,256,501,64,Hunt,None\n");
    EXPECT_TRUE(panel().isOutOfDate());
    EXPECT_EQ(summary(), "Out of date: the document changed since this check (F7 checks again). " + kNoFindings);
    QTest::qWait(400);
    EXPECT_EQ(rows(), 0) << "typing checked";

    QWidget& units = openForm("Units1", "TForm4");
    QApplication::setActiveWindow(&units);
    typeOver(child<QComboBox>(units, "ComboBox1"), QStringLiteral("USSR"));
    QTest::keyClicks(child<QLineEdit>(units, "Edit2"), "3TKN");
    QTest::keyClicks(child<QLineEdit>(units, "Edit4"), "502");
    child<QLineEdit>(units, "Edit4")->setFocus();  // the user's focus is in the dialog
    QTest::mouseClick(child<QPushButton>(units, "BitBtn1"), Qt::LeftButton);
    ASSERT_EQ(paneLines(PaneId::Units).size(), 3u);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !panel().isOutOfDate(); }, 100)) << "the Create checked at once";
    EXPECT_EQ(column(RuleColumn), (QStringList{"duplicate-key", "unknown-type"}));

    QApplication::setActiveWindow(&main());
    typeAtEnd(PaneId::Units, "; note");
    EXPECT_TRUE(panel().isOutOfDate());
    choose("Checkscenario1");
    EXPECT_FALSE(panel().isOutOfDate());
    EXPECT_EQ(summary(), "1 error, 1 warning. Double-click a finding to go to its line.");
}

TEST_F(CheckScenario, AClickOnAColumnSortsTheList)
{
    setThreeFindings();
    choose("Checkscenario1");
    ASSERT_EQ(column(LineColumn), (QStringList{"10", "2", "5"})) << "the check's order, by place";

    clickHeader(LineColumn);
    EXPECT_EQ(column(LineColumn), (QStringList{"2", "5", "10"})) << "lines sort as numbers";
    clickHeader(LineColumn);
    EXPECT_EQ(column(LineColumn), (QStringList{"10", "5", "2"}));
    clickHeader(RuleColumn);
    EXPECT_EQ(column(RuleColumn), (QStringList{"off-map", "unknown-trigger", "unknown-type"}));
    clickHeader(LineColumn);
    clickHeader(SeverityColumn);
    EXPECT_EQ(column(SeverityColumn), (QStringList{"error", "error", "warning"}));
    EXPECT_EQ(column(LineColumn), (QStringList{"10", "2", "5"})) << "equals keep the check's order";
    clickHeader(SeverityColumn);
    EXPECT_EQ(column(LineColumn), (QStringList{"5", "10", "2"})) << "also sorted the other way";

    // Sorted, Enter still opens the finding on the row.
    clickHeader(LineColumn);
    open(0);
    EXPECT_EQ(pane(PaneId::Units).textCursor().selectedText(), "2=USSR,3TNK,256,502,64,Hunt,flood");
}

TEST_F(CheckScenario, TheFilterChoosesSeveritiesAndRulesAndTheSummaryCountsBoth)
{
    setThreeFindings();
    choose("Checkscenario1");
    ASSERT_EQ(rows(), 3);
    EXPECT_EQ(summary(), "2 errors, 1 warning. Double-click a finding to go to its line.");

    QTest::mouseClick(child<QCheckBox>(main(), "ShowWarnings"), Qt::LeftButton);
    EXPECT_EQ(column(RuleColumn), (QStringList{"off-map", "unknown-trigger"}));
    EXPECT_EQ(summary(), "Shown: 2 errors, 0 warnings. Hidden by the filter: 0 errors, 1 warning.");

    QPushButton& rules = *child<QPushButton>(main(), "CheckRules");
    EXPECT_EQ(rules.text(), "Rules: all");
    QAction* unknownTrigger = rules.menu()->findChild<QAction*>("unknown-trigger");
    ASSERT_NE(unknownTrigger, nullptr);
    EXPECT_TRUE(unknownTrigger->isCheckable() && unknownTrigger->isChecked());
    unknownTrigger->trigger();
    EXPECT_FALSE(unknownTrigger->isChecked());
    EXPECT_EQ(column(RuleColumn), QStringList{"off-map"});
    const auto ruleCount = static_cast<int>(checkRules().size());
    EXPECT_EQ(rules.text(), QStringLiteral("Rules: %1 of %2").arg(ruleCount - 1).arg(ruleCount));
    EXPECT_EQ(summary(), "Shown: 1 error, 0 warnings. Hidden by the filter: 1 error, 1 warning.");

    // The filter stays when the check runs again.
    choose("Checkscenario1");
    EXPECT_EQ(column(RuleColumn), QStringList{"off-map"});

    QTest::mouseClick(child<QCheckBox>(main(), "ShowErrors"), Qt::LeftButton);
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(summary(), "Shown: 0 errors, 0 warnings. Hidden by the filter: 2 errors, 1 warning.");

    QTest::mouseClick(child<QCheckBox>(main(), "ShowErrors"), Qt::LeftButton);
    QTest::mouseClick(child<QCheckBox>(main(), "ShowWarnings"), Qt::LeftButton);
    rules.menu()->findChild<QAction*>("AllRules")->trigger();
    EXPECT_EQ(rows(), 3);
    EXPECT_EQ(rules.text(), "Rules: all");
    EXPECT_EQ(summary(), "2 errors, 1 warning. Double-click a finding to go to its line.");
}

// Fix is offered on a finding that has a fix; it renumbers the section as the document
// stands when it is clicked, and one Ctrl+Z in the pane takes it back.
TEST_F(CheckScenario, FixRenumbersASectionInOneUndoStep)
{
    panel().setTypingBudget(0ms);  // the list stays as it is while the test types
    setPaneText(PaneId::Units, "0=USSR,3TNK,256,500,64,Hunt,None\n0=USSR,3TNK,256,501,64,Hunt,flood\n");
    choose("Checkscenario1");
    ASSERT_EQ(column(RuleColumn), (QStringList{"duplicate-key", "unknown-trigger"}));
    select(rowOf("unknown-trigger"));
    EXPECT_FALSE(fixButton().isEnabled());
    select(rowOf("duplicate-key"));
    EXPECT_TRUE(fixButton().isEnabled());
    EXPECT_EQ(fixButton().text(), "Fix");
    EXPECT_EQ(fixButton().toolTip(), "Renumber this section");

    // Typed since the check: the fix is worked out on the document as it is now.
    typeAtEnd(PaneId::Units, "0=USSR,3TNK,256,502,64,Hunt,None\n");
    const Lines typed = paneLines(PaneId::Units);
    fix();
    EXPECT_EQ(paneLines(PaneId::Units), (Lines{"0=USSR,3TNK,256,500,64,Hunt,None", "1=USSR,3TNK,256,501,64,Hunt,flood",
                                              "2=USSR,3TNK,256,502,64,Hunt,None"}));
    EXPECT_EQ(column(RuleColumn), QStringList{"unknown-trigger"}) << "the fix checks again";
    EXPECT_FALSE(panel().isOutOfDate());

    undoIn(PaneId::Units);
    EXPECT_EQ(paneLines(PaneId::Units), typed);

    // A finding the document no longer has is refused.
    choose("Checkscenario1");
    select(rowOf("duplicate-key"));
    pane(PaneId::Units).moveCursor(QTextCursor::Start);
    type(PaneId::Units, "; first\n");
    const Lines moved = paneLines(PaneId::Units);
    fix();
    EXPECT_EQ(paneLines(PaneId::Units), moved);
    EXPECT_TRUE(summary().startsWith("Nothing was fixed: the document no longer has this finding (F7 checks again)."))
        << summary().toStdString();
}

TEST_F(CheckScenario, FixRecountsTheBaseInOneUndoStep)
{
    const Lines base{"Player=USSR", "Count=7 ; old", "000=POWR,500", "; gate", "005=GUN,502"};
    setPaneText(PaneId::Base, "Player=USSR\nCount=7 ; old\n000=POWR,500\n; gate\n005=GUN,502\n");
    choose("Checkscenario1");
    select(rowOf("base-count"));
    EXPECT_EQ(fixButton().toolTip(), "Recount the base");
    std::optional<Qt::CursorShape> cursorWhileFixing;
    const auto probe = QObject::connect(pane(PaneId::Base).document(), &QTextDocument::contentsChange, &panel(), [&] {
        const QCursor* cursor = QGuiApplication::overrideCursor();
        cursorWhileFixing = cursor ? cursor->shape() : Qt::ArrowCursor;
    });
    fix();
    QObject::disconnect(probe);
    EXPECT_EQ(cursorWhileFixing, Qt::WaitCursor) << "busy for the whole fix";
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(main().statusBar()->currentMessage().startsWith("Fixed: Recount the base in "))
        << main().statusBar()->currentMessage().toStdString();
    EXPECT_EQ(paneLines(PaneId::Base),
              (Lines{"Player=USSR", "Count=2 ; old", "000=POWR,500", "; gate", "001=GUN,502"}));
    EXPECT_EQ(rows(), 0);
    undoIn(PaneId::Base);
    EXPECT_EQ(paneLines(PaneId::Base), base);
}

// The fix changes two panes, each one undo step of its own; the context menu offers it too.
TEST_F(CheckScenario, FixMovesTheOldTeamTypeSectionInOneUndoStepPerPane)
{
    setPaneText(PaneId::Rules, "[Aircraft]\nYak=1\n\n[TeamType]\na=1,2\nb=3\n");
    setPaneText(PaneId::TeamType, "c=9");  // no line break at the end
    choose("Checkscenario1");
    ASSERT_EQ(column(RuleColumn), QStringList{"team-type-section"});
    select(0);
    EXPECT_EQ(fixButton().toolTip(), "Move into [TeamTypes]");

    QStringList offered;
    QTimer::singleShot(0, this->panel().findingsList(), [&offered] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (const QAction* action : menu->actions()) {
            if (!action->isSeparator() && action->isEnabled())
                offered << action->text();
        }
        menu->close();
    });
    QTreeView& list = findings();
    Q_EMIT list.customContextMenuRequested(list.visualRect(list.model()->index(0, 0)).center());
    EXPECT_EQ(offered, (QStringList{"Go to line", "Move into [TeamTypes]"}));

    fix();
    EXPECT_EQ(paneLines(PaneId::Rules), (Lines{"[Aircraft]", "Yak=1"}));
    EXPECT_EQ(paneLines(PaneId::TeamType), (Lines{"c=9", "a=1,2", "b=3"}));
    EXPECT_EQ(rows(), 0);

    undoIn(PaneId::Rules);
    EXPECT_EQ(paneLines(PaneId::Rules), (Lines{"[Aircraft]", "Yak=1", "", "[TeamType]", "a=1,2", "b=3"}));
    EXPECT_EQ(paneLines(PaneId::TeamType), (Lines{"c=9", "a=1,2", "b=3"}));
    undoIn(PaneId::TeamType);
    EXPECT_EQ(paneLines(PaneId::TeamType), Lines{"c=9"});
}

TEST_F(CheckScenario, ClosingThePanelGivesItsRoomBack)
{
    const auto settle = [] { QTest::qWait(50); };
    main().showNormal();
    main().resize(main().minimumSizeHint());
    settle();
    const QSize before = main().size();
    choose("Checkscenario1");
    settle();
    ASSERT_TRUE(panel().isVisible());
    panel().close();
    settle();
    EXPECT_EQ(main().size(), before);
}
