#include "core/placement/trigger_names.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

using Names = std::vector<std::string>;

TEST(TriggerNames, SkipsCommentsEmptyLinesAndLinesWithoutEquals)
{
    EXPECT_EQ(triggerNames(MemoryPane(";c\n\ntr1=0,1,2\n=x,y\n")), (Names{"tr1", ""}));
    EXPECT_EQ(triggerNames(MemoryPane("no equals here\n;x=1\n alarm=1\n")), (Names{" alarm"}));
    EXPECT_TRUE(triggerNames(MemoryPane()).empty());
}

TEST(TriggerNames, NameEndsAtTheFirstEquals)
{
    EXPECT_EQ(triggerNames(MemoryPane("a=1 ; note=2\nflood=\n=\nalarm==\n")), (Names{"a", "flood", "", "alarm"}));
}

TEST(TriggerNames, KeepsPaneOrderAndDuplicates)
{
    EXPECT_EQ(triggerNames(MemoryPane("b=1\na=1\nb=2\n")), (Names{"b", "a", "b"}));
}

} // namespace
} // namespace vexa
