#include "MCNestedLogger.h"
#include "MCSCircle.h"
#include "MCSLine.h"
#include "MCSRectangle.h"
#include "LibraryTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

namespace {

std::string Made(const char *text)
{
    std::unique_ptr<MCShape> shape(MCShape::make(text));
    return shape ? Of(shape->Display()) : "null";
}

} // namespace

TEST(ShapeMake, TextFormsAndDumpLinesReadBackIntoEqualShapes)
{
    MCSPoint point(3, 0.5);
    MCSLine line(1, 2, 3, 4.5);
    MCSRectangle rect(3, 4, -1, 2);
    MCSCircle circle(1, -2, 0.5);
    struct {
        const MCShape &shape;
        const char *text;
        const char *dump;
    } cases[] = {
        {point, "(Point:(X:3,Y:0.5))", "MARKER GX: 3\nMARKER GY: 0.5\n"},
        {line, "(Line:(X0:1,Y0:2,X1:3,Y1:4.5))", "DLINE GX: 1\nDLINE GY: 2\nDLINE EX: 3\nDLINE EY: 4.5\n"},
        {rect, "(Rectangle:(X0:-1,Y0:2,X1:3,Y1:4))", "BOX GX: -1\nBOX GY: 2\nBOX EX: 3\nBOX EY: 4\n"},
        {circle, "(Circle:(X:1,Y:-2,R:0.5))", "RING GX: 1\nRING GY: -2\nRING Size: 0.5\n"},
    };
    for (auto &c : cases) {
        EXPECT_EQ(Of(c.shape.Display()), c.text);
        EXPECT_EQ(Of(c.shape.MemDump()), c.dump);
        std::ostringstream os;
        os << c.shape;
        EXPECT_EQ(os.str(), c.text);
        std::unique_ptr<MCShape> back(MCShape::make(c.text));
        ASSERT_NE(back, nullptr) << c.text;
        EXPECT_EQ(Of(back->MemDump()), c.dump);
        EXPECT_EQ(back->CurRef(), 0);
    }
}

TEST(ShapeMake, MissingKeysReadAsZeroAndOthersAreIgnored)
{
    EXPECT_EQ(Made("(Point:(X:3))"), "(Point:(X:3,Y:0))");
    EXPECT_EQ(Made("(Circle:(X:1,Y:2,R:0.5,Z:9))"), "(Circle:(X:1,Y:2,R:0.5))");
    EXPECT_EQ(Made("(Line)"), "(Line:(X0:0,Y0:0,X1:0,Y1:0))");
    EXPECT_EQ(Made("(Rectangle:(X0:4,Y0:8,X1:1,Y1:2))"), "(Rectangle:(X0:1,Y0:2,X1:4,Y1:8))");
    EXPECT_EQ(Made("(Rectangle:(X0:abc,Y0:2.5m,X1:1))"), "(Rectangle:(X0:0,Y0:0,X1:1,Y1:2.5))");
}

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
