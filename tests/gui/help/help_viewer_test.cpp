#include "gui/help/help_viewer.h"

#include <QListWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace vexa {
namespace {

QString sampleHelp()
{
    QString longBody;
    for (int i = 0; i < 200; ++i)
        longBody += QStringLiteral("<p>Line %1 of the long topic.</p>\n").arg(i);
    return QStringLiteral(
               "@topic contents\n@title Contents\n@keywords contents\n"
               "<p><a href=\"topic:cells\">Cell numbers</a> <a href=\"topic:long#end\">The end</a></p>\n"
               "@topic cells\n@title Cell numbers\n@keywords cell; position; Calculate\n"
               "<p>See the <a href=\"topic:calc\">calculator</a>.</p>\n"
               "@topic calc\n@title Position calculator\n@keywords Calculate; offset\n"
               "<p>Offset plus right plus 128 times down.</p>\n"
               "@topic using-help\n@title How to use help\n@keywords help window\n"
               "<p>Press Back to go back.</p>\n"
               "@topic long\n@title A long topic\n@keywords long\n")
        + longBody + QStringLiteral("<p><a name=\"end\"></a>The very end.</p>\n");
}

class HelpViewerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(viewer_.loadText(sampleHelp()));
        stack_ = viewer_.findChild<QStackedWidget*>(QStringLiteral("helpStack"));
        browser_ = viewer_.findChild<QTextBrowser*>(QStringLiteral("helpBrowser"));
        searchPage_ = viewer_.findChild<QWidget*>(QStringLiteral("helpSearchPage"));
        searchEdit_ = viewer_.findChild<QLineEdit*>(QStringLiteral("helpSearchEdit"));
        searchList_ = viewer_.findChild<QListWidget*>(QStringLiteral("helpSearchList"));
        backButton_ = viewer_.findChild<QPushButton*>(QStringLiteral("helpBackButton"));
        ASSERT_TRUE(stack_ && browser_ && searchPage_ && searchEdit_ && searchList_ && backButton_);
    }

    bool showsTopic(const QString& id, const QString& title) const
    {
        return viewer_.isVisible() && stack_->currentWidget() == browser_ && viewer_.currentTopicId() == id
            && browser_->toPlainText().startsWith(title);
    }

    QStringList listed() const
    {
        QStringList texts;
        for (int i = 0; i < searchList_->count(); ++i)
            texts.append(searchList_->item(i)->text());
        return texts;
    }

    // Follows a link the way a keyboard user does: Tab to it, then Enter.
    void followLink(int linkNumber)
    {
        browser_->setFocus();
        for (int i = 0; i <= linkNumber; ++i)
            QTest::keyClick(browser_, Qt::Key_Tab);
        QTest::keyClick(browser_, Qt::Key_Return);
    }

    HelpViewer viewer_;
    QStackedWidget* stack_ = nullptr;
    QTextBrowser* browser_ = nullptr;
    QWidget* searchPage_ = nullptr;
    QLineEdit* searchEdit_ = nullptr;
    QListWidget* searchList_ = nullptr;
    QPushButton* backButton_ = nullptr;
};

TEST_F(HelpViewerTest, EachCommandOpensItsView)
{
    EXPECT_FALSE(viewer_.isVisible());
    EXPECT_EQ(viewer_.windowTitle(), "Vexa Build Help");

    viewer_.runCommand(kHelpContents);
    EXPECT_TRUE(showsTopic("contents", "Contents"));
    EXPECT_EQ(viewer_.currentView(), HelpViewer::View::Topic);

    viewer_.runCommand(kHelpPartialKey);
    EXPECT_TRUE(viewer_.isVisible());
    EXPECT_EQ(viewer_.currentView(), HelpViewer::View::Search);
    EXPECT_EQ(stack_->currentWidget(), searchPage_);
    EXPECT_EQ(searchList_->count(), 12);  // every title and index word

    viewer_.runCommand(kHelpOnHelp);
    EXPECT_TRUE(showsTopic("using-help", "How to use help"));
}

TEST_F(HelpViewerTest, UnknownCommandsDoNothing)
{
    for (int command : {0, 1, 2, 5, 260, 262, -3}) {
        viewer_.runCommand(command);
        EXPECT_FALSE(viewer_.isVisible()) << command;
    }
    viewer_.runCommand(kHelpOnHelp);
    viewer_.runCommand(257);
    EXPECT_TRUE(showsTopic("using-help", "How to use help"));
    EXPECT_FALSE(viewer_.canGoBack());
}

