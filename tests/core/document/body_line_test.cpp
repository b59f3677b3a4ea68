#include "core/document/body_line.h"

#include <gtest/gtest.h>

#include <string>

using namespace vexa;

namespace {

using Kind = BodyLine::Kind;

// "key|value|comment at" of a line, or the kind's name for the others.
std::string parts(std::string_view line)
{
    const BodyLine body = readBodyLine(line);
    const std::string comment = body.commentAt == BodyLine::kNoComment ? "-" : std::to_string(body.commentAt);
    switch (body.kind) {
    case Kind::Blank:
        return "blank";
    case Kind::Comment:
        return "comment@" + comment;
    case Kind::Malformed:
        return "malformed@" + comment;
    case Kind::KeyValue:
        break;
    }
    return std::string(body.key.text) + "|" + std::string(body.value.text) + "|" + comment;
}

} // namespace

TEST(BodyLine, KeysValuesAndComments)
{
    EXPECT_EQ(parts("0=Greece,GUN"), "0|Greece,GUN|-");
    EXPECT_EQ(parts("  12 = Greece , GUN  ; east gate"), "12|Greece , GUN|21");
    EXPECT_EQ(parts("0=500;start"), "0|500|5") << "a ; without blanks starts a comment too";
    EXPECT_EQ(parts("a=b=c"), "a|b=c|-") << "the key ends at the first =";
    EXPECT_EQ(parts("a="), "a||-");
    EXPECT_EQ(parts("Width=48 ; valley"), "Width|48|9");
}

TEST(BodyLine, BlankCommentAndMalformedLines)
{
    EXPECT_EQ(parts(""), "blank");
    EXPECT_EQ(parts("   "), "blank");
    EXPECT_EQ(parts("; a=b"), "comment@0");
    EXPECT_EQ(parts("   ;"), "comment@3");
    EXPECT_EQ(parts("x ; a=b"), "malformed@2") << "an = inside the comment makes no key";
    EXPECT_EQ(parts("=1"), "malformed@-");
    EXPECT_EQ(parts("  = 1"), "malformed@-");
    EXPECT_EQ(parts("\t"), "malformed@-") << "a tab is no blank";
    EXPECT_EQ(parts("\t0=1"), "\t0|1|-");
}

TEST(BodyLine, PartsKnowWhereTheyStand)
{
    const std::string_view line = " 7 = E1 ,  5119 ,x ; note";
    const BodyLine body = readBodyLine(line);
    ASSERT_TRUE(body.isKeyValue());
    EXPECT_EQ(line.substr(body.key.at, body.key.text.size()), "7");
    EXPECT_EQ(body.value.at, 5U);
    const Fields fields(body);
    ASSERT_EQ(fields.count(), 3U);
    EXPECT_EQ(fields[1], "5119");
    EXPECT_EQ(fields.part(1).at, 11U);
    EXPECT_EQ(line.substr(fields.part(1).at, 4), "5119");
    EXPECT_EQ(fields.part(2).end(), 18U);
    EXPECT_EQ(body.commentAt, 19U);
}

TEST(BodyLine, FieldsAreCountedPastThoseKept)
{
    EXPECT_EQ(Fields(readBodyLine("k=")).count(), 1U) << "an empty value is one empty field";
    EXPECT_EQ(Fields(readBodyLine("; k=1,2")).count(), 0U);
    const Fields many(readBodyLine("k=" + std::string(30, ',')));
    EXPECT_EQ(many.count(), 31U);
    EXPECT_EQ(many[Fields::kMaxFields], "");
    EXPECT_EQ(many.part(Fields::kMaxFields + 3).at, 0U);
    const Fields emptyLast(readBodyLine("k=1,  ; c"));
    ASSERT_EQ(emptyLast.count(), 2U);
    EXPECT_EQ(emptyLast[1], "");
    EXPECT_EQ(emptyLast.part(1).at, 4U);
}

TEST(BodyLine, ValueTextOfAField)
{
    EXPECT_EQ(valueText(" 48 ; valley"), "48");
    EXPECT_EQ(valueText("48;"), "48");
    EXPECT_EQ(valueText("\t48"), "\t48");
    EXPECT_EQ(trimBlanks("  a b  "), "a b");
}
