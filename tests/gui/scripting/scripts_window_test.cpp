#include "form_fixture.h"

#include <QAbstractItemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>
#include <QTextBlock>

using namespace vexa;
using vexa::test::FormFixture;

namespace {

class ScriptsWindowEndToEnd : public FormFixture {
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        main().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
        setPaneText(PaneId::Waypoints, QStringLiteral("7=500"));
        setPaneText(PaneId::CellTriggers, QStringLiteral("500=alarm"));
        setPaneText(PaneId::Trigs, QStringLiteral("rein=1,2,0,1,7,-1,1,0,-1,0,7,1,-1,7,22,-1,1,-1\n"
                                                  "alarm=0,2,0,0,0,-1,-1,0,-1,-1,4,0,-1,-1,0,-1,-1,-1"));
        setPaneText(PaneId::TeamType, QStringLiteral("; teams\nhero=2,0,7,0,0,7,-1,0,0\nescort=2,0,7,0,0,-1,1,0,0"));
    }

    // Puts the cursor of a pane at a line and column and gives the pane the focus.
    void placeCursor(PaneId id, int line, int column)
    {
        document().showPaneLine(id, static_cast<std::size_t>(line));
        QTextCursor cursor(pane(id).document()->findBlockByNumber(line));
        cursor.setPosition(cursor.position() + column);
        pane(id).setTextCursor(cursor);
    }
    int cursorLine(PaneId id) { return pane(id).textCursor().blockNumber(); }
};

} // namespace

TEST_F(ScriptsWindowEndToEnd, ListsInWordsFollowsF12AndListsUsesWithShiftF12)
{
    // The line under the cursor in words, in the status bar.
    placeCursor(PaneId::Trigs, 0, 0);
    const QString words = child<QLabel>(main(), "ScriptWords")->text();
    EXPECT_TRUE(words.startsWith(QStringLiteral("Trigger 'rein' (0): repeats for all affected"))) << words.toStdString();
    EXPECT_TRUE(words.contains(QStringLiteral("team type 1 'escort'"))) << words.toStdString();

    // The Scripts window lists every trigger and team type; the filter keeps the rows that hold its text.
    choose("Scripts1");
    QWidget& scripts = *child<QWidget>(main(), "ScriptsWindow");
    EXPECT_TRUE(scripts.isVisible());
    QTableView* table = child<QTableView>(scripts, "ScriptsTable");
    EXPECT_EQ(table->model()->rowCount(), 4);
    QTest::keyClicks(child<QLineEdit>(scripts, "ScriptsFilter"), QStringLiteral("escort"));
    ASSERT_EQ(table->model()->rowCount(), 2);  // escort, and rein that names it
    Q_EMIT table->activated(table->model()->index(1, 0));
    EXPECT_EQ(document().currentWidget()->findChild<QPlainTextEdit*>(), &pane(PaneId::TeamType));
    EXPECT_EQ(cursorLine(PaneId::TeamType), 2);

    // F12 on R1's team type (the "1" after "7,") shows team type 1, escort, on line 2.
    main().activateWindow();
    const int teamTypeColumn = static_cast<int>(std::string("rein=1,2,0,1,7,-1,1,0,-1,0,7,").size());
    placeCursor(PaneId::Trigs, 0, teamTypeColumn);
    QTest::keyClick(&pane(PaneId::Trigs), Qt::Key_F12);
    EXPECT_EQ(cursorLine(PaneId::TeamType), 2);
    // On the cell trigger's name it shows the trigger.
    placeCursor(PaneId::CellTriggers, 0, 5);
    QTest::keyClick(&pane(PaneId::CellTriggers), Qt::Key_F12);
    EXPECT_EQ(cursorLine(PaneId::Trigs), 1);

    // Shift+F12 on trigger alarm's name lists what names it by meaning: rein's R2, escort's
    // attached trigger, the cell trigger.
    placeCursor(PaneId::Trigs, 1, 1);
    QTest::keyClick(&pane(PaneId::Trigs), Qt::Key_F12, Qt::ShiftModifier);
    QListWidget* uses = child<QListWidget>(scripts, "ScriptsUses");
    ASSERT_EQ(uses->count(), 3);
    EXPECT_EQ(uses->item(0)->text(), QStringLiteral("[CellTriggers] line 0: by name"));
    EXPECT_EQ(uses->item(1)->text(), QStringLiteral("[Trigs] line 0: R2 parameter 2 of 'rein'"));
    EXPECT_EQ(uses->item(2)->text(), QStringLiteral("[TeamTypes] line 2: attached trigger of 'escort'"));
    Q_EMIT uses->itemActivated(uses->item(2));
    EXPECT_EQ(cursorLine(PaneId::TeamType), 2);

    // The window follows the document.
    child<QLineEdit>(scripts, "ScriptsFilter")->clear();
    pane(PaneId::Trigs).appendPlainText(QStringLiteral("late=0,2,0,0,0,-1,-1,0,-1,-1,0,-1,-1,-1,0,-1,-1,-1"));
    QTRY_COMPARE(table->model()->rowCount(), 5);
}