TEST_F(HelpViewerTest, TypingNarrowsTheListAndEnterOpensTheFirstEntry)
{
    viewer_.runCommand(kHelpPartialKey);
    QTest::keyClicks(searchEdit_, QStringLiteral("calc"));
    EXPECT_EQ(listed(), QStringList({"Calculate \u2013 Cell numbers", "Calculate \u2013 Position calculator",
                                     "Position calculator"}));
    EXPECT_EQ(searchList_->currentRow(), 0);

    QTest::keyClicks(searchEdit_, QStringLiteral("ulatex"));
    EXPECT_EQ(searchList_->count(), 0);
    QTest::keyClick(searchEdit_, Qt::Key_Return);  // nothing to open
    EXPECT_EQ(viewer_.currentView(), HelpViewer::View::Search);

    searchEdit_->clear();
    QTest::keyClicks(searchEdit_, QStringLiteral("OFF"));
    EXPECT_EQ(listed(), QStringList({"offset \u2013 Position calculator"}));
    QTest::keyClick(searchEdit_, Qt::Key_Return);
    EXPECT_TRUE(showsTopic("calc", "Position calculator"));
}

TEST_F(HelpViewerTest, ArrowKeysInTheSearchFieldChooseAndActivatingOpens)
{
    viewer_.runCommand(kHelpPartialKey);
    QTest::keyClicks(searchEdit_, QStringLiteral("calc"));
    QTest::keyClick(searchEdit_, Qt::Key_Down);
    QTest::keyClick(searchEdit_, Qt::Key_Down);
    EXPECT_EQ(searchList_->currentRow(), 2);
    QTest::keyClick(searchEdit_, Qt::Key_Up);
    QTest::keyClick(searchEdit_, Qt::Key_Return);
    EXPECT_TRUE(showsTopic("calc", "Position calculator"));

    // A double-click, or Enter in the list, opens the entry chosen there.
    viewer_.runCommand(kHelpPartialKey);
    EXPECT_EQ(searchEdit_->selectedText(), "calc");  // typing replaces the last search
    searchList_->setCurrentRow(0);
    QTest::keyClick(searchList_, Qt::Key_Return);
    EXPECT_TRUE(showsTopic("cells", "Cell numbers"));

    viewer_.runCommand(kHelpPartialKey);
    QListWidgetItem* item = searchList_->item(2);
    const QRect place = searchList_->visualItemRect(item);
    QTest::mouseClick(searchList_->viewport(), Qt::LeftButton, {}, place.center());
    EXPECT_EQ(viewer_.currentView(), HelpViewer::View::Search);  // one click only chooses
    QTest::mouseDClick(searchList_->viewport(), Qt::LeftButton, {}, place.center());
    EXPECT_TRUE(showsTopic("calc", "Position calculator"));
}

TEST_F(HelpViewerTest, LinksLeadToTopicsAndBackReturns)
{
    EXPECT_FALSE(backButton_->isEnabled());
    viewer_.runCommand(kHelpContents);
    EXPECT_FALSE(backButton_->isEnabled());

    followLink(0);
    ASSERT_TRUE(showsTopic("cells", "Cell numbers"));
    followLink(0);
    ASSERT_TRUE(showsTopic("calc", "Position calculator"));
    EXPECT_TRUE(backButton_->isEnabled());

    QTest::mouseClick(backButton_, Qt::LeftButton);
    EXPECT_TRUE(showsTopic("cells", "Cell numbers"));
    QTest::mouseClick(backButton_, Qt::LeftButton);
    EXPECT_TRUE(showsTopic("contents", "Contents"));
    EXPECT_FALSE(backButton_->isEnabled());
}

TEST_F(HelpViewerTest, BackReturnsFromATopicToTheSearch)
{
    viewer_.runCommand(kHelpPartialKey);
    QTest::keyClicks(searchEdit_, QStringLiteral("offset"));
    QTest::keyClick(searchEdit_, Qt::Key_Return);
    ASSERT_TRUE(showsTopic("calc", "Position calculator"));

    viewer_.goBack();
    EXPECT_EQ(viewer_.currentView(), HelpViewer::View::Search);
    EXPECT_EQ(searchEdit_->text(), "offset");
    EXPECT_EQ(searchList_->count(), 1);
}

