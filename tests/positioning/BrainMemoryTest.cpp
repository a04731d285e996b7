#include <memory>

#include <gtest/gtest.h>

#include "../world/PlayerFixture.h"
#include "MCMem.h"
#include "MCSCircle.h"
#include "PositioningTestSupport.h"
#include "ZPBeMem.h"

namespace {

// The positioners' memory of a started brain: agent 5 of the left side at
// (0, 0), playing the formation with three defenders, three midfielders and
// four forwards.
class BrainMemoryTest : public PlayerFixture
{
protected:
    void SetUp() override
    {
        PlayerFixture::SetUp();
        agent->brain->SetFormationID(-1);
        // After the brain's start-up, which links a logger of its own.
        log.reset(new LogCapture());
    }

    void TearDown() override
    {
        log.reset();
        PlayerFixture::TearDown();
    }

    // Agent number unum, a new cycle.
    void Be(int unum)
    {
        agent->SetUNum(unum);
        memory().SetTime(memory().GetTime() + 1);
    }

    // The facade over the brain's memory, installed by the agent's start.
    static MCMem mem() { return MCMem(); }

    std::unique_ptr<LogCapture> log;
};

void ExpectBox(const MCMObject &shape, double left, double bottom, double right, double top)
{
    ASSERT_TRUE(shape.valid());
    EXPECT_NEAR(shape.at()->Left(), left, 1e-4);
    EXPECT_NEAR(shape.at()->Bottom(), bottom, 1e-4);
    EXPECT_NEAR(shape.at()->Right(), right, 1e-4);
    EXPECT_NEAR(shape.at()->Top(), top, 1e-4);
}

void ExpectCentre(const MCMObject &shape, double x, double y)
{
    ASSERT_TRUE(shape.valid());
    EXPECT_NEAR(shape.at()->CentreX(), x, 1e-4);
    EXPECT_NEAR(shape.at()->CentreY(), y, 1e-4);
}

} // namespace

// The goalkeeper has no positioning role: a defender's stands in, and the
// gap is reported.
TEST_F(BrainMemoryTest, TheGoalkeeperPositionsAsACentralDefender)
{
    Be(1);
    agent->brain->SetRole();
    EXPECT_EQ(mem().Unit().Role(), MCMR_CentralDefender);
    EXPECT_TRUE(log->Has("ZPBeMem::Unit : Unable to establish role, why not?"));
}

// Every player of both formations has the role by itself that comes with
// the whole unit, and so has the goalkeeper (with the same report).
TEST_F(BrainMemoryTest, TheRoleAloneIsTheUnitsRole)
{
    for (int formation : {-1, 0, 1})
    {
        agent->brain->SetFormationID(formation);
        for (int unum = 1; unum <= 11; unum++)
        {
            Be(unum);
            agent->brain->SetRole();
            EXPECT_EQ(mem().UnitRole(), mem().Unit().Role()) << formation << " " << unum;
        }
    }
}

TEST_F(BrainMemoryTest, TheGoalkeepersRoleAloneIsReportedAsHisUnitIs)
{
    Be(1);
    agent->brain->SetRole();
    EXPECT_EQ(mem().UnitRole(), MCMR_CentralDefender);
    EXPECT_TRUE(log->Has("ZPBeMem::Unit : Unable to establish role, why not?"));
}

