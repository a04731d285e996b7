// Pass risk and the choice of receiver on scripted team-mates and
// opponents, and the shot assessments.

#include <gtest/gtest.h>

#include "SkillRig.h"

namespace
{
class PassTest : public SkillRig
{
protected:
  void SetUp() override
  {
    SkillRig::SetUp();
    Ball(CVector(0.5f, 0));
    brain->offsideLine = 30;
  }

  void World(const std::vector<CVector> &mates, const std::vector<CVector> &foes)
  {
    agent->SetTime(agent->GetTime() + 1);
    brain->mates.clear();
    brain->foes.clear();
    // Numbered from 2: the agent is not among them.
    for (const CVector &m : mates)
      Mate(m)->SetUNum(static_cast<int>(brain->mates.size()) + 1);
    for (const CVector &f : foes)
      Foe(f);
  }
};

TEST_F(PassTest, TheReceiverIsSafeInRangeOnsideAndForwardUnlessBackIsAllowed)
{
  struct Case
  {
    const char *what;
    std::vector<CVector> mates, foes;  // mates numbered 2, 3, ...
    int allowBack, expected;           // 0: nobody
  } cases[] = {
      {"free, ahead", {CVector(15, 0)}, {}, 0, 2},
      {"an opponent on the way", {CVector(15, 0)}, {CVector(7, 0.5f)}, 0, 0},
      {"beyond what a pass can reach", {CVector(-45, 30)}, {}, 1, 0},
      {"too near to pass to", {CVector(3, 0)}, {}, 0, 0},
      {"offside", {CVector(35, 0)}, {}, 0, 0},
      {"behind, in midfield", {CVector(-10, 5)}, {}, 0, 0},
      {"behind, allowed", {CVector(-10, 5)}, {}, 1, 2},
      {"the one gaining more ground", {CVector(8, -6), CVector(18, 6)}, {}, 0, 3},
      {"the safe one", {CVector(8, -6), CVector(18, 6)}, {CVector(10, 4)}, 0, 2},
  };
  for (const Case &c : cases)
  {
    SCOPED_TRACE(c.what);
    World(c.mates, c.foes);
    const CPlayer *to = brain->PassTarget(c.allowBack);
    ASSERT_EQ(c.expected, to ? to->GetUNum() : 0);
    // The record holds him where the ball goes: a body short of him.
    if (to)
    {
      EXPECT_NEAR(0.3f, to->GetGPos().dist(c.mates[static_cast<size_t>(c.expected - 2)]), 1e-3);
    }
  }
}

// Offside is judged where the receiver stands as the ball is played: a
// forward drifting back from beyond their line, to be met onside by the
// ball, is offside all the same, and so is one standing beyond it behind
// the passer's back.
TEST_F(PassTest, AReceiverStandingBeyondTheirLineIsNoReceiver)
{
  const struct
  {
    const char *what;
    CVector at, velocity;
    bool taken;
  } rows[] = {
      {"onside, drifting back", CVector(28, 0), CVector(-1, 0), true},
      {"beyond, drifting back onside", CVector(31.5f, 0), CVector(-1, 0), false},
      {"beyond, standing", CVector(31.5f, 0), CVector(0, 0), false},
      {"within the line's metre, drifting back", CVector(30.5f, 0), CVector(-1, 0), true},
      {"onside, drifting on beyond", CVector(29.5f, 0), CVector(1, 0), false},
  };
  for (const auto &row : rows)
  {
    SCOPED_TRACE(row.what);
    World({row.at}, {});
    brain->mates[0]->SetVelocity(row.velocity);
    const CPlayer *to = brain->PassTarget(0);
    EXPECT_EQ(row.taken ? 2 : 0, to ? to->GetUNum() : 0);
  }
}

// One chooser answers every passer: the limits of a set play's taker and of
// the goalkeeper narrow the same choice a field player makes in play.
TEST_F(PassTest, ThePassersLimitsNarrowTheOneChoice)
{
  PASSLIMITS inPlay;
  PASSLIMITS setPlay;
  setPlay.backAllowance = 10;
  setPlay.maxDist = 40;
  setPlay.freeRadius = 3;
  setPlay.oneKick = true;
  PASSLIMITS goalie;
  goalie.backAllowance = -10;
  goalie.maxDist = 40;
  goalie.freeRadius = 6;
  struct Case
  {
    const char *what;
    PASSLIMITS limits;
    std::vector<CVector> mates, foes;  // mates numbered 2, 3, ...
    int expected;                      // 0: nobody
  } cases[] = {
      {"in play: the furthest forward", inPlay, {CVector(8, 5), CVector(20, -5)}, {}, 3},
      {"in play: never to our goalkeeper's area", inPlay, {CVector(-48, 0)}, {}, 0},
      {"set play: a marked receiver is none", setPlay, {CVector(15, 0)}, {CVector(16, 2.5f)}, 0},
      {"set play: the free one instead", setPlay, {CVector(15, 0), CVector(-5, 10)},
       {CVector(16, 2.5f)}, 3},
      {"set play: too far behind", setPlay, {CVector(-15, 10)}, {}, 0},
      {"goalkeeper: not far enough up", goalie, {CVector(8, 5)}, {}, 0},
      {"goalkeeper: an opponent 5 m off", goalie, {CVector(20, 5)}, {CVector(20, 10)}, 0},
      {"goalkeeper: well up and free", goalie, {CVector(20, 5)}, {CVector(20, 12)}, 2},
  };
  for (const Case &c : cases)
  {
    SCOPED_TRACE(c.what);
    World(c.mates, c.foes);
    const CPlayer *to = brain->PassTarget(c.limits);
    EXPECT_EQ(c.expected, to ? to->GetUNum() : 0);
  }
  // A ball a metre off the foot: one kick does not carry it 33 m, several
  // do.
  World({CVector(29, 18)}, {});
  Ball(CVector(1, 0));
  EXPECT_EQ(nullptr, brain->PassTarget(setPlay));
  World({CVector(29, 18)}, {});
  Ball(CVector(1, 0));
  EXPECT_NE(nullptr, brain->PassTarget(inPlay));
}

TEST_F(PassTest, ShotsByDistanceAngleAndWhoIsInTheWay)
{
  struct Case
  {
    const char *what;
    CVector me;
    std::vector<CVector> foes;
    bool shot, good, great;
  } cases[] = {
      {"in front, free", CVector(40, 0), {}, true, true, false},
      {"close in", CVector(46, 2), {}, true, true, true},
      {"beyond the good distance", CVector(34, 0), {}, true, false, false},
      {"too far", CVector(20, 0), {}, false, false, false},
      {"beside the goal area", CVector(50, 15), {}, false, false, false},
      {"blocked", CVector(40, 0), {CVector(41.5f, -0.5f), CVector(41.5f, 0.8f)}, false, false, false},
  };
  for (const Case &c : cases)
  {
    SCOPED_TRACE(c.what);
    World({}, c.foes);
    Place(c.me, 0);
    Ball(c.me + CVector(0.5f, 0));
    EXPECT_EQ(c.shot, brain->HaveAShot());
    EXPECT_EQ(c.good, brain->HaveAGoodShot());
    EXPECT_EQ(c.great, brain->HaveAGreatShot());
  }
  // A team-mate's shot beats none of the agent's, not an equal one.
  World({CVector(40, 0)}, {});
  Place(CVector(20, 20), 0);
  EXPECT_TRUE(brain->HasAGoodShot(brain->mates[0]));
  EXPECT_TRUE(brain->HasABetterShot(brain->mates[0]));
  Place(CVector(41, 0), 0);
  EXPECT_FALSE(brain->HasABetterShot(brain->mates[0]));
  // A ball at our goal: crossing the line within the goal area's width and
  // rolling that far.
  const std::pair<CVector, bool> shots[] = {{CVector(-2, 1.4f), true},
                                            {CVector(-2, 1.6f), false},
                                            {CVector(-0.3f, 0), false},
                                            {CVector(2, 0), false}};
  for (const auto &s : shots)
  {
    Ball(CVector(-40, 0), s.first);
    EXPECT_EQ(s.second, brain->IsShot()) << s.first.GetY();
  }
}
TEST_F(PassTest, SendTargetsNoFartherThanTheFarDistance)
{
  config.insert("ClearSend", "Send:FarDistance", "12");
  testing::internal::CaptureStdout();
  brain->Init(config);
  testing::internal::GetCapturedStdout();
  config.insert("ClearSend", "Xoffset", "30");
  brain->m_Target.ImportConfig(config, "ClearSend");
  EXPECT_NEAR(12, brain->SendTarget().GetMag(), 1e-3);
}

// A pass is kicked at the quicker pace a receiver still takes, and was
// reckoned at the slowest: an opponent 8 m off its way was counted at the
// ball before it, and team-mates 12-18 m off were never passed to. At the
// pace it is kicked the ball is there first; one nearer its way still
// gets to it.
TEST_F(PassTest, AReceiverIsReckonedAtThePaceHisPassIsKicked)
{
  // The built-in paces at the receiver: the slowest, and a pass's.
  const float kSlowestPace = 0.5f;
  const float kPassPace = 0.8f;
  const struct
  {
    const char *what;
    CVector foe;
    bool taken;
  } rows[] = {
      {"8.5 m off the way: first at a slow ball, not at the pass", CVector(8, 8.5f), true},
      {"7 m off: at the ball before it either way", CVector(8, 7), false},
      {"far off", CVector(8, 20), true},
  };
  for (const auto &row : rows)
  {
    SCOPED_TRACE(row.what);
    World({CVector(16, 0)}, {row.foe});
    const CPlayer *to = brain->PassTarget(0);
    ASSERT_EQ(row.taken, to != nullptr);
    if (!to)
      continue;
    // The kick gives the pace the pass was reckoned at.
    EXPECT_GE(brain->PassPace(to), kSlowestPace);
    EXPECT_LE(brain->PassPace(to), kPassPace);
  }
  // Near enough for the slow ball to be safe too, the quicker pace is
  // still the one kicked: the safer of the two.
  World({CVector(16, 0)}, {CVector(8, 8.5f)});
  EXPECT_FLOAT_EQ(kPassPace, brain->PassPace(brain->PassTarget(0)));
}

// Pressed, the pass goes in one kick, and from a ball rolling across the
// kicker one kick gives it less than the pass's pace: its risk is the one
// at the pace it gets, and a receiver safe only at the quicker pace is no
// receiver then.
TEST_F(PassTest, AOneKickPassIsReckonedAtThePaceOneKickGives)
{
  PASSLIMITS oneKick;
  oneKick.oneKick = true;
  const struct
  {
    const char *what;
    CVector ballVelocity;
    bool taken;
  } rows[] = {
      {"a ball at rest: one kick gives the pace", CVector(), true},
      {"rolling back and across: one kick gives a slow ball", CVector(-0.9f, 1.2f), false},
      {"rolling across, less: still short of the pace", CVector(-0.6f, 1.5f), false},
  };
  for (const auto &row : rows)
  {
    SCOPED_TRACE(row.what);
    World({CVector(16, 0)}, {CVector(8, 8.5f)});
    Ball(CVector(0.5f, 0), row.ballVelocity);
    // Not pressed, the pass laid over several kicks goes all the same.
    EXPECT_NE(nullptr, brain->PassTarget(0));
    EXPECT_EQ(row.taken, brain->PassTarget(oneKick) != nullptr);
  }
}
}  // namespace