TEST_F(HelpViewerTest, ALinkToAPlaceScrollsThereAndBackRestoresThePage)
{
    viewer_.runCommand(kHelpContents);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewer_));
    followLink(1);
    ASSERT_TRUE(showsTopic("long", "A long topic"));
    QScrollBar* scroll = browser_->verticalScrollBar();
    EXPECT_GT(scroll->value(), scroll->maximum() / 2);

    // Opening the same topic again from the contents starts at its place; Back returns
    // to where the page stood.
    scroll->setValue(scroll->maximum() / 4);
    const int left = scroll->value();
    viewer_.runCommand(kHelpContents);
    viewer_.goBack();
    EXPECT_TRUE(showsTopic("long", "A long topic"));
    EXPECT_EQ(scroll->value(), left);
}

TEST_F(HelpViewerTest, ShowingTheSamePlaceTwiceAddsNoBackStep)
{
    viewer_.runCommand(kHelpContents);
    viewer_.runCommand(kHelpContents);
    EXPECT_FALSE(viewer_.canGoBack());
    EXPECT_FALSE(viewer_.showTopic(QStringLiteral("no-such-topic")));
    EXPECT_FALSE(viewer_.canGoBack());
    EXPECT_TRUE(showsTopic("contents", "Contents"));
}

TEST(HelpViewerLoading, AFileThatCannotBeReadChangesNothing)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    HelpViewer viewer;
    EXPECT_FALSE(viewer.loadFile(folder.filePath(QStringLiteral("missing.hlp"))));
    EXPECT_FALSE(viewer.loadFile(folder.path()));  // a folder

    QFile empty(folder.filePath(QStringLiteral("empty.hlp")));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    EXPECT_FALSE(viewer.loadFile(empty.fileName()));

    // Without a help file the commands still open the window, which says so.
    viewer.runCommand(kHelpContents);
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_TRUE(viewer.findChild<QTextBrowser*>(QStringLiteral("helpBrowser"))->toPlainText().contains("No help file"));
    viewer.runCommand(kHelpPartialKey);
    EXPECT_EQ(viewer.findChild<QListWidget*>(QStringLiteral("helpSearchList"))->count(), 0);
    viewer.runCommand(kHelpOnHelp);
    EXPECT_TRUE(viewer.currentTopicId().isEmpty());

    // A good file loads; a bad one afterwards keeps it.
    QFile good(folder.filePath(QStringLiteral("good.hlp")));
    ASSERT_TRUE(good.open(QIODevice::WriteOnly));
    good.write(sampleHelp().toUtf8());
    good.close();
    EXPECT_TRUE(viewer.loadFile(good.fileName()));
    EXPECT_FALSE(viewer.loadFile(empty.fileName()));
    EXPECT_EQ(viewer.document().topics.size(), 5);
}

TEST(HelpViewerLoading, LoadingTheSameFileAgainKeepsThePlaceUntilItChanges)
{
    // The Help menu loads the file before every command.
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("VexaBuild.hlp"));
    const auto write = [&path](const QString& text) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text.toUtf8());
    };
    write(sampleHelp());

    HelpViewer viewer;
    ASSERT_TRUE(viewer.loadFile(path));
    viewer.runCommand(kHelpContents);
    viewer.showTopic(QStringLiteral("cells"));
    ASSERT_TRUE(viewer.loadFile(path));
    viewer.runCommand(kHelpOnHelp);
    viewer.goBack();
    EXPECT_EQ(viewer.currentTopicId(), "cells");
    EXPECT_TRUE(viewer.canGoBack());

    write(sampleHelp() + QStringLiteral("@topic extra\n@title Extra\n@keywords extra\n<p>More text.</p>\n"));
    ASSERT_TRUE(viewer.loadFile(path));
    EXPECT_NE(viewer.document().find(QStringLiteral("extra")), nullptr);
    EXPECT_FALSE(viewer.canGoBack());
}

TEST(HelpViewerLoading, TheRealHelpFileOpensInEveryView)
{
    HelpViewer viewer;
    ASSERT_TRUE(viewer.loadFile(QStringLiteral(VEXA_SOURCE_DIR "/data/help/VexaBuild.hlp")));
    auto* browser = viewer.findChild<QTextBrowser*>(QStringLiteral("helpBrowser"));

    viewer.runCommand(kHelpContents);
    EXPECT_EQ(viewer.currentTopicId(), "contents");
    EXPECT_FALSE(viewer.grab().isNull());

    viewer.runCommand(kHelpPartialKey);
    EXPECT_EQ(viewer.currentView(), HelpViewer::View::Search);
    EXPECT_GT(viewer.findChild<QListWidget*>(QStringLiteral("helpSearchList"))->count(), 100);

    viewer.runCommand(kHelpOnHelp);
    EXPECT_EQ(viewer.currentTopicId(), "using-help");
    EXPECT_TRUE(browser->toPlainText().startsWith("How to use help"));
}

} // namespace
} // namespace vexa
