#include "MObject.h"
#include "MObjectBase.h"
#include "PositioningTestSupport.h"

#include <gtest/gtest.h>

namespace {

// Counts its own destruction, so a test sees exactly when the last handle
// lets go.
class Watched : public MObjectBase
{
public:
    explicit Watched(int *deaths, int value = 0) : deaths(deaths), value(value) {}
    ~Watched() override { ++*deaths; }
    MObjectBase *Clone() const override { return new Watched(deaths, value); }

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
        MObject b(a);
        MObject c;
        c = b;
        c = c; // a self-assignment must not free the object in between
        EXPECT_EQ(w->CurRef(), 3);
        b = MObject();
        EXPECT_EQ(w->CurRef(), 2);
    }
    EXPECT_EQ(deaths, 1);

    // Assigning the last handle a second handle of its own object keeps it.
    MObject last(new Watched(&deaths));
    MObject alias(last.get());
    last = alias;
    alias = MObject();
    ASSERT_TRUE(last.valid());
    EXPECT_EQ(last->CurRef(), 1);
    EXPECT_EQ(deaths, 1);
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
}

TEST(ObjectTest, EmptyHandlesAndBareObjects)
{
    LogCapture log;
    MObject empty;
    EXPECT_EQ(Text(empty.Display()), "<None>");
    EXPECT_EQ(empty.operator->(), nullptr);
    EXPECT_TRUE(log.Has("MObject::operator-> : Null Object has no methods. (SIGSEGV...)"));

    // The keyword of a description renames; a clone is a fresh default.
    MObject base(new MObjectBase());
    BareRegistry registry;
    base->DecodeRepresentation(MCObjectDescription(MCString("(OTHER)"), ':', ','), registry);
    base->DecodeRepresentation(MCObjectDescription(MCString("()"), ':', ','), registry);
    EXPECT_EQ(Text(base.Display()), "OTHER");
    EXPECT_EQ(Text(MObject(base->Clone()).Display()), "<MOBJECTBASE>");
}

TEST(ObjectTest, LiveObjectsAreCountedAndOverCountingStopsAtZero)
{
    LogCapture log;
    int live = MObjectBase::inuse;
    MObjectBase::peak = live;
    {
        MObject a(new MObjectBase());
        MObjectBase copied(*a.get()); // copies are creations too
        EXPECT_EQ(copied.CurRef(), 0);
        EXPECT_EQ(Text(a->Statistics()), std::to_string(live + 2) + " objects, peak is " +
                                             std::to_string(live + 2) + ", this object has 1 references.");
    }
    EXPECT_EQ(MObjectBase::inuse, live);
    EXPECT_EQ(MObjectBase::peak, live + 2);

    MObjectBase *a = new MObjectBase();
    MObjectBase *b = new MObjectBase();
    MObjectBase::inuse = 1;
    delete a;
    delete b;
    EXPECT_EQ(MObjectBase::inuse, 0);
    EXPECT_EQ(log.Count("MObjectBase::~ : Destroyed more MObjects than have been created."), 1);
    MObjectBase::inuse = live;
}
