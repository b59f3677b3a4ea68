#include "form_fixture.h"

#include "gui/app/edit_commands.h"
#include "gui/decorations/waypoints_form.h"
#include "gui/document/pane_text_edit.h"
#include "gui/document/scenario_highlighter.h"
#include "gui/document/find_bar.h"
#include "gui/document/go_to_line_bar.h"

#include <QAction>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

using namespace vexa;
using vexa::test::FormFixture;

namespace {

// Counts the paints of a widget.
class PaintCounter final : public QObject {
public:
    explicit PaintCounter(QWidget* widget)
        : QObject(widget)
    {
        widget->installEventFilter(this);
    }
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

class PaneTools : public FormFixture {
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        main().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
    }
    // Types one character as a keyboard would, whatever the character.
    static void typeCharacter(QWidget* field, QChar character)
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(field, &press);
    }
    void focusPane(PaneId id, const QString& text)
    {
        document().setCurrentWidget(pane(id).parentWidget());
        setPane(id, text);
        pane(id).setFocus();
    }
    FindBar& findBar() const { return main().editCommands().findBar(); }
    GoToLineBar& goToLineBar() const { return main().editCommands().goToLineBar(); }
    QLineEdit* findField() const { return child<QLineEdit>(findBar(), "FindEdit"); }
    QString findMessage() const { return child<QLabel>(findBar(), "FindMessage")->text(); }
    QListView* hitList() const { return child<QListView>(findBar(), "FindHits"); }
    QStringList hitRows() const
    {
        QStringList rows;
        for (int row = 0; row < hitList()->model()->rowCount(); ++row)
            rows << hitList()->model()->index(row, 0).data().toString();
        return rows;
    }
    void clickHit(int row) const
    {
        QListView* list = hitList();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(row, 0)).center());
    }
    // Lets the pause pass after which the hits are counted and listed again.
    static void pause() { QTest::qWait(FindBar::kRefreshDelayMs + 100); }
    QString statusMessage() const { return main().statusBar()->currentMessage(); }
    QString selected(PaneId id) const { return pane(id).textCursor().selectedText(); }
    int selectionStart(PaneId id) const { return pane(id).textCursor().selectionStart(); }
    // The number the gutter shows beside each visible line, with the line's text.
    std::vector<std::pair<int, QString>> gutter(PaneId id) const
    {
        auto& editor = static_cast<PaneTextEdit&>(pane(id));
        std::vector<std::pair<int, QString>> lines;
        for (const auto& number : editor.gutterNumbers(0, editor.viewport()->height()))
            lines.emplace_back(number.number, editor.document()->findBlockByNumber(number.number).text());
        return lines;
    }
    // The colours line `number` of the pane carries, as (start, length) pairs.
    std::vector<std::pair<int, int>> colouredParts(PaneId id, int number) const
    {
        std::vector<std::pair<int, int>> parts;
        for (const auto& range : pane(id).document()->findBlockByNumber(number).layout()->formats())
            parts.emplace_back(range.start, range.length);
        return parts;
    }
};

} // namespace

TEST_F(PaneTools, GutterNumbersEachLineAsTheWaypointsDialogNumbersIt)
{
    focusPane(PaneId::Waypoints, "; harbour\n0=100\n\n");
    EXPECT_EQ(gutter(PaneId::Waypoints).back(), (std::pair{3, QString()})) << "the next line appended goes there";
    openForm("Waypoints1", "TForm15");
    typeOver(child<QLineEdit>(app_->waypointsDialog(), "Edit1"), "1234");
    click(child<QPushButton>(app_->waypointsDialog(), "BitBtn1"));
    QApplication::processEvents();

    const auto shown = gutter(PaneId::Waypoints);
    ASSERT_EQ(shown.size(), 5u);
    EXPECT_EQ(shown[3], (std::pair{3, QStringLiteral("3=1234")}));
    EXPECT_EQ(shown[4], (std::pair{4, QString()}));

    auto& editor = static_cast<PaneTextEdit&>(pane(PaneId::Waypoints));
    const int oneDigit = editor.gutterWidth();
    setPane(PaneId::Waypoints, QString("x\n").repeated(100));
    EXPECT_GT(editor.gutterWidth(), oneDigit) << "three digits need more room than one";
}

