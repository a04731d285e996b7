#include "PlayerInterface.h"

#include <algorithm>
#include <cmath>

#include "CBall.h"
#include "CGLine.h"
#include "CGoal.h"
#include "CMemory.h"
#include "CPlayer.h"

namespace
{
// Cycles for which a record's place is taken as surely known: a player runs
// about a metre a cycle, so a place this fresh is off by a few metres at
// most, no more than the line's own metre of slack and the sighting's noise.
const int SURE_LINE_CYCLES = 3;
// How near the foremost of their players a second record may lie and still
// be him twice when no number tells them apart: their keeper, some fifty
// metres from most of us, was told and seen up to six metres off.
const float FOREMOST_DOUBLE_RADIUS = 6.0f;

// Single-precision keys; unordered values (NaN) compare as equal.
int Order(float first, float second)
{
  if (first < second)
    return -1;
  if (first > second)
    return 1;
  return 0;
}

// Sorts the list by its keys when they are numbers all different from each
// other: the exchange sort gives them the one ascending order there is, and
// a quicker sort gives the same. False, with the list as it was, when two
// are equal or one is no number; their order is the exchange sort's own.
bool SortedByDistinctKeys(sorted_players &list, const float *keys)
{
  const int n = list.count;
  int order[sorted_players::MAX_ENTRIES];
  for (int i = 0; i < n; i++)
  {
    if (std::isnan(keys[i]))
      return false;
    order[i] = i;
  }
  std::sort(order, order + n, [keys](int a, int b) { return keys[a] < keys[b]; });
  for (int i = 1; i < n; i++)
    if (!(keys[order[i - 1]] < keys[order[i]]))
      return false;
  CPlayer *sorted[sorted_players::MAX_ENTRIES];
  for (int i = 0; i < n; i++)
    sorted[i] = list.players[order[i]];
  std::copy(sorted, sorted + n, list.players);
  return true;
}

bool Within(const CVector &a, const CVector &b, float tolerance)
{
  return a.dist(b) <= tolerance;
}

// The cone's tip is at apex and its axis runs along line to end; its
// half-width grows by width metres for each metre from the tip.
bool InCone(float width, CVector end, CVector apex, const CGLine &line, CVector point)
{
  const CVector foot = line.ProjectPoint(point);
  return point.dist2(foot) < foot.dist2(apex) * width * width &&
         line.InBetween(foot, apex, end);
}
}

int DistPlayerCompare::Compare(CPlayer &first, CPlayer &second)
{
  return Order(first.GetGPos().dist(m_Reference), second.GetGPos().dist(m_Reference));
}

int LowestXPlayerCompare::Compare(CPlayer &first, CPlayer &second)
{
  return Order(first.GetGX(), second.GetGX());
}

int HighestXPlayerCompare::Compare(CPlayer &first, CPlayer &second)
{
  return Order(second.GetGX(), first.GetGX());
}

int HighestConfPlayerCompare::Compare(CPlayer &first, CPlayer &second)
{
  return Order(second.GetConf(), first.GetConf());
}

// Negating is exact, so the highest first is the lowest negated first.
bool DistPlayerCompare::Key(CPlayer &player, float &key)
{
  key = player.GetGPos().dist(m_Reference);
  return true;
}

bool LowestXPlayerCompare::Key(CPlayer &player, float &key)
{
  key = player.GetGX();
  return true;
}

bool HighestXPlayerCompare::Key(CPlayer &player, float &key)
{
  key = -player.GetGX();
  return true;
}

bool HighestConfPlayerCompare::Key(CPlayer &player, float &key)
{
  key = -player.GetConf();
  return true;
}

void CMemory::DoSortyThing(int mask, BasePlayerCompare &compare, sorted_players &list)
{
  SortInto(mask, compare, list);
}

