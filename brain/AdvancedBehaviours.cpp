// Questions about the present situation that moving, the ball behaviours,
// the ball skills and team play ask many times a pass: who is near, who
// reaches or holds the ball, who is furthest up or back, who is behind.
// They read the world model through the mediator and change nothing but the
// fastest-player caches and, for the offside look, the cycle's bundle.

#include <cmath>

#include "CBall.h"
#include "CBehaviours.h"
#include "CPlayer.h"
#include "Geometry.h"
#include "PlayerInterface.h"

namespace
{
// The pitch ends the extreme-x comparators are built about.
const CVector kTheirEnd(52.5f, 0);
const CVector kOurEnd(-52.5f, 0);

// Nearer the offside line than this, where the last defender stands
// decides whether the agent is offside, so he is worth a look.
const float kOffsideLookDistance = 4.0f;

// How many cycles slower than their quickest man to the ball the man
// picked in the last cycle may be and stay picked.
const int kReceiverHeldWithin = 1;

float DistanceSq(CVector a, CVector b)
{
  const CVector d = a - b;
  return Dot(d, d);
}
}

// ------------------------------------------------------------ counting

namespace
{
// Counts the list's players from the nearest on while they stand within
// the radius of the centre; epsilon widens the squared radius.
int CountWithin(const sorted_players &list, float radius, CVector centre, float epsilon)
{
  const float limit = radius * radius + epsilon;
  int count = 0;
  for (int i = 0; i < list.count; ++i)
  {
    if (DistanceSq(list.players[i]->GetGPos(), centre) > limit)
      break;
    ++count;
  }
  return count;
}
}

int CBehaviours::NumFriendsWithin(float radius, CVector centre)
{
  DistPlayerCompare nearest(centre);
  sorted_players list;
  DoSortyThing(MASK_TEAMMATES, nearest, list);
  return CountWithin(list, radius, centre, m_Epsilon);
}

int CBehaviours::NumFoesWithin(float radius, CVector centre)
{
  DistPlayerCompare nearest(centre);
  sorted_players list;
  DoSortyThing(MASK_OPPONENTS, nearest, list);
  return CountWithin(list, radius, centre, m_Epsilon);
}

int CBehaviours::NumFriendsWithin(float radius)
{
  return NumFriendsWithin(radius, GetGPos());
}

int CBehaviours::NumFoesWithin(float radius)
{
  return NumFoesWithin(radius, GetGPos());
}

CSituationWalks::CSituationWalks(CBehaviours &brain) : m_Brain(brain)
{
}

int CSituationWalks::CountInWindow(const sorted_players &list, float distTol, float dirTol,
                                   float dist, float dir) const
{
  int count = 0;
  for (int i = 0; i < list.count; ++i)
  {
    const CPlayer *p = list.players[i];
    if (std::fabs(p->GetRMag() - dist) <= distTol + m_Brain.m_Epsilon &&
        std::fabs(m_Brain.NormaliseAngle(p->GetRBDir() - dir)) <= dirTol + m_Brain.m_Epsilon)
      ++count;
  }
  return count;
}

int CBehaviours::NumFriendsWithin(float distTol, float dirTol, float dist, float dir)
{
  sorted_players list;
  SortValidFriends2Me(list);
  return m_Walks.CountInWindow(list, distTol, dirTol, dist, dir);
}

int CBehaviours::NumFoesWithin(float distTol, float dirTol, float dist, float dir)
{
  sorted_players list;
  SortValidFoes2Me(list);
  return m_Walks.CountInWindow(list, distTol, dirTol, dist, dir);
}

// ------------------------------------------------- fastest to the ball

// The list's first player who meets the ball in fewer cycles than the
// bound, which it then holds. Only a strictly quicker one replaces the
// best, so ties go to whoever set the bound first (the agent) and then to
// the player earlier in the list.
const CPlayer *CSituationWalks::QuickestToBall(const sorted_players &list, int &bound,
                                               bool notGoalkeeper)
{
  const CPlayer *best = nullptr;
  for (int i = 0; i < list.count; ++i)
  {
    const CPlayer *p = list.players[i];
    // Nobody as slow as the best so far can be the quickest.
    if (m_Brain.DeferIntInfo(p, bound))
      continue;
    // Whether he gets there and when, from one look at his record.
    const PLAYERINTERCEPTINFO &record = m_Brain.m_InterceptSearch.FlatOutRecord(p);
    if (!m_Brain.IsSuccessRes(record.res))
      continue;
    const int n = record.numCycles;
    if (n < bound && !(notGoalkeeper && m_Brain.GetRole(p->GetUNum()) == ROLE_GOALKEEPER))
    {
      bound = n;
      best = p;
    }
  }
  return best;
}