TEST_F(PaneTools, FindBarSearchesAsTypedStepsRoundAndListsHitsOfAllPanes)
{
    focusPane(PaneId::Units, "0=Greece,GUN\n1=Spain,gun\n2=USSR,Gun");
    choose("Find1");
    ASSERT_TRUE(findBar().isVisible());
    EXPECT_EQ(QApplication::focusWidget(), findField());

    QTest::keyClicks(findField(), "gu");
    EXPECT_EQ(selectionStart(PaneId::Units), 9);
    EXPECT_EQ(QApplication::focusWidget(), findField()) << "the hit is shown, the typing goes on";
    QTest::keyClicks(findField(), "n");
    EXPECT_EQ(selected(PaneId::Units), "GUN") << "typing on keeps the same hit";
    EXPECT_EQ(findMessage(), "Found") << "counted once the typing pauses";
    EXPECT_TRUE(QTest::qWaitFor([&] { return findMessage() == "Hit 1 of 3"; })) << findMessage().toStdString();
    QTest::keyClick(findField(), Qt::Key_Return);
    EXPECT_EQ(selected(PaneId::Units), "gun");
    EXPECT_EQ(findMessage(), "Hit 2 of 3");
    choose("Findnext1");
    EXPECT_EQ(selected(PaneId::Units), "Gun");
    choose("Findnext1");
    EXPECT_EQ(selected(PaneId::Units), "GUN") << "round the end";
    click(child<QPushButton>(findBar(), "FindPreviousButton"));
    EXPECT_EQ(selected(PaneId::Units), "Gun") << "round the start";
    EXPECT_EQ(findMessage(), "Hit 3 of 3");

    child<QCheckBox>(findBar(), "MatchCaseBox")->click();
    QTest::keyClick(findField(), Qt::Key_Return);
    EXPECT_EQ(findMessage(), "Hit 1 of 1") << "Enter counts the hits before it steps";
    QTest::keyClicks(findField(), "x");
    typeCharacter(findField(), QChar(0x3a9));
    EXPECT_EQ(findField()->text(), "gunx") << "a character no file can hold is refused";
    EXPECT_EQ(findMessage(), "Not found");

    setPane(PaneId::Trigs, "t1=GUNx,1\nt2=gunx,2");
    child<QCheckBox>(findBar(), "AllPanesBox")->click();
    EXPECT_EQ(hitRows(), QStringList{"[Trigs]  1: t2=gunx,2"}) << "listed at once";
    EXPECT_EQ(findMessage(), "1 hit");
    EXPECT_TRUE(statusMessage().contains(QRegularExpression("^Found 1 hit in all panes in \\d+\\.\\d s$")))
        << statusMessage().toStdString();
    clickHit(0);
    EXPECT_EQ(document().currentWidget(), pane(PaneId::Trigs).parentWidget());
    EXPECT_EQ(QApplication::focusWidget(), &pane(PaneId::Trigs));
    EXPECT_EQ(selected(PaneId::Trigs), "gunx");
    EXPECT_EQ(findMessage(), "Hit 1 of 1 in [Trigs]");

    findField()->setFocus();
    QTest::keyClick(findField(), Qt::Key_Escape);
    EXPECT_FALSE(findBar().isVisible());
    EXPECT_EQ(QApplication::focusWidget(), &pane(PaneId::Trigs));
}