// In matches a carrier pressed from a metre or two never found a pass: the
// presser was given a cycle more than the ball, which one kick sends on its
// way at once, so every receiver counted as lost and the ball went long, to
// be lost nine times in ten. A receiver with an opponent at his side is
// lost whatever the reckoning of the ball's way says.
TEST_F(PassTest, APressedCarrierStillFindsAFreeTeamMateButNotAMarkedOne)
{
  struct Case
  {
    const char *what;
    std::vector<CVector> foes;
    bool passes;
  } cases[] = {
      {"nobody near", {}, true},
      {"pressed from behind", {CVector(-0.8f, 0.5f)}, true},
      {"pressed from the side away from him", {CVector(0.5f, -1.5f)}, true},
      {"pressed, and he is marked", {CVector(-0.8f, 0.5f), CVector(13, 5.5f)}, false},
      {"marked from behind", {CVector(14, 4)}, false},
      {"an opponent 3.5 m off, on the ball's side of him", {CVector(9, 2.5f)}, false},
      {"an opponent 3.5 m off, beyond him", {CVector(15, 5.5f)}, true},
      {"an opponent on the way", {CVector(6, 2.5f)}, false},
  };
  for (const Case &c : cases)
  {
    SCOPED_TRACE(c.what);
    World({CVector(12, 4)}, c.foes);
    const CPlayer *to = brain->PassTarget(0);
    EXPECT_EQ(c.passes ? 2 : 0, to ? to->GetUNum() : 0);
  }
}

