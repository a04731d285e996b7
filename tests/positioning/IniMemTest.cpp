#include "MCMIniMem.h"
#include "MCSPoint.h"
#include "PositioningTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

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
