#include "MCMem.h"
#include "MCMIniMem.h"
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
