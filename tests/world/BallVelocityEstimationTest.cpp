#include <gtest/gtest.h>

#include "WorldFixture.h"

namespace
{
// We stand at (0, -2) looking along x; the ball is seen without the server's
// change information unless a test says otherwise.
class BallVelocityTest : public WorldFixture
{
protected:
  void SetUp() override
  {
    WorldFixture::SetUp();
    M().SetGPos(CVector(0, -2));
  }

  // A visual in cycle t, opening the cycle when it is a new one.
  void Open(int t)
  {
    while (M().GetTime() < t)
      NewCycles(1);
    M().SetLastVisualInterval(t - M().GetLastVisualTime());
    M().SetLastVisualTime(t);
  }

  void Visual(int t, CVector ball)
  {
    Open(t);
    SeeBall(ball);
    M().PositionBasedVelocityEstimation4Ball();
  }

  // A visual in cycle 50 from (0, 0), with a known velocity, our position
  // corrected by it and the ball seen in the previous one.
  void CorrectedVisual(CVector ball, CVector correction)
  {
    M().SetTime(50);
    M().SetGPos(CVector(0, 0));
    M().SetLastVisualInterval(1);
    M().SetLastVisualTime(50);
    M().SetGPosCorr(correction);
    M().SetGPosCorrTime(50);
    SeeBall(ball, CVector(0, 0));
    Ball().SetPrevSeenTime(49);
  }

  void ExpectVelocity(float x, float y)
  {
    EXPECT_NEAR(Ball().GetVelocity().GetX(), x, 1e-4);
    EXPECT_NEAR(Ball().GetVelocity().GetY(), y, 1e-4);
  }
};
}

TEST_F(BallVelocityTest, TwoNearSightingsInSuccessiveVisualsGiveTheVelocity)
{
  Visual(10, CVector(0, 0));
  EXPECT_EQ(Ball().GetPrevSeenTime(), 10);
  Visual(11, CVector(1, 0));
  ExpectVelocity(0.94f, 0);
  EXPECT_EQ(Ball().GetVelConf(), 1);
  EXPECT_FLOAT_EQ(Ball().GetPrevGPos().GetX(), 1);
}

TEST_F(BallVelocityTest, OurOwnKickBetweenTheSightingsIsAllowedFor)
{
  Visual(10, CVector(0, 0));
  M().SetPastKick(CVector(1, 0), 10);
  Visual(11, CVector(1, 0));
  ExpectVelocity(0.94f, 0);
}

// The first visual has no previous sighting; one at cycle 0 would be taken
// for a ball that stood at the centre spot.
TEST_F(BallVelocityTest, NoEstimateWithoutAnEarlierSighting)
{
  Visual(3, CVector(1, 0));
  EXPECT_EQ(Ball().GetVelConf(), 0);
  // A second call in one cycle has no interval to divide by.
  M().PositionBasedVelocityEstimation4Ball();
  EXPECT_EQ(Ball().GetVelConf(), 0);
  ExpectVelocity(0, 0);
}

// A ball 10 m away whose dead-reckoned position, our position corrected in
// this visual, lies 2.0 or 2.1 m from the sighting: the bound is 2 x 1.0156.
TEST_F(BallVelocityTest, ASightingFarFromTheReckonedBallInvalidatesTheVelocity)
{
  for (const float miss : {2.0f, 2.1f})
  {
    CorrectedVisual(CVector(10, 0), CVector(0, 0));
    Ball().SetEGPos(CVector(10, miss));
    M().PositionBasedVelocityEstimation4Ball();
    EXPECT_EQ(Ball().GetVelocityValid(), miss < 2.05f) << miss;
  }
  EXPECT_TRUE(Ball().GetUsePosBasedVelEst());
  EXPECT_EQ(Ball().GetUsePosBasedVelEstTime(), 50);
}

