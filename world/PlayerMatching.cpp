#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "CBall.h"
#include "CMemory.h"
#include "CPlayer.h"
#include "PaceFromPlaces.h"
#include "Sensed.h"

namespace
{
// A score this high means the record was only the oldest one, not a match.
const float NO_MATCH = 9999;
const float FALLBACK_SCORE = 9998;
// Cycles for which our own sense of a ball near us outranks a team-mate's
// word: near us it is felt in every visual, so no sense of it for longer
// means the model has lost it.
const int OWN_NEAR_BALL_CYCLES = 2;
// How far from us our own recent sighting of the ball outranks a word;
// beyond it the teller is likely the nearer to the ball.
const float OWN_BALL_SIGHT_DISTANCE = 30;
// Cycles for which our own sighting of a player outranks a team-mate's word:
// placed from where the teller reckons himself, from his own sighting and
// under his numbering, a heard opponent within 20 m was 1.2 m off on the
// median and 4 m at the 90th percentile in matches, our own sighting three
// cycles old 1.0 m and 2.2 m.
const int OWN_PLAYER_SIGHTING_CYCLES = 3;
// How far apart two words of one player may lie besides his run between
// them: a player near the far end of the pitch is placed two or three metres
// off by the rounding of his distance.
const float TOLD_TWICE_SLACK = 3.0f;
// The share of a player's distance by which our own sighting of him may be
// off: the server rounds a seen distance in steps of about a tenth.
const float SIGHTING_DISTANCE_NOISE = 0.1f;

bool IsUNum(int unum)
{
  return unum >= 1 && unum <= 11;
}

int CountDrops(float conf, float drop, float epsilon)
{
  int drops = 0;
  for (int i = 0; i < 999 && conf < 1 - epsilon; i++)
  {
    conf /= drop;
    drops++;
  }
  return drops;
}

// The cycles of decay that brought a confidence down to conf. A team-mate's
// message names up to 23 players whose confidences come from a few dozen
// values, each a chain of up to a hundred divisions, so the answers are
// kept (a thread's own table, keyed by every input).
int DropsSince(float conf, float drop, float epsilon)
{
  struct Entry
  {
    float conf = -1, drop = 0, epsilon = 0;
    int drops = 0;
  };
  static const int kEntries = 64;
  static thread_local Entry table[kEntries];
  std::uint32_t bits;
  std::memcpy(&bits, &conf, sizeof bits);
  Entry &e = table[(bits * 2654435761u) >> 26];
  if (!(e.conf == conf && e.drop == drop && e.epsilon == epsilon))
  {
    e.conf = conf;
    e.drop = drop;
    e.epsilon = epsilon;
    e.drops = CountDrops(conf, drop, epsilon);
  }
  return e.drops;
}
}

// The sightings of one visual, such as ((p "TestTeam" 3) 11 -2 0 0 0 0) with
// team and number or ((p) 49.4 0) with neither, filed by the side they had.
void CMemory::StorePlayers()
{
  CPlayer *header = m_NewVisual[0];
  if (!header)
    return;
  const int count = header->GetTime() == GetTime() ? header->GetUNum() : 0;
  const char ours = GetSide();
  const char theirs = TheirSide();
  for (int i = 1; i <= count && i < MAX_UNKNOWN; i++)
  {
    CPlayer *seen = m_NewVisual[i];
    if (!seen)
      continue;
    const char side = seen->GetSide();
    if (side == ours)
      StorePlayer(seen, m_Friend, nullptr, nullptr);
    else if (side == theirs)
      StorePlayer(seen, m_Foe, nullptr, nullptr);
    else if (side == 'c')
      StorePlayer(seen, m_Foe, m_Friend, m_ClosePlayer);
    else if (side == 'u')
      StorePlayer(seen, m_Foe, m_Friend, m_UnknownPlayer);
  }
  // So that a second call in the same cycle files nothing twice.
  header->SetTime(0);
}

