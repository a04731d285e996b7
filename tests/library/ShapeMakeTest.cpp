#include "MCNestedLogger.h"
#include "MCSCircle.h"
#include "MCSLine.h"
#include "MCSRectangle.h"
#include "ShapeTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

namespace {

std::unique_ptr<MCShape> Make(const char *text)
{
    return std::unique_ptr<MCShape>(MCShape::make(text));
}

} // namespace

TEST(ShapeMake, BuildsEachKindFromItsKeys)
{
    auto point = Make("(Point:(X:3,Y:-0.5))");
    auto *p = dynamic_cast<MCSPoint *>(point.get());
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(Near(*p, 3, -0.5));

    auto line = Make("(Line:(X0:1,Y0:2,X1:3,Y1:4.5))");
    auto *l = dynamic_cast<MCSLine *>(line.get());
    ASSERT_NE(l, nullptr);
    EXPECT_TRUE(Near(l->Start(), 1, 2));
    EXPECT_TRUE(Near(l->End(), 3, 4.5));

    auto rect = Make("(Rectangle:(X0:4,Y0:8,X1:1,Y1:2))");
    auto *r = dynamic_cast<MCSRectangle *>(rect.get());
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(Text(r->Display()), "(Rectangle:(X0:1,Y0:2,X1:4,Y1:8))");

    auto circle = Make("(Circle:(X:1,Y:2,R:0.5))");
    auto *c = dynamic_cast<MCSCircle *>(circle.get());
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(Text(c->Display()), "(Circle:(X:1,Y:2,R:0.5))");
    EXPECT_EQ(c->CurRef(), 0);
}

TEST(ShapeMake, MissingKeysReadAsZeroAndOthersAreIgnored)
{
    EXPECT_EQ(Text(Make("(Point:(X:3))")->Display()), "(Point:(X:3,Y:0))");
    EXPECT_EQ(Text(Make("(Circle:(X:1,Y:2,R:0.5,Z:9))")->Display()), "(Circle:(X:1,Y:2,R:0.5))");
    EXPECT_EQ(Text(Make("(Line)")->Display()), "(Line:(X0:0,Y0:0,X1:0,Y1:0))");
    EXPECT_EQ(Text(Make("(Rectangle:(X0:abc,Y0:2.5m,X1:1))")->Display()),
              "(Rectangle:(X0:0,Y0:0,X1:1,Y1:2.5))");
}

TEST(ShapeMake, UnknownNamesAreLoggedAndGiveNothing)
{
    MCLog::LogTo(nullptr);
    for (const char *text : {"(point:(X:1,Y:1))", "(Square:(X:1))", "Point:(X:1)"}) {
        CaptureStderr();
        EXPECT_EQ(MCShape::make(text), nullptr);
        EXPECT_EQ(GetCapturedStderr(), std::string("MCLog::Log(1,\"MCShape::make(") + text +
                                           ") : unknown shape.\"); // No log\n");
    }
}

TEST(ShapeMake, TextFormsAndDumpLines)
{
    EXPECT_EQ(Text(MCSPoint(3, 0.5).Display()), "(Point:(X:3,Y:0.5))");
    EXPECT_EQ(Text(MCSPoint(3, 0.5).MemDump()), "MARKER GX: 3\nMARKER GY: 0.5\n");
    EXPECT_EQ(Text(MCSLine(1, 2, 3, 4.5).Display()), "(Line:(X0:1,Y0:2,X1:3,Y1:4.5))");
    EXPECT_EQ(Text(MCSLine(1, 2, 3, 4.5).MemDump()), "DLINE GX: 1\nDLINE GY: 2\nDLINE EX: 3\nDLINE EY: 4.5\n");
    EXPECT_EQ(Text(MCSRectangle(3, 4, -1, 2).Display()), "(Rectangle:(X0:-1,Y0:2,X1:3,Y1:4))");
    EXPECT_EQ(Text(MCSRectangle(3, 4, -1, 2).MemDump()), "BOX GX: -1\nBOX GY: 2\nBOX EX: 3\nBOX EY: 4\n");
    EXPECT_EQ(Text(MCSCircle(1, -2, 0.5).Display()), "(Circle:(X:1,Y:-2,R:0.5))");
    EXPECT_EQ(Text(MCSCircle(1, -2, 0.5).MemDump()), "RING GX: 1\nRING GY: -2\nRING Size: 0.5\n");
}

TEST(ShapeMake, EveryTextFormReadsBackIntoAnEqualShape)
{
    MCSPoint point(-2.25, 0.000001);
    MCSLine line(1, -2, 3.125, 4.5);
    MCSRectangle rect(-1, 2, 3, 4);
    MCSCircle circle(1, -2, 0.5);
    for (const MCShape *shape : std::initializer_list<const MCShape *>{&point, &line, &rect, &circle}) {
        MCString text = shape->Display();
        std::unique_ptr<MCShape> back(MCShape::make(text));
        ASSERT_NE(back, nullptr) << Text(text);
        EXPECT_EQ(Text(back->Display()), Text(text));
        EXPECT_EQ(Text(back->MemDump()), Text(shape->MemDump()));
        std::ostringstream os;
        os << *shape;
        EXPECT_EQ(os.str(), Text(text));
    }
}

TEST(ShapeReferences, CopiesAndClonesStartUncountedAndAssignmentKeepsTheCount)
{
    MCSCircle c(1, 2, 3);
    EXPECT_EQ(c.IncRef(), 1);
    EXPECT_EQ(c.IncRef(), 2);
    MCSCircle copy(c);
    EXPECT_EQ(copy.CurRef(), 0);
    std::unique_ptr<MCShape> clone(c.clone());
    EXPECT_EQ(clone->CurRef(), 0);
    EXPECT_EQ(Text(clone->Display()), "(Circle:(X:1,Y:2,R:3))");

    MCSCircle target(0, 0, 1);
    target.IncRef();
    target = c;
    EXPECT_EQ(target.CurRef(), 1);
    EXPECT_EQ(Text(target.Display()), "(Circle:(X:1,Y:2,R:3))");
    EXPECT_EQ(target.r2, 9);

    MCSPoint p(1, 1);
    p.IncRef();
    p = MCSPoint(2, 2);
    EXPECT_EQ(p.CurRef(), 1);
    EXPECT_EQ(c.DecRef(), 1);
    EXPECT_EQ(c.DecRef(), 0);
}

TEST(ShapeReferences, LastHolderFreesADerivedShapeThroughTheBase)
{
    // Runs clean under the address sanitizer only when the base's destructor
    // is virtual.
    for (const char *text : {"(Point:(X:1))", "(Line:(X1:1))", "(Rectangle:(X1:1))", "(Circle:(R:1))"}) {
        MCShape *shape = MCShape::make(text);
        ASSERT_NE(shape, nullptr);
        shape->IncRef();
        MCShape *shared = shape;
        shared->IncRef();
        EXPECT_EQ(shape->DecRef(), 1);
        if (shared->DecRef() == 0)
            delete shared;
    }
}