void CMemory::SortInto(int mask, BasePlayerCompare &compare, sorted_players &list) const
{
  list.time = GetTime();
  list.count = 0;
  const struct
  {
    int bit;
    CPlayer *const *players;
    int size;
  } groups[] = {{MASK_CLOSE, m_ClosePlayer, MAX_PLAYERS},
                {MASK_TEAMMATES, m_Friend, MAX_PLAYERS},
                {MASK_FOES, m_Foe, MAX_PLAYERS},
                {MASK_UNKNOWN, m_UnknownPlayer, MAX_UNKNOWN}};
  for (const auto &group : groups)
  {
    if (!(mask & group.bit))
      continue;
    for (int i = 0; i < group.size && list.count < sorted_players::MAX_ENTRIES; i++)
    {
      CPlayer *player = group.players[i];
      // Before the arrays are made an entry is null: nobody is there.
      if (player && player->GetPositionValid())
        list.players[list.count++] = player;
    }
  }
  std::fill(list.players + list.count, list.players + sorted_players::MAX_ENTRIES,
            const_cast<CPlayer *>(&m_Me));
  if (compare.KeepsStoreOrder())
    return;
  // This exchange sort fixes the order of equal keys; the n-th queries and
  // the offside lines read fixed places of the list, so it must stay. With
  // the comparator's keys worked out first it swaps the same pairs: a key
  // that is no number (NaN) is greater than nothing, as Compare has it.
  float keys[sorted_players::MAX_ENTRIES];
  bool keyed = true;
  for (int i = 0; keyed && i < list.count; i++)
    keyed = compare.Key(*list.players[i], keys[i]);
  if (keyed && SortedByDistinctKeys(list, keys))
    return;
  if (keyed)
  {
    for (int i = 0; i + 1 < list.count; i++)
      for (int j = i + 1; j < list.count; j++)
        if (keys[i] > keys[j])
        {
          std::swap(list.players[i], list.players[j]);
          std::swap(keys[i], keys[j]);
        }
    return;
  }
  for (int i = 0; i + 1 < list.count; i++)
    for (int j = i + 1; j < list.count; j++)
      if (compare.Compare(*list.players[i], *list.players[j]) > 0)
        std::swap(list.players[i], list.players[j]);
}

void CMemory::RefreshSort(sorted_players &cache, int mask, CVector reference,
                          sorted_players &list, bool copy) const
{
  const int now = GetTime();
  if (cache.time != now || !Within(reference, cache.reference, m_Epsilon))
  {
    DistPlayerCompare compare(reference);
    SortInto(mask, compare, cache);
    cache.time = now;
    cache.reference = reference;
  }
  if (copy)
    list = cache;
}

void CMemory::SortValidFriends2Me(sorted_players &list, bool copy) const
{
  RefreshSort(m_SortedFriends2Me, MASK_TEAMMATES, GetGPos(), list, copy);
}

void CMemory::SortValidFriends2Ball(sorted_players &list, bool copy) const
{
  RefreshSort(m_SortedFriends2Ball, MASK_TEAMMATES, GetBall()->GetGPos(), list, copy);
}

void CMemory::SortValidFoes2Me(sorted_players &list, bool copy) const
{
  RefreshSort(m_SortedFoes2Me, MASK_OPPONENTS, GetGPos(), list, copy);
}

void CMemory::SortValidFoes2Ball(sorted_players &list, bool copy) const
{
  RefreshSort(m_SortedFoes2Ball, MASK_OPPONENTS, GetBall()->GetGPos(), list, copy);
}

CPlayer *CMemory::GetAFriend(int i) const
{
  return i >= 0 && i < MAX_PLAYERS ? m_Friend[i] : nullptr;
}

CPlayer *CMemory::GetAFoe(int i) const
{
  return i >= 0 && i < MAX_PLAYERS ? m_Foe[i] : nullptr;
}

CPlayer *CMemory::NthValid(int n, std::initializer_list<Group> groups) const
{
  if (n < 0)
    return nullptr;
  for (const Group &group : groups)
    for (int i = 0; i < group.size; i++)
    {
      CPlayer *player = group.players[i];
      if (player && player->GetPositionValid() && n-- == 0)
        return player;
    }
  return nullptr;
}

CPlayer *CMemory::GetAValidFriend(int n) const
{
  return NthValid(n, {{m_Friend, MAX_PLAYERS}});
}

