#include "MObject.h"
#include "MObjectBase.h"
#include "PositioningTestSupport.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// Counts its own destruction, so a test sees exactly when the last handle
// lets go.
class Watched : public MObjectBase
{
public:
    explicit Watched(int *deaths, int value = 0) : deaths(deaths), value(value) { m_Name = "WATCHED"; }
    ~Watched() override { ++*deaths; }
    MObjectBase *Clone() const override { return new Watched(deaths, value); }
    MCString Representation() const override { return "(WATCHED:(V:" + MCString(value) + "))"; }

    int *deaths;
    int value;
};

} // namespace

TEST(ObjectTest, HandlesCountSharersAndTheLastOneDeletes)
{
    int deaths = 0;
    Watched *w = new Watched(&deaths);
    {
        MObject a(w);
        EXPECT_EQ(w->CurRef(), 1);
        MObject b(a);
        MObject c;
        c = b;
        EXPECT_EQ(w->CurRef(), 3);
        c = c; // a self-assignment must not free the object in between
        EXPECT_EQ(w->CurRef(), 3);
        b = MObject();
        EXPECT_EQ(w->CurRef(), 2);
        EXPECT_EQ(deaths, 0);
    }
    EXPECT_EQ(deaths, 1);
}

TEST(ObjectTest, ReassigningTheLastHandleToItsOwnObjectKeepsIt)
{
    int deaths = 0;
    MObject a(new Watched(&deaths));
    MObject alias(a.get());
    a = alias;
    alias = MObject();
    ASSERT_TRUE(a.valid());
    EXPECT_EQ(a->CurRef(), 1);
    EXPECT_EQ(deaths, 0);
}

TEST(ObjectTest, IsolateCopiesOnlyASharedObject)
{
    int deaths = 0;
    MObject only(new Watched(&deaths, 1));
    MObjectBase *before = only.get();
    only.Isolate();
    EXPECT_EQ(only.get(), before);

    MObject shared(only);
    shared.Isolate();
    ASSERT_NE(shared.get(), before);
    EXPECT_EQ(only.get(), before);
    EXPECT_EQ(before->CurRef(), 1);
    EXPECT_EQ(shared->CurRef(), 1);
    static_cast<Watched *>(shared.get())->value = 2;
    EXPECT_EQ(static_cast<Watched *>(only.get())->value, 1);

    MObject empty;
    empty.Isolate();
    EXPECT_TRUE(empty.null());
}

TEST(ObjectTest, EmptyHandleTextsAndArrowComplain)
{
    LogCapture log;
    MObject empty;
    EXPECT_FALSE(empty.valid());
    EXPECT_EQ(Text(empty.Display()), "<None>");
    EXPECT_EQ(empty.operator->(), nullptr);
    EXPECT_TRUE(log.Has("MObject::operator-> : Null Object has no methods. (SIGSEGV...)"));

    int deaths = 0;
    MObject full(new Watched(&deaths, 7));
    std::ostringstream out;
    out << full;
    EXPECT_EQ(out.str(), "(WATCHED:(V:7))");
}

TEST(ObjectTest, BaseObjectDefaults)
{
    MObjectBase *base = new MObjectBase();
    MObject held(base);
    EXPECT_EQ(Text(held.Display()), "<MOBJECTBASE>");
    MOPosition p = base->Position();
    EXPECT_EQ(p.error, 0);
    EXPECT_EQ(p.point.x, 0);

    // A clone is a fresh default object, whatever the original was called.
    MCObjectDescription renamed(MCString("(OTHER)"), ':', ',');
    BareRegistry registry;
    base->DecodeRepresentation(renamed, registry);
    EXPECT_EQ(Text(base->Name()), "OTHER");
    MObject copy(base->Clone());
    EXPECT_EQ(Text(copy.Display()), "<MOBJECTBASE>");
    EXPECT_EQ(copy->CurRef(), 1);

    // A description without keyword leaves the name.
    base->DecodeRepresentation(MCObjectDescription(MCString("()"), ':', ','), registry);
    EXPECT_EQ(Text(base->Name()), "OTHER");
}

TEST(ObjectTest, LiveObjectCountsAndPeak)
{
    int live = MObjectBase::inuse;
    MObjectBase::peak = live;
    {
        MObject a(new MObjectBase());
        MObject b(new MObjectBase());
        MObjectBase copied(*a.get()); // copies count as creations too
        EXPECT_EQ(MObjectBase::inuse, live + 3);
        EXPECT_EQ(copied.CurRef(), 0);
        EXPECT_EQ(Text(a->Statistics()),
                  std::to_string(live + 3) + " objects, peak is " + std::to_string(live + 3) +
                      ", this object has 1 references.");
    }
    EXPECT_EQ(MObjectBase::inuse, live);
    EXPECT_EQ(MObjectBase::peak, live + 3);
}

TEST(ObjectTest, DestroyingMoreThanCreatedStopsAtZeroAndSaysSo)
{
    LogCapture log;
    int live = MObjectBase::inuse;
    MObjectBase *a = new MObjectBase();
    MObjectBase *b = new MObjectBase();
    MObjectBase::inuse = 1;
    delete a;
    delete b;
    EXPECT_EQ(MObjectBase::inuse, 0);
    EXPECT_EQ(log.Count("MObjectBase::~ : Destroyed more MObjects than have been created."), 1);
    MObjectBase::inuse = live;
}

TEST(ObjectTest, ReleasingBelowZeroIsReportedAndStopsAtZero)
{
    LogCapture log;
    MObjectBase lone;
    EXPECT_EQ(lone.DecRef(), 0);
    EXPECT_TRUE(log.Has("MCValueBase::detach : object already detatched"));
}
