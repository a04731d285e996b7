#include "MCNestedLogger.h"
#include "MCReferenceCounter.h"

#include <gtest/gtest.h>

#include "LibraryTestSupport.h"

TEST(ReferenceCounter, ReleasingMoreThanAttachedIsReportedAndStopsAtZero)
{
    MCLog::LogTo(nullptr);
    MCReferenceCounter counter;
    EXPECT_EQ(Err([&] { EXPECT_EQ(counter.detach(), 0); }),
              "MCLog::Log(1,\"MCValueBase::detach : object already detatched\"); // No log\n");
    EXPECT_EQ(counter.attach(), 1);
}
