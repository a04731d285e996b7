#include "MCMIniMem.h"
#include "MCMem.h"
#include "MCSPoint.h"
#include "PositioningTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string Fixture = std::string(TEST_DATA_DIR) + "/positioning-memory.ini";

std::string ShapeOf(const MCMObject &handle)
{
    return handle.valid() ? Text(handle.at()->Display()) : "none";
}

// The centres of a list, walked from its reset to its end.
std::vector<std::pair<double, double>> Walk(MCMIniMem &mem, int reason, bool team)
{
    std::vector<std::pair<double, double>> seen;
    if (team)
        mem.ResetTeam(reason);
    else
        mem.ResetOpponents(reason);
    for (;;) {
        MCMUnit u = team ? mem.GetTeamMember(reason) : mem.GetOpponent(reason);
        if (!u.valid())
            break;
        seen.emplace_back(u.at()->CentreX(), u.at()->CentreY());
    }
    return seen;
}

using Points = std::vector<std::pair<double, double>>;

class IniMemTest : public testing::Test
{
protected:
    LogCapture log;
    MCMIniMem mem;
};

} // namespace

TEST_F(IniMemTest, ReadsTheFileAndFillsWhatItLacksWithDefaults)
{
    mem.LoadFile(Fixture.c_str());
    EXPECT_EQ(ShapeOf(mem.Unit()), "(Point:(X:-20,Y:5))");
    EXPECT_EQ(ShapeOf(mem.Home()), "(Point:(X:-25,Y:0))");
    EXPECT_EQ(ShapeOf(mem.Zone()), "(Rectangle:(X0:-40,Y0:-20,X1:-10,Y1:20))");
    EXPECT_EQ(ShapeOf(mem.Target()), "(Circle:(X:3,Y:-4,R:0.085))");
    EXPECT_EQ(ShapeOf(mem.AttackCore()), "(Line:(X0:52.5,Y0:-7.01,X1:52.5,Y1:7.01))");
    EXPECT_EQ(ShapeOf(mem.ProtectCore()), "(Rectangle:(X0:-54,Y0:-7.14,X1:-52.5,Y1:7.14))");
    EXPECT_FALSE(mem.Offensive());
    // The attacked area is the pitch beyond the protected one; the pitch
    // itself keeps its shape.
    EXPECT_EQ(ShapeOf(mem.Attack()), "(Rectangle:(X0:30,Y0:-34,X1:52.5,Y1:34))");
    EXPECT_EQ(ShapeOf(mem.World()), "(Rectangle:(X0:-52.5,Y0:-34,X1:52.5,Y1:34))");
    EXPECT_TRUE(log.Has("MCMIniMem::ReloadFile : Got Attack - (Rectangle:(X0:30,Y0:-34,X1:52.5,Y1:34))"));

    // Positioners read it through the facade.
    MCMem facade;
    EXPECT_EQ(ShapeOf(facade.Home()), "(Point:(X:-25,Y:0))");
}

TEST_F(IniMemTest, PlayersBeyondSixteenAreIgnored)
{
    for (int i = 0; i < 17; ++i)
        mem.AddTeam(MCSPoint(i, 0));
    Points all = Walk(mem, MCM_CALL, true);
    ASSERT_EQ(all.size(), 16u);
    EXPECT_EQ(all.back().first, 15);
    EXPECT_FALSE(mem.GetTeamMember(MCM_CALL).valid());

    // Indexed reads leave the cursor alone.
    mem.ResetTeam(MCM_CALL);
    mem.GetTeamMember(MCM_CALL);
    MCMUnit u;
    ASSERT_TRUE(mem.GetTeamMember(MCM_CALL, 15, u));
    EXPECT_EQ(u.at()->Right(), 15.8);
    EXPECT_FALSE(mem.GetTeamMember(MCM_CALL, 16, u));
    EXPECT_FALSE(mem.GetTeamMember(MCM_CALL, -1, u));
    EXPECT_EQ(mem.GetTeamMember(MCM_CALL).at()->CentreX(), 1);
}

TEST_F(IniMemTest, ListsFollowTheirReasonsOrder)
{
    mem.LoadFile(Fixture.c_str());
    mem.AddTeam(MCSPoint(-50, 0));
    mem.AddTeam(MCSPoint(0, 0));
    mem.AddTeam(MCSPoint(-18, 5));
    EXPECT_EQ(Walk(mem, MCM_CALL, true), (Points{{-50, 0}, {0, 0}, {-18, 5}}));
    // Nearest the agent at (-20, 5).
    EXPECT_EQ(Walk(mem, MCM_CTM, true), (Points{{-18, 5}, {0, 0}, {-50, 0}}));
    // Nearest the own goal.
    EXPECT_EQ(Walk(mem, MCM_CTG, true), (Points{{-50, 0}, {-18, 5}, {0, 0}}));
    mem.SetScanner(MCMRegion(new MCSPoint(2, 0)));
    EXPECT_EQ(Walk(mem, MCM_CTP, true), (Points{{0, 0}, {-18, 5}, {-50, 0}}));

    // Opponents order by the own goal too.
    mem.AddOpponent(MCSPoint(40, 0));
    mem.AddOpponent(MCSPoint(-40, 0));
    EXPECT_EQ(Walk(mem, MCM_CTG, false), (Points{{-40, 0}, {40, 0}}));
}

TEST_F(IniMemTest, WithoutAReferenceTheOldOrderStaysAndRemovalsKeepItWhole)
{
    mem.AddTeam(MCSPoint(5, 0));
    mem.AddTeam(MCSPoint(1, 0));
    mem.AddTeam(MCSPoint(3, 0));
    mem.SetScanner(MCMRegion(new MCSPoint(0, 0)));
    EXPECT_EQ(Walk(mem, MCM_CTP, true), (Points{{1, 0}, {3, 0}, {5, 0}}));
    mem.SetScanner(MCMRegion());
    EXPECT_EQ(Walk(mem, MCM_CTP, true), (Points{{1, 0}, {3, 0}, {5, 0}}));
    // The kept order must not name the removed player or a stale slot.
    mem.RemTeam(MCSPoint(1, 0));
    EXPECT_EQ(Walk(mem, MCM_CTP, true), (Points{{3, 0}, {5, 0}}));
    mem.AddTeam(MCSPoint(9, 0));
    EXPECT_EQ(Walk(mem, MCM_CTP, true), (Points{{3, 0}, {5, 0}, {9, 0}}));
    // No unit: the agent's list keeps insertion order.
    EXPECT_EQ(Walk(mem, MCM_CTM, true), (Points{{5, 0}, {3, 0}, {9, 0}}));
}

TEST_F(IniMemTest, MovingTheAgentLeavesEarlierCopiesWhereTheyWere)
{
    mem.LoadFile(Fixture.c_str());
    MCMMyUnit before = mem.Unit();
    mem.SetLocation(MCSPoint(7, 8));
    EXPECT_EQ(ShapeOf(mem.Unit()), "(Point:(X:7,Y:8))");
    EXPECT_EQ(ShapeOf(before), "(Point:(X:-20,Y:5))");

    // The scanner is a private copy of the region given.
    MCMRegion scan(new MCSPoint(1, 1));
    mem.SetScanner(scan);
    scan.at()->moveto(50, 50);
    mem.AddTeam(MCSPoint(0, 0));
    mem.AddTeam(MCSPoint(45, 45));
    EXPECT_EQ(Walk(mem, MCM_CTP, true), (Points{{0, 0}, {45, 45}}));
}
