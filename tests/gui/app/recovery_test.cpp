#include "editor_fixture.h"

#include "gui/app/recovery_keeper.h"
#include "gui/app/recovery_window.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace vexa::test {
namespace {

class RecoveryThroughTheWindow : public EditorFixture {
protected:
    QString modifiedState() const { return child<QLabel>(main(), "ModifiedState")->text(); }
    QStringList copiesInStateFolder() const
    {
        return QDir(stateFolder_->filePath("vexabuild/recovery")).entryList({QStringLiteral("*.copy")}, QDir::Files);
    }
    RecoveryWindow* shownRecoveryWindow() const
    {
        for (QDialog* window : desktop_.modalRuns) {
            if (window->objectName() == QLatin1String("RecoveryWindow"))
                return static_cast<RecoveryWindow*>(window);
        }
        return nullptr;
    }
    QListWidget& recoveryList(RecoveryWindow& window) const { return *child<QListWidget>(window, "RecoveryList"); }
};

// Typed work outlives the editor: the copy is written a little after the typing stops,
// the next start offers it, and Restore and Save put it in the file it came from.
TEST_F(RecoveryThroughTheWindow, TypedWorkComesBackAtTheNextStartAndSaveWritesItToItsFile)
{
    writeFile("a.mpr", "[Basic]\r\nName=Old\r\n");
    startEditor({path("a.mpr")});
    QTest::qWait(50);
    EXPECT_EQ(modifiedState(), QString()) << "colouring the text changes nothing";
    QPlainTextEdit& rules = pane(PaneId::Rules);
    rules.setFocus();
    QTest::keyClicks(&rules, QStringLiteral("[Notes]"));
    QTest::keyClick(&rules, Qt::Key_Return);
    QTest::keyClicks(&rules, QStringLiteral("Text=typed "));
    rules.insertPlainText(QStringLiteral("\u2713"));  // as an input method would
    EXPECT_EQ(modifiedState(), QStringLiteral("Modified"));
    EXPECT_TRUE(copiesInStateFolder().isEmpty()) << "not while the typing goes on";
    QTRY_COMPARE_WITH_TIMEOUT(copiesInStateFolder().size(), 1, 5000);
    main().recovery().waitForWrites();
    EXPECT_EQ(shownRecoveryWindow(), nullptr);

    // The editor ends: its copy is nobody's any more.
    app_.reset();
    desktop_.modalRuns.clear();
    startEditor();
    RecoveryWindow* window = shownRecoveryWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(recoveryList(*window).count(), 1);
    EXPECT_TRUE(recoveryList(*window).item(0)->text().startsWith(QStringLiteral("a.mpr \u2014 ")));
    QTest::mouseClick(child<QPushButton>(*window, "RecoverRestore"), Qt::LeftButton);
    EXPECT_EQ(main().currentFileName(), path("a.mpr"));
    EXPECT_EQ(main().windowTitle(), QStringLiteral("Vexa Build - a.mpr"));
    EXPECT_EQ(modifiedState(), QStringLiteral("Modified"));
    EXPECT_EQ(paneText(pane(PaneId::Rules)).trimmed(), QStringLiteral("[Notes]\nText=typed \u2713"));
    EXPECT_EQ(copiesInStateFolder().size(), 1) << "kept until saved";

    // Save refuses the character no scenario file holds; the copy stays.
    choose("Save1");
    ASSERT_EQ(desktop_.errors.size(), 1);
    EXPECT_EQ(copiesInStateFolder().size(), 1);
    setPaneText(PaneId::Rules, QStringLiteral("[Notes]\nText=typed"));
    choose("Save1");
    EXPECT_TRUE(readFile("a.mpr").contains("[Notes]\r\nText=typed\r\n"));
    EXPECT_TRUE(readFile("a.mpr").contains("Name=Old\r\n"));
    EXPECT_EQ(modifiedState(), QString());
    EXPECT_TRUE(copiesInStateFolder().isEmpty());
}

// Open keeps the copy of the work it replaces; File > Recover unsaved work brings it
// back, and Discard removes it once the user says so.
TEST_F(RecoveryThroughTheWindow, OpenKeepsTheWorkItReplacesAndDiscardAsksFirst)
{
    writeFile("b.mpr", "[Basic]\r\nName=B\r\n");
    startEditor();
    setPaneText(PaneId::Rules, QStringLiteral("; unsaved"));
    desktop_.openAnswers.push_back(path("b.mpr"));
    choose("Load1");
    EXPECT_EQ(modifiedState(), QString());
    EXPECT_EQ(copiesInStateFolder().size(), 1) << "written at once, before the document went";

    choose("RecoverWork1");
    RecoveryWindow* window = shownRecoveryWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(recoveryList(*window).count(), 1);
    EXPECT_TRUE(recoveryList(*window).item(0)->text().startsWith(QStringLiteral("New scenario \u2014 ")));
    desktop_.yesNoAnswers = {false, true};
    QTest::mouseClick(child<QPushButton>(*window, "RecoverDiscard"), Qt::LeftButton);
    EXPECT_EQ(copiesInStateFolder().size(), 1);
    QTest::mouseClick(child<QPushButton>(*window, "RecoverDiscard"), Qt::LeftButton);
    EXPECT_EQ(desktop_.questions,
              QStringList(2, QStringLiteral("Discard the unsaved work in New scenario for good?")));
    EXPECT_TRUE(copiesInStateFolder().isEmpty());
    EXPECT_EQ(recoveryList(*window).count(), 0);
}

} // namespace
} // namespace vexa::test
