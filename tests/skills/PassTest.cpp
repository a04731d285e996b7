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

  CPlayer *Numbered(CVector pos, int unum)
  {
    CPlayer *p = Mate(pos);
    p->SetUNum(unum);
    return p;
  }
};

TEST_F(PassTest, RiskGrowsAsOpponentsCanGetAtTheBall)
{
  const CVector from(0.5f, 0);
  const CVector to(15, 0);
  const float speed = 14.5f * 0.06f + 0.5f;
  EXPECT_FLOAT_EQ(0, brain->PassRisk(from, to, speed));
  // Too slow to get there alive.
  EXPECT_FLOAT_EQ(1, brain->PassRisk(from, to, 0.6f));
  Foe(CVector(12, 9));
  const float far = brain->PassRisk(from, to, speed);
  brain->foes.clear();
  Foe(CVector(12, 6));
  const float nearer = brain->PassRisk(from, to, speed);
  EXPECT_GT(far, 0);
  EXPECT_LT(far, nearer);
  // One on the line takes it.
  Foe(CVector(6, 0.5f));
  EXPECT_FLOAT_EQ(1, brain->PassRisk(from, to, speed));
}

TEST_F(PassTest, TheReceiverIsSafeInRangeOnsideAndForwardUnlessBackIsAllowed)
{
  struct Case
  {
    const char *what;
    std::vector<CVector> mates;  // numbered 2, 3, ...
    std::vector<CVector> foes;
    int allowBack;
    int expected;  // uniform number, 0 none
  } cases[] = {
      {"free, ahead", {CVector(15, 0)}, {}, 0, 2},
      {"an opponent on the way", {CVector(15, 0)}, {CVector(7, 0.5f)}, 0, 0},
      {"an opponent far off the way", {CVector(15, 0)}, {CVector(8, 14)}, 0, 2},
      {"too near to pass to", {CVector(3, 0)}, {}, 0, 0},
      {"offside", {CVector(35, 0)}, {}, 0, 0},
      {"behind, in midfield", {CVector(-10, 5)}, {}, 0, 0},
      {"behind, allowed", {CVector(-10, 5)}, {}, 1, 2},
      {"the one gaining more ground", {CVector(8, -6), CVector(18, 6)}, {}, 0, 3},
      {"the safe one", {CVector(8, -6), CVector(18, 6)}, {CVector(10, 4)}, 0, 2},
  };
  int time = 100;
  for (const Case &c : cases)
  {
    SCOPED_TRACE(c.what);
    agent->SetTime(++time);
    brain->mates.clear();
    brain->foes.clear();
    int unum = 2;
    for (const CVector &m : c.mates)
      Numbered(m, unum++);
    for (const CVector &f : c.foes)
      Foe(f);
    const CPlayer *to = brain->PassTarget(c.allowBack);
    EXPECT_EQ(c.expected, to ? to->GetUNum() : 0);
    if (to)
    {
      // The record holds him where the ball is sent, a body short of him.
      EXPECT_NEAR(0.3f, to->GetGPos().dist(c.mates[static_cast<size_t>(c.expected - 2)]), 1e-3);
      EXPECT_LT(brain->ReceiverInfo(c.expected).risk, 0.7f);
    }
  }
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
      {"blocked", CVector(40, 0), {CVector(41.5f, -0.5f), CVector(41.5f, 0.8f)}, false, false,
       false},
  };
  for (const Case &c : cases)
  {
    SCOPED_TRACE(c.what);
    brain->foes.clear();
    for (const CVector &f : c.foes)
      Foe(f);
    Place(c.me, 0);
    Ball(c.me + CVector(0.5f, 0));
    EXPECT_EQ(c.shot, brain->HaveAShot());
    EXPECT_EQ(c.good, brain->HaveAGoodShot());
    EXPECT_EQ(c.great, brain->HaveAGreatShot());
  }
  // A team-mate's shot, and whether it beats the agent's.
  brain->foes.clear();
  Place(CVector(20, 20), 0);
  CPlayer *mate = Numbered(CVector(40, 0), 7);
  EXPECT_TRUE(brain->HasAShot(mate));
  EXPECT_TRUE(brain->HasAGoodShot(mate));
  EXPECT_TRUE(brain->HasABetterShot(mate));
  Place(CVector(41, 0), 0);
  EXPECT_FALSE(brain->HasABetterShot(mate));
}

TEST_F(PassTest, AShotAtOurGoalCrossesTheLineNearItAndGetsThere)
{
  struct Case
  {
    CVector vel;
    bool shot;
  } cases[] = {
      {CVector(-2, 0), true},
      {CVector(-2, 1.4f), true},
      {CVector(-2, 1.6f), false},
      {CVector(-0.3f, 0), false},
      {CVector(2, 0), false},
  };
  for (const Case &c : cases)
  {
    Ball(CVector(-40, 0), c.vel);
    EXPECT_EQ(c.shot, brain->IsShot()) << c.vel.GetX() << " " << c.vel.GetY();
  }
}
}  // namespace
