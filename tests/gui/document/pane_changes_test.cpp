#include "gui/document/pane_changes.h"
#include "gui/document/scenario_view.h"
#include "gui/document/text_codec.h"

#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

using namespace vexa;

namespace {

struct ChangeCase {
    const char* name;
    std::string text;  // the pane's bytes, as the editor holds them
    PaneChange change;
};

} // namespace

// Each text gives exactly applied()'s text (with a '\n' after each line) and lines, and
// the change is one undo step.
TEST(PaneChanges, AnEditorChangedHoldsWhatAppliedGivesAndOneUndoTakesItBack)
{
    const std::vector<ChangeCase> cases = {
        // Byte 0xE9 is one character: the offsets after it still fit.
        {"edits, removals, appends", "0=a ; x\n\n  1 = b\ngone\n\xE9=c\nlast\n",
         {PaneId::Units, {{0, 0, 1, "10"}, {2, 2, 1, "11"}, {2, 6, 1, "bb"}, {4, 1, 1, ":\xE9"}}, {3, 5}, {"3=d", ""}}},
        {"append to a text without a final break", "a\nb", {PaneId::Units, {}, {}, {"c"}}},
        {"append to an empty text", "", {PaneId::Units, {}, {}, {"c", "d"}}},
        {"remove the last line of a text without a final break", "a\nb", {PaneId::Units, {{0, 1, 0, "!"}}, {1}, {}}},
        {"remove every line", "a\nb\n", {PaneId::Units, {}, {0, 1}, {}}},
        {"remove the last lines of a text without a final break", "a\nb\nc", {PaneId::Units, {}, {1, 2}, {}}},
        {"edit side-by-side lines around a removed one", "0=a\n1=b\n2=c\n3=d\n",
         {PaneId::Units, {{0, 0, 1, "10"}, {0, 2, 1, "x"}, {2, 0, 1, "12"}}, {1}, {}}},
        {"remove the last line and append", "a\nb", {PaneId::Units, {}, {1}, {"c"}}},
    };
    for (const ChangeCase& test : cases) {
        SCOPED_TRACE(test.name);
        QPlainTextEdit editor;
        editor.setPlainText(decodeText(test.text));
        const QString before = editor.toPlainText();
        const MemoryPane expected = applied(MemoryPane(test.text), test.change);

        applyPaneChange(editor, test.change);
        const QString changed = paneText(editor);
        EXPECT_EQ(MemoryPane(*encodeText(changed)), expected);
        if (changed.endsWith(QLatin1Char('\n')) || changed.isEmpty()) {
            EXPECT_EQ(*encodeText(changed), expected.text());
        }

        QTest::keyClick(&editor, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(editor.toPlainText(), before);
    }
}

// applied() takes only changes within the pane; the editor, which the user may have
// changed since, leaves alone what lies outside its text.
TEST(PaneChanges, EditsPastTheEndOfALineStopThereAndLinesTheEditorLacksAreLeftAlone)
{
    QPlainTextEdit editor;
    editor.setPlainText(QStringLiteral("ab\ncd\n"));
    applyPaneChange(editor, PaneChange{PaneId::Units, {{0, 1, 9, "X"}, {1, 5, 0, "Y"}, {7, 0, 1, "Z"}}, {9}, {}});
    EXPECT_EQ(editor.toPlainText(), "aX\ncdY\n");
}

// The change is a step of its own: undoing it keeps what was typed just before.
TEST(PaneChanges, UndoTakesBackTheChangeAndNotTheTypingBeforeIt)
{
    QPlainTextEdit editor;
    editor.setPlainText(QStringLiteral("0=a\n0=b\n"));
    editor.moveCursor(QTextCursor::End);
    QTest::keyClicks(&editor, QStringLiteral("; c"));
    applyPaneChange(editor, PaneChange{PaneId::Units, {{1, 0, 1, "1"}}, {}, {"2=d"}});
    EXPECT_EQ(editor.toPlainText(), "0=a\n1=b\n; c\n2=d\n");
    QTest::keyClick(&editor, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(editor.toPlainText(), "0=a\n0=b\n; c");
}

TEST(PaneChanges, AnEmptyChangeLeavesNoUndoStep)
{
    QPlainTextEdit editor;
    editor.setPlainText(QStringLiteral("a\n"));
    applyPaneChange(editor, PaneChange{});
    EXPECT_FALSE(editor.document()->isUndoAvailable());
    EXPECT_EQ(editor.toPlainText(), "a\n");
}
