// Passing and shot assessment. Both ask one question of the opponents: how
// many cycles ahead of the quickest of them is a ball rolling from here to
// there. A pass is risky when that margin is small; a shot gets through
// when it is positive.

#include <algorithm>
#include <cmath>
#include <vector>

#include "CBall.h"
#include "CShotAim.h"
#include "CBehaviours.h"
#include "CPlayer.h"
#include "PlayerInterface.h"
#include "Predict.h"

namespace
{
const int NEVER = Predict::MAX_CYCLES;
// A rolling ball is followed no longer than this: past it a pass or shot is
// dead anyway.
const int MAX_ROLL = 100;
// An opponent this near the ball presses the carrier.
const float kPresserNear = 3;
// An opponent this near where the receiver waits marks him; one on the
// ball's side of him, stepping in front, from farther.
const float kMarkedRadius = 2.5f;
const float kMarkedInFrontRadius = 4;

// The cycles a rolling ball of start speed v needs to cover dist under
// decay; MAX_ROLL when it stops short.
int RollCycles(float v, float decay, float dist)
{
  float covered = 0;
  for (int t = 0; t < MAX_ROLL; t++)
  {
    if (covered >= dist)
      return t;
    covered += v;
    v *= decay;
  }
  return MAX_ROLL;
}
}  // namespace

// ------------------------------------------------------------- the margin

float CBehaviours::SpareCycles(CVector from, CVector target, float speed, int delay,
                               const CVector *receiver, bool withGoalie, float leaveOutNear)
{
  sorted_players foes;
  SortValidFoes2Me(foes);
  const CPlayer *goalie = TheirGoalie();
  const float dist = from.dist(target);
  const int cycles = RollCycles(speed, m_BallDecay, dist);
  const float ux = dist > m_Epsilon ? (target.GetX() - from.GetX()) / dist : 1;
  const float uy = dist > m_Epsilon ? (target.GetY() - from.GetY()) / dist : 0;
  // The ball's places along its way, in plain numbers: every opponent is
  // measured against each.
  std::vector<float> along(static_cast<size_t>(cycles) + 1, 0);
  float v = speed;
  for (int t = 1; t <= cycles; t++)
  {
    along[static_cast<size_t>(t)] = std::min(dist, along[static_cast<size_t>(t) - 1] + v);
    v *= m_BallDecay;
  }
  // Flat out on a straight line, after a cycle to turn and get going: what
  // a player can do at best.
  const float speedMax = m_PlayerSpeedMax;
  const auto cyclesFrom = [&](CVector p, float reach, int t) {
    const float dx = from.GetX() + ux * along[static_cast<size_t>(t)] - p.GetX();
    const float dy = from.GetY() + uy * along[static_cast<size_t>(t)] - p.GetY();
    const float run = std::sqrt(dx * dx + dy * dy) - reach;
    return run > 0 ? run / speedMax + 1 : 0;
  };
  // A receiver comes out to meet the ball: from the first cycle he can be
  // at it, it is his.
  int last = cycles;
  if (receiver)
    for (int t = 1; t <= cycles; t++)
      if (cyclesFrom(*receiver, m_Kickable, t) <= static_cast<float>(t + delay))
      {
        last = t;
        break;
      }
  float spare = static_cast<float>(NEVER);
  for (int i = 0; i < foes.count && i < sorted_players::MAX_ENTRIES; i++)
  {
    const CPlayer *o = foes.players[i];
    const bool isGoalie = o == goalie || o->GetIsGoalie();
    if (isGoalie && !withGoalie)
      continue;
    // The goalkeeper may take it with his hands.
    const float reach = isGoalie ? std::max(m_Kickable, m_CatchRadius) : m_Kickable;
    const CVector at = o->GetGPos();
    if (at.dist(from) < leaveOutNear)
      continue;
    for (int t = 1; t <= last; t++)
      spare = std::min(spare, cyclesFrom(at, reach, t) - static_cast<float>(t + delay));
  }
  return spare;
}