void CMemory::StorePlayer(CPlayer *seen, CPlayer **first, CPlayer **second, CPlayer **third)
{
  if (!seen || !first)
    return;
  // A sighting with the change information has the server's own pace;
  // without it, the pace comes from the record's place before.
  const bool paced = Sensed(seen->GetDistChng()) && Sensed(seen->GetDirChng());
  const auto copyInto = [&](CPlayer *record) {
    const CPlayer before = *record;
    FileNews(record, *seen);
    TakePaceFromPlaces(before, *record, seen->GetTime(), paced,
                       PlacesDoubt(GetGPos(), before.GetPlaced(), record->GetGPos()));
  };

  const char side = seen->GetSide();
  if (side == GetSide() || side == TheirSide())
  {
    float score = NO_MATCH;
    int index = -1;
    MatchInArray(seen, first, MAX_PLAYERS, true, score, index, true);
    if (index < 0)
      return;
    // Taking over only the oldest record, the sighting keeps its own number.
    if (score < FALLBACK_SCORE && seen->GetUNum() == -999)
      seen->SetUNum(first[index]->GetUNum());
    copyInto(first[index]);
    return;
  }
  if ((side != 'c' && side != 'u') || !second || !third)
    return;

  float foeScore = NO_MATCH;
  int foe = -1;
  MatchInArray(seen, first, MAX_PLAYERS, false, foeScore, foe, true);
  float friendScore = NO_MATCH;
  int mate = -1;
  MatchInArray(seen, second, MAX_PLAYERS, false, friendScore, mate, true);
  if (foe < 0 && mate < 0)
  {
    float score = NO_MATCH;
    int index = -1;
    MatchInArray(seen, third, side == 'c' ? MAX_PLAYERS : MAX_UNKNOWN, true, score, index, true);
    if (index < 0)
      return;
    // Nobody we know: most players on the pitch we cannot place are theirs.
    seen->SetSide(TheirSide());
    seen->SetUNum(-999);
    copyInto(third[index]);
    return;
  }
  // Equal scores go to the opponents.
  const bool mateWins = foe < 0 || (mate >= 0 && foeScore > friendScore);
  CPlayer *record = mateWins ? second[mate] : first[foe];
  seen->SetSide(record->GetSide());
  if (seen->GetUNum() == -999 || seen->GetUNum() == 0)
    seen->SetUNum(record->GetUNum());
  copyInto(record);
}