TEST_F(PaneTools, FindNextInAllPanesWalksTheHitsInTabOrderAndGoesRound)
{
    setPane(PaneId::Structures, "0=Greece,GUN");
    setPane(PaneId::Units, "0=Greece,POWR\n1=Spain,gun\n2=USSR,Gun");
    setPane(PaneId::Trigs, "t=gun,1");
    focusPane(PaneId::Country, "[Spain]\nCredits=10");
    choose("Find1");
    QTest::keyClicks(findField(), "gun");
    EXPECT_EQ(findMessage(), "Not found") << "not in this pane";
    child<QCheckBox>(findBar(), "AllPanesBox")->click();
    ASSERT_EQ(hitRows().size(), 4);
    EXPECT_EQ(findMessage(), "4 hits");

    pane(PaneId::Country).setFocus();
    const auto findNext = [&](PaneId expectedPane, const char* expectedText, const char* expectedMessage) {
        choose("Findnext1");
        EXPECT_EQ(document().currentWidget(), pane(expectedPane).parentWidget()) << expectedMessage;
        EXPECT_EQ(QApplication::focusWidget(), &pane(expectedPane)) << "F3 goes on from there";
        EXPECT_EQ(selected(expectedPane), expectedText) << expectedMessage;
        EXPECT_EQ(findMessage(), expectedMessage);
    };
    findNext(PaneId::Structures, "GUN", "Hit 1 of 4 in [STRUCTURES]");
    findNext(PaneId::Units, "gun", "Hit 2 of 4 in [UNITS]");
    findNext(PaneId::Units, "Gun", "Hit 3 of 4 in [UNITS]");
    EXPECT_EQ(hitList()->currentIndex().row(), 2) << "the list follows";
    findNext(PaneId::Trigs, "gun", "Hit 4 of 4 in [Trigs]");
    findNext(PaneId::Structures, "GUN", "Hit 1 of 4 in [STRUCTURES]");

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(selected(PaneId::Trigs), "gun") << "back round the start";
    EXPECT_EQ(findMessage(), "Hit 4 of 4 in [Trigs]");
}

// Replace all in all panes is one undo step in each pane it changed. The list is made
// again once the panes it lists stop changing for a moment, without a word in the status
// bar; until then a hit it still shows is taken only where the needle still stands.
TEST_F(PaneTools, ReplaceAllInAllPanesAndTheHitListAfterIt)
{
    setPane(PaneId::Trigs, "t=gun,1");
    setPane(PaneId::Structures, "0=Greece,POWR");
    focusPane(PaneId::Units, "0=Greece,GUN\n1=Spain,gun,N");
    choose("Replace1");
    QTest::keyClicks(findField(), "gun");
    QTest::keyClicks(child<QLineEdit>(findBar(), "ReplaceEdit"), "A");
    child<QCheckBox>(findBar(), "AllPanesBox")->click();
    ASSERT_EQ(hitRows(), (QStringList{"[UNITS]  0: 0=Greece,GUN", "[UNITS]  1: 1=Spain,gun,N", "[Trigs]  0: t=gun,1"}));

    QSignalSpy listings(hitList()->model(), &QAbstractItemModel::modelReset);
    pane(PaneId::Units).moveCursor(QTextCursor::Start);
    click(child<QPushButton>(findBar(), "ReplaceAllButton"));
    EXPECT_EQ(paneText(pane(PaneId::Units)), "0=Greece,A\n1=Spain,A,N");
    EXPECT_EQ(paneText(pane(PaneId::Trigs)), "t=A,1");
    EXPECT_EQ(findMessage(), "Replaced 3 in 2 panes");
    EXPECT_TRUE(statusMessage().contains(QRegularExpression("^Replaced 3 in 2 panes in \\d+\\.\\d s$")))
        << statusMessage().toStdString();
    EXPECT_EQ(listings.count(), 0) << "not yet";
    pane(PaneId::Trigs).undo();
    EXPECT_EQ(paneText(pane(PaneId::Trigs)), "t=gun,1");
    EXPECT_EQ(paneText(pane(PaneId::Units)), "0=Greece,A\n1=Spain,A,N") << "each pane has its own step";

    clickHit(1);
    EXPECT_EQ(selected(PaneId::Units), "") << "never \"A,N\", which stands there now";
    EXPECT_EQ(findMessage(), "That hit has changed; the list is up to date again");
    EXPECT_EQ(hitRows(), QStringList{"[Trigs]  0: t=gun,1"});
    EXPECT_EQ(listings.count(), 1);

    const QString lastCommand = statusMessage();
    pane(PaneId::Trigs).moveCursor(QTextCursor::Start);
    QTest::keyClicks(&pane(PaneId::Trigs), "gun ");
    QTest::qWait(FindBar::kRefreshDelayMs / 2);
    EXPECT_EQ(listings.count(), 1) << "not at every keystroke";
    EXPECT_TRUE(QTest::qWaitFor([&] { return listings.count() == 2; })) << "once after the last";
    EXPECT_EQ(hitRows(), (QStringList{"[Trigs]  0: gun t=gun,1", "[Trigs]  0: gun t=gun,1"}));
    EXPECT_EQ(statusMessage(), lastCommand);
    pause();
    EXPECT_EQ(listings.count(), 2) << "and no more without a change";
}

