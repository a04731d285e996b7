#include "MCMem.h"
#include "MCMIniMem.h"
#include "MCSCircle.h"
#include "MCSPoint.h"
#include "PositioningTestSupport.h"

#include <gtest/gtest.h>

TEST(MemoryTest, TheFirstMemoryStaysInstalledUntilItGoes)
{
    LogCapture log;
    {
        MCMIniMem first;
        MCMIniMem second;
        EXPECT_TRUE(log.Has("MCMAbstractMem::SetMem : Memory already configured. Ignoring new request."));
        EXPECT_EQ(MCMAbstractMem::RealMemory(), &first);
        MCMem mem;
        EXPECT_EQ(MCMem::memory, &first);
    }
    // A destroyed memory is no longer read through.
    EXPECT_EQ(MCMAbstractMem::_instance, nullptr);
    EXPECT_EQ(MCMem::memory, nullptr);
    MCMIniMem again;
    EXPECT_EQ(MCMAbstractMem::RealMemory(), &again);
}

TEST(MemoryTest, ShapeHandlesShareAndCopyOnWrite)
{
    MCSPoint *p = new MCSPoint(1, 2);
    MCMRegion a(p);
    MCMRegion b(a);
    MCMRegion c;
    c = b;
    c = c;
    EXPECT_EQ(p->CurRef(), 3);

    b.unique();
    EXPECT_EQ(p->CurRef(), 2);
    b.at()->moveto(9, 9);
    EXPECT_EQ(a.at()->CentreX(), 1);
    MCShape *own = b.at();
    b.unique();
    EXPECT_EQ(b.at(), own);

    c.DeRef();
    EXPECT_FALSE(c.valid());
    EXPECT_EQ(p->CurRef(), 1);

    MCMMyUnit me(new MCSCircle(0, 0, 0.3), MCMR_OutsideForward);
    MCMMyUnit copy;
    copy = me;
    EXPECT_EQ(copy.Role(), MCMR_OutsideForward);
    EXPECT_EQ(copy.at(), me.at());

    LogCapture log;
    EXPECT_EQ(MCMBase().at(), nullptr);
    EXPECT_TRUE(log.Has("MCMObject : segfault follows shortly..."));
}