void CMemory::MatchInArray(CPlayer *player, CPlayer **array, int n, bool takeOldest,
                           float &score, int &index, bool seenOnly)
{
  if (!player || !array)
    return;
  const int now = GetTime();
  const int unum = player->GetUNum();
  float conf = player->GetConf();
  int time = player->GetTime();
  // A heard record's confidence has dropped once a cycle since it was seen;
  // undoing the drops dates the sighting.
  if (player->GetSource() == 1 && conf > 0 && conf < 1 - m_Epsilon)
    time -= DropsSince(conf, m_MobConfDrop, m_Epsilon);

  // Whether two sightings d apart could be one player.
  const auto couldBeAt = [this](float d, int timeA, int timeB) {
    const int dt = std::max(std::abs(timeA - timeB), 1);
    return d < m_MatchDistThr && static_cast<float>(dt) < m_MatchTimeThr &&
           d <= static_cast<float>(dt) * m_PlayerSpeedMax * 5;
  };
  const auto couldBe = [&](const CVector &a, int timeA, const CVector &b, int timeB) {
    return couldBeAt(a.dist(b), timeA, timeB);
  };
  const CVector seen = player->GetGPos();

  bool matched = false;
  int best = -1;
  // With no record to match, the least sure one written before this cycle
  // gives way: the oldest by cycle would be one we saw two cycles ago
  // rather than a word of a player the teller lost sight of long before
  // (a heard record is dated by the word, its confidence by the sighting),
  // and each sighting filed so took a real player's record, whose next
  // sighting took another's.
  int oldest = -1;
  int oldestTime = now;
  float leastConf = 0;
  for (int i = 0; i < n; i++)
  {
    CPlayer *record = array[i];
    if (!record)
      continue;
    // A record written in this cycle already holds another sighting of it
    // (or another message), which this one must not overwrite.
    const bool taken = record->GetTime() == now && record->GetSource() != (seenOnly ? 1 : 0);
    const int recordNum = record->GetUNum();
    // The distance is worked out once, and only for a record that may be
    // this player by its number.
    const bool numberFits = !(IsUNum(recordNum) && IsUNum(unum) && recordNum != unum);
    const float d = !taken && numberFits ? record->GetGPos().dist(seen) : 0;
    if (!taken && numberFits && couldBeAt(d, record->GetTime(), time))
    {
      matched = true;
      const float value = static_cast<float>(std::max(std::abs(time - record->GetTime()), 1)) * d;
      if (value < score)
      {
        best = i;
        score = value;
      }
    }
    if (takeOldest && !matched && record->GetTime() < now &&
        (oldest < 0 || record->GetConf() < leastConf ||
         (record->GetConf() == leastConf && record->GetTime() < oldestTime)))
    {
      oldest = i;
      oldestTime = record->GetTime();
      leastConf = record->GetConf();
    }
  }

  if (IsUNum(unum))
    for (int j = 0; j < n; j++)
    {
      CPlayer *numbered = array[j];
      if (!numbered || numbered->GetUNum() != unum)
        continue;
      if (numbered->GetIsTired() && numbered->GetSide() == GetSide())
      {
        player->SetIsTired(numbered->GetIsTired());
        player->SetIsTiredTime(numbered->GetIsTiredTime());
      }
      if (numbered->GetIsGoalie())
        player->SetIsGoalie(true);
      // The record nearest by position was this numbered player seen without
      // his number: it is a ghost now.
      if (matched && best >= 0 && best != j)
      {
        CPlayer *ghost = array[best];
        if (couldBe(ghost->GetGPos(), ghost->GetTime(), numbered->GetGPos(), numbered->GetTime()) &&
            !IsUNum(ghost->GetUNum()))
          ghost->SetConf(0);
      }
      index = j;
      score = 0;
      return;
    }

  if (matched)
  {
    // A candidate that did not beat the caller's score leaves best at -1 and
    // the index as it was.
    if (best >= 0)
      index = best;
  }
  else if (oldest >= 0)
  {
    score = NO_MATCH;
    index = oldest;
    array[oldest]->SetIsGoalie(false);
    array[oldest]->SetIsTired(false);
    array[oldest]->SetIsTiredTime(0);
  }
}

void CMemory::StoreBallFromAudio(const CBall &ball) const
{
  const_cast<CMemory *>(this)->HearBall(ball);
}

