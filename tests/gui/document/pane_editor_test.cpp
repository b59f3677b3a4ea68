#include "gui/document/pane_editor.h"
#include "gui/document/scenario_view.h"
#include "gui/document/text_codec.h"

#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

using namespace vexa;

TEST(PaneEditor, FollowsTheLineRule)
{
    QPlainTextEdit editor;
    EXPECT_EQ(editorLineCount(editor), 0u);
    editor.setPlainText("\n");
    EXPECT_EQ(editorLineCount(editor), 1u);
    editor.setPlainText("a\nb");
    EXPECT_EQ(editorLineCount(editor), 2u);
    editor.setPlainText("a\nb\n");
    EXPECT_EQ(editorLineCount(editor), 2u);
}

TEST(PaneEditor, AppendsAfterTheLastLineWhateverTheTextEndsWith)
{
    for (const char* start : {"", "a", "a\n", "\n"}) {
        QPlainTextEdit editor;
        editor.setPlainText(start);
        const std::size_t before = editorLineCount(editor);
        {
            PaneEditor pane(&editor);
            pane.append("x");
            pane.append("");
            EXPECT_EQ(pane.lineCount(), before + 2);
            EXPECT_EQ(pane.line(before), "x");
        }
        EXPECT_EQ(editorLineCount(editor), before + 2) << start;
        PaneEditor reread(&editor);
        EXPECT_EQ(reread.line(before), "x") << start;
        EXPECT_EQ(reread.line(before + 1), "") << start;
    }
}

TEST(PaneEditor, ReplacesExistingAndPendingLinesOnly)
{
    QPlainTextEdit editor;
    editor.setPlainText("Player=Spain\nCount=0\n000=GUN,1");
    {
        PaneEditor pane(&editor);
        pane.append("001=GUN,2");
        pane.replace(0, "Player=Greece");
        pane.replace(1, "Count=2");
        pane.replace(3, "001=GUN,3");
        pane.replace(4, "ignored");
    }
    EXPECT_EQ(editor.toPlainText(), "Player=Greece\nCount=2\n000=GUN,1\n001=GUN,3\n");
}

TEST(PaneEditor, ManyAppendsAreOneUndoStep)
{
    QPlainTextEdit editor;
    editor.setPlainText("head");
    {
        PaneEditor pane(&editor);
        for (int i = 0; i < 1000; ++i)
            pane.append(std::to_string(i));
    }
    EXPECT_EQ(editorLineCount(editor), 1001u);
    editor.undo();
    EXPECT_EQ(editor.toPlainText(), "head");
}

TEST(TextCodec, EveryByteRoundTrips)
{
    std::string all;
    for (int byte = 0; byte < 256; ++byte)
        all.push_back(static_cast<char>(byte));
    const QString text = decodeText(all);
    EXPECT_EQ(text.size(), 256);
    EXPECT_EQ(text[0x80], QChar(0x20AC));
    EXPECT_EQ(text[0x81], QChar(0x81));
    EXPECT_EQ(encodeText(text), all);
    EXPECT_EQ(encodeText(QStringLiteral("\u4e2d")), std::nullopt);
    EXPECT_EQ(firstUnencodable(QStringLiteral("ab\u4e2d")), 2);
    EXPECT_EQ(encodeTextReplacing(QStringLiteral("a\u4e2db"), '?'), "a?b");
}

TEST(TextCodec, NoBreakSpacesSurviveAPane)
{
    QPlainTextEdit editor;
    editor.setPlainText(decodeText("a\xa0" "b\n"));
    EXPECT_EQ(encodeText(paneText(editor)), "a\xa0" "b\n");
}

TEST(PaneEditor, ShiftEnterInAPaneEndsTheLine)
{
    ScenarioView view;
    QPlainTextEdit& pane = *view.paneEditor(PaneId::Units);
    QTest::keyClicks(&pane, "a");
    QTest::keyClick(&pane, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(&pane, "b");
    EXPECT_EQ(editorLineCount(pane), 2u);
    EXPECT_EQ(PaneEditor(&pane).line(1), "b");
    EXPECT_EQ(paneText(pane), "a\nb");
}