CPlayer *CMemory::GetAValidFoe(int n) const
{
  return NthValid(n, {{m_ClosePlayer, MAX_PLAYERS},
                      {m_Foe, MAX_PLAYERS},
                      {m_UnknownPlayer, MAX_UNKNOWN}});
}

CPlayer *CMemory::NthClosest(int n, CVector point, int mask, sorted_players *toMe,
                             sorted_players *toBall) const
{
  if (n < 0)
    return nullptr;
  sorted_players fresh;
  const sorted_players *list = &fresh;
  // Near the agent or the ball the list of this cycle serves; a point up to
  // epsilon away counts as the same point.
  if (toMe && GetGPos().dist(point) < m_Epsilon)
  {
    RefreshSort(*toMe, mask, GetGPos(), fresh, false);
    list = toMe;
  }
  else if (toBall && GetBall()->GetGPos().dist(point) < m_Epsilon)
  {
    RefreshSort(*toBall, mask, GetBall()->GetGPos(), fresh, false);
    list = toBall;
  }
  else
  {
    DistPlayerCompare compare(point);
    SortInto(mask, compare, fresh);
  }
  return n < list->count ? list->players[n] : nullptr;
}

CPlayer *CMemory::GetClosestValidFriend2Point(int n, CVector point) const
{
  return NthClosest(n, point, MASK_TEAMMATES, &m_SortedFriends2Me, &m_SortedFriends2Ball);
}

CPlayer *CMemory::GetClosestValidFoe2Point(int n, CVector point) const
{
  return NthClosest(n, point, MASK_OPPONENTS, &m_SortedFoes2Me, &m_SortedFoes2Ball);
}

CPlayer *CMemory::GetClosestValidTeamless2Point(int n, CVector point) const
{
  // Players of unknown side have no list of their own: always sorted afresh.
  return NthClosest(n, point, MASK_UNKNOWN, nullptr, nullptr);
}

CPlayer *CMemory::GetPlayerWithin(float distTol, float dirTol, float dist, float dir) const
{
  sorted_players unused;
  SortValidFoes2Me(unused, false);
  SortValidFriends2Me(unused, false);
  for (const sorted_players *list : {&m_SortedFoes2Me, &m_SortedFriends2Me})
    for (int i = 0; i < list->count; i++)
    {
      CPlayer *player = list->players[i];
      if (player->GetPositionValid() &&
          std::fabs(player->GetRMag() - dist) <= distTol + m_Epsilon &&
          std::fabs(NormaliseAngle(player->GetRBDir()) - dir) <= dirTol + m_Epsilon)
        return player;
    }
  return nullptr;
}

float CMemory::GetOffsideLine() const
{
  const int now = GetTime();
  if (m_OffsideLineTime == now)
    return m_OffsideLine;
  float line = 0;
  const bool ballKnown = GetBall()->GetPositionValid();
  if (ballKnown)
    line = std::max(0.0f, GetBall()->GetGX());
  // The foremost possible opponent is taken to be their goalkeeper; the
  // second one makes the line.
  HighestXPlayerCompare compare(CVector(52.5f, 0));
  sorted_players list;
  SortInto(MASK_OPPONENTS, compare, list);
  const CPlayer *second = list.count > 1 ? list.players[1] : nullptr;
  // Two records that may be their keeper twice would make the keeper the
  // line; taking the next one instead only brings the line nearer, which
  // keeps our forwards onside. Two players we saw in one look are two, as
  // their keeper and a defender beside him in front of their goal are.
  if (second && list.count > 2)
  {
    const CPlayer *first = list.players[0];
    const bool numbered = first->GetUNum() >= 1 && second->GetUNum() >= 1;
    const bool oneLook = first->GetSource() == 0 && second->GetSource() == 0 &&
                         first->GetTime() == second->GetTime();
    if (!oneLook && !(numbered && first->GetUNum() != second->GetUNum()) &&
        first->GetGPos().dist(second->GetGPos()) <= FOREMOST_DOUBLE_RADIUS)
      second = list.players[2];
  }
  if (second)
    line = std::max(line, second->GetGX());
  // A line cannot run back faster than the ball can, which keeps one missed
  // defender from throwing it far back. A line made by a defender placed
  // lately, or by the ball, is where it is: held back, it stood up to 45 m
  // beyond their real line for a dozen cycles once a second record of their
  // keeper was dropped, and put our forwards offside.
  const bool sure = !second || (ballKnown && GetBall()->GetGX() > second->GetGX()) ||
                    second->GetConf() >= Exp(m_MobConfDrop, SURE_LINE_CYCLES) - m_Epsilon;
  const float fall = static_cast<float>(now - m_OffsideLineTime) * m_BallSpeedMax;
  if (!sure && line < m_OffsideLine - fall)
    line = m_OffsideLine - fall;
  line -= CMediator::OFFSIDE_LINE_SLACK;
  m_OffsideLine = line;
  m_OffsideLineTime = now;
  return line;
}

