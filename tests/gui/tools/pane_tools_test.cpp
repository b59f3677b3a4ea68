#include "form_fixture.h"

#include "gui/app/edit_commands.h"
#include "gui/decorations/waypoints_form.h"
#include "gui/document/pane_text_edit.h"
#include "gui/document/scenario_highlighter.h"
#include "gui/tools/find_bar.h"
#include "gui/tools/go_to_line_bar.h"

#include <QAction>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
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
    EXPECT_EQ(findMessage(), "Hit 1 of 3");
    QTest::keyClick(findField(), Qt::Key_Return);
    EXPECT_EQ(selected(PaneId::Units), "gun");
    choose("Findnext1");
    EXPECT_EQ(selected(PaneId::Units), "Gun");
    choose("Findnext1");
    EXPECT_EQ(selected(PaneId::Units), "GUN") << "round the end";
    click(child<QPushButton>(findBar(), "FindPreviousButton"));
    EXPECT_EQ(selected(PaneId::Units), "Gun") << "round the start";

    child<QCheckBox>(findBar(), "MatchCaseBox")->click();
    QTest::keyClick(findField(), Qt::Key_Return);
    EXPECT_EQ(findMessage(), "Hit 1 of 1");
    QTest::keyClicks(findField(), "x");
    typeCharacter(findField(), QChar(0x3a9));
    EXPECT_EQ(findField()->text(), "gunx") << "a character no file can hold is refused";
    EXPECT_EQ(findMessage(), "Not found");

    setPane(PaneId::Trigs, "t1=GUNx,1\nt2=gunx,2");
    child<QCheckBox>(findBar(), "AllPanesBox")->click();
    auto* hits = child<QListWidget>(findBar(), "FindHits");
    ASSERT_EQ(hits->count(), 1);
    EXPECT_EQ(hits->item(0)->text(), "[Trigs]  1: t2=gunx,2");
    QTest::mouseClick(hits->viewport(), Qt::LeftButton, {}, hits->visualItemRect(hits->item(0)).center());
    EXPECT_EQ(document().currentWidget(), pane(PaneId::Trigs).parentWidget());
    EXPECT_EQ(QApplication::focusWidget(), &pane(PaneId::Trigs));
    EXPECT_EQ(selected(PaneId::Trigs), "gunx");

    findField()->setFocus();
    QTest::keyClick(findField(), Qt::Key_Escape);
    EXPECT_FALSE(findBar().isVisible());
    EXPECT_EQ(QApplication::focusWidget(), &pane(PaneId::Trigs));
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
