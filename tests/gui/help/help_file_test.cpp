#include "gui/help/help_file.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

QStringList problemTexts(const HelpDocument& document)
{
    QStringList texts;
    for (const HelpProblem& problem : document.problems)
        texts.append(QString::number(problem.line) + QLatin1Char(':') + problem.message);
    return texts;
}

bool mentions(const HelpDocument& document, const QString& part)
{
    return problemTexts(document).join(QLatin1Char('\n')).contains(part);
}

// The two topics every help file needs, so that tests of other things see no problems.
const QString kRequiredTopics = QStringLiteral("@topic contents\n@title Contents\n"
                                               "@topic using-help\n@title Using help\n");

TEST(HelpFileParsing, ReadsTopicsWithTitlesKeywordsAndBodies)
{
    const HelpDocument document = parseHelpText(QStringLiteral(
        "%% a comment before the first topic\n"
        "text before the first topic belongs nowhere\n"
        "@topic contents\n"
        "@title Contents\n"
        "@keywords contents; topics\n"
        "\n"
        "<p>See <a href=\"topic:cells\">cells</a>.</p>\n"
        "%% a comment inside a body\n"
        "<p>Second line.</p>\n"
        "\n"
        "@topic cells\n"
        "@title Cell numbers\n"
        "@keywords cell; position;; \n"
        "@keywords   calculator  \n"
        "<p><a name=\"rule\"></a>One down adds 128.</p>\n"
        "@topic using-help\n"
        "@title Using help\n"));

    EXPECT_TRUE(document.problems.isEmpty()) << problemTexts(document).join(QLatin1Char('\n')).toStdString();
    ASSERT_EQ(document.topics.size(), 3);
    const HelpTopic& contents = document.topics[0];
    EXPECT_EQ(contents.id, "contents");
    EXPECT_EQ(contents.title, "Contents");
    EXPECT_EQ(contents.keywords, QStringList({"contents", "topics"}));
    EXPECT_EQ(contents.body, "<p>See <a href=\"topic:cells\">cells</a>.</p>\n<p>Second line.</p>");
    EXPECT_EQ(contents.line, 3);

    const HelpTopic* cells = document.find(QStringLiteral("cells"));
    ASSERT_NE(cells, nullptr);
    EXPECT_EQ(cells->keywords, QStringList({"cell", "position", "calculator"}));
    EXPECT_EQ(cells->body, "<p><a name=\"rule\"></a>One down adds 128.</p>");
    EXPECT_TRUE(document.topics[2].body.isEmpty());
    EXPECT_EQ(document.find(QStringLiteral("missing")), nullptr);
}

TEST(HelpFileParsing, AcceptsWindowsLineEnds)
{
    const HelpDocument document =
        parseHelpText(QStringLiteral("@topic contents\r\n@title Contents\r\n@keywords a; b\r\n<p>x</p>\r\n"
                                     "@topic using-help\r\n@title Using help\r\n"));
    ASSERT_EQ(document.topics.size(), 2);
    EXPECT_EQ(document.topics[0].title, "Contents");
    EXPECT_EQ(document.topics[0].keywords, QStringList({"a", "b"}));
    EXPECT_EQ(document.topics[0].body, "<p>x</p>");
    EXPECT_TRUE(document.problems.isEmpty());
}

TEST(HelpFileParsing, EmptyOrTopiclessTextGivesNoTopics)
{
    EXPECT_TRUE(parseHelpText(QString()).topics.isEmpty());
    EXPECT_TRUE(parseHelpText(QStringLiteral("just some words\n<p>no topic</p>\n")).topics.isEmpty());
    EXPECT_TRUE(parseHelpText(QStringLiteral("\n\n")).problems.isEmpty());
}