TEST_F(BallVelocityTest, AReckonedBallInsideUsIsACollision)
{
  CorrectedVisual(CVector(1, 0), CVector(0.1f, 0));
  Ball().SetEGPos(CVector(0.2f, 0));
  Ball().SetEVelocity(CVector(0.5f, 0));
  M().PositionBasedVelocityEstimation4Ball();
  // Near, with its previous sighting in the previous visual, yet not
  // estimated from positions in this cycle.
  ExpectVelocity(-0.05f, 0);
  EXPECT_NEAR(Ball().GetVelConf(), 0.4503f, 1e-4);
  EXPECT_FALSE(Ball().GetUsePosBasedVelEst());
  EXPECT_EQ(Calls().Matching("brain.SetLastCollisionTime"),
            std::vector<std::string>{"brain.SetLastCollisionTime 50"});
}

// As in a match: the ball seen rolling at us, then a large turn; it is
// felt, behind us, where someone stopped it 2.1 m away, far from where its
// old velocity had it. The next cycle finds it there, not at our feet.
TEST_F(BallVelocityTest, ABallFeltFarFromItsReckoningIsNotSentOnByTheOldVelocity)
{
  Open(297);
  SeeBall(CVector(1.0f, -6.0f), CVector(-0.4f, 1.7f));
  Ball().SetPrevSeenTime(297);
  Open(299);
  M().SetGPosCorr(CVector(0, 0));
  M().SetGPosCorrTime(299);
  SeeBall(CVector(1.1f, -4.0f));
  M().PositionBasedVelocityEstimation4Ball();
  EXPECT_FALSE(Ball().GetVelocityValid());

  NewCycles(1);
  EXPECT_NEAR(Ball().GetGPos().dist(M().GetGPos()), 2.28f, 0.01f);
}

// The server parts a ball that ran into us from our body and leaves it a
// tenth of its speed, turned round; taken for the speed of its way there,
// a ball at our feet was reckoned a metre off a cycle later (a match's
// carrier kicked the ball across himself, felt it at 0.4 m, and turned
// after it). Only a way that ran through us, to a ball at our body's edge,
// is a bounce.
TEST_F(BallVelocityTest, ABallSeenAtOurBodyAfterAWayThroughUsBouncedOffUs)
{
  const struct
  {
    const char *name;
    CVector before, now;  // sightings a cycle apart; we stand at (0, -2)
    CVector velocity;
    bool bumped;
  } rows[] = {
      {"kicked through us, felt at our edge", CVector(-0.1f, -2.4f), CVector(0.1f, -1.6f),
       CVector(-0.0188f, -0.0752f), true},
      {"run into us head on", CVector(1.2f, -2), CVector(0.39f, -2), CVector(0.0761f, 0), true},
      {"rolled past us at our edge", CVector(-0.4f, -1.6f), CVector(0.4f, -1.6f),
       CVector(0.752f, 0), false},
      {"came to our edge without reaching us", CVector(1.2f, -2), CVector(0.8f, -2),
       CVector(-0.376f, 0), false},
      {"through us, but seen well clear of us", CVector(-0.5f, -2), CVector(0.6f, -2),
       CVector(1.034f, 0), false},
      {"scatter about a still ball at our feet", CVector(0.39f, -2.02f), CVector(0.38f, -1.95f),
       CVector(-0.0094f, 0.0658f), false},
  };
  int t = 100;
  for (const auto &row : rows)
  {
    t += 10;
    Visual(t, row.before);
    // Its motion unknown before: the two sightings alone tell it.
    Ball().SetVelConf(0);
    Calls().Clear();
    Visual(t + 1, row.now);
    EXPECT_NEAR(Ball().GetVelocity().GetX(), row.velocity.GetX(), 1e-4) << row.name;
    EXPECT_NEAR(Ball().GetVelocity().GetY(), row.velocity.GetY(), 1e-4) << row.name;
    EXPECT_EQ(row.bumped, !Calls().Matching("brain.SetLastCollisionTime").empty()) << row.name;
  }
}