// Two of theirs a cycle apart on the ball's way swap places as the quickest
// from one sighting to the next, and the spot where we meet the one who
// takes it jumps metres with them. Seen in matches: in the runs to meet
// their man the pick changed about nine times a half, and in a third of
// these the man dropped was the one who took the ball next. The man picked
// stays picked while a cycle separates him from the quickest: the
// reckoning is no finer than that.
const CPlayer *CSituationWalks::StillTheirReceiver(const sorted_players &list,
                                                   const CPlayer *quickest, int cycles)
{
  const int now = m_Brain.GetTime();
  const CPlayer *held = m_TheirReceiverTime == now - 1 ? m_TheirReceiver : nullptr;
  const int heldUNum = m_TheirReceiverUNum;
  const CPlayer *picked = quickest;
  if (held && quickest && held != quickest && heldUNum > 0)
  {
    for (int i = 0; i < list.count; ++i)
    {
      if (list.players[i] != held || held->GetUNum() != heldUNum)
        continue;
      const PLAYERINTERCEPTINFO &record = m_Brain.m_InterceptSearch.FlatOutRecord(held);
      if (m_Brain.IsSuccessRes(record.res) && record.numCycles <= cycles + kReceiverHeldWithin)
        picked = held;
      break;
    }
  }
  m_TheirReceiver = picked;
  m_TheirReceiverUNum = picked ? picked->GetUNum() : 0;
  m_TheirReceiverTime = now;
  return picked;
}

const CPlayer *CBehaviours::FastestFriend2Ball(bool withMe)
{
  const CBall *ball = M2BReadBall();
  if (!BallPositionValid())
    return nullptr;

  if (!ball->IsMoving())
  {
    // A still ball goes to the nearest team-mate who may run for it: not
    // the goalkeeper, not a tired one; only two are passed over.
    const CPlayer *f = GetClosestValidFriend2Ball(0);
    for (int next = 1; f && next <= 2; ++next)
    {
      if (GetRole(f->GetUNum()) != ROLE_GOALKEEPER && !f->GetIsTired())
        break;
      f = GetClosestValidFriend2Ball(next);
    }
    if (!f)
      return nullptr;
    const CVector b = ball->GetGPos();
    if ((f->GetGPos() - b).GetMag() > (GetGPos() - b).GetMag())
      return nullptr;
    return f;
  }

  const int now = GetTime();
  if (m_FastestFriendTime == now)
    return m_FastestFriend;

  ResetInterceptionMinCyc();
  SetInterceptionLookahead(-1);
  int bound = m_MaxIntLookahead + 1;
  if (withMe && AmIAbleToIntercept() == 1)
  {
    const int mine = MyNumOfCyclesToIntercept();
    if (mine < bound)
      bound = mine;
  }
  sorted_players list;
  SortValidFriends2Me(list);
  const CPlayer *best = m_Walks.QuickestToBall(list, bound, true);
  m_FastestFriend = best;
  m_FastestFriendTime = now;
  return best;
}

const CPlayer *CBehaviours::FastestFoe2Ball()
{
  const CBall *ball = M2BReadBall();
  if (!BallPositionValid())
    return nullptr;
  if (!ball->IsMoving())
    return GetClosestValidFoe2Ball(0);

  const int now = GetTime();
  if (m_FastestFoeTime == now)
    return m_FastestFoe;

  ResetInterceptionMinCyc();
  SetInterceptionLookahead(-1);
  int bound = m_MaxIntLookahead + 1;
  sorted_players list;
  SortValidFoes2Me(list);
  const CPlayer *best = m_Walks.QuickestToBall(list, bound, false);
  best = m_Walks.StillTheirReceiver(list, best, bound);
  m_FastestFoe = best;
  m_FastestFoeTime = now;
  SetInterceptionLookahead(-2);
  return best;
}

// -------------------------------------------------- who has the ball

const CPlayer *CBehaviours::PlayerWithBall(float buffer)
{
  const CBall *ball = M2BReadBall();
  if (!BallPositionValid())
    return nullptr;
  const CPlayer *f = GetClosestValidFriend2Ball(0);
  const CPlayer *o = GetClosestValidFoe2Ball(0);
  const CVector b = ball->GetGPos();
  const float df = f ? (f->GetGPos() - b).GetMag() : 999.0f;
  const float dO = o ? (o->GetGPos() - b).GetMag() : 999.0f;
  // Equally near, neither is said to have it.
  if (f && df < dO && BallKickableForPlayer(f, buffer))
    return f;
  if (o && dO < df && BallKickableForPlayer(o, buffer))
    return o;
  return nullptr;
}

const CPlayer *CBehaviours::FoeWithBall(float buffer)
{
  const CPlayer *p = PlayerWithBall(buffer);
  return p && p->GetSide() != GetSide() ? p : nullptr;
}

