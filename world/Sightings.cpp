// What the sensors write into the world model from a visual message, the
// getters of single objects, and the shortcuts and small helpers the rest of
// the agent reaches the store's objects through.
//
// A sample of what arrives here, one object at a time:
//   (see 207 ((f c) 10.5 -3 0 0) ((b) 5.5 0 -0.11 1.4) ((p "Opp" 3) 20.1 37 0 0 30 12))
// becomes SetFlag(207, 1, 10.5, -3, 0, 0), SetBall(207, 5.5, 0, -0.11, 1.4, 0) and
// SetPlayer(207, 3, 'r', 20.1, 37, 0, 0, 30, 12, false).

#include <cmath>
#include <iostream>

#include "CMemory.h"
#include "CRay.h"
#include "Geometry.h"
#include "Sensed.h"

namespace
{
// Where an object lies needs both its distance and its direction; without
// one of them (a cut message, or a low-quality view that gives only the
// direction) a sighting would put it somewhere it is not, with full trust.
bool Placed(float distance, float direction)
{
  return Sensed(distance) && Sensed(direction);
}
}

void CMemory::Complain(const char *function, const char *text) const
{
  std::cerr << GetTime() << " ERROR: CMemory: " << function << ": " << text << std::endl;
}

CVector CMemory::VelocityFromChanges(float dist, float dir, float distChng, float dirChng) const
{
  const CVector e = Polar2CVector(1, dir);
  // The direction change is in degrees per cycle; across the distance it is
  // a sideways speed.
  const float k = static_cast<float>(dirChng * kDegToRad * dist);
  const CVector relative(e.GetX() * distChng - e.GetY() * k, e.GetY() * distChng + e.GetX() * k);
  return relative.Rotate(GetFacing()) + GetVelocity();
}

void CMemory::SetFlag(int time, int number, float distance, float direction, float distChange,
                      float dirChange)
{
  CFlag *flag = nullptr;
  if (number == 0)
    flag = &m_FlagClose;
  else if (number >= 1 && number <= NUM_FLAGS)
    flag = &m_Flag[number - 1];
  if (!flag)
  {
    Complain("SetFlag", "What flag is that?");
    return;
  }
  if (!Placed(distance, direction))
    return;
  flag->SetTime(time);
  flag->SetRPos(Polar2CVector(distance, direction));
  flag->SetDistChng(distChange);
  flag->SetDirChng(dirChange);
  flag->SetConf(1);
}

void CMemory::SetLine(int time, char side, float distance, float direction)
{
  CLine *line = LineRecord(side);
  if (!line)
  {
    Complain("SetLine", "What line is that?");
    return;
  }
  if (!Placed(distance, direction))
    return;
  line->SetTime(time);
  line->SetRPos(Polar2CVector(distance, direction));
  line->SetConf(1);
}

void CMemory::SetGoal(int time, char side, float distance, float direction)
{
  CGoal *goal = GoalRecord(side);
  if (!goal)
  {
    Complain("SetGoal", "What goal is that?");
    return;
  }
  if (!Placed(distance, direction))
    return;
  goal->SetTime(time);
  goal->SetRPos(Polar2CVector(distance, direction));
  goal->SetConf(1);
}

void CMemory::SetBall(int time, float distance, float direction, float distChange,
                      float dirChange, int unidentified)
{
  if (!Placed(distance, direction))
    return;
  m_Ball.SetTime(time);
  // Seen now, whatever was heard earlier in the cycle.
  m_Ball.SetHeardTime(-999);
  m_Ball.SetRPos(Polar2CVector(distance, direction));
  m_Ball.SetDistChng(distChange);
  m_Ball.SetDirChng(dirChange);
  m_Ball.SetClose(unidentified);
  m_Ball.SetConf(1);
  if (Sensed(distChange) && Sensed(dirChange))
  {
    m_Ball.SetVelocity(VelocityFromChanges(distance, direction, distChange, dirChange));
    m_Ball.SetVelConf(1);
  }
}

void CMemory::SetPlayer(int time, int number, char team, float distance, float direction,
                        float distChange, float dirChange, float bodyFacing, float headFacing,
                        bool goalie)
{
  CPlayer *header = m_NewVisual[0];
  if (!header || !Placed(distance, direction))
    return;  // no player arrays yet: nothing to match against either
  // The buffer holds one visual's players; a new cycle starts it afresh.
  int slot = 1;
  if (header->GetTime() == GetTime())
  {
    slot = header->GetUNum() + 1;
    if (slot > MAX_UNKNOWN - 1)
      slot = 1;
  }
  header->SetTime(GetTime());
  header->SetUNum(slot);

  CPlayer &player = *m_NewVisual[slot];
  player.SetTime(time);
  player.SetUNum(number);
  player.SetSide(team);
  // The slot last held someone else: tiredness comes only from matching this
  // sighting, never from the previous visual's player.
  player.SetIsTired(false);
  player.SetIsTiredTime(0);
  player.SetRPos(Polar2CVector(distance, direction));
  player.SetDistChng(distChange);
  player.SetDirChng(dirChange);
  player.SetRBFacing(bodyFacing);
  player.SetRFacing(headFacing);
  const float facing = GetFacing();
  player.SetGBFacing(Sensed(bodyFacing) ? NormaliseAngle(bodyFacing + facing) : -999);
  player.SetGFacing(Sensed(headFacing) ? NormaliseAngle(headFacing + facing) : -999);
  player.SetConf(1);
  player.SetVelocity(Sensed(distChange) && Sensed(dirChange)
                         ? VelocityFromChanges(distance, direction, distChange, dirChange)
                         : CVector(0, 0));
  player.SetIsGoalie(goalie);
  player.SetSource(0);
}

