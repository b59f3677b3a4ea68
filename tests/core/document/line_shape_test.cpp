#include "core/document/line_shape.h"

#include <gtest/gtest.h>

using namespace vexa;

namespace {

struct Shape {
    bool header;
    std::size_t commentFrom;
    std::size_t keyLength;
    bool operator==(const Shape&) const = default;
};

Shape shape(std::string_view line)
{
    const LineShape found = shapeOfLine(line);
    return {found.header, found.commentFrom, found.keyLength};
}

constexpr auto kNone = LineShape::kNone;

} // namespace

TEST(LineShape, SetsApartKeysCommentsAndHeaders)
{
    EXPECT_EQ(shape("0=Greece,GUN"), (Shape{false, kNone, 1}));
    EXPECT_EQ(shape("0=Greece,GUN ; east gate"), (Shape{false, 12, 1}));
    EXPECT_EQ(shape("; a=b"), (Shape{false, 0, kNone}));
    EXPECT_EQ(shape("x ; a=b"), (Shape{false, 1, kNone})) << "an = inside the comment is no key";
    EXPECT_EQ(shape("a;b=c"), (Shape{false, kNone, 3})) << "only a blank-semicolon-blank starts a comment";
    EXPECT_EQ(shape("[Greece] ; ours"), (Shape{true, 8, kNone}));
    EXPECT_EQ(shape("=1"), (Shape{false, kNone, 0}));
    EXPECT_EQ(shape(""), (Shape{false, kNone, kNone}));
    EXPECT_EQ(shape(" [x]"), (Shape{false, kNone, kNone})) << "a header begins the line";
}