// The receiver waits a body beyond the target, so the ball is his only
// from there: an opponent just behind him who gets to the ball in its last
// cycle takes it, and the pass is as risky as can be. A pass back towards
// the centre: beyond is measured along the pass, not from the centre spot.
TEST_F(PassTest, AnOpponentReachingTheBallInItsLastCycleCounts)
{
  const struct
  {
    CVector foe;
    float low, high;
  } rows[] = {
      {CVector(-4, 0), 0.99f, 1},
      {CVector(-3, 0), 0.99f, 1},
      {CVector(-2, 0), 0.3f, 0.9f},
      {CVector(-45, 20), 0, 0.01f},
  };
  for (const auto &row : rows)
  {
    World({}, {row.foe});
    const float risk = brain->PassRisk(CVector(-14.5f, 0), CVector(-5, 0), 1.8f);
    EXPECT_GE(risk, row.low) << row.foe.GetX() << " " << row.foe.GetY();
    EXPECT_LE(risk, row.high) << row.foe.GetX() << " " << row.foe.GetY();
  }
}

// A pass in one kick from a ball rolling across the kicker: one kick turns
// the ball only so far, and a pass it could not turn onto its way went off
// 10 to 60 degrees and was lost more often than not. The receiver the
// rolling ball can be sent to is chosen; one it cannot is none, whatever
// one kick could give a ball at rest.
TEST_F(PassTest, AOneKickPassGoesOnlyWhereTheRollingBallCanBeTurned)
{
  PASSLIMITS oneKick;
  oneKick.oneKick = true;
  oneKick.backAllowance = 10;
  const struct
  {
    const char *what;
    CVector ballVelocity;
    std::vector<CVector> mates;  // numbered 2, 3, ...
    int expected;                // 0: nobody
  } rows[] = {
      {"a ball at rest: the one gaining more", CVector(), {CVector(12, 4), CVector(13, -4)}, 3},
      {"rolling his way: the one it rolls towards", CVector(0, -2.2f), {CVector(12, 4), CVector(12, -4)}, 3},
      {"rolling away from the only one", CVector(0, -2.2f), {CVector(12, 4)}, 0},
      {"rolling away from him, slowly", CVector(0, -0.8f), {CVector(12, 4)}, 2},
      {"rolling at the kicker, hard", CVector(-2.2f, 0), {CVector(20, 2)}, 0},
  };
  for (const auto &row : rows)
  {
    SCOPED_TRACE(row.what);
    World(row.mates, {});
    Ball(CVector(0.5f, 0), row.ballVelocity);
    const CPlayer *to = brain->PassTarget(oneKick);
    EXPECT_EQ(row.expected, to ? to->GetUNum() : 0);
  }
  // What one kick gives along a way: the ball's own motion is added or
  // taken off; none that way when the kick cannot cancel its motion across.
  Ball(CVector(0.5f, 0), CVector(0, -2.2f));
  const float atRest = brain->KickAccelAt(CVector(0.5f, 0), CVector(0, 0));
  EXPECT_GT(brain->OneKickSpeedTowards(CVector(12.5f, -4)), atRest * 0.8f);
  EXPECT_LT(brain->OneKickSpeedTowards(CVector(12.5f, 4)), atRest * 0.4f);
  EXPECT_NEAR(atRest - 2.2f, brain->OneKickSpeedTowards(CVector(0.5f, 12)), 1e-3);
  EXPECT_EQ(0, brain->OneKickSpeedTowards(CVector(0.5f, 0)));
  Ball(CVector(0.5f, 0), CVector(0, -2.9f));
  EXPECT_EQ(0, brain->OneKickSpeedTowards(CVector(12.5f, 0)));
}
