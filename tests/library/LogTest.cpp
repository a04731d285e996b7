#include "MCAutoLogger.h"
#include "MCFileLog.h"
#include "MCNestedLogger.h"
#include "MCString.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <sys/stat.h>
#include <utility>
#include <vector>

#include "LibraryTestSupport.h"
#include "ScratchDir.h"

namespace {

// Keeps what reaches writelog.
class RecordingLogger : public MCAutoLogger
{
public:
    void writelog(int level, const MCString &message) override
    {
        written.emplace_back(level, std::string(static_cast<const char *>(message)));
    }
    int CurrentLimit() const { return limit; }

    std::vector<std::pair<int, std::string>> written;
};

// The registered logger and the nesting levels are global: every test starts
// and ends with none registered and the levels at their start values.
class LogTest : public testing::Test
{
protected:
    void SetUp() override { Restore(); }
    void TearDown() override { Restore(); }
    static void Restore()
    {
        MCLog::LogTo(nullptr);
        MCNestLog::current_level = 10;
        MCNestLog::base_level = 10;
        MCNestLog::level_step = 10;
    }
};

} // namespace

TEST_F(LogTest, LevelsAboveTheLimitNeverReachWritelogAndShiftSparesErrors)
{
    RecordingLogger log;
    log.Limit(0);
    EXPECT_EQ(log.CurrentLimit(), 1);
    log.Limit(2);
    EXPECT_EQ(log.CurrentLimit(), 2);
    log.Limit(40);
    log.LevelShift(5);
    log.StdLimit(-100);
    Err([&] {
        log.Log(40, "forty");
        log.Log(41, "forty-one");
        log.Log(1, "error");
        log.Log(-3, "negative");
    });
    std::vector<std::pair<int, std::string>> expected{{45, "forty"}, {1, "error"}, {1, "negative"}};
    EXPECT_EQ(log.written, expected);
}

TEST_F(LogTest, MessagesGoToTheRegisteredLoggerElseToOneNoLogLine)
{
    RecordingLogger log;
    log.StdLimit(-100);
    MCLog::LogTo(&log);
    MCLog().Log(20, "first");
    MCLog::LogTo(nullptr);
    std::string err;
    EXPECT_EQ(Out([&] { err = Err([] { MCLog::Log(30, "lost message"); }); }), "");
    EXPECT_EQ(err, "MCLog::Log(30,\"lost message\"); // No log\n");
    ASSERT_EQ(log.written.size(), 1u);
    EXPECT_EQ(log.written[0].second, "first");

    // Leaks (and the leak checker complains) unless the base's destructor is
    // virtual.
    std::unique_ptr<MCAutoLogger> owned(new RecordingLogger);
    owned->StdLimit(-100);
    owned->Log(20, "kept until the logger goes");
}

TEST_F(LogTest, NestingRaisesTheLevelOfNLogAndUnwindsToTheBase)
{
    RecordingLogger log;
    log.StdLimit(-100);
    MCLog::LogTo(&log);
    MCNestLog::NLog("outer");
    {
        MCNestLog one;
        MCNestLog::NLog("one deep");
        {
            MCNestLog two;
            MCNestLog::NLog("two deep");
        }
    }
    EXPECT_EQ(MCNestLog::current_level, 10);
    ASSERT_EQ(log.written.size(), 3u);
    EXPECT_EQ(log.written[1].first, 20);
    EXPECT_EQ(log.written[2].first, 30);

    // A scope that ends below the depth it began at stops at the base.
    {
        MCNestLog a;
        MCNestLog::current_level = 10;
    }
    EXPECT_EQ(MCNestLog::current_level, 10);
}

TEST_F(LogTest, FileLoggerWritesIndentedShiftedLinesToANewFile)
{
    ScratchDir dir;
    const std::string path = dir.file("agent.log"), fresh = dir.file("fresh.log");
    WriteFile(path, "old contents\n");
    MCFileLog log;
    log.LevelShift(10);
    log.StdLimit(-100);
    Err([&] {
        MCFileLog::LogTo(path.c_str());
        log.Log(1, "error");
        log.Log(20, "detail");
        log.Log(45, "dropped");
        MCFileLog::logfile.close();
        EXPECT_EQ(ReadWholeFile(path), "error\n   detail\n");

        // A file the logger creates gets the permission bits of log files.
        mode_t mask = umask(0);
        MCFileLog::LogTo(fresh.c_str());
        umask(mask);
        struct stat st;
        ASSERT_EQ(stat(fresh.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0664u);

        // A file that cannot be opened loses the messages quietly.
        MCFileLog::LogTo(dir.file("no/such/agent.log").c_str());
        log.Log(20, "lost");
        EXPECT_FALSE(MCFileLog::logfile.good());
    });
    MCFileLog::logfile.close();
    MCFileLog::logfile.clear();
}

TEST_F(LogTest, MovingTheBaseOrTheStepKeepsTheDepth)
{
    MCNestLog::current_level = 30;
    MCNestLog::SetBase(100);
    EXPECT_EQ(MCNestLog::current_level, 120);
    MCNestLog::SetStep(5);
    EXPECT_EQ(MCNestLog::current_level, 110);
}
