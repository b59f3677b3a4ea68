#include "core/document/windows1252.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

TEST(Windows1252, PlainTextStaysAsItIs)
{
    EXPECT_EQ(utf8FromWindows1252(""), "");
    EXPECT_EQ(utf8FromWindows1252(std::string("Twin Rivers; 0=1\r\n\x7f\0", 19)), std::string("Twin Rivers; 0=1\r\n\x7f\0", 19));
}

// One character of each length of UTF-8 and every edge of the table.
TEST(Windows1252, HighBytesBecomeTheirCharactersInUtf8)
{
    EXPECT_EQ(utf8FromWindows1252("Gr\xe4" "ce"), "Gr\u00e4ce");
    EXPECT_EQ(utf8FromWindows1252("\x80"), "\u20ac");        // the euro sign, first of the table
    EXPECT_EQ(utf8FromWindows1252("\x9f"), "\u0178");        // Y with diaeresis, its last
    EXPECT_EQ(utf8FromWindows1252("\x83"), "\u0192");        // two bytes of UTF-8 from the table
    EXPECT_EQ(utf8FromWindows1252("\x99"), "\u2122");        // three
    EXPECT_EQ(utf8FromWindows1252("\xa0\xff"), "\u00a0\u00ff");
    for (const unsigned char unassigned : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        const std::string control{'\xc2', static_cast<char>(unassigned)};
        EXPECT_EQ(utf8FromWindows1252(std::string(1, static_cast<char>(unassigned))), control) << int(unassigned);
    }
}

} // namespace
} // namespace vexa
