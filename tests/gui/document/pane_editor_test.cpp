#include "gui/document/pane_editor.h"
#include "gui/document/scenario_view.h"
#include "gui/document/text_codec.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
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

namespace {

// What the adapter reads from a pane must be what Save writes of it, line for line.
void expectAdapterReadsWhatSaveWrites(const ScenarioView& view, PaneId id, const std::vector<std::string>& lines)
{
    const PaneEditor adapter(view.paneEditor(id));
    std::vector<std::string> read;
    for (std::size_t i = 0; i < adapter.lineCount(); ++i)
        read.push_back(adapter.line(i));
    EXPECT_EQ(read, lines);
    const auto saved = view.snapshot();
    ASSERT_TRUE(std::holds_alternative<Scenario>(saved));
    EXPECT_EQ(std::get<Scenario>(saved).pane(id).lines(), lines);
}

} // namespace

TEST(PaneEditor, LineBreaksTypedOrPastedIntoAPaneEndLinesAsSaveDoes)
{
    using Lines = std::vector<std::string>;
    {
        SCOPED_TRACE("Shift+Enter");
        ScenarioView view;
        QPlainTextEdit& pane = *view.paneEditor(PaneId::Units);
        QTest::keyClicks(&pane, "a");
        QTest::keyClick(&pane, Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClicks(&pane, "b");
        expectAdapterReadsWhatSaveWrites(view, PaneId::Units, Lines{"a", "b"});
    }
    {
        SCOPED_TRACE("paste");
        ScenarioView view;
        QPlainTextEdit& pane = *view.paneEditor(PaneId::Units);
        QGuiApplication::clipboard()->setText(QStringLiteral("a\u2028b\u2029c\u0085d\r\ne\rf\n"));
        pane.paste();
        expectAdapterReadsWhatSaveWrites(view, PaneId::Units, Lines{"a", "b", "c", "d", "e", "f"});
    }
    {
        SCOPED_TRACE("input method");
        ScenarioView view;
        QPlainTextEdit& pane = *view.paneEditor(PaneId::Units);
        QInputMethodEvent input;
        input.setCommitString(QStringLiteral("a\u2028b"));
        QCoreApplication::sendEvent(&pane, &input);
        expectAdapterReadsWhatSaveWrites(view, PaneId::Units, Lines{"a", "b"});
    }
}