// ---------------------------------------------------------------- passing

int CBehaviours::PassBall(const CPlayer *p, float speedAtTarget)
{
  if (!p || !p->GetPositionValid())
    return 0;
  const CVector target = p->GetGPos();
  return AnnouncePass(p, target, KickBall(target, Point2KickVelocity(target, speedAtTarget)));
}

float CBehaviours::PassPace(const CPlayer *receiver) const
{
  const int unum = receiver ? receiver->GetUNum() : 0;
  if (unum < 1 || unum > 11 || !m_Passing.receivers[unum - 1].valid ||
      m_Passing.receivers_time != GetTime())
    return m_MaxPassSpeedAtTarget;
  return m_Passing.receivers[unum - 1].pace;
}

float CBehaviours::PassRisk(CVector from, CVector target, float speed)
{
  // A ball that dies before it reaches him is the opponents' ball.
  const float dist = from.dist(target);
  const float left = speed - dist * (1 - m_BallDecay);
  if (left < m_MinPassSpeedAtTarget - m_Epsilon)
    return 1;
  // Faster than one kick from where the ball lies can make it, the kick
  // takes its several cycles, which the opponents have too.
  const float oneKick = std::max(0.0f, CalcKickPowerRate()) * static_cast<float>(m_MaxPower);
  const bool oneKickDoes = speed <= oneKick;
  const int delay = oneKickDoes ? 1 : std::max(1, m_CyclesToKick);
  // He waits for it a body beyond the target.
  const CVector receiver = dist > m_Epsilon ? target + (target - from).SetLength(m_PlayerSize)
                                            : target;
  // An opponent at his side contests the ball as it comes, whoever the
  // reckoning has first: such passes were lost four times in five.
  sorted_players foes;
  SortValidFoes2Me(foes);
  for (int i = 0; i < foes.count && i < sorted_players::MAX_ENTRIES; i++)
  {
    const CVector at = foes.players[i]->GetGPos();
    const float near = at.dist(from) < receiver.dist(from) ? kMarkedInFrontRadius : kMarkedRadius;
    if (at.dist(receiver) < near)
      return 1;
  }
  // The others are given a cycle in hand for what is not known of them;
  // an opponent pressing at the ball is seen well, and one kick sends the
  // ball this cycle: he gets at it only if he gets to its first places on
  // its way in his one cycle of moving. A cycle in hand for him too refused
  // every pass of a carrier pressed from a metre or two, and the ball went
  // long instead, to be lost nine times in ten.
  float spare = SpareCycles(from, target, speed, delay, &receiver, true, oneKickDoes ? kPresserNear : 0);
  if (oneKickDoes)
    spare = std::min(spare, SpareCycles(from, target, speed, 0, &receiver));
  if (spare >= static_cast<float>(NEVER))
    return 0;
  // Each cycle the ball is ahead cuts the risk by the ratio.
  return spare <= 0 ? 1.0f : static_cast<float>(std::pow(m_PassRiskRatio, spare));
}