const CPlayer *CBehaviours::FriendWithBall(float buffer)
{
  const CPlayer *p = PlayerWithBall(buffer);
  return p && p->GetSide() == GetSide() ? p : nullptr;
}

// ------------------------------------------------ extremes along the pitch

const CPlayer *CSituationWalks::ExtremeX(int mask, bool highest, bool skipGoalie, bool withMe)
{
  sorted_players list;
  if (highest)
  {
    HighestXPlayerCompare order(kTheirEnd);
    m_Brain.DoSortyThing(mask, order, list);
  }
  else
  {
    LowestXPlayerCompare order(kOurEnd);
    m_Brain.DoSortyThing(mask, order, list);
  }
  if (list.count == 0)
    return nullptr;
  int chosen = 0;
  if (skipGoalie && m_Brain.GetRole(list.players[0]->GetUNum()) == ROLE_GOALKEEPER)
  {
    if (list.count < 2)
      return nullptr;
    chosen = 1;
  }
  const CPlayer *p = list.players[chosen];
  if (withMe)
  {
    // The agent itself is the extreme when it stands strictly beyond.
    const float mine = m_Brain.GetGPos().GetX();
    if (highest ? p->GetGX() < mine : p->GetGX() > mine)
      return nullptr;
  }
  return p;
}

const CPlayer *CBehaviours::HighestXPlayer(bool withMe)
{
  return m_Walks.ExtremeX(MASK_TEAMMATES | MASK_OPPONENTS, true, false, withMe);
}

const CPlayer *CBehaviours::LowestXPlayer(bool withMe)
{
  return m_Walks.ExtremeX(MASK_TEAMMATES | MASK_OPPONENTS, false, false, withMe);
}

const CPlayer *CBehaviours::HighestXFriend(bool withMe)
{
  return m_Walks.ExtremeX(MASK_TEAMMATES, true, false, withMe);
}

const CPlayer *CBehaviours::LowestXFriend(bool withMe)
{
  // The goalkeeper is always the last man; the question is who is next.
  return m_Walks.ExtremeX(MASK_TEAMMATES, false, true, withMe);
}

const CPlayer *CBehaviours::HighestXFoe()
{
  return m_Walks.ExtremeX(MASK_OPPONENTS, true, false, false);
}

const CPlayer *CBehaviours::LowestXFoe()
{
  return m_Walks.ExtremeX(MASK_OPPONENTS, false, false, false);
}

// ------------------------------------------------- relative to the agent

bool CBehaviours::IsPlayerBehind(const CPlayer *p, float dir) const
{
  if (!p)
    return false;
  // Compared as a turn, so that directions either side of straight back
  // (170 and -170) count as close together.
  const float off = NormaliseAngle(p->GetRBDir() + GetBFacing() - dir);
  return std::fabs(off) > m_BehindAngle;
}

bool CBehaviours::IsPlayerBehind(const CPlayer *p, CVector point) const
{
  return IsPlayerBehind(p, (point - GetGPos()).GetDir());
}

bool CBehaviours::InOurPenaltyArea(CVector point) const
{
  return m_OurPenaltyArea.IsWithin(point);
}

bool CBehaviours::InOurPenaltyArea() const
{
  return InOurPenaltyArea(GetGPos());
}

bool CBehaviours::CheckOffsideLine()
{
  const float x = GetGPos().GetX();
  if (!(x - GetOffsideLine() < kOffsideLookDistance) || GetRole() == ROLE_GOALKEEPER)
    return false;
  const CPlayer *f = HighestXFoe();
  if (!f || !f->GetPositionValid())
    return false;
  // Seen this cycle, the last defender needs no look.
  if (!(f->GetConf() < m_MobConfDrop + m_Epsilon))
    return false;
  FaceNeck2Player(f);
  // Only the main thread writes the bundle, and this is it.
  if (m_Queue.time != GetTime())
    return false;
  return m_Queue.turn_neck || m_Queue.command != CMD_NONE;
}

// ----------------------------------------------------- play-mode classes

namespace
{
// A set piece's call of either side, the goal (which belongs to neither)
// left out; the side is the sign.
bool IsSetPiece(PlayMode mode)
{
  return mode >= PM_KICK_OFF && mode <= PM_GOALIE_CATCH_BALL && mode != PM_GOAL;
}
}

bool CBehaviours::IsOurMode(PlayMode mode) const
{
  return IsSetPiece(mode);
}

bool CBehaviours::IsTheirMode(PlayMode mode) const
{
  return IsSetPiece(-mode);
}

bool CBehaviours::IsSpecialMode(PlayMode mode) const
{
  return mode >= PM_PLAY_ON && mode <= PM_DROP_BALL;
}
