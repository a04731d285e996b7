#include <gtest/gtest.h>

#include <cmath>

#include "Geometry.h"
#include "WorldFixture.h"

namespace
{
// We stand still at (0, 0) looking along x and see the ball every cycle
// with the server's change information, its distance off by the server's
// rounding (up to 5% either way) as a row gives it.
class BallTrackTest : public WorldFixture
{
protected:
  CVector m_Ball;
  CVector m_BallVelocity;

  void SetUp() override
  {
    WorldFixture::SetUp();
    M().SetGPos(CVector(0, 0));
    M().SetFacing(0);
    M().SetBFacing(0);
    M().SetVelocity(CVector(0, 0));
    M().SetTime(100);
  }

  // The next cycle: the true ball rolls on, the model reckons, and a visual
  // reports the ball with its distance scaled by (1 + distanceError).
  void Cycle(float distanceError)
  {
    NewCycles(1);
    m_Ball = m_Ball + m_BallVelocity;
    m_BallVelocity = m_BallVelocity * 0.94f;
    Visual(distanceError);
  }

  void Visual(float distanceError)
  {
    const int t = M().GetTime();
    M().SetLastVisualInterval(1);
    M().SetLastVisualTime(t);
    const float d = m_Ball.GetMag();
    const CVector e = m_Ball / d;
    const float towards = m_BallVelocity.GetX() * e.GetX() + m_BallVelocity.GetY() * e.GetY();
    const float across = -m_BallVelocity.GetX() * e.GetY() + m_BallVelocity.GetY() * e.GetX();
    M().SetBall(t, d * (1 + distanceError), m_Ball.GetDir(), towards,
                static_cast<float>(across / d / kDegToRad), 0);
    M().UpdateGlobals();
    M().PositionBasedVelocityEstimation4Ball();
  }

  float PlaceError() { return Ball().GetGPos().dist(m_Ball); }
};
}

// A ball 20-30 m off was placed wherever each sighting put it, a metre off
// and more, though it rolled straight on: the goalkeeper saw a shot's path
// jump about from cycle to cycle. Blended with the reckoning, it keeps to
// its path; a kick by someone else is followed at once, and a ball within
// the feel distance, where kicks are decided, is taken as seen.
TEST_F(BallTrackTest, AFarBallKeepsToItsPathAndFollowsAKickAtOnce)
{
  const float errors[] = {0.045f, -0.04f, 0.03f, -0.045f, 0.04f, -0.03f, 0.045f, -0.04f};

  // Rolling straight, 30 m out and coming across.
  m_Ball = CVector(30, -6);
  m_BallVelocity = CVector(-1.2f, 1.0f);
  Visual(0);
  float raw = 0;
  float blended = 0;
  for (float error : errors)
  {
    Cycle(error);
    raw += std::fabs(error) * m_Ball.GetMag();
    blended += PlaceError();
  }
  EXPECT_LT(blended, 0.5f * raw) << "rolling straight";
  EXPECT_LT(PlaceError(), 0.6f) << "rolling straight, last sighting";

  // Someone kicks it back the way it came: the next sighting is taken as it
  // is, not pulled towards where the old velocity would have the ball.
  m_BallVelocity = CVector(1.8f, -0.4f);
  Cycle(0.0f);
  EXPECT_LT(PlaceError(), 0.05f) << "kicked";
  EXPECT_LT((Ball().GetVelocity() - m_BallVelocity).GetMag(), 0.05f) << "kicked";

  // Near us, the sighting stands.
  m_Ball = CVector(2, 0.5f);
  m_BallVelocity = CVector(-0.3f, 0);
  NewCycles(1);
  Visual(0.04f);
  EXPECT_NEAR(Ball().GetGPos().GetMag(), m_Ball.GetMag() * 1.04f, 1e-3) << "near";
}
