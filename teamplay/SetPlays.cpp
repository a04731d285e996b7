// Our set plays no plan covers and the kick-off: where each player stands
// before the kick-off, who of us takes a set play and how, and keeping
// clear of theirs.

#include <algorithm>
#include <cmath>

#include "CBall.h"
#include "CBehaviours.h"
#include "FormationTables.h"

namespace
{
// A set play nobody has taken after these cycles goes to the second
// nearest as well; after twice as many, to the third.
const int kSetPlayPatience = 15;
// The farthest pass of a set play: beyond it the opponents have the time
// to get across.
const float kLongestSetPlayPass = 40;
// The kick-off's pass goes no farther, to a team-mate with none of theirs
// this near: the midfielder beside the taker had their forwards on him
// from the centre circle's edge within two cycles, and lost the ball within
// three touches six times in seven; the ball back to a defender with room
// was kept every time.
const float kKickOffLongestPass = 25;
const float kKickOffRoom = 10;
// A receiver of a set play's pass with an opponent this near is not free.
const float kSetPlayMarkedDist = 3;
// The free kick that follows the goalkeeper's catch is his for this long.
const int kGoalieFreeKickCycles = 250;
// Walking up to a ball that lies still, the last metres are slower so that
// the agent stops beside it instead of running into it.
const float kSlowApproachDist = 3;
const float kSlowApproachPower = 40;
}

// ------------------------------------------------------- kick-off place

int CFieldRules::TakeKickOffPlace(PlayMode current)
{
  if (m_Brain.GetEnvState() != ENV_BEFORE_KICK_OFF)
    return 0;
  const int unum = m_Brain.GetUNum();
  const FormationPoint *table = FormationTable(m_Brain.GetFormationID());
  if (!table || unum < 1 || unum > 11)
  {
    m_Brain.InitialMove();
    return 1;
  }
  FormationPoint p = table[unum - 1];
  if (!KickOffException(m_Brain.GetFormationID(), unum, p) && p.x >= 0)
    p.x = -1;
  // Whose kick-off: the side that conceded, or the left side at the start
  // of the first half and the right at the start of the second.
  const bool secondHalf =
      m_Brain.m_HalfTimeCycles > 0 && m_Brain.GetTime() >= m_Brain.m_HalfTimeCycles;
  bool ours = (m_Brain.GetSide() == 'l') != secondHalf;
  if (current == PM_GOAL)
    ours = false;
  else if (current == -PM_GOAL)
    ours = true;
  CVector place(static_cast<float>(p.x), static_cast<float>(p.y));
  // At their kick-off the centre circle is theirs.
  if (!ours && place.GetMag() < m_Brain.m_FreeKickBuffer + 1)
  {
    place = place.GetMag() > m_Brain.m_Epsilon ? place.SetLength(m_Brain.m_FreeKickBuffer + 1)
                                               : CVector(-(m_Brain.m_FreeKickBuffer + 1), 0);
    if (place.GetX() > -1)
      place = CVector(-1, place.GetY());
  }
  // Once in place the player only looks about: nothing moves before the
  // kick-off.
  if (m_Brain.GetGPos().dist(place) > m_Brain.m_MinDistToPoint)
    m_Brain.Move(static_cast<int>(std::lround(place.GetX())),
                 static_cast<int>(std::lround(place.GetY())));
  return 1;
}

// ----------------------------------------------------------- set plays

// Our set play's taker: the plan's, else the nearest to the ball (after a
// while also the second), never the one who kicked it last. Every site
// that asks who takes our set play asks here: the field players' states,
// the goalkeeper's kick, and the plans' shares of points.
bool CBehaviours::AmISetPlayTaker()
{
  const CBall *ball = M2BReadBall();
  if (!BallPositionValid())
    return false;
  const bool goalie = GetRole() == ROLE_GOALKEEPER;
  const int elapsed = GetTime() - m_ModeStartTime;
  // After his catch the ball is in the goalkeeper's hands.
  if (m_CurrentMode == PM_FREE_KICK && m_PreviousMode == PM_GOALIE_CATCH_BALL &&
      elapsed < kGoalieFreeKickCycles)
    return goalie;
  // Whoever kicked it may not play it again before another has.
  if (TouchedLastInSetPlay())
    return false;
  const CVector at = ball->GetGPos();
  const bool inOurArea = InOurPenaltyArea(at);
  if (goalie && !inOurArea)
    return false;
  // A plan at the ball names its taker alike for everyone, while the plans
  // have the set play; after that it is left to the nearest, widening from
  // then on.
  int untaken = elapsed;
  if (const int planTaker = m_FixPlanRunner.CoveringPlanTaker())
  {
    if (elapsed <= m_FixedPlanMaxWaitTime)
      return planTaker == GetUNum();
    untaken = elapsed - m_FixedPlanMaxWaitTime - 1;
  }
  const float mine = GetGPos().dist(at);
  int nearer = 0;
  for (int i = 0; i < 11; i++)
  {
    const CPlayer *mate = GetClosestValidFriend2Ball(i);
    // A metre's doubt either way: two who think themselves nearest both
    // go, rather than none.
    if (!mate || mate->GetGPos().dist(at) >= mine - 1)
      break;
    // The goalkeeper leaves a ball outside his area to the field players.
    if (!inOurArea && mate->GetUNum() >= 1 && GetRole(mate->GetUNum()) == ROLE_GOALKEEPER)
      continue;
    nearer++;
  }
  return nearer <= untaken / kSetPlayPatience;
}

