// A marker in front of our goal keeps his man in sight as well as the
// ball. Seen in matches: the marker's world held a man running in at our
// goal as standing in most cycles of the run, since the neck followed the
// ball only, and the lead on the man's run never fired.

#include "MarkerLook.h"

#include <algorithm>
#include <cmath>

#include "CBall.h"
#include "CBehaviours.h"
#include "GoalMarking.h"

namespace
{
// What is this near the edge of the view may fall out of it: the body's
// turn and the man's step are only reckoned.
const float kViewEdgeMargin = 5;
// The man's news this old (cycles) is worth a glance away from the ball:
// a visual comes two cycles in three, so one cycle is only the gap
// between them.
const int kManNewsOld = 2;
// A ball this near may come to the marker before he looks back.
const float kGlanceBallDist = 10;
// Turning the neck by less than this is no different look.
const float kNeckOnTarget = 1;
// A ball not seen for a few cycles is looked for before the man.
const float kBallSureConf = 0.9f;

float Norm(float a) { return std::remainder(a, 360.0f); }
}

bool NeckForBallAndMan(float ball, float man, float viewHalf, float minNeck, float maxNeck,
                       bool glance, float &aim)
{
  const float inside = viewHalf - kViewEdgeMargin;
  if (inside <= 0)
    return false;
  const float apart = Norm(man - ball);
  const float side = apart < 0 ? -1.0f : 1.0f;
  const bool fit = std::fabs(apart) <= 2 * inside;
  if (!fit && !glance)
    return false;
  if (fit && std::fabs(apart) <= inside)
    return false;
  float want = fit ? ball + side * (std::fabs(apart) - inside) : man - side * inside;
  want = std::clamp(Norm(want), minNeck, maxNeck);
  // The neck's limit may leave the man, or in a shared view the ball, out.
  if (std::fabs(Norm(man - want)) > viewHalf)
    return false;
  if (fit && std::fabs(Norm(ball - want)) > viewHalf)
    return false;
  aim = want;
  return true;
}

bool CFieldRules::KeepMyManInView()
{
  const ActionState state = m_Brain.GetActionState();
  if (state == AS_WITH_BALL || state == AS_CHASE_BALL || state == AS_TAKE_SET_PLAY)
    return false;
  const CBall *ball = m_Brain.M2BReadBall();
  if (!m_Brain.BallPositionValid() || ball->GetConf() < kBallSureConf)
    return false;
  const CPlayer *man = m_Brain.OpponentIMark();
  const CVector goal(-m_Brain.m_PitchLength / 2, 0);
  if (!man || man->GetGPos().dist(goal) > kGoalDangerDist)
    return false;
  const bool old = m_Brain.GetTime() - man->GetTime() >= kManNewsOld;
  const bool glance = old && m_Brain.GetGPos().dist(ball->GetGPos()) >= kGlanceBallDist;
  const float ballDir =
      m_Brain.PredRelAngle2PointFromBodyWithQueuedAction(m_Brain.BallPredPosWithQueuedActions());
  const float manDir =
      m_Brain.PredRelAngle2PointFromBodyWithQueuedAction(man->GetGPos() + man->GetVelocity());
  float aim = 0;
  if (!NeckForBallAndMan(ballDir, manDir, m_Brain.GetViewAngle(), static_cast<float>(m_Brain.m_MinNeckAng),
                         static_cast<float>(m_Brain.m_MaxNeckAng), glance, aim))
    return false;
  const float head = m_Brain.GetSB().head_angle;
  if (std::fabs(Norm(aim - head)) >= kNeckOnTarget)
    m_Brain.TurnNeck(Norm(aim - head));
  return true;
}