TEST_F(BrainMemoryTest, PlayerListsByReasonWithTheirOwnCursors)
{
    Mate(0, 20, 0);
    Mate(1, -40, 0);
    Mate(2, 5, 5);
    Foe(0, 30, 0);
    Foe(1, -45, 3);
    PlaceBall(0, 0);
    memory().SetTime(11);

    // Nearest to the agent first, one entry per get.
    mem().ResetTeam(MCM_CTM);
    ExpectCentre(mem().GetTeamMember(MCM_CALL), 5, 5);
    MCMUnit unit;
    ASSERT_TRUE(mem().GetTeamMember(MCM_CTM, 2, unit));
    ExpectCentre(unit, -40, 0);
    EXPECT_FALSE(mem().GetTeamMember(MCM_CTM, 3, unit));
    ExpectCentre(mem().GetTeamMember(MCM_CTM), 20, 0);
    ExpectCentre(mem().GetTeamMember(MCM_CTM), -40, 0);
    EXPECT_FALSE(mem().GetTeamMember(MCM_CTM).valid());

    // Opponents by the own goal, whichever side's list it is.
    mem().ResetOpponents(MCM_CTG);
    ExpectCentre(mem().GetOpponent(MCM_CTG), -45, 3);
    ExpectCentre(mem().GetOpponent(MCM_CTG), 30, 0);
    mem().ResetTeam(MCM_CTG);
    ExpectCentre(mem().GetTeamMember(MCM_CTG), -40, 0);

    // About the scanner's centre, which keeps its own copy.
    mem().ResetTeam(MCM_CTP);
    EXPECT_TRUE(log->Has("ZPBeMem::ResetTeam : unable to locate scan"));
    EXPECT_FALSE(mem().GetTeamMember(MCM_CTP).valid());
    MCMRegion scan(new MCSCircle(22, 1, 1));
    mem().SetScanner(scan);
    scan.at()->moveto(-40, 0);
    mem().ResetTeam(MCM_CTP);
    mem().ResetOpponents(MCM_CTP);
    ExpectCentre(mem().GetTeamMember(MCM_CTP), 20, 0);
    ExpectCentre(mem().GetOpponent(MCM_CTP), 30, 0);

    // A list holds the players; their places are read when taken.
    memory().GetAFriend(0)->SetGPos(CVector(21, 2));
    ASSERT_TRUE(mem().GetTeamMember(MCM_CTP, 0, unit));
    ExpectCentre(unit, 21, 2);

}

TEST(BrainMemoryAloneTest, WithoutABrainEveryAnswerIsNeutral)
{
    LogCapture log;
    ZPBeMem mem;
    MCMMyUnit me = mem.Unit();
    EXPECT_EQ(me.Role(), MCMR_CentralDefender);
    EXPECT_EQ(mem.UnitRole(), MCMR_CentralDefender);
    ExpectCentre(me, 0, 0);
    EXPECT_TRUE(log.Has("ZPBeMem::Unit : no boss, forgot to register?"));
    EXPECT_TRUE(log.Has("ZPBeMem::Unit : Got invalid home location."));

    ExpectBox(mem.Zone(), -20, -15, 15, 15);
    EXPECT_TRUE(log.Has("ZPBeMem::Zone : unable to establish protection zone"));
    ExpectBox(mem.Protect(), -52.5, -34, 0, 34);
    ExpectBox(mem.ProtectCore(), -52.5, -7.14, -52.5, 7.14);
    ExpectCentre(mem.Target(), 0, 0);
    EXPECT_TRUE(mem.Offensive());
    EXPECT_TRUE(log.Has("ZPBeMem::Offensive : assume we are attacking"));
    EXPECT_EQ(mem.Time(), 0);
    mem.ResetOpponents(MCM_CALL);
    EXPECT_TRUE(log.Has("ZPBeMem::ResetOpponents : no boss, forgot to register?"));
    EXPECT_FALSE(mem.GetOpponent(MCM_CALL).valid());
}

TEST(BrainMemoryAloneTest, ABrainRegistersOnceAndALaterBrainAfterItHasGone)
{
    MCDictIniSafe config;
    config.insert("Positioning", "DefMidOverlap", 30);
    testing::internal::CaptureStdout();
    {
        RecordingAgent first(config);
        EXPECT_DOUBLE_EQ(ZPBeMem::def_mid_overlap, 15);
        LogCapture log;
        ZPBeMem other;
        EXPECT_EQ(other.Register(first.brain, config), 1);
        EXPECT_TRUE(log.Has("ZPBeMem::Register : Already registered."));
        first.memory->SetTime(7);
        EXPECT_EQ(MCMem().Time(), 7);
    }
    MCDictIniSafe plain;
    {
        RecordingAgent second(plain);
        second.memory->SetTime(9);
        EXPECT_EQ(MCMem().Time(), 9);
        EXPECT_DOUBLE_EQ(ZPBeMem::def_mid_overlap, 10);
    }
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(ZPBeMem::bigbosslivehere, nullptr);
}