void CBehaviours::AssessReceivers()
{
  const int now = GetTime();
  if (m_Passing.receivers_time == now)
    return;
  m_Passing.receivers_time = now;
  for (int i = 0; i < 11; i++)
  {
    m_Passing.receivers[i] = RECEIVERINFO();
    m_Passing.receivers[i].time = now;
  }
  const CBall *ball = M2BReadBall();
  const CVector from = BallPositionValid() ? ball->GetGPos() : GetGPos();
  sorted_players mates;
  SortValidFriends2Me(mates);
  for (int i = 0; i < mates.count && i < sorted_players::MAX_ENTRIES; i++)
  {
    const CPlayer *mate = mates.players[i];
    const int unum = mate->GetUNum();
    if (unum < 1 || unum > 11 || unum == GetUNum() || mate->GetConf() <= m_MobConfThr)
      continue;
    if (from.dist(mate->GetGPos()) > m_MaxPassDist)
      continue;
    RECEIVERINFO &info = m_Passing.receivers[unum - 1];
    // Reckoned at the pace a pass is kicked as well as at the slowest he
    // may be given, the safer of the two kept: reckoned at the slowest
    // alone, the ball took cycles longer to get there than the kick gives
    // it, and team-mates 12-18 m off were counted cut out by opponents who
    // never got near a ball kicked at the pass's pace. The slower one still
    // counts where only it goes in one kick.
    for (const float pace : {m_MaxPassSpeedAtTarget, m_MinPassSpeedAtTarget})
    {
      // He drifts on while the ball travels: aim where he will be, worked
      // out twice so the travel time fits the place.
      CVector target = mate->GetGPos();
      float speed = 0;
      int cycles = 0;
      for (int pass = 0; pass < 2; pass++)
      {
        speed = std::min(from.dist(target) * (1 - m_BallDecay) + pace, m_BallSpeedMax);
        cycles = RollCycles(speed, m_BallDecay, from.dist(target));
        CVector pos = mate->GetGPos();
        CVector vel = mate->GetVelocityValid() ? mate->GetVelocity() : CVector();
        for (int t = 0; t < cycles; t++)
        {
          const float x = pos.GetX();
          const float y = pos.GetY();
          Predict::Step(pos, vel, m_PlayerSpeedMax, m_PlayerDecay);
          // A step too small to move him leaves every later one, smaller
          // still under a decay below 1, too small as well: he stands.
          if (pos.GetX() == x && pos.GetY() == y && m_PlayerDecay >= 0 && m_PlayerDecay < 1)
            break;
        }
        target = pos;
      }
      // The ball is to stop at his feet, not run through him.
      if (from.dist(target) > m_PlayerSize)
        target = target - (target - from).SetLength(m_PlayerSize);
      const float risk = PassRisk(from, target, speed);
      if (info.valid && risk >= info.risk)
        continue;
      info.valid = true;
      info.target = target;
      info.stands = mate->GetGPos();
      info.speed = speed;
      info.pace = pace;
      info.cycles = cycles;
      info.risk = risk;
    }
    // The record holds him where the pass meets him.
    m_Receivers[unum - 1] = *mate;
    m_Receivers[unum - 1].SetGPos(info.target);
  }
}

const CPlayer *CBehaviours::PassTarget(int allowBackPass)
{
  const CBall *ball = M2BReadBall();
  const CVector from = BallPositionValid() ? ball->GetGPos() : GetGPos();
  // Stuck at their last line, the attack may go back to build again.
  const bool back =
      allowBackPass || from.GetX() > GetOffsideLine() - m_BackPassOffsideBuffer;
  PASSLIMITS limits;
  limits.backAllowance = back ? m_PitchLength : 0;
  limits.maxDist = m_MaxPassDist;
  return PassTarget(limits);
}

namespace
{
// What a pass's risk costs in ground: a sure pass is worth this many
// metres more than one the opponents surely get.
const float kRiskCost = 10;
}  // namespace

