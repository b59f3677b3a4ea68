#include "core/scripting/trigger_line.h"
#include "core/scripting/trigger_vocabulary.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vexa {
namespace {

// alpha for Greece: when everything of Spain is destroyed, Greece wins.
TriggerInput alpha()
{
    TriggerInput in;
    in.name = "alpha";
    in.country = "1";
    in.t1 = {"11", {"-1", "2"}};
    in.t2 = {"0", {"-1", "-1"}};
    in.r1 = {"1", {"-1", "-1", "1"}};
    in.r2 = {"0", {"-1", "-1", "-1"}};
    return in;
}

std::vector<std::string> valuesAfterName(const std::string& line)
{
    std::vector<std::string> values;
    std::istringstream rest(line.substr(line.find('=') + 1));
    for (std::string value; std::getline(rest, value, ',');)
        values.push_back(value);
    return values;
}

TEST(TriggerLine, ComposesTheGreeceWinsExample)
{
    EXPECT_EQ(composeTriggerLine(alpha()), "alpha=0,1,0,0,11,-1,2,0,-1,-1,1,-1,-1,1,0,-1,-1,-1");

    TriggerInput commented = alpha();
    commented.comment = "end";
    const std::optional<std::string> line = composeTriggerLine(commented);
    ASSERT_TRUE(line);
    EXPECT_TRUE(line->ends_with(",1,0,-1,-1,-1 ; end")) << *line;
}

TEST(TriggerLine, ActivationModeIsWrittenAsHalfAndRemainder)
{
    const char* written[] = {"0,0", "0,1", "1,0", "1,1", "2,0", "2,1", "3,0"};
    for (int mode = 0; mode < 7; ++mode) {
        TriggerInput in = alpha();
        in.activationMode = mode;
        const std::vector<std::string> values = valuesAfterName(*composeTriggerLine(in));
        ASSERT_EQ(values.size(), 18u);
        EXPECT_EQ(values[2] + "," + values[3], written[mode]) << kActivationModeCaptions[static_cast<std::size_t>(mode)];
    }
}

TEST(TriggerLine, RepeatModeComesRightAfterTheName)
{
    TriggerInput in = alpha();
    in.repeatMode = 2;
    in.activationMode = 5;
    EXPECT_EQ(composeTriggerLine(in), "alpha=2,1,2,1,11,-1,2,0,-1,-1,1,-1,-1,1,0,-1,-1,-1");
}

TEST(TriggerLine, AnyEmptyMandatoryTextGivesNoLine)
{
    using Field = std::string* (*)(TriggerInput&);
    const Field fields[] = {
        [](TriggerInput& in) { return &in.name; },
        [](TriggerInput& in) { return &in.country; },
        [](TriggerInput& in) { return &in.t1.code; },
        [](TriggerInput& in) { return &in.t1.parameters[0]; },
        [](TriggerInput& in) { return &in.t1.parameters[1]; },
        [](TriggerInput& in) { return &in.t2.code; },
        [](TriggerInput& in) { return &in.t2.parameters[0]; },
        [](TriggerInput& in) { return &in.t2.parameters[1]; },
        [](TriggerInput& in) { return &in.r1.code; },
        [](TriggerInput& in) { return &in.r1.parameters[0]; },
        [](TriggerInput& in) { return &in.r1.parameters[1]; },
        [](TriggerInput& in) { return &in.r1.parameters[2]; },
        [](TriggerInput& in) { return &in.r2.code; },
        [](TriggerInput& in) { return &in.r2.parameters[0]; },
        [](TriggerInput& in) { return &in.r2.parameters[1]; },
        [](TriggerInput& in) { return &in.r2.parameters[2]; },
    };
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        TriggerInput in = alpha();
        in.comment = "still nothing";
        fields[i](in)->clear();
        EXPECT_FALSE(composeTriggerLine(in)) << "field " << i;

        MemoryPane trigs("old=0\n");
        EXPECT_FALSE(appendTrigger(in, trigs)) << "field " << i;
        EXPECT_EQ(trigs.text(), "old=0\n");
    }
}

TEST(TriggerLine, NameAndCountryAloneAreNotEnoughUntilTheMenusFillTheRest)
{
    TriggerInput in;
    in.name = "t";
    in.country = "0";
    EXPECT_FALSE(composeTriggerLine(in));

    // Picking "No event" for T1 and T2 and "No action" for R1 and R2.
    const auto pick = [](TriggerPart part, const MenuItem& e, std::string& code, auto& parameters) {
        const ParameterFill fill = fillParameters(part, e);
        code = fill.code;
        for (std::size_t i = 0; i < parameters.size(); ++i)
            parameters[i] = fill.parameters.at(i).value;
    };
    pick(TriggerPart::Event, kEvents[0], in.t1.code, in.t1.parameters);
    pick(TriggerPart::Event, kEvents[0], in.t2.code, in.t2.parameters);
    pick(TriggerPart::Action, kActions[0], in.r1.code, in.r1.parameters);
    pick(TriggerPart::Action, kActions[0], in.r2.code, in.r2.parameters);
    EXPECT_EQ(composeTriggerLine(in), "t=0,0,0,0,0,-1,-1,0,-1,-1,0,-1,-1,-1,0,-1,-1,-1");
}

TEST(TriggerLine, TextsAreCopiedAsTyped)
{
    TriggerInput in = alpha();
    in.comment = "   ";
    EXPECT_TRUE(composeTriggerLine(in)->ends_with(",-1 ;    "));

    in.name = "a=b,c";
    in.country = "Greece";
    in.comment = "x, y=z";
    EXPECT_EQ(composeTriggerLine(in),
              "a=b,c=0,Greece,0,0,11,-1,2,0,-1,-1,1,-1,-1,1,0,-1,-1,-1 ; x, y=z");
}

TEST(TriggerLine, AppendAddsOneLineAfterWhateverThePaneHolds)
{
    MemoryPane trigs("; hand-written\n\nold=0\n");
    EXPECT_TRUE(appendTrigger(alpha(), trigs));
    ASSERT_EQ(trigs.lineCount(), 4u);
    EXPECT_EQ(trigs.line(2), "old=0");
    EXPECT_EQ(trigs.line(3), "alpha=0,1,0,0,11,-1,2,0,-1,-1,1,-1,-1,1,0,-1,-1,-1");
}

} // namespace
} // namespace vexa