TEST_F(PaneTools, TheBarsTakeTheirRoomInsideTheWindow)
{
    // Layouts ask for more room in turns, each in an event of its own.
    const auto settle = [] { QTest::qWait(20); };
    focusPane(PaneId::Infantry, "0=Greece,E1\n");
    settle();
    const QSize before = main().size();
    choose("Replace1");
    QTest::keyClicks(findField(), "e1");
    child<QCheckBox>(findBar(), "AllPanesBox")->click();
    choose("Findnext1");
    EXPECT_EQ(findMessage(), "Hit 1 of 1 in [INFANTRY]");
    settle();
    EXPECT_EQ(main().size(), before);
    EXPECT_GE(findBar().height(), findBar().sizeHint().height()) << "and have the room they ask for";
    const auto controls = [&] {
        return std::pair{findField()->geometry(), child<QPushButton>(findBar(), "FindCloseButton")->geometry()};
    };
    const auto placed = controls();
    QTest::keyClicks(findField(), "x");
    ASSERT_EQ(findMessage(), "Not found");
    settle();
    EXPECT_EQ(controls(), placed) << "a shorter message moves nothing";

    choose("Gotoline1");
    child<QLineEdit>(goToLineBar(), "GoToLineEdit")->setText(QString(200, QLatin1Char('9')));
    goToLineBar().goToLine();
    settle();
    EXPECT_EQ(main().size(), before);
}

TEST_F(PaneTools, ReplaceOneAndReplaceAllWhichIsOneUndoStep)
{
    const QString text = "0=Greece,GUN\n1=Spain,gun ; gun\n";
    focusPane(PaneId::Units, text);
    choose("Replace1");
    QTest::keyClicks(findField(), "gun");
    auto* replacement = child<QLineEdit>(findBar(), "ReplaceEdit");
    QTest::keyClicks(replacement, "ART");
    typeCharacter(replacement, QChar(0x3a9));
    EXPECT_EQ(replacement->text(), "ART");
    click(child<QPushButton>(findBar(), "ReplaceButton"));
    EXPECT_EQ(paneText(pane(PaneId::Units)), "0=Greece,ART\n1=Spain,gun ; gun\n");
    EXPECT_EQ(selected(PaneId::Units), "gun") << "the next hit is selected";

    click(child<QPushButton>(findBar(), "ReplaceAllButton"));
    EXPECT_EQ(paneText(pane(PaneId::Units)), "0=Greece,ART\n1=Spain,ART ; ART\n");
    EXPECT_EQ(findMessage(), "Replaced 2");
    pane(PaneId::Units).undo();
    EXPECT_EQ(paneText(pane(PaneId::Units)), "0=Greece,ART\n1=Spain,gun ; gun\n");
}