const CPlayer *CBehaviours::PassTarget(const PASSLIMITS &limits)
{
  AssessReceivers();
  const CBall *ball = M2BReadBall();
  const bool ballKnown = BallPositionValid();
  const CVector from = ballKnown ? ball->GetGPos() : GetGPos();
  // Deep in our half a lost pass costs a goal: ask for more safety there.
  const float threshold = limits.riskThreshold >= 0 ? limits.riskThreshold
                          : from.GetX() < -m_DefenseZone ? m_DefPassRiskThreshold
                                                         : m_PassRiskThreshold;
  const float offside = GetOffsideLine();
  sorted_players foes;
  SortValidFoes2Me(foes);
  const CPlayer *best = nullptr;
  float bestValue = 0;
  for (int i = 0; i < 11; i++)
  {
    const RECEIVERINFO &info = m_Passing.receivers[i];
    const CPlayer &r = m_Receivers[i];
    if (!info.valid || r.GetConf() <= m_MobConfThr || info.risk >= threshold)
      continue;
    // Not to our goalkeeper, nor into our own area, where a ball lost is
    // a goal.
    if (r.GetIsGoalie() || GetRole(i + 1) == ROLE_GOALKEEPER || InOurPenaltyArea(info.target))
      continue;
    const float dist = from.dist(info.target);
    if (dist < m_MinPassDist || dist > limits.maxDist)
      continue;
    const float gain = info.target.GetX() - from.GetX();
    if (info.target.GetX() > offside + m_Epsilon && gain > 0)
      continue;
    // Beyond their line as the ball is played he is offside wherever the
    // ball meets him, drifting back or not: most offsides called on us came
    // from balls played straight at a forward standing beyond it. Judged
    // against the line itself, not the metre short of it the ball is kept
    // to: forwards wait within that metre, and kept from the ball there our
    // attacks ended without a shot.
    if (info.stands.GetX() > offside + CMediator::OFFSIDE_LINE_SLACK + m_Epsilon)
      continue;
    if (gain < -limits.backAllowance)
      continue;
    // One kick must still bring the ball there rolling, if slower than
    // a pass would, and along the pass: a ball rolling across the kicker
    // that one kick cannot turn onto its way went off 10 to 60 degrees,
    // and more than half of such passes were lost.
    float risk = info.risk;
    if (limits.oneKick)
    {
      const float oneKick = OneKickSpeedTowards(info.target);
      if (oneKick < dist * (1 - m_BallDecay) + m_MinPassSpeedAtTarget / 2)
        continue;
      // Slower than the pass was reckoned at, the ball is longer on its
      // way: its risk is the risk at the pace one kick gives, reckoned no
      // slower than the slowest pass, which the opponents' margin is
      // measured for.
      if (oneKick < info.speed)
      {
        const float slowest = dist * (1 - m_BallDecay) + m_MinPassSpeedAtTarget;
        risk = PassRisk(from, info.target, std::max(oneKick, std::min(slowest, info.speed)));
        if (risk >= threshold)
          continue;
      }
    }
    // Crowding: an opponent at his side counts fully, one at the buffer's
    // edge hardly; the epsilon keeps one standing on him finite.
    float crowd = 0;
    bool free = true;
    for (int j = 0; j < foes.count && j < sorted_players::MAX_ENTRIES; j++)
    {
      const float d = foes.players[j]->GetGPos().dist(info.target);
      if (d < limits.freeRadius)
        free = false;
      if (d < m_PassOpponentBuffer)
        crowd += 1 / (d * d + m_CongestionEpsilon);
    }
    m_Passing.receivers[i].congestion = crowd;
    if (!free)
      continue;
    // Ground gained, less a buffer's worth for a crowded receiver and the
    // risk's worth in ground.
    const float value = gain - m_PassOpponentBuffer * std::min(1.0f, crowd) - kRiskCost * risk;
    if (!best || value > bestValue)
    {
      best = &r;
      bestValue = value;
    }
  }
  return best;
}

// ------------------------------------------------------------------ shots

namespace
{
// The goal mouth seen at a narrower angle than this takes no shot.
const float kFinestMouth = 12;
// Their defenders run for a shot from when the ball goes, not a cycle
// before: the margin of a pass shut out every shot from 16-22 m.
const int kShotDelay = 0;
// The ball's first cycle is judged along its way, not only at its end: a
// defender within reach of this stretch of it blocks the shot.
const float kFirstStretch = 3;
// The other corner is aimed this far inside its post, and is open only to
// a keeper farther from its way than his reach and a step.
const float kInsideOtherPost = 1;
const float kKeeperStep = 1;

// The goal mouth stays open to a shot from in front of the posts and up to
// 45 degrees beside them; from farther round it closes.
bool MouthOpen(CVector pos, float goalLine, float goalWidth)
{
  const float before = goalLine - pos.GetX();
  return before > 0 && std::fabs(pos.GetY()) < goalWidth / 2 + before;
}
}  // namespace