TEST(HelpFileParsing, ReportsMalformedTopicsAndKeepsTheRest)
{
    const HelpDocument document = parseHelpText(kRequiredTopics + QStringLiteral(
        "@title Stray title\n"  // belongs to using-help, which already has one
        "@topic good\n"
        "<p>good body</p>\n"
        "@colour red\n"
        "@topic bad id!\n"
        "@title Refused\n"
        "<p>refused body</p>\n"
        "@topic good\n"
        "@title Second good\n"
        "<p>second body</p>\n"
        "@topic\n"));

    ASSERT_EQ(document.topics.size(), 3);
    const HelpTopic* good = document.find(QStringLiteral("good"));
    ASSERT_NE(good, nullptr);
    // No title: the id stands in for it. The refused topics' lines go nowhere.
    EXPECT_EQ(good->title, "good");
    EXPECT_EQ(good->body, "<p>good body</p>");
    EXPECT_EQ(document.find(QStringLiteral("using-help"))->title, "Stray title");

    EXPECT_TRUE(mentions(document, "5:topic \"using-help\" has a second title"));
    EXPECT_TRUE(mentions(document, "6:topic \"good\" has no title"));
    EXPECT_TRUE(mentions(document, "8:unknown directive @colour"));
    EXPECT_TRUE(mentions(document, "9:\"bad id!\" is not a topic id"));
    EXPECT_TRUE(mentions(document, "12:topic \"good\" is defined twice"));
    EXPECT_TRUE(mentions(document, "15:\"\" is not a topic id"));
    EXPECT_EQ(document.problems.size(), 6) << problemTexts(document).join(QLatin1Char('\n')).toStdString();
}

TEST(HelpFileParsing, DirectivesBeforeAnyTopicAreReported)
{
    const HelpDocument document =
        parseHelpText(QStringLiteral("@keywords lost\n") + kRequiredTopics);
    EXPECT_TRUE(mentions(document, "1:@keywords outside a topic"));
    EXPECT_EQ(document.topics.size(), 2);
}

TEST(HelpFileParsing, ReportsMissingContentsAndHelpOnHelp)
{
    const HelpDocument document = parseHelpText(QStringLiteral("@topic other\n@title Other\n"));
    EXPECT_TRUE(mentions(document, "there is no topic \"contents\""));
    EXPECT_TRUE(mentions(document, "there is no topic \"using-help\""));
}

TEST(HelpFileLinks, FindsLinksAndPlaces)
{
    const QString html = QStringLiteral(
        "<p><a href=\"topic:a\">a</a> and <A class=\"x\" HREF=\"topic:b#two\">b</A>"
        "<a name=\"one\"></a><a name=\"two\" href=\"#one\">self</a></p>");
    EXPECT_EQ(linksIn(html), QStringList({"topic:a", "topic:b#two", "#one"}));
    EXPECT_EQ(anchorsIn(html), QStringList({"one", "two"}));
}

TEST(HelpFileLinks, TopicLinksNameATopicAndAPlace)
{
    const auto plain = parseTopicLink(QUrl(QStringLiteral("topic:buildings")));
    ASSERT_TRUE(plain.has_value());
    EXPECT_EQ(plain->topicId, "buildings");
    EXPECT_TRUE(plain->anchor.isEmpty());

    const auto withPlace = parseTopicLink(QUrl(QStringLiteral("topic:trigger-events#event-7")));
    ASSERT_TRUE(withPlace.has_value());
    EXPECT_EQ(withPlace->topicId, "trigger-events");
    EXPECT_EQ(withPlace->anchor, "event-7");

    EXPECT_FALSE(parseTopicLink(QUrl(QStringLiteral("#event-7"))).has_value());
    EXPECT_FALSE(parseTopicLink(QUrl(QStringLiteral("http://example.org/"))).has_value());
    EXPECT_FALSE(parseTopicLink(QUrl(QStringLiteral("topic:"))).has_value());
}