float CMemory::GetOurOffsideLine() const
{
  const int now = GetTime();
  if (m_OurOffsideLineTime == now)
    return m_OurOffsideLine;
  float line = 0;
  if (GetBall()->GetPositionValid())
    line = std::min(0.0f, GetBall()->GetGX());
  // The hindmost of us is taken to be our goalkeeper; the second one, the
  // agent included, makes the line.
  LowestXPlayerCompare compare(CVector(-52.5f, 0));
  sorted_players list;
  SortInto(MASK_TEAMMATES, compare, list);
  const float me = GetGPos().GetX();
  if (list.count == 1)
    line = std::min(line, std::max(me, list.players[0]->GetGX()));
  else if (list.count > 1)
  {
    const float first = list.players[0]->GetGX();
    const float second = list.players[1]->GetGX();
    if (me < first)
      line = std::min(line, first);
    else if (me < second && first < me)
      line = std::min(line, me);
    else
      line = std::min(line, second);
  }
  const float rise = static_cast<float>(now - m_OurOffsideLineTime) * m_BallSpeedMax;
  if (line > m_OurOffsideLine + rise)
    line = m_OurOffsideLine + rise;
  m_OurOffsideLine = line;
  m_OurOffsideLineTime = now;
  return line;
}

int CMemory::NumFoesInCone(float width, CVector end, CVector apex) const
{
  return CountInCone(m_Foe, width, end, apex);
}

int CMemory::NumFriendsInCone(float width, CVector end, CVector apex, bool withMe) const
{
  int count = CountInCone(m_Friend, width, end, apex);
  if (withMe)
  {
    CGLine line(0, 0, 0);
    line.CGLineFromTwoPoints(end, apex);
    if (InCone(width, end, apex, line, GetGPos()))
      count++;
  }
  return count;
}

int CMemory::CountInCone(CPlayer *const *players, float width, CVector end, CVector apex) const
{
  CGLine line(0, 0, 0);
  line.CGLineFromTwoPoints(end, apex);
  int count = 0;
  for (int i = 0; i < MAX_PLAYERS; i++)
  {
    const CPlayer *player = players[i];
    if (player && player->GetPositionValid() &&
        InCone(width, end, apex, line, player->GetGPos()))
      count++;
  }
  return count;
}

CPlayer *CMemory::FlaggedGoalie(CPlayer *const *players) const
{
  for (int i = 0; i < MAX_PLAYERS; i++)
    if (players[i] && players[i]->GetPositionValid() && players[i]->GetIsGoalie())
      return players[i];
  return nullptr;
}

// Without a player flagged as goalie, the one nearest the goal is taken.
CPlayer *CMemory::OurGoalie()
{
  if (CPlayer *goalie = FlaggedGoalie(m_Friend))
    return goalie;
  const CGoal *goal = GetGoal(GetSide() == 'l' ? 'l' : 'r');
  return goal ? GetClosestValidFriend2Point(0, goal->GetGPos()) : nullptr;
}

CPlayer *CMemory::TheirGoalie()
{
  if (CPlayer *goalie = FlaggedGoalie(m_Foe))
    return goalie;
  const CGoal *goal = GetGoal(GetSide() == 'l' ? 'r' : 'l');
  return goal ? GetClosestValidFoe2Point(0, goal->GetGPos()) : nullptr;
}