void CMemory::HearBall(const CBall &heard)
{
  CBall *ball = GetNonConstBall();
  if (!ball)
    return;
  // What the agent saw itself in this cycle is as fresh as news gets; a
  // heard ball is at best as old, and told by somebody farther off.
  if (ball->GetTime() == GetTime() && ball->GetHeardTime() != GetTime() && ball->GetConf() > 0)
    return;
  // Near us, what we saw or felt a cycle or two ago (and reckoned on with
  // our own kicks) beats any word: the teller places the ball from where he
  // reckons himself to be and from farther off, half a metre wrong on the
  // median in matches against a few centimetres for our own, and a kick
  // laid on his ball went wide of ours.
  // Farther off too, up to OWN_BALL_SIGHT_DISTANCE, our own sighting of
  // that age was the better: 0.3 m off on the median and 2.6 m at the 90th
  // percentile 3-15 m from us against 0.7 m and 3.2 m for a word, 0.6 m and
  // 3.0 m against 0.9 m and 3.6 m at 15-30 m; even a word of a ball moving
  // otherwise than ours, news of a kick we had not seen, was worse (0.9 m
  // and 4.0 m).
  if (ball->GetPositionValid() && ball->GetHeardTime() != ball->GetTime() &&
      GetTime() - ball->GetTime() <= OWN_NEAR_BALL_CYCLES &&
      ball->GetGPos().dist(GetGPos()) <= OWN_BALL_SIGHT_DISTANCE)
    return;
  const float difference = ball->GetConf() - heard.GetConf();
  if (difference > m_AudioConfBuffer)
    return;
  // Nearly as sure either way: the nearer view wins.
  if (std::fabs(difference) < m_AudioConfBuffer && heard.GetRMag() > ball->GetRMag())
    return;
  ball->SetTime(heard.GetTime());
  ball->SetHeardTime(heard.GetTime());
  ball->SetConf(heard.GetConf());
  ball->SetGPos(heard.GetGPos());
  ball->SetMag(heard.GetMag());
  ball->SetDir(heard.GetDir());
  // The heard ball is of this cycle, which UpdateRPos leaves as it is: the
  // agent's ball would keep its old relative place beside the new global
  // one. The heard relative place, the one the nearer-view rule above
  // judged, goes with it.
  ball->SetRPos(heard.GetRPos());
  ball->UpdateRPos(GetGPos(), GetFacing(), GetTime());
  ball->UpdateRBPos(GetGPos(), GetBFacing(), GetTime());
  m_HeardKept++;
}

void CMemory::StorePlayerFromAudio(const CPlayer &player) const
{
  const_cast<CMemory *>(this)->HearPlayer(player);
}

void CMemory::HearPlayer(CPlayer heard)
{
  const bool mate = heard.GetSide() == GetSide();
  if (mate && heard.GetUNum() == GetUNum())
    return;
  // A nameless team-mate this close is the agent itself as the sender saw it.
  if (mate && heard.GetUNum() == -999 && heard.GetGPos().dist(GetGPos()) < m_FeelDistance)
    return;
  heard.SetSource(1);
  CPlayer **array = mate ? m_Friend : m_Foe;
  if (SeenNotThere(heard))
    return;
  // A teller holding two records of one player (his sighting and an older
  // word, say) tells both in one message; filed apart, the second took
  // another record, every listener held the player twice and told him
  // twice in turn. One record keeps the surer word.
  if (CPlayer *told = ToldBefore(heard, array))
  {
    if (heard.GetConf() > told->GetConf())
    {
      if (heard.GetUNum() == -999)
        heard.SetUNum(told->GetUNum());
      FileNews(told, heard);
      m_HeardKept++;
    }
    return;
  }
  float score = NO_MATCH;
  int index = -1;
  MatchInArray(&heard, array, MAX_PLAYERS, true, score, index, false);
  if (index < 0 || !array[index])
    return;
  CPlayer *record = array[index];
  // A player seen in this cycle, or a few cycles ago, keeps what the agent
  // saw.
  if (record->GetSource() == 0 && record->GetConf() > 0 &&
      GetTime() - record->GetTime() <= OWN_PLAYER_SIGHTING_CYCLES)
    return;
  // The word's place is the teller's sighting, dated by its confidence;
  // a teller who knew no pace passes on none.
  const CPlayer before = *record;
  const int sighted = WordSightedAt(heard);
  const bool paced = heard.GetVelocity().GetMag() > m_Epsilon;
  const auto take = [&]() {
    FileNews(record, heard);
    TakePaceFromPlaces(before, *record, sighted, paced);
    m_HeardKept++;
  };
  if (score >= FALLBACK_SCORE)
  {
    if (heard.GetConf() > record->GetConf())
      take();
    return;
  }
  const float difference = record->GetConf() - heard.GetConf();
  if (difference > m_AudioConfBuffer)
    return;
  if (std::fabs(difference) < m_AudioConfBuffer && record->GetRMag() < heard.GetRMag())
    return;
  if (heard.GetUNum() == -999)
    heard.SetUNum(record->GetUNum());
  take();
}