TEST(HelpFileLinks, ReportsLinksThatLeadNowhere)
{
    const HelpDocument document = parseHelpText(kRequiredTopics + QStringLiteral(
        "@topic a\n@title A\n"
        "<a name=\"here\"></a>\n"
        "<a href=\"topic:contents\">fine</a> <a href=\"#here\">fine</a> <a href=\"topic:a#here\">fine</a>\n"
        "<a href=\"topic:nowhere\">x</a>\n"
        "<a href=\"topic:contents#nowhere\">x</a>\n"
        "<a href=\"#gone\">x</a>\n"
        "<a href=\"http://example.org/\">x</a>\n"));
    EXPECT_TRUE(mentions(document, "missing topic: \"topic:nowhere\""));
    EXPECT_TRUE(mentions(document, "missing place: \"topic:contents#nowhere\""));
    EXPECT_TRUE(mentions(document, "missing place: \"#gone\""));
    EXPECT_TRUE(mentions(document, "\"http://example.org/\", which the help window cannot open"));
    EXPECT_EQ(document.problems.size(), 4) << problemTexts(document).join(QLatin1Char('\n')).toStdString();
}

class HelpSearch : public ::testing::Test {
protected:
    static QStringList entries(const QList<HelpSearchHit>& hits)
    {
        QStringList list;
        for (const HelpSearchHit& hit : hits)
            list.append(hit.entry + QLatin1Char('>') + hit.topicId);
        return list;
    }

    HelpDocument document_ = parseHelpText(QStringLiteral(
        "@topic cells\n@title Cell numbers\n@keywords position; Calculate; cell\n"
        "@topic calc\n@title Position calculator\n@keywords Calculate; offset\n"
        "@topic trig\n@title Triggers\n@keywords cell trigger; Autocalc; trigger\n"));
};

TEST_F(HelpSearch, MatchesAnyPartOfTitlesAndKeywordsIgnoringCase)
{
    EXPECT_EQ(entries(searchHelp(document_, QStringLiteral("CALC"))),
              QStringList({"Calculate>cells", "Calculate>calc", "Position calculator>calc", "Autocalc>trig"}));
    EXPECT_EQ(entries(searchHelp(document_, QStringLiteral("offs"))), QStringList({"offset>calc"}));
    EXPECT_TRUE(searchHelp(document_, QStringLiteral("zebra")).isEmpty());
}

TEST_F(HelpSearch, BeginningsComeBeforeWordStartsBeforeInsides)
{
    // "calc" begins a word of "Position calculator" but stands inside "Autocalc", which
    // comes first in the alphabet.
    EXPECT_EQ(entries(searchHelp(document_, QStringLiteral("calc"))).mid(2),
              QStringList({"Position calculator>calc", "Autocalc>trig"}));
    EXPECT_EQ(entries(searchHelp(document_, QStringLiteral("cell"))),
              QStringList({"cell>cells", "Cell numbers>cells", "cell trigger>trig"}));
    EXPECT_EQ(entries(searchHelp(document_, QStringLiteral("trig"))),
              QStringList({"trigger>trig", "Triggers>trig", "cell trigger>trig"}));
}

TEST_F(HelpSearch, EmptyQueryListsTheWholeIndex)
{
    const QList<HelpSearchHit> all = searchHelp(document_, QStringLiteral("  "));
    EXPECT_EQ(all.size(), 11);
    EXPECT_EQ(all.first(), (HelpSearchHit{"Autocalc", "trig", "Triggers"}));
    EXPECT_EQ(all.last(), (HelpSearchHit{"Triggers", "trig", "Triggers"}));
}

TEST_F(HelpSearch, AnEntryIsListedOncePerTopic)
{
    const HelpDocument document = parseHelpText(QStringLiteral(
        "@topic t\n@title Terrain\n@keywords terrain; TERRAIN; trees\n"
        "@topic u\n@title Units\n@keywords terrain\n"));
    EXPECT_EQ(entries(searchHelp(document, QStringLiteral("terr"))),
              QStringList({"Terrain>t", "terrain>u"}));
}

TEST_F(HelpSearch, BlanksInTheQueryAreTidied)
{
    EXPECT_EQ(entries(searchHelp(document_, QStringLiteral("  cell   trig "))), QStringList({"cell trigger>trig"}));
}

} // namespace
} // namespace vexa