const CPlayer *CMemory::GetNewVisualPlayer(int i) const
{
  return i >= 0 && i < MAX_UNKNOWN ? m_NewVisual[i] : nullptr;
}

// The store's const getters and its setters share one lookup.
CLine *CMemory::LineRecord(char side) const
{
  CMemory *self = const_cast<CMemory *>(this);
  switch (side)
  {
    case 'b':
      return &self->m_LineB;
    case 'c':
      return &self->m_LineClose;
    case 'l':
      return &self->m_LineL;
    case 'r':
      return &self->m_LineR;
    case 't':
      return &self->m_LineT;
    default:
      return nullptr;
  }
}

CGoal *CMemory::GoalRecord(char side) const
{
  CMemory *self = const_cast<CMemory *>(this);
  switch (side)
  {
    case 'c':
      return &self->m_GoalClose;
    case 'l':
      return &self->m_GoalL;
    case 'r':
      return &self->m_GoalR;
    default:
      return nullptr;
  }
}

CGoal *CMemory::AskedGoal(char side) const
{
  CGoal *goal = GoalRecord(side);
  if (!goal)
    Complain("GetGoal", "What goal is that?");
  return goal;
}

const CGoal *CMemory::GetGoal(char side) const
{
  return AskedGoal(side);
}

CGoal *CMemory::GetNonConstGoal(char side)
{
  return AskedGoal(side);
}

const CBall *CMemory::GetBall() const
{
  return &m_Ball;
}

CBall *CMemory::GetNonConstBall()
{
  return &m_Ball;
}

const CFlag *CMemory::GetFlag(int number) const
{
  // The close-flag record is no landmark one could ask for by name.
  if (number < 1 || number > NUM_FLAGS)
  {
    Complain("GetFlag", "What flag is that?");
    return nullptr;
  }
  return &m_Flag[number - 1];
}

const CLine *CMemory::GetLine(char side) const
{
  const CLine *line = LineRecord(side);
  if (!line)
    Complain("GetLine", "What line is that?");
  return line;
}

void CMemory::SetPastKick(CVector kick, int time)
{
  m_Ball.SetPastKick(kick, time);
}

void CMemory::ForgetPastKick(int time)
{
  m_Ball.ForgetPastKick(time);
}

void CMemory::PutBallBeyondReach()
{
  // The bearing of a reckoned ball is far better than its distance, so it
  // keeps the bearing and goes out just past the reach, where the next
  // decision chases it rather than kicking at it again.
  const float reach = m_PlayerSize + m_BallSize + m_KickableMargin + 0.01f;
  CVector rel = m_Ball.GetGPos() - m_GPos;
  if (!m_Ball.GetPositionValid() || rel.GetMag() >= reach)
    return;
  rel = rel.GetMag() > 0.01f ? rel.SetLength(reach) : Polar2CVector(reach, m_BFacing);
  m_Ball.SetGPos(m_GPos + rel);
  m_Ball.SetRPos((m_GPos + rel).Global2Relative(m_GPos, m_Facing));
  m_Ball.UpdateRBPos(m_GPos, m_BFacing, GetTime());
}

int CMemory::NumPlayersInCone(float ratio, CVector from, CVector to) const
{
  return NumFoesInCone(ratio, from, to) + NumFriendsInCone(ratio, from, to, false);
}

int CMemory::NumPlayersInCone(float ratio, CVector point) const
{
  return NumPlayersInCone(ratio, point, GetGPos());
}

int CMemory::NumFriendsInCone(float ratio, CVector point) const
{
  return NumFriendsInCone(ratio, point, GetGPos(), false);
}

int CMemory::NumFoesInCone(float ratio, CVector point) const
{
  return NumFoesInCone(ratio, point, GetGPos());
}

CPlayer *CMemory::GetClosestValidFriend2Ball(int n) const
{
  return GetClosestValidFriend2Point(n, m_Ball.GetGPos());
}

CPlayer *CMemory::GetClosestValidFoe2Ball(int n) const
{
  return GetClosestValidFoe2Point(n, m_Ball.GetGPos());
}

CPlayer *CMemory::GetClosestValidTeamless2Ball(int n) const
{
  return GetClosestValidTeamless2Point(n, m_Ball.GetGPos());
}

CPlayer *CMemory::GetClosestValidFriend2Me(int n) const
{
  return GetClosestValidFriend2Point(n, GetGPos());
}

CPlayer *CMemory::GetClosestValidFoe2Me(int n) const
{
  return GetClosestValidFoe2Point(n, GetGPos());
}

CPlayer *CMemory::GetClosestValidTeamless2Me(int n) const
{
  return GetClosestValidTeamless2Point(n, GetGPos());
}

void CMemory::SortValidFriends2Me(sorted_players &list)
{
  SortValidFriends2Me(list, true);
}

void CMemory::SortValidFriends2Ball(sorted_players &list)
{
  SortValidFriends2Ball(list, true);
}

void CMemory::SortValidFoes2Me(sorted_players &list)
{
  SortValidFoes2Me(list, true);
}

void CMemory::SortValidFoes2Ball(sorted_players &list)
{
  SortValidFoes2Ball(list, true);
}

float CMemory::SumGeomSeries(float first, float ratio, int n) const
{
  return ::SumGeomSeries(first, ratio, n);
}

float CMemory::Exp(float x, int n) const
{
  return ::Exp(x, n);
}

float CMemory::Sqr(float x) const
{
  return x * x;
}

int CMemory::Sqr(int x) const
{
  return x * x;
}

float CMemory::NormaliseAngle(float angle) const
{
  return CRay::NormaliseAngle(angle);
}