int CFieldRules::TakeOurSetPlay()
{
  if (m_Brain.GetActionState() != AS_TAKE_SET_PLAY)
    return 0;
  const CBall *ball = m_Brain.M2BReadBall();
  if (!m_Brain.BallPositionValid())
    return m_Brain.FaceNeckAndBody2Ball() ? 1 : 0;
  const CVector me = m_Brain.GetGPos();
  const CVector at = ball->GetGPos();

  if (!m_Brain.BallKickableForPlayer(nullptr, 0))
  {
    const float dist = me.dist(at);
    float power =
        dist < kSlowApproachDist ? kSlowApproachPower : static_cast<float>(m_Brain.m_MaxPower);
    power = m_Brain.CorrectDashPower4Stamina(power);
    if (power <= 0)
      power = m_Brain.m_StaminaIncMax;
    if (m_Brain.MoveToPos(at, m_Brain.m_Kickable / 2, power, DODGE_ALL))
      return 1;
    return m_Brain.FaceOnlyBody2Point(at) ? 1 : 0;
  }

  const PlayMode mode = m_Brain.m_CurrentMode;
  const CVector theirGoal(m_Brain.m_PitchLength / 2, 0);
  int done = 0;
  if (mode == PM_KICK_OFF)
  {
    // Everyone stands in our half: the ball goes back or across to the
    // team-mate furthest up with room about him, who plays on; a longer
    // ball to a wing was taken by the opponents closing in from the centre
    // circle's edge.
    PASSLIMITS limits = SetPlayPassLimits(m_Brain.m_PitchLength);
    limits.maxDist = kKickOffLongestPass;
    limits.freeRadius = kKickOffRoom;
    if (const CPlayer *mate = m_Brain.PassTarget(limits))
      done = m_Brain.AnnouncePass(
          mate, mate->GetGPos(),
          m_Brain.m_BallChoices.KickOnceTowards(mate->GetGPos(), m_Brain.m_MaxPassSpeedAtTarget));
    else
      done = m_Brain.m_BallChoices.KickOnceTowards(CVector(-12, 0), m_Brain.m_MaxPassSpeedAtTarget);
  }
  else if (mode == PM_CORNER_KICK)
    done = m_Brain.m_BallChoices.KickOnceTowards(
        CVector(m_Brain.m_CrossPointX, -m_Brain.SignF(at.GetY()) * m_Brain.m_CrossPointY),
        m_Brain.m_CrossPointTargetVel);
  else if (me.dist(theirGoal) < m_Brain.m_ShotDistance)
    done = m_Brain.m_BallChoices.KickOnceTowards(m_Brain.ShootPoint(nullptr),
                                                 2 * m_Brain.m_BallSpeedMax);
  else if (const CPlayer *mate =
               m_Brain.PassTarget(SetPlayPassLimits(m_Brain.m_PassOpponentBuffer)))
    done = m_Brain.AnnouncePass(
        mate, mate->GetGPos(),
        m_Brain.m_BallChoices.KickOnceTowards(mate->GetGPos(), m_Brain.m_MaxPassSpeedAtTarget));
  else
  {
    // Nobody free: long up the pitch, towards the middle of their half.
    const CVector up(
        std::fmin(at.GetX() + 35, m_Brain.m_PitchLength / 2 - m_Brain.m_PenaltyAreaLength),
        at.GetY() / 2);
    done = m_Brain.m_BallChoices.KickOnceTowards(up, m_Brain.m_SendPointTargetVel);
  }
  return done;
}

PASSLIMITS CFieldRules::SetPlayPassLimits(float backAllowance) const
{
  // One kick from a still ball, to a team-mate nobody stands at.
  PASSLIMITS limits;
  limits.backAllowance = backAllowance;
  limits.maxDist = std::fmin(m_Brain.m_MaxPassDist, kLongestSetPlayPass);
  limits.freeRadius = kSetPlayMarkedDist;
  limits.oneKick = true;
  return limits;
}

int CFieldRules::KeepClearOfTheirKick()
{
  if (m_Brain.GetActionState() != AS_KEEP_CLEAR)
    return 0;
  const CVector at = m_Brain.M2BReadBall()->GetGPos();
  CVector away = m_Brain.GetGPos() - at;
  if (away.GetMag() < m_Brain.m_Epsilon)
    away = CVector(-1, 0);
  const CVector spot = at + away.SetLength(m_Brain.m_FreeKickBuffer + 2);
  return m_Brain.MoveToPos(spot, m_Brain.m_MinDistToPoint / 2,
                           static_cast<float>(m_Brain.m_MaxPower), DODGE_ALL);
}