bool CBehaviours::ShotGetsThrough(CVector from, CVector target, float speed, float endSpeed,
                                  float *spare)
{
  const float dist = from.dist(target);
  if (spare)
    *spare = -static_cast<float>(NEVER);
  // Too slow on the line, the goalkeeper gathers it.
  if (speed - dist * (1 - m_BallDecay) < endSpeed)
    return false;
  const float margin = SpareCycles(from, target, speed, 1);
  if (spare)
    *spare = margin;
  return margin > 0;
}

bool CBehaviours::ShotInRange(CVector &target)
{
  const CVector me = GetGPos();
  const float goalLine = m_PitchLength / 2;
  // Measured from the ball to the middle of the mouth, before the
  // direction's costly scan: measured to a post, kicks from 31 m out wide
  // were taken for shots, and went nowhere near.
  const CBall *ball = M2BReadBall();
  const CVector from = BallPositionValid() ? ball->GetGPos() : me;
  if (from.dist(CVector(goalLine, 0)) > m_ShotDistance || !MouthOpen(me, goalLine, m_GoalWidth))
    return false;
  // Seen at too fine an angle the mouth takes no shot. Judged by the
  // angle, not by standing beside the goal area: from its corner, 10 m
  // out, the mouth is 40 degrees wide, and the ball was crossed back.
  const float postAngle = NormaliseAngle((CVector(goalLine, m_GoalWidth / 2) - me).GetDir() -
                                         (CVector(goalLine, -m_GoalWidth / 2) - me).GetDir());
  if (std::fabs(postAngle) < kFinestMouth)
    return false;
  target = ShootPoint(nullptr);
  // Hard enough on the line that the goalkeeper must get across to it.
  // The far corner's own distance is no bar: measured to it, a shot from
  // 28 m out at an angle, the far corner 32 m off, was never tried.
  return m_BallSpeedMax - me.dist(target) * (1 - m_BallDecay) >= m_ShotVelAtGoal;
}

bool CBehaviours::ShutAtTheFoot(CVector from, CVector target)
{
  const CVector end = from + (target - from).SetLength(kFirstStretch);
  const CPlayer *keeper = TheirGoalie();
  sorted_players foes;
  SortValidFoes2Me(foes);
  for (int i = 0; i < foes.count && i < sorted_players::MAX_ENTRIES; i++)
  {
    const CPlayer *foe = foes.players[i];
    if (foe != keeper && !foe->GetIsGoalie() && DistanceToSegment(foe->GetGPos(), from, end) <= m_Kickable)
      return true;
  }
  return false;
}

bool CBehaviours::HaveAShot()
{
  CVector target;
  if (!ShotInRange(target))
    return false;
  const CVector me = GetGPos();
  // So close that nobody gets across in time: only the ball's pace counts.
  if (me.dist(target) <= m_GreatShotDistance)
    return true;
  // Their field players must not get at it. The goalkeeper alone does not stop a hard shot at the
  // open side often enough for it not to be tried: a ball held at the
  // edge of their area never scores.
  if (!ShutAtTheFoot(me, target) && SpareCycles(me, target, m_BallSpeedMax, kShotDelay, nullptr, false) > 0)
    return true;
  // The corner the keeper reaches last is shut by a defender: the other
  // one, when the keeper is not on its way. From 16-22 m out nobody shot
  // while one corner stood open.
  const float post = m_GoalWidth * m_ShootGoalWidthFactor / 2 - kInsideOtherPost;
  const CVector other(m_PitchLength / 2, target.GetY() > 0 ? -post : post);
  const CPlayer *keeper = TheirGoalie();
  if (keeper && keeper->GetPositionValid() &&
      DistanceToSegment(keeper->GetGPos(), me, other) <= m_CatchRadius + kKeeperStep)
    return false;
  if (ShutAtTheFoot(me, other) || SpareCycles(me, other, m_BallSpeedMax, kShotDelay, nullptr, false) <= 0)
    return false;
  m_ShotAim.NoteTarget(GetTime(), other);
  return true;
}

