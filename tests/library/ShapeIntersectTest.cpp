#include "MCSRectangle.h"

#include <gtest/gtest.h>

#include "LibraryTestSupport.h"

namespace {

// Display of a after a.exclude(b) (or a.avoid(b)).
std::string Excluded(MCShape &&a, MCShape &&b, bool avoid = false)
{
    Out([&] {
        if (avoid)
            a.avoid(b);
        else
            a.exclude(b);
    });
    return Of(a.Display());
}

} // namespace

TEST(ShapeExclude, ClipsTheFacingEdgeBackToTheOtherBox)
{
    EXPECT_EQ(Excluded(MCSRectangle(0, 0, 10, 10), MCSRectangle(8, 2, 20, 8)),
              "(Rectangle:(X0:0,Y0:0,X1:8,Y1:10))");
    EXPECT_EQ(Excluded(MCSRectangle(100, 0, 110, 10), MCSRectangle(108, 2, 120, 8)),
              "(Rectangle:(X0:100,Y0:0,X1:108,Y1:10))");
    EXPECT_EQ(Excluded(MCSRectangle(10, 0, 20, 10), MCSRectangle(0, 2, 12, 8)),
              "(Rectangle:(X0:12,Y0:0,X1:20,Y1:10))");
    // Covered on that axis: zero width at the other's edge.
    EXPECT_EQ(Excluded(MCSRectangle(100, 0, 110, 10), MCSRectangle(95, 2, 130, 8)),
              "(Rectangle:(X0:95,Y0:0,X1:95,Y1:10))");
    // Separated along y: above, the bottom rises; below, the top falls.
    EXPECT_EQ(Excluded(MCSRectangle(0, 5, 10, 20), MCSRectangle(2, 0, 8, 8)),
              "(Rectangle:(X0:0,Y0:8,X1:10,Y1:20))");
    EXPECT_EQ(Excluded(MCSRectangle(0, -20, 10, 3), MCSRectangle(2, 0, 8, 8)),
              "(Rectangle:(X0:0,Y0:-20,X1:10,Y1:0))");
    // Apart or only touching: nothing changes.
    for (bool avoid : {false, true}) {
        EXPECT_EQ(Excluded(MCSRectangle(0, 0, 10, 10), MCSRectangle(20, 0, 30, 10), avoid),
                  "(Rectangle:(X0:0,Y0:0,X1:10,Y1:10))");
        EXPECT_EQ(Excluded(MCSRectangle(0, 0, 10, 10), MCSRectangle(10, 0, 20, 10), avoid),
                  "(Rectangle:(X0:0,Y0:0,X1:10,Y1:10))");
    }
    EXPECT_EQ(Excluded(MCSPoint(5, 5), MCSRectangle(0, 0, 10, 10)), "(Point:(X:5,Y:5))");
}
