#include "LibraryTestSupport.h"

#include <gtest/gtest.h>

TEST(ShapeReferences, LastHolderFreesADerivedShapeThroughTheBase)
{
    // Runs clean under the address sanitizer only when the base's destructor
    // is virtual.
    for (const char *text : {"(Point:(X:1))", "(Line:(X1:1))", "(Rectangle:(X1:1))", "(Circle:(R:1))"}) {
        MCShape *shape = MCShape::make(text);
        ASSERT_NE(shape, nullptr);
        shape->IncRef();
        shape->IncRef();
        EXPECT_EQ(shape->DecRef(), 1);
        if (shape->DecRef() == 0)
            delete shape;
    }
}
