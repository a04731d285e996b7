#include <sys/stat.h>
#include <unistd.h>

#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "MCSPoint.h"
#include "Positioning.h"
#include "PositioningTestSupport.h"
#include "ScratchDir.h"
#include "ZPMemDump.h"

namespace {

// Dump files are written to the current directory: the test works in a
// scratch directory of its own.
class MemDumpTest : public KindTest
{
protected:
    MemDumpTest() : previous(getcwd(nullptr, 0))
    {
        EXPECT_EQ(chdir(scratch.path().c_str()), 0);
        Define("Temp = (FIXED:(X:-10.5,Y:3.2))\n"
               "D = (MEMDUMP:(FROM:Temp,COLOUR:White,STEP:200))\n");
    }
    ~MemDumpTest() override
    {
        EXPECT_EQ(chdir(previous), 0);
        free(previous);
    }

    // The positioner's answer at a given cycle.
    MOPosition At(const char *name, int cycle)
    {
        mem->now = cycle;
        return Find(name)->Position();
    }

    bool Exists(const std::string &file) const { return access(scratch.file(file).c_str(), F_OK) == 0; }
    std::string Contents(const std::string &file) const { return ReadWholeFile(scratch.file(file)); }

    static std::string Dump(int sorted)
    {
        std::ostringstream out;
        MakeMemDump(out, sorted);
        return out.str();
    }

    ScratchDir scratch;
    char *previous;
};

} // namespace

TEST_F(MemDumpTest, DumpsEveryStepFromTheFirstCycleAndPassesThePointOn)
{
    mode_t old = umask(0);
    for (int cycle = 0; cycle <= 400; ++cycle)
        EXPECT_AT(At("D", cycle), -10.5, 3.2);
    umask(old);
    EXPECT_TRUE(Exists("Temp.-10.50.3.20.mem.dump.0000"));
    EXPECT_TRUE(Exists("Temp.-10.50.3.20.mem.dump.0200"));
    EXPECT_FALSE(Exists("Temp.-10.50.3.20.mem.dump.0199"));
    struct stat st;
    ASSERT_EQ(stat(scratch.file("Temp.-10.50.3.20.mem.dump.0200").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0664u);

    // The memory's blocks, then the point and its three rings.
    std::string text = Contents("Temp.-10.50.3.20.mem.dump.0200");
    EXPECT_EQ(text.find(Dump(0)), 0u);
    EXPECT_NE(text.find("MEMORY PositioningTo:\nMARKER GX: -10.5\nMARKER GY: 3.2\n\n* Colour : White\n"),
              std::string::npos);
    EXPECT_NE(text.find("MEMORY PositioningTo20m:\nRING GX: -10.5\nRING GY: 3.2\nRING Size: 20\n\n* Colour : White\n"),
              std::string::npos);

    // A copy starts dumping afresh; late evaluations catch up one per cycle.
    Define("Late = (D:(STEP:10))\n");
    At("Late", 25);
    At("Late", 26);
    At("Late", 27);
    At("Late", 28);
    EXPECT_TRUE(Exists("Temp.-10.50.3.20.mem.dump.0025"));
    EXPECT_TRUE(Exists("Temp.-10.50.3.20.mem.dump.0027"));
    EXPECT_FALSE(Exists("Temp.-10.50.3.20.mem.dump.0028"));

    // All digits of a large cycle; a step past the last cycle there is
    // stops dumping rather than wrapping round.
    At("D", 12345);
    EXPECT_TRUE(Exists("Temp.-10.50.3.20.mem.dump.12345"));
    Define("Huge = (D:(STEP:2147483647))\n");
    At("Huge", 0);
    At("Huge", 2147483647);
    EXPECT_TRUE(Exists("Temp.-10.50.3.20.mem.dump.2147483647"));
    EXPECT_EQ(static_cast<ZPMemDump *>(Find("Huge"))->m_NextDump, 2147483647);
}

TEST_F(MemDumpTest, DumpBlocksFollowTheMemory)
{
    mem->AddTeam(MCSPoint(1, 2));
    mem->AddTeam(MCSPoint(-30, 0));
    mem->AddOpponent(MCSPoint(5, 5));
    std::string plain = Dump(0);
    EXPECT_EQ(plain.find("MEMORY world:\nBOX GX: -52.5\nBOX GY: -34\nBOX EX: 52.5\nBOX EY: 34\n* Colour : Green\n"),
              0u);
    EXPECT_NE(plain.find("MEMORY me:\nMARKER GX: -20\nMARKER GY: 5\n* Role : 0\n* Refs : 1\n* Colour : 255,128,0\n"),
              std::string::npos);
    EXPECT_NE(plain.find("MEMORY team2:"), std::string::npos);
    EXPECT_NE(plain.find("MEMORY opponent1:\nRING GX: 5\nRING GY: 5\nRING Size: 0.8\n* Colour : Red\n"), std::string::npos);
    EXPECT_EQ(plain.find("CTM"), std::string::npos);

    // Sorted: each list again, drawn as lines pointing the reason's way.
    std::string sorted = Dump(1);
    EXPECT_EQ(sorted.find(plain), 0u);
    EXPECT_NE(sorted.find("MEMORY CTMteam2:"), std::string::npos);
    EXPECT_NE(sorted.find("MEMORY CTMOpponent1:\nDLINE GX: 5\nDLINE GY: 5\nDLINE EX: 9\nDLINE EY: 9\n"
                          "* Colour : Green\n"),
              std::string::npos);
    EXPECT_LT(sorted.find("MEMORY CTPteam1:"), sorted.find("MEMORY CTMOpponent1:"));

    // Without a memory there is nothing to write.
    mem.reset();
    EXPECT_EQ(Dump(1), "");
    EXPECT_TRUE(log.Has("MakeMemDump: Don't know who I am."));
    EXPECT_TRUE(log.Has("MakeMemDump: Don't know where protectCore is."));
}
