// Where the ball goes when the agent plays it forward: the shot point in
// their goal mouth, sends, crosses and clearances.

#include <cmath>

#include <gtest/gtest.h>

#include "BrainRig.h"
#include "MCDictIniSafe.h"

namespace
{
class BallSendTest : public BrainRig
{
protected:
  // Both scanners' targets the given distances straight ahead.
  void Reach(float send, float offensive)
  {
    MCDictIniSafe dict;
    dict.setsafe(0);
    dict.insert("ClearSend", "Xoffset", static_cast<double>(send));
    dict.insert("OffensiveClearSend", "Xoffset", static_cast<double>(offensive));
    brain->m_Target.ImportConfig(dict, "ClearSend");
    brain->m_OffensiveTarget.ImportConfig(dict, "OffensiveClearSend");
  }

  // The direction and speed the queued kick gives a still ball; for a
  // kick laid over several cycles, the direction of its last kick.
  float KickDir() { return brain->KickPlanRunning() ? brain->m_Kicking.plan.dir : Queue().angle; }
  float KickSpeed() { return Queue().power * brain->CalcKickPowerRate(); }
};

const float POST = 14.02f * 0.956f / 2;

TEST_F(BallSendTest, ShotPointWithoutGoalkeeperUsesTheGapOnTheShootersSide)
{
  Place(CVector(40, 0), 0);
  Ball(CVector(40.5f, 0));
  const CVector shot = brain->ShootPoint(nullptr);
  EXPECT_NEAR(52.5f, shot.GetX(), 1e-3);
  // A y of 0 counts as the negative side: between that post and 2.5 m
  // inside it.
  EXPECT_LT(shot.GetY(), -(POST - 2.5f));
  EXPECT_GT(shot.GetY(), -POST);

  // A goalkeeper within his catch of the shooter changes nothing.
  brain->goalie = Foe(CVector(41.5f, 0));
  brain->foes.clear();
  EXPECT_NEAR(shot.GetY(), brain->ShootPoint(nullptr).GetY(), 1e-4);
}

TEST_F(BallSendTest, ShotPointGoesRoundAFarGoalkeeperOnTheOpenSide)
{
  Ball(CVector(40.5f, 0));
  brain->goalie = Foe(CVector(52, 0));
  Place(CVector(40, 0.5f), 0);
  EXPECT_GT(brain->ShootPoint(nullptr).GetY(), 0);
  Place(CVector(40, 0), 0);
  EXPECT_LT(brain->ShootPoint(nullptr).GetY(), 0);

  // A goalkeeper on the way to the positive post closes that side for
  // either shooter.
  brain->goalie->SetGPos(CVector(40, 0) + Polar2CVector(8, (CVector(52.5f, POST) - CVector(40, 0)).GetDir()));
  EXPECT_LT(brain->ShootPoint(nullptr).GetY(), 0);
  Place(CVector(40, 0.5f), 0);
  EXPECT_LT(brain->ShootPoint(nullptr).GetY(), 0.5f);

  // Both sides closed: the scanner's own window inside the posts.
  brain->goalie->SetGPos(CVector(43, 0));
  const CVector shot = brain->ShootPoint(nullptr);
  EXPECT_NEAR(52.5f, shot.GetX(), 1e-3);
  EXPECT_LE(std::fabs(shot.GetY()), POST);
}

TEST_F(BallSendTest, SendBallShootsWhenNeitherTargetIsWorthIt)
{
  Place(CVector(20, 0), 0);
  Ball(CVector(20.5f, 0));
  // The send target 9.9 m away, the offensive one only 5 m ahead: a shot.
  Reach(9.9f, 5);
  EXPECT_EQ(1, brain->SendBall());
  EXPECT_EQ(2.7f, brain->m_Kicking.plan.speed);
  EXPECT_LT(KickDir(), -1);
  // The offensive target 12 m ahead is kicked to.
  Reach(9.9f, 12);
  EXPECT_EQ(1, brain->SendBall());
  EXPECT_NEAR(0, KickDir(), 1e-2);
  EXPECT_NEAR(11.5f * 0.06f + 0.5f, KickSpeed(), 1e-3);
  // A send target 10 m away is kicked to at once.
  Reach(10.5f, 12);
  EXPECT_EQ(1, brain->SendBall());
  EXPECT_NEAR(10 * 0.06f + 0.5f, KickSpeed(), 1e-3);
}

TEST_F(BallSendTest, OffensiveSendNoHarderThanComesToRestOnTheGoalLine)
{
  Place(CVector(40, 0), 0);
  Ball(CVector(40.5f, 0));
  Reach(20, 20);
  EXPECT_EQ(1, brain->OffensiveSendBall());
  EXPECT_NEAR(0, KickDir(), 1e-2);
  EXPECT_NEAR(12 * 0.06f, KickSpeed(), 1e-3);
}

}  // namespace
