#include <gtest/gtest.h>

#include <stdexcept>

#include "Trace.h"

TEST(Trace, UnescapesEveryForm)
{
    EXPECT_EQ(std::string("a\\b\0c\n\r\t\x01\x7f", 10), UnescapeTracePayload("a\\\\b\\0c\\n\\r\\t\\x01\\x7F"));
    EXPECT_THROW(UnescapeTracePayload("\\q"), std::runtime_error);
    EXPECT_THROW(UnescapeTracePayload("\\x4"), std::runtime_error);
}

TEST(Trace, ReadsTheRecordedTraces)
{
    std::vector<std::string> files = TraceFiles(TEST_DATA_DIR);
    ASSERT_GE(files.size(), 19u);
    std::vector<TraceRecord> records = ReadTrace(std::string(TEST_DATA_DIR) + "/player-init.trace");
    ASSERT_FALSE(records.empty());
    const TraceRecord &init = records.front();
    EXPECT_FALSE(init.received);
    EXPECT_EQ(0, init.ms);
    EXPECT_EQ(6000, init.port);
    EXPECT_EQ("(init TestTeam (version 6.00))\n", init.bytes);
    const TraceRecord &reply = records[1];
    EXPECT_TRUE(reply.received);
    EXPECT_EQ(std::string("(init l 1 before_kick_off)", 26) + '\0', reply.bytes);
    EXPECT_EQ("L1 TestTeam player (expected unum 1) (local port 34758)", init.client);

    std::vector<TraceRecord> versions = ReadTrace(std::string(TEST_DATA_DIR) + "/versions.trace");
    EXPECT_EQ("V0.5 (init TestTeam (version 0.5))", versions.front().client);
    EXPECT_EQ("V100 (init OtherTeam (version 100))", versions.back().client);
    EXPECT_THROW(ReadTrace(std::string(TEST_DATA_DIR) + "/no-such.trace"), std::runtime_error);
}
