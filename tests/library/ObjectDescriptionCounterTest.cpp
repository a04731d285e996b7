#include "MCNestedLogger.h"
#include "MCReferenceCounter.h"
#include "MCString.h"

#include <gtest/gtest.h>

#include <string>

using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

TEST(ReferenceCounter, CountsAttachmentsAndRefusesToGoBelowZero)
{
    MCLog::LogTo(nullptr);
    MCReferenceCounter counter;
    EXPECT_EQ(counter.attachments(), 0);
    CaptureStderr();
    EXPECT_EQ(counter.detach(), 0);
    std::string err = GetCapturedStderr();
    EXPECT_EQ(err, "MCLog::Log(1,\"MCValueBase::detach : object already detatched\"); // No log\n");
    EXPECT_EQ(counter.attach(), 1);
    EXPECT_EQ(counter.attach(), 2);
    EXPECT_EQ(counter.detach(), 1);
    EXPECT_EQ(counter.attachments(), 1);
}
