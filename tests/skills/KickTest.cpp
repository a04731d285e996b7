// The ball skills the brain's behaviours rest on: the kick power rate,
// straight kicks and kicks to a point, spin kicks about the body, passes,
// the breakaway cone and the target scanners.

#include <cmath>

#include <gtest/gtest.h>

#include "BrainRig.h"

namespace
{
using KickTest = BrainRig;

// Where the ball is one cycle after the queued kick.
CVector BallAfterKick(CBehaviours &brain, const ACTIONQUEUE &q, CVector ball, CVector velocity,
                      float facing)
{
  const float rate = brain.CalcKickPowerRate();
  return ball + velocity + Polar2CVector(q.power * rate, q.angle + facing);
}

TEST_F(KickTest, PowerRateFallsWithTheBallsDistanceAndAngleAndIsNeverNegative)
{
  EXPECT_FLOAT_EQ(0.016f, brain->CalcKickPowerRate(0.3f + 0.085f, 0));
  // Nearer than touching counts as touching.
  EXPECT_FLOAT_EQ(0.016f, brain->CalcKickPowerRate(0.1f, 0));
  EXPECT_NEAR(0.016f * (1 - 0.125f - 0.25f * 0.695f / 0.7f), brain->CalcKickPowerRate(1.08f, -90), 1e-6);
  EXPECT_FLOAT_EQ(0, brain->CalcKickPowerRate(1.1f, 0));
  EXPECT_FLOAT_EQ(0, brain->CalcKickPowerRate(5, 180));
  EXPECT_FLOAT_EQ(0, brain->GetPrevKickPowerRate());
  // The rate for the ball where it lies, remembered for the replay.
  Ball(CVector(0, 0.385f));
  EXPECT_NEAR(0.016f * (1 - 0.125f), brain->CalcKickPowerRate(), 1e-6);
  EXPECT_NEAR(0.016f * (1 - 0.125f), brain->GetPrevKickPowerRate(), 1e-6);
}

TEST_F(KickTest, KickBallAimsAtThePointWithTheSpeedCappedAtTheMaximum)
{
  Ball(CVector(0.5f, 0));
  EXPECT_FLOAT_EQ(10 * (1 - 0.94f) + 0.5f, brain->Point2KickVelocity(CVector(10.5f, 0), 0.5f));
  EXPECT_EQ(1, brain->KickBall(CVector(0.5f, 10), 1.0f));
  ACTIONQUEUE q = Queue();
  EXPECT_NEAR(90, q.angle, 1e-3);
  EXPECT_NEAR(1.0f / brain->CalcKickPowerRate(), q.power, 1e-2);
  // Five metres a cycle asks too much: the kick is the hardest there is.
  EXPECT_EQ(1, brain->KickBall(CVector(0.5f, 10), 5.0f));
  EXPECT_FLOAT_EQ(100, Queue().power);
  // Out of reach nothing is queued.
  Ball(CVector(3, 0));
  const int before = Queue().command;
  EXPECT_EQ(0, brain->KickBall(CVector(10, 0), 1.0f));
  EXPECT_EQ(before, Queue().command);
}

TEST_F(KickTest, SpinToTurnsTheBallAQuarterAtMostAndAwayFromTheOpponent)
{
  Ball(CVector(0.7f, 0));
  EXPECT_EQ(SPIN_THERE, brain->SpinTo(0, ROTDIR_AWAY));
  EXPECT_EQ(-999, Queue().time);

  EXPECT_EQ(SPIN_KICKED, brain->SpinTo(60, ROTDIR_SHORTEST));
  CVector after = BallAfterKick(*brain, Queue(), CVector(0.7f, 0), CVector(), 0);
  EXPECT_NEAR(0.7f, after.GetMag(), 1e-3);
  EXPECT_NEAR(60, after.GetDir(), 0.1);

  // Behind the body with an opponent on the positive side: round the
  // negative side, a quarter turn this cycle.
  Foe(CVector(0, 5));
  EXPECT_EQ(SPIN_KICKED, brain->SpinTo(180, ROTDIR_AWAY));
  after = BallAfterKick(*brain, Queue(), CVector(0.7f, 0), CVector(), 0);
  EXPECT_NEAR(-90, after.GetDir(), 0.1);
  brain->foes.clear();
  Foe(CVector(0, -5));
  EXPECT_EQ(SPIN_KICKED, brain->SpinTo(180, ROTDIR_AWAY));
  after = BallAfterKick(*brain, Queue(), CVector(0.7f, 0), CVector(), 0);
  EXPECT_NEAR(90, after.GetDir(), 0.1);
}

TEST_F(KickTest, BreakawayConeNeverWidensBeyondItsLeastDistance)
{
  CPlayer *far = Foe(CVector(-12.5f, 0));
  EXPECT_NEAR(9.16f / 40, brain->TheirBreakawayConeRatio(far), 1e-5);
  CPlayer *near = Foe(CVector(-50, 0));
  EXPECT_NEAR(9.16f / 12, brain->TheirBreakawayConeRatio(near), 1e-5);
  CPlayer *onGoal = Foe(CVector(-52.5f, 0));
  EXPECT_NEAR(9.16f / 12, brain->TheirBreakawayConeRatio(onGoal), 1e-5);
}

TEST_F(KickTest, ScannersChooseTheFreestDirectionAndKeepTargetsOnThePitch)
{
  // Nobody about: straight ahead.
  EXPECT_NEAR(0, brain->ClearTarget().GetDir(), 1e-3);
  EXPECT_NEAR(1, brain->ClearTarget().GetMag(), 1e-5);
  // An opponent straight ahead: to one side, as far from him as the window
  // allows.
  Foe(CVector(10, 0));
  EXPECT_NEAR(90, std::fabs(brain->ClearTarget().GetDir()), 1e-3);
  brain->foes.clear();

  // The send target twenty metres ahead, but on the pitch.
  EXPECT_NEAR(20, brain->SendTarget().GetX(), 1e-3);
  Place(CVector(45, 0), 0);
  EXPECT_NEAR(52.5f, brain->SendTarget().GetX(), 1e-3);
  // The offensive target stops five metres short of their goal line.
  EXPECT_NEAR(47.5f, brain->OffensiveSendTarget().GetX(), 1e-3);
}

TEST_F(KickTest, ShorterFormsTakeTheConfiguredDefaultsAndTheLastRequest)
{
  EXPECT_TRUE(brain->IsSuccessRes(INTERCEPT_RUNNING) && brain->IsSuccessRes(INTERCEPT_DONE));
  EXPECT_FALSE(brain->IsSuccessRes(INTERCEPT_TOO_LATE) || brain->IsSuccessRes(5));

  // The hold radius is the spin kick's own: a ball near it needs no kick.
  Ball(CVector(0.85f, 0));
  EXPECT_EQ(SPIN_THERE, brain->SpinKick(0, ROTDIR_AWAY, true, nullptr));
  // The mode is chosen for the direction relative to the body.
  Place(CVector(0, 0), 90);
  EXPECT_EQ(KICKMODE_STRAIGHT, brain->BestMode(0));
  EXPECT_EQ(KICKMODE_SPIN, brain->BestMode(120));
  Place(CVector(0, 0), 0);

  // A pass arrives with the configured speed.
  Ball(CVector(0.5f, 0));
  CPlayer *mate = Mate(CVector(10.5f, 0));
  brain->PassBall(mate, 0.8f);
  const float wanted = Queue().power;
  brain->PassBall(mate, 0.5f);
  brain->PassBall(mate);
  EXPECT_FLOAT_EQ(wanted, Queue().power);

  // The last smart kick and the last dribble are carried on.
  brain->SmartKickAbs(-90, KICKMODE_STRAIGHT, 1, ROTDIR_AWAY);
  brain->Dash(50);
  EXPECT_EQ(1, brain->SmartKickAbs());
  EXPECT_EQ(CMD_KICK, Queue().command);
  EXPECT_NEAR(-90, Queue().angle, 1e-3);
  brain->CleverDribbleTo(CVector(0.5f, 20), 2, 1);
  brain->Dash(50);
  EXPECT_EQ(1, brain->CleverDribbleTo());
  EXPECT_NEAR(90, Queue().angle, 0.01);
  // Within min_dist_to_point of the target the dribble has arrived.
  EXPECT_EQ(0, brain->CleverDribbleTo(CVector(0.9f, 0), 2));
  EXPECT_EQ(1, brain->CleverDribbleTo(CVector(0.9f, 0), 2, 0.5f));

  // The ball's path counts as reached within min_dist_to_point.
  Ball(CVector(-10, 0.8f), CVector(2, 0));
  EXPECT_EQ(1, brain->BallPathInterceptValid());
  EXPECT_EQ(1, brain->BallPathInterceptAmIThere());
  Place(CVector(0, -0.5f), 0);
  EXPECT_EQ(0, brain->BallPathInterceptAmIThere());
}
}  // namespace