bool CBehaviours::HaveAGoodShot()
{
  const CVector me = GetGPos();
  const CVector target = ShootPoint(nullptr);
  const float dist = me.dist(target);
  if (dist > std::min(m_GoodShotDistance, m_ShotDistance) ||
      !MouthOpen(me, m_PitchLength / 2, m_GoalWidth))
    return false;
  if (dist <= m_GreatShotDistance)
    return m_BallSpeedMax - dist * (1 - m_BallDecay) >= m_ShotVelAtGoal;
  // Farther out it must come from in front of the mouth and beat everyone
  // by a cycle.
  float spare = 0;
  return std::fabs(me.GetY()) <= m_GoalWidth &&
         ShotGetsThrough(me, target, m_BallSpeedMax, m_ShotVelAtGoal, &spare) && spare >= 1;
}

bool CBehaviours::HaveAGreatShot()
{
  const CVector me = GetGPos();
  const CVector target = ShootPoint(nullptr);
  return me.dist(target) <= std::min(m_GreatShotDistance, m_ShotDistance) &&
         ShotGetsThrough(me, target, m_BallSpeedMax, m_ShotVelAtGoal, nullptr);
}

namespace
{
// What a player's shot is worth when he has none.
const float NO_SHOT = -1e6f;

bool InRange(CVector pos, CVector target, float shotDistance, float goalLine, float goalWidth)
{
  return pos.dist(target) <= shotDistance && MouthOpen(pos, goalLine, goalWidth);
}
}  // namespace

bool CBehaviours::HasAShot(const CPlayer *p)
{
  if (p && !p->GetPositionValid())
    return false;
  const CVector pos = p ? p->GetGPos() : GetGPos();
  const CVector target = ShootPoint(p);
  return InRange(pos, target, m_ShotDistance, m_PitchLength / 2, m_GoalWidth) &&
         SpareCycles(pos, target, m_ShotSpeed, 1) > 0;
}

bool CBehaviours::HasAGoodShot(const CPlayer *p)
{
  const CVector pos = p ? p->GetGPos() : GetGPos();
  return HasAShot(p) && pos.dist(ShootPoint(p)) <= m_GoodShotDistance;
}

bool CBehaviours::HasABetterShot(const CPlayer *p)
{
  if (!p || !p->GetPositionValid())
    return false;
  const float goalLine = m_PitchLength / 2;
  const CVector his = p->GetGPos();
  const CVector hisTarget = ShootPoint(p);
  if (!InRange(his, hisTarget, m_ShotDistance, goalLine, m_GoalWidth))
    return false;
  const float hisMargin = SpareCycles(his, hisTarget, m_ShotSpeed, 1);
  if (hisMargin <= 0)
    return false;
  const CVector me = GetGPos();
  const CVector myTarget = ShootPoint(nullptr);
  const float myMargin = InRange(me, myTarget, m_ShotDistance, goalLine, m_GoalWidth)
                             ? SpareCycles(me, myTarget, m_ShotSpeed, 1)
                             : NO_SHOT;
  return hisMargin >= myMargin + static_cast<float>(m_BetterShotDiff);
}

bool CBehaviours::IsShot()
{
  const CBall *ball = M2BReadBall();
  if (!BallPositionValid() || !ball->GetVelocityValid())
    return false;
  const CVector pos = ball->GetGPos();
  const CVector vel = ball->GetVelocity();
  const float ownLine = -m_PitchLength / 2;
  if (!(vel.GetX() < 0) || pos.GetX() < ownLine)
    return false;
  // Where it crosses our goal line: within the goal area's width counts,
  // a near miss included.
  const float y = pos.GetY() + vel.GetY() * (ownLine - pos.GetX()) / vel.GetX();
  if (std::fabs(y) > m_GoalAreaWidth / 2)
    return false;
  // And it must roll at least into the goal area to be a danger.
  const float roll = vel.GetMag() / (1 - m_BallDecay);
  const float toArea = (pos.GetX() - (ownLine + m_GoalAreaLength)) * vel.GetMag() / -vel.GetX();
  return roll >= toArea;
}
