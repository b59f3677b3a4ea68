// Checks of the help file that ships with the editor: that it reads cleanly, that a
// reader can get everywhere from the contents, and that the reference covers everything
// the editor offers.
#include "core/check/scenario_check.h"
#include "core/document/file_access.h"
#include "core/document/layout.h"
#include "gui/help/help_file.h"

#include <QFile>
#include <QSet>
#include <QTextDocumentFragment>

#include <gtest/gtest.h>

#include <algorithm>

namespace vexa {
namespace {

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

class HelpManual : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        QFile file(QStringLiteral(VEXA_SOURCE_DIR "/data/help/VexaBuild.hlp"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << VEXA_SOURCE_DIR "/data/help/VexaBuild.hlp";
        manual_ = new HelpDocument(parseHelpText(QString::fromUtf8(file.readAll())));
    }
    static void TearDownTestSuite()
    {
        delete manual_;
        manual_ = nullptr;
    }

    static const HelpTopic& topic(const char* id)
    {
        static const HelpTopic missing;
        const HelpTopic* found = manual_->find(QLatin1String(id));
        EXPECT_NE(found, nullptr) << id;
        return found ? *found : missing;
    }

    // What the reader sees of a topic: its text without the markup.
    static QString plainText(const char* id)
    {
        return QTextDocumentFragment::fromHtml(topic(id).body).toPlainText().simplified();
    }

    static HelpDocument* manual_;
};

HelpDocument* HelpManual::manual_ = nullptr;

TEST_F(HelpManual, ReadsWithoutProblems)
{
    for (const HelpProblem& problem : manual_->problems)
        ADD_FAILURE() << "line " << problem.line << ": " << problem.message.toStdString();
    EXPECT_GE(manual_->topics.size(), 30);
    for (const HelpTopic& each : manual_->topics) {
        EXPECT_FALSE(each.keywords.isEmpty()) << each.id.toStdString() << " has no index words";
        EXPECT_FALSE(each.body.trimmed().isEmpty()) << each.id.toStdString() << " is empty";
    }
}

TEST_F(HelpManual, EveryTopicCanBeReachedFromTheContents)
{
    QSet<QString> reached{QLatin1String(kContentsTopicId)};
    QStringList queue{QLatin1String(kContentsTopicId)};
    while (!queue.isEmpty()) {
        const HelpTopic* from = manual_->find(queue.takeFirst());
        ASSERT_NE(from, nullptr);
        for (const QString& href : linksIn(from->body)) {
            const auto link = parseTopicLink(QUrl(href));
            if (link && !reached.contains(link->topicId)) {
                reached.insert(link->topicId);
                queue.append(link->topicId);
            }
        }
    }
    for (const HelpTopic& each : manual_->topics)
        EXPECT_TRUE(reached.contains(each.id)) << each.id.toStdString() << " cannot be reached";
}

TEST_F(HelpManual, ReferenceHasEveryEventActionAndOrder)
{
    const QStringList events = anchorsIn(topic("trigger-events").body);
    for (int code = 0; code <= 32; ++code)
        EXPECT_TRUE(events.contains(QStringLiteral("event-%1").arg(code))) << "event " << code;

    const QStringList actions = anchorsIn(topic("trigger-actions").body);
    for (int code = 0; code <= 36; ++code) {
        EXPECT_EQ(actions.contains(QStringLiteral("action-%1").arg(code)), code != 14) << "action " << code;
    }

    const QStringList orders = anchorsIn(topic("teamtype-orders").body);
    for (int code = 0; code <= 14; ++code)
        EXPECT_TRUE(orders.contains(QStringLiteral("order-%1").arg(code))) << "order " << code;
}

TEST_F(HelpManual, CheckTopicExplainsEveryRule)
{
    const QStringList places = anchorsIn(topic("check").body);
    for (const Rule& rule : checkRules())
        EXPECT_TRUE(places.contains(QString::fromLatin1(rule.id.data(), rule.id.size()))) << rule.id;
}

TEST_F(HelpManual, ReferenceQuotesTheMenusAsTheyRead)
{
    // The captions are quoted as the editor shows them, odd spellings included.
    const QString events = plainText("trigger-events");
    for (const char* caption : {"Thived by", "Destroyed, units, all", "Minutes/10:", "Building exists"})
        EXPECT_TRUE(events.contains(QLatin1String(caption))) << caption;
    const QString actions = plainText("trigger-actions");
    for (const char* caption : {"Contry #:", "Add 1-time special weapon", "Waypoint #:", "Launch nukes"})
        EXPECT_TRUE(actions.contains(QLatin1String(caption))) << caption;
    const QString orders = plainText("teamtype-orders");
    for (const char* caption : {"Attack tarcom (Might not work)", "Spy on building @ waypoint (Waypoint ID)"})
        EXPECT_TRUE(orders.contains(QLatin1String(caption))) << caption;
}

TEST_F(HelpManual, EveryCreateDialogHasItsTopicWithAnExample)
{
    const std::pair<const char*, const char*> dialogs[] = {
        {"buildings", "Create buildings"}, {"units", "Create Units"},
        {"ships", "Create ships"}, {"infantry", "Create infantry"},
        {"terrain", "Create terrain"}, {"smudge", "Create smudge"},
        {"overlay", "Create overlay"}, {"celltriggers", "Create celltriggers"},
        {"waypoints", "Create waypoints"}, {"country", "Create country"},
        {"triggers", "Create triggers"}, {"teamtypes", "Create teamtype"},
    };
    for (const auto& [id, caption] : dialogs) {
        const HelpTopic& dialog = topic(id);
        EXPECT_EQ(dialog.title, QLatin1String(caption));
        EXPECT_TRUE(dialog.body.contains(QLatin1String("<h2>Example</h2>"))) << id;
    }
    EXPECT_TRUE(plainText("triggers").contains(
        QLatin1String("Information on how to find the possible T1, T2, R1 and R2 parameter values are in the manual.")));
}

TEST_F(HelpManual, ErrorTopicListsEveryMessage)
{
    const QString errors = plainText("errors");
    for (int code : {kFileNotFound, kPathNotFound, kTooManyOpenFiles, kAccessDenied, kReadBeyondEnd, kDiskFull,
                     kInvalidNumericInput}) {
        const QString text = fromView(errorText(code));
        EXPECT_TRUE(errors.contains(text)) << text.toStdString();
    }
    EXPECT_TRUE(errors.contains(QLatin1String("I/O fel")));
    EXPECT_TRUE(errors.contains(QLatin1String("Heltalsspill")));
    EXPECT_TRUE(errors.contains(QLatin1String("Too many cells in one run")));
}

TEST_F(HelpManual, SaveOrderFollowsTheWriter)
{
    const QString order = plainText("save-order");
    qsizetype last = order.indexOf(QLatin1String("[Basic]"));
    ASSERT_GE(last, 0);
    ASSERT_GT(order.indexOf(QLatin1String("[Map]"), last), last);
    last = order.indexOf(QLatin1String("[Map]"), last);
    for (PaneId pane = PaneId::Structures; pane <= PaneId::OverlayPack;
         pane = static_cast<PaneId>(index(pane) + 1)) {
        const QString header = fromView(paneHeader(pane));
        const qsizetype at = order.indexOf(header, last);
        EXPECT_GT(at, last) << header.toStdString();
        last = std::max(last, at);
    }
}

TEST_F(HelpManual, PagesDescribeEveryKey)
{
    const QString basic = plainText("basic-page");
    const QString map = plainText("map-page");
    for (const FieldInfo& field : kFields) {
        const QString& page = field.section == Section::Basic ? basic : map;
        EXPECT_TRUE(page.contains(fromView(field.label))) << field.label;
        EXPECT_TRUE(page.contains(fromView(field.key) + QLatin1Char('='))) << field.key;
    }
    for (const FlagInfo& flag : kFlags) {
        EXPECT_TRUE(basic.contains(fromView(flag.label))) << flag.label;
        EXPECT_TRUE(basic.contains(fromView(flag.key) + QLatin1String("=Yes"))) << flag.key;
    }
}

} // namespace
} // namespace vexa
