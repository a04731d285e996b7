#include "CMemory.h"

#include <algorithm>
#include <cmath>

#include "CBall.h"
#include "Geometry.h"
#include "Predict.h"
#include "Sensed.h"

namespace
{
// How far beyond our body's edge the server may report a ball that lies
// on it: distances this near are rounded to a tenth of a metre after the
// log step, so a ball at 0.385 m is seen anywhere up to 0.45 m.
const float kEdgeRounding = 0.07f;

// How near the straight way from `from` to `to` passes `point`.
float PathPassesAt(CVector from, CVector to, CVector point)
{
  const CVector way = to - from;
  const float length2 = way.GetMag2();
  if (!(length2 > 0))
    return point.dist(to);
  const CVector off = point - from;
  const float along = std::clamp((off.GetX() * way.GetX() + off.GetY() * way.GetY()) / length2, 0.0f, 1.0f);
  return point.dist(from + way * along);
}

// The entries of the agent's kick ring sent in cycle `since` or later, newest
// first. The walk ends at the first older entry, and never reaches the
// write slot: that slot holds the oldest kick, and leaving it out keeps the
// walks back and forth over the same entries when all seven are recent.
// Returns the slot where the walk stopped; the replay forward starts after it.
template <typename Visit>
int WalkBackKicks(const CBall &ball, int since, Visit visit)
{
  const int write = ball.GetPastKickIdx();
  int slot = CBall::PastKickDec(write);
  while (slot != write && ball.GetPastKickTime(slot) >= since)
  {
    visit(slot);
    slot = CBall::PastKickDec(slot);
  }
  return slot;
}
}

