#include "MObject.h"
#include "MObjectBase.h"

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