void CMemory::FileNews(CPlayer *record, const CPlayer &news)
{
  *record = news;
  record->UpdateRPos(GetGPos(), GetFacing(), GetTime());
  record->UpdateRBPos(GetGPos(), GetBFacing(), GetTime());
}

int CMemory::WordSightedAt(const CPlayer &heard) const
{
  return GetTime() - DropsSince(heard.GetConf(), m_MobConfDrop, m_Epsilon);
}

CPlayer *CMemory::ToldBefore(const CPlayer &heard, CPlayer **array) const
{
  const int now = GetTime();
  const int unum = heard.GetUNum();
  const int heardAt = WordSightedAt(heard);
  CPlayer *nearest = nullptr;
  float nearestDist = 0;
  for (int i = 0; i < MAX_PLAYERS; i++)
  {
    CPlayer *record = array[i];
    if (!record || record->GetTime() != now || record->GetSource() != 1 ||
        !record->GetPositionValid())
      continue;
    if (IsUNum(unum) && IsUNum(record->GetUNum()) && unum != record->GetUNum())
      continue;
    // Two records of one player part by what he can run between the two
    // sightings they came from, and by the noise of a far sighting.
    const int apart = std::abs(heardAt - WordSightedAt(*record));
    const float d = record->GetGPos().dist(heard.GetGPos());
    if (d <= TOLD_TWICE_SLACK + static_cast<float>(apart) * m_PlayerSpeedMax &&
        (!nearest || d < nearestDist))
    {
      nearest = record;
      nearestDist = d;
    }
  }
  return nearest;
}

bool CMemory::SeenNotThere(const CPlayer &heard) const
{
  const int now = GetTime();
  // Only our latest look, this cycle's or the last, and only a word of a
  // sighting no newer than it; a look further back may have missed him
  // walking in.
  if (m_LastVisualTime < now - 1)
    return false;
  const int heardTime = WordSightedAt(heard);
  if (heardTime > m_LastVisualTime)
    return false;
  if (!(std::fabs(heard.GetRDir()) < GetViewAngle() - m_RemoveGhostsBuf &&
        heard.GetRMag() > m_FeelDistance))
    return false;
  // Anybody we saw in that look near the place, on either side or on none
  // (a far player shows no team), may be him: placed by the word, by our
  // own look of him from afar, and moved by his run since the word's
  // sighting.
  const float reach = TOLD_TWICE_SLACK + SIGHTING_DISTANCE_NOISE * heard.GetRMag() +
                      static_cast<float>(m_LastVisualTime - heardTime) * m_PlayerSpeedMax;
  const auto near = [&](CPlayer *const *records, int n) {
    for (int i = 0; i < n; i++)
    {
      const CPlayer *r = records[i];
      if (r && r->GetSource() == 0 && r->GetTime() == m_LastVisualTime && r->GetPositionValid() &&
          r->GetGPos().dist(heard.GetGPos()) <= reach)
        return true;
    }
    return false;
  };
  return !near(m_Foe, MAX_PLAYERS) && !near(m_Friend, MAX_PLAYERS) &&
         !near(m_UnknownPlayer, MAX_UNKNOWN) && !near(m_ClosePlayer, MAX_PLAYERS);
}

void CMemory::StorePassFromAudio(int time, int receiver, CVector) const
{
  if (IsUNum(receiver) && receiver == GetUNum())
  {
    // Through the const entry point, like the other heard objects.
    CMemory *self = const_cast<CMemory *>(this);
    self->SetPassReceiver(receiver);
    self->SetPassReceiverTime(time);
    self->m_HeardKept++;
  }
}