void CMemory::PositionBasedVelocityEstimation4Ball()
{
  CBall &ball = m_Ball;
  const int t = GetTime();
  if (ball.GetTime() != t)
    return;

  const CVector me = m_GPos;
  const bool velocityValidAtEntry = ball.GetPositionValid() && ball.GetVelocityValid();
  const CVector expectedPos = ball.GetEGPos();
  const CVector expectedVel = ball.GetEVelocity();
  const bool corrected = m_GPosCorrTime == t;
  // The server sends the ball's change only when it sees it well enough.
  const bool changeSeen = Sensed(ball.GetDistChng());
  bool pending = false;
  bool kickRemoved = false;
  bool reckonedHolds = velocityValidAtEntry;
  CVector removedKick;

  if (!changeSeen)
  {
    // Back to the velocity of the previous cycle, before our own kick of it.
    if (m_BallDecay > 0)
      ball.SetVelocity(ball.GetVelocity() / m_BallDecay);
    WalkBackKicks(ball, ball.GetPrevSeenTime(), [&](int slot) {
      if (ball.GetPastKickTime(slot) == t - 1)
      {
        removedKick = ball.GetPastKickEff(slot);
        ball.SetVelocity(ball.GetVelocity() - removedKick);
        kickRemoved = true;
      }
    });
    pending = true;
  }

  if (!changeSeen && velocityValidAtEntry && corrected)
  {
    // Ball positions of earlier cycles were computed from our uncorrected
    // position.
    const CVector reckoned = expectedPos + m_GPosCorr;
    if (reckoned.dist(me) < m_PlayerSize + m_BallSize)
    {
      ball.SetVelocity(expectedVel * -Predict::kBounceKept);
      // Still valid after one more cycle's decay, invalid after two.
      ball.SetVelConf(m_MobConfThr / (m_MobConfDrop * m_MobConfDrop * m_MobConfDrop) + m_Epsilon);
      ball.SetUsePosBasedVelEst(false);
      ball.SetUsePosBasedVelEstTime(t);
      SetLastCollisionTime(t);
      reckonedHolds = false;
      pending = false;
      kickRemoved = false;
    }
    else
    {
      // How far the sighting may lie from the reckoned position: the
      // server's quantisation of distance and of direction (half a degree),
      // and the noise added to the ball's motion since the last visual.
      const float r = ball.GetRMag();
      const float q = r * m_QuantizeFactor / 2.0f;
      const float tanHalfDegree = std::tan(0.5f * static_cast<float>(kDegToRad));
      const float a = tanHalfDegree * (r - q);
      const float b = tanHalfDegree * (r + q);
      const float error = std::sqrt(a * a + q * q) + std::sqrt(b * b + q * q) +
                          static_cast<float>(m_LastVisualInterval) * std::sqrt(2.0f) *
                              m_BallRand * ball.GetVelocity().GetMag();
      const CVector miss = ball.GetGPos() - reckoned;
      if (m_BallVelInvalidationFactor * error < miss.GetMag())
      {
        reckonedHolds = false;
        ball.SetVelConf(0);
        if (ball.GetUsePosBasedVelEst() || ball.GetUsePosBasedVelEstTime() != t)
        {
          ball.SetUsePosBasedVelEst(t - ball.GetPrevSeenTime() == 1);
          ball.SetUsePosBasedVelEstTime(t);
        }
      }
    }
  }

  const float observedBound = Exp(m_MobConfDrop, 6);
  const int since = ball.GetPrevSeenTime();
  const int interval = t - since;
  // A previous sighting at cycle 0 is none: visuals of cycle 0 never reach
  // the model, so the first visual would otherwise take the ball to have
  // stood at the centre spot. interval is at least 1 when a single visual a
  // cycle reaches us; a repeat within one cycle has nothing to divide by.
  if (ball.GetPositionValid() && ball.GetVelConf() < observedBound &&
      ball.GetRMag() <= m_FeelDistance && since > 0 && since >= GetPreviousVisualTime() &&
      interval >= 1 &&
      (ball.GetUsePosBasedVelEst() || ball.GetUsePosBasedVelEstTime() != t))
  {
    const float decay = m_BallDecay;
    CVector kicks(0, 0);
    const int stop = WalkBackKicks(ball, since, [&](int slot) {
      kicks += ball.GetPastKickEff(slot) * SumGeomSeries(1, decay, t - ball.GetPastKickTime(slot));
    });
    const CVector previous = corrected ? ball.GetPrevGPos() + m_GPosCorr : ball.GetPrevGPos();
    CVector v = (ball.GetGPos() - previous - kicks) / SumGeomSeries(1, decay, interval);

    // Forward again from the previous sighting, one kick a cycle at most.
    const int write = ball.GetPastKickIdx();
    int slot = CBall::PastKickInc(stop);
    for (int k = since; k <= t - 1; k++)
    {
      if (slot != write && ball.GetPastKickTime(slot) == k)
      {
        v += ball.GetPastKickEff(slot);
        slot = CBall::PastKickInc(slot);
      }
      v *= decay;
    }
    // A ball seen at the edge of our body whose way from its last sighting
    // ran into us bounced off us: the server parts the two and leaves the
    // ball a tenth of its speed, turned round. Taken for the speed of its
    // way there, a ball at our feet was reckoned a metre off a cycle later,
    // and turned after instead of kicked. The way ran into us when it, or
    // its like once more, passes through our body: the server puts a ball
    // it stopped back at the edge, short of us. A ball that came that way
    // and stopped at the edge by itself is rarer than one that hit us, and
    // is at our feet either way. A way shorter than our body is the
    // sightings' own scatter about a ball at our feet.
    const CVector seen = ball.GetGPos();
    if (ball.GetRMag() <= m_CollisionDistance + kEdgeRounding &&
        seen.dist(previous) >= m_CollisionDistance &&
        PathPassesAt(previous, seen + (seen - previous), me) < m_CollisionDistance)
    {
      v = v * -Predict::kBounceKept;
      SetLastCollisionTime(t);
    }
    ball.SetVelocity(v);
    ball.SetVelConf(1);
    pending = false;
    kickRemoved = false;
  }

  if (pending)
  {
    CVector v = ball.GetVelocity();
    if (kickRemoved)
      v += removedKick;
    ball.SetVelocity(v * m_BallDecay);
  }

  BlendFarBall(reckonedHolds, changeSeen,
               corrected ? expectedPos + m_GPosCorr : expectedPos, expectedVel);

  if (ball.GetTime() > ball.GetPrevSeenTime())
  {
    ball.SetPrevSeenTime(t);
    ball.SetPrevGPos(ball.GetGPos());
  }
}

// Beyond the feel distance the server's rounding of the distance (5% of it)
// outweighs what a rolling ball strays from its reckoned path, so the
// sighting is blended with the reckoning, each weighed by its doubt. Nearer,
// where kicks are decided on the ball's exact place, the sighting stands as
// it is, and the track starts afresh from it.
void CMemory::BlendFarBall(bool reckoned, bool changeSeen, CVector reckonedPos,
                           CVector reckonedVel)
{
  CBall &ball = m_Ball;
  const int t = GetTime();
  const float distance = ball.GetRMag();
  const CVector along = (ball.GetGPos() - m_GPos).Normalise();
  // A heard ball is the teller's reckoning, with its own errors, not a
  // sighting of ours.
  if (!reckoned || distance <= m_FeelDistance || ball.GetHeardTime() == t)
  {
    m_BallTrack.Restart(t, distance, along, changeSeen);
    return;
  }
  CVector pos;
  CVector vel;
  if (!m_BallTrack.Blend(t, reckonedPos, reckonedVel, ball.GetGPos(), ball.GetVelocity(),
                         changeSeen, distance, along, pos, vel))
    return;
  ball.SetGPos(pos);
  ball.SetVelocity(vel);
  ball.SetRPos(pos.Global2Relative(m_GPos, m_Facing));
  ball.UpdateRBPos(m_GPos, m_BFacing, t);
}
