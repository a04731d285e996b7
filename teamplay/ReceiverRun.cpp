// Their pass on its way: who of us goes to meet the man it is for. Seen in
// matches: when their pass left, the one of us who ran was the one who got
// soonest to the ball's path, often near the passer and far from the man
// who took it; the man nearest the receiver kept his place or his mark, 5-10
// m off, and the receiver turned and played on before anyone came near.
// Four times in ten one of us could have stood goal-side of him as he took
// the ball. The one nearest him now runs to meet him as well; the one on
// the ball's path still goes for it (in place of him, the receiver met the
// nearest of us no more often).

#include <algorithm>
#include <cmath>

#include "CBall.h"
#include "CBehaviours.h"
#include "Predict.h"

namespace
{
// A reception this far into their half or less is met: the man who takes
// the ball there is in our half with his next touch.
const float kReceiverRunBallX = 10;
// The farthest one of us runs to meet him: from further off the run leaves
// his own man free and arrives after the ball.
const float kReceiverRunReach = 20;
// Another of us must be this much nearer the spot to take the run over:
// two who swap it at every step both turn about.
const float kReceiverRunHold = 1.5f;
// How near the spot where their man is met the run's heading may pass it
// and still be run on: within a tackle's reach of him.
const float kMeetPassBy = 1.5f;
// Nearer the spot than this the run keeps its fine aim: he is about to be
// met there.
const float kMeetFineAimDist = 2;
// An opponent this many cycles sooner at the ball than the quickest of us
// takes it (as the chase reckons it).
const int kReceiverFirstBy = 2;
// Who ran to meet him in the last cycle keeps at it while their man is
// still first by this much.
const int kStillFirstBy = 1;
}

int CFieldRules::OurCyclesToBall()
{
  CBehaviours &b = m_Brain;
  int ours = b.AmIAbleToIntercept() == 1 ? b.MyNumOfCyclesToIntercept() : Predict::MAX_CYCLES;
  if (const CPlayer *mate = b.FastestFriend2Ball(true))
    ours = std::min(ours, b.NumOfCyclesToIntercept(mate));
  return ours;
}

bool CFieldRules::MeetTheirReceiver()
{
  CBehaviours &b = m_Brain;
  const CBall *ball = b.M2BReadBall();
  if (!b.BallPositionValid() || !ball->IsMoving() || b.FriendWithBall(0) || b.TheirBallCarrier())
    return false;
  const CPlayer *foe = b.FastestFoe2Ball();
  if (!foe)
    return false;
  const int theirs = b.NumOfCyclesToIntercept(foe);
  if (theirs >= Predict::MAX_CYCLES)
    return false;
  if (theirs + kReceiverFirstBy > OurCyclesToBall())
    return false;
  const CVector meets = b.InterceptionPoint(foe, static_cast<float>(b.m_MaxPower));
  if (meets.GetX() > kReceiverRunBallX)
    return false;
  const CVector spot = b.PointInBetween(meets, CVector(-b.m_PitchLength / 2, 0), b.m_BlockFoeDist);
  const auto runs = [&b](int unum) {
    const Role role = b.GetRole(unum);
    return role != ROLE_GOALKEEPER && !(role == ROLE_FORWARD && b.m_AllOutFlank);
  };
  float nearest = runs(b.GetUNum()) ? b.GetGPos().dist(spot) : 999.0f;
  const float mine = nearest;
  for (int i = 0; i < 11; i++)
  {
    const CPlayer *mate = b.GetAValidFriend(i);
    if (!mate)
      break;
    const int unum = mate->GetUNum();
    if (unum < 1 || unum > 11 || unum == b.GetUNum() || !runs(unum))
      continue;
    nearest = std::min(nearest, mate->GetGPos().dist(spot));
  }
  if (nearest > kReceiverRunReach)
    return false;
  const float slack = b.m_ActionState == AS_CHASE_BALL ? kReceiverRunHold : 0;
  return nearest >= mine - slack - b.m_Epsilon;
}

// Whether the chaser runs to the spot goal-side of where their man takes
// the ball, rather than to his own interception of it. The two counts
// waver by a cycle from one sighting of the ball's run to the next: seen in
// matches, the chaser of their pass turned between the two points, 4-10 m
// apart, in cycle after cycle (turns of 30-50 degrees each way) and
// reached neither before their man had the ball. In their half the ball's
// path is run for still: a ball won there is a chance at their goal, and
// the man met there is far from ours.
bool CFieldRules::RunToMeetTheirMan(int theirs, int mine, CVector meets)
{
  const int now = m_Brain.GetTime();
  const bool held = m_MeetTheirManTime >= now - 1 && meets.GetX() < 0;
  const int firstBy = held ? kStillFirstBy : kReceiverFirstBy;
  if (theirs >= Predict::MAX_CYCLES || theirs + firstBy > mine)
    return false;
  m_MeetTheirManTime = now;
  return true;
}

// The run to meet their man goes to a spot that shifts with every sighting
// of him and of the ball: a heading that passes it within a tackle's reach
// is run on. Seen in matches: of the runs to meet him, two commands in five
// were turns, most of them of 20-30 degrees, one in eight with the heading
// already passing the spot within a metre and a half; the one of us
// nearest their man when he took the ball was then often two to four
// metres off him, running as fast as he did.
bool CFieldRules::HeadingMeetsHim(CVector spot) const
{
  const CBehaviours &b = m_Brain;
  const CVector next = b.PredPos();
  const float dist = next.dist(spot);
  if (dist <= kMeetFineAimDist)
    return false;
  const float off = std::fabs(b.NormaliseAngle((spot - next).GetDir() - b.GetBFacing()));
  return off <= b.ASin(std::fmin(1.0f, kMeetPassBy / dist));
}
