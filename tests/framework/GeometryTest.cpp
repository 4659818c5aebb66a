// The half-open point test: a point on a range's end is outside, unlike cRect's edges.
#include <gtest/gtest.h>

#include "framework/Geometry.h"

TEST(Geometry, PtInRangeIsHalfOpen) {
    struct {
        const char* name;
        cPoint pt;
        bool inside;
    } cases[] = {
        {"start corner", {10, 20}, true},
        {"last dot before both ends", {29, 39}, true},
        {"x equal to x1", {30, 25}, false},
        {"y equal to y1", {15, 40}, false},
        {"left of x0", {9, 25}, false},
        {"above y0", {15, 19}, false},
    };
    for (const auto& c : cases) EXPECT_EQ(c.inside, PtInRange(c.pt, 10, 30, 20, 40)) << c.name;
    EXPECT_FALSE(PtInRange({5, 5}, 5, 5, 0, 10)) << "an empty range holds nothing";
}
