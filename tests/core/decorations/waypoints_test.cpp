#include "core/decorations/waypoints.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vexa {
namespace {

using Lines = std::vector<std::string>;

TEST(AddWaypoint, WorkedExample)
{
    MemoryPane waypoints;
    EXPECT_EQ(addWaypoint({"1234", ""}, waypoints), Outcome::Done);
    EXPECT_EQ(addWaypoint({"1300", "gate"}, waypoints), Outcome::Done);
    EXPECT_EQ(waypoints.lines(), (Lines{"0=1234", "1=1300 ; gate"}));
}

TEST(AddWaypoint, NumberIsTheLineCountAndTheCellIsWrittenAsTyped)
{
    MemoryPane waypoints("; harbour\n0=100\n1=200\n");
    addWaypoint({"12a", ""}, waypoints);
    addWaypoint({"007", ""}, waypoints);
    EXPECT_EQ(waypoints.line(3), "3=12a");
    EXPECT_EQ(waypoints.line(4), "4=007");
}

TEST(AddWaypoint, RefusedWithoutACell)
{
    MemoryPane waypoints("0=100\n");
    EXPECT_EQ(addWaypoint({"", "gate"}, waypoints), Outcome::Refused);
    EXPECT_EQ(waypoints.text(), "0=100\n");
}

} // namespace
} // namespace vexa