TEST_F(PaneTools, GoToLineSelectsTheLineOrSaysWhyNot)
{
    focusPane(PaneId::Structures, "0=a\n1=b\n2=c\n");
    choose("Gotoline1");
    auto* line = child<QLineEdit>(goToLineBar(), "GoToLineEdit");
    auto* message = child<QLabel>(goToLineBar(), "GoToLineMessage");
    EXPECT_EQ(QApplication::focusWidget(), line);
    QTest::keyClicks(line, "3");
    QTest::keyClick(line, Qt::Key_Return);
    EXPECT_EQ(message->text(), "There is no line 3; the lines go from 0 to 2") << "the break at the end opens no line";
    EXPECT_TRUE(goToLineBar().isVisible());

    line->clear();
    QTest::keyClicks(line, "1");
    QTest::keyClick(line, Qt::Key_Return);
    EXPECT_FALSE(goToLineBar().isVisible());
    EXPECT_EQ(QApplication::focusWidget(), &pane(PaneId::Structures));
    EXPECT_EQ(selected(PaneId::Structures), "1=b");
    EXPECT_EQ(main().findChild<QLabel*>("PanePosition")->text(), "Line 1, column 4   3 lines");

    focusPane(PaneId::Units, "");
    choose("Gotoline1");
    line->setText("0");
    QTest::keyClick(line, Qt::Key_Return);
    EXPECT_EQ(message->text(), "The pane is empty: it has no line to go to");
    EXPECT_TRUE(goToLineBar().isVisible());
    EXPECT_EQ(QApplication::focusWidget(), line) << "nothing moves";
}

TEST_F(PaneTools, EditMenuKeepsItsEntriesAndAddsTheSearchCommandsAfterThem)
{
    QStringList names;
    for (QAction* action : main().findChild<QMenu*>("Edit1")->actions())
        names << action->objectName();
    EXPECT_EQ(names, (QStringList{"Undo1", "N2", "Cut1", "Copy1", "Paste1", "N3", "Selectall1", "Setfont1", "N5",
                                  "Find1", "Findnext1", "Replace1", "Gotoline1"}));
    focusPane(PaneId::Units, "x");
    Q_EMIT main().findChild<QMenu*>("Edit1")->aboutToShow();
    EXPECT_TRUE(main().action("Find1")->isEnabled());
    document().showBasicPage();
    child<QLineEdit>(main(), "Edit2")->setFocus();
    Q_EMIT main().findChild<QMenu*>("Edit1")->aboutToShow();
    EXPECT_FALSE(main().action("Gotoline1")->isEnabled()) << "a field is not a pane";
}

TEST_F(PaneTools, OnlyTheLinesOnScreenAreColouredAndALineScrolledIntoViewIsColouredToo)
{
    QStringList lines;
    for (int i = 0; i < 2000; ++i)
        lines << QStringLiteral("%1=Greece,POWR").arg(i);
    lines[0] = "; harbour";
    lines[1500] = "; far away";
    focusPane(PaneId::Structures, lines.join('\n'));
    QPlainTextEdit& editor = pane(PaneId::Structures);
    editor.viewport()->repaint();

    using Parts = std::vector<std::pair<int, int>>;
    EXPECT_EQ(colouredParts(PaneId::Structures, 0), (Parts{{0, 9}})) << "the comment on screen";
    EXPECT_EQ(colouredParts(PaneId::Structures, 1), (Parts{{0, 1}})) << "the key on screen";
    EXPECT_EQ(colouredParts(PaneId::Structures, 1500), Parts{}) << "far below the view: not coloured yet";
    EXPECT_FALSE(ScenarioHighlighter::isHighlighted(editor.document()->findBlockByNumber(1500)));

    editor.verticalScrollBar()->setValue(1490);
    editor.viewport()->repaint();
    EXPECT_EQ(colouredParts(PaneId::Structures, 1500), (Parts{{0, 10}}));

    // Colouring asks for one more paint, which must find nothing left to colour.
    auto* counter = new PaintCounter(editor.viewport());
    QApplication::processEvents();
    counter->paints = 0;
    QApplication::processEvents();
    EXPECT_EQ(counter->paints, 0) << "no paint asks for the next";

    QTextCursor cursor(editor.document()->findBlockByNumber(1500));
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText("1500=x ; note");
    editor.viewport()->repaint();
    EXPECT_EQ(colouredParts(PaneId::Structures, 1500), (Parts{{0, 4}, {7, 6}})) << "an edited line takes new colours";

    editor.verticalScrollBar()->setValue(0);
    editor.viewport()->repaint();
    cursor.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText("x");
    editor.viewport()->repaint();
    editor.verticalScrollBar()->setValue(1490);
    editor.viewport()->repaint();
    EXPECT_EQ(colouredParts(PaneId::Structures, 1500), Parts{}) << "edited off screen, coloured when shown again";
}
