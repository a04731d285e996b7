// Active interception: the first cycle in which a player can be within
// reach of the ball. The ball is rolled on once a cycle; each player's run to
// its place of cycle k is simulated with the server's model, the agent's own
// cycle by cycle and the others' in coarser steps, refined back to the first
// cycle once a step succeeds. What was found is kept per player for the
// cycle: the fastest-player queries ask for 22 players and the play asks
// again for the same ones.

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "CBall.h"
#include "CBehaviours.h"
#include "CPlayer.h"
#include "Geometry.h"
#include "Predict.h"

namespace
{
const int NEVER = Predict::MAX_CYCLES;

// A tired team-mate is reckoned to run only as fast as he recovers.
float RunPower(const CPlayer *p, char ownSide, float tiredPower, int maxPower)
{
  const bool tiredMate = p && p->GetIsTired() && p->GetSide() == ownSide;
  return tiredMate ? tiredPower : static_cast<float>(maxPower);
}

bool Same(const CVector &a, const CVector &b)
{
  return a.GetX() == b.GetX() && a.GetY() == b.GetY();
}

bool SameInputs(const PLAYERINTERCEPTINFO &r, int now, float power, const CVector &ballPos,
                const CVector &ballVel, const Predict::Body &b)
{
  return r.time == now && r.power == power && Same(r.ballPos, ballPos) &&
         Same(r.ballVel, ballVel) && Same(r.playerPos, b.pos) && Same(r.playerVel, b.vel) &&
         r.playerFacing == b.facing;
}

// A fresh record for these inputs: what SameInputs compares it by later.
PLAYERINTERCEPTINFO NewRecord(int now, float power, int horizon, const CVector &ballPos,
                              const CVector &ballVel, const Predict::Body &b)
{
  PLAYERINTERCEPTINFO r;
  r.time = now;
  r.power = power;
  r.horizon = horizon;
  r.ballPos = ballPos;
  r.ballVel = ballVel;
  r.playerPos = b.pos;
  r.playerVel = b.vel;
  r.playerFacing = b.facing;
  return r;
}

// Where the fine search starts: at the fastest mark of this cycle, when the
// look-ahead asks for it and one is set.
int FineStart(int lookahead, int markTime, int mark, int now, int horizon)
{
  const bool known = lookahead <= -2 && markTime == now && mark >= 0;
  return known ? std::min(mark, horizon) : -1;
}
}  // namespace

CInterceptSearch::CInterceptSearch(CBehaviours &brain)
    : m_Brain(brain), m_Interception(brain.m_Interception)
{
}

void CBehaviours::InitialiseInterception()
{
  m_Interception.lookahead = m_InterceptLookahead;
  // A team of no players would leave the agent's slot only.
  const int size = std::max(m_TeamSize, 0);
  m_Interception.info.assign(static_cast<size_t>(2 * size + 1), PLAYERINTERCEPTINFO());
  m_Interception.scratch = PLAYERINTERCEPTINFO();
  m_Interception.ball_path.clear();
  m_Interception.ball_path_time = -999;
  // A configured minimum below zero is no minimum at all.
  if (m_IntMinCyc < 0)
    m_IntMinCycTime = std::min(m_IntMinCycTime, -1);
  m_FastestFriendTime = 0;
  m_FastestFriend = nullptr;
  m_FastestFoeTime = 0;
  m_FastestFoe = nullptr;
}

void CBehaviours::SetInterceptionLookahead(int cycles)
{
  // 0 goes back to the configured look-ahead.
  m_Interception.lookahead = cycles == 0 ? m_InterceptLookahead : cycles;
}

void CBehaviours::SetIntMinCyc(int cycles)
{
  const int now = GetTime();
  if (cycles < 0)
    return;
  if (m_IntMinCycTime != now || cycles < m_IntMinCyc)
  {
    m_IntMinCyc = cycles;
    m_IntMinCycTime = now;
  }
}

int CInterceptSearch::InterceptHorizon() const
{
  const int horizon =
      m_Interception.lookahead > 0 ? m_Interception.lookahead : m_Brain.m_MaxIntLookahead;
  return std::max(0, std::min(horizon, NEVER - 1));
}

const std::vector<CVector> &CInterceptSearch::IntBallPath()
{
  const CBall *ball = m_Brain.M2BReadBall();
  const CVector pos = ball ? ball->GetGPos() : CVector();
  const CVector vel = ball && ball->GetVelocityValid() ? ball->GetVelocity() : CVector();
  if (m_Interception.ball_path_time != m_Brain.GetTime() ||
      !Same(pos, m_Interception.ball_path_pos) || !Same(vel, m_Interception.ball_path_vel))
  {
    m_Interception.ball_path_time = m_Brain.GetTime();
    m_Interception.ball_path_pos = pos;
    m_Interception.ball_path_vel = vel;
    m_Interception.ball_path.assign(1, pos);
  }
  return m_Interception.ball_path;
}

CVector CInterceptSearch::IntBallPos(int k)
{
  IntBallPath();
  return IntBallPosOnPath(k);
}

namespace
{
// The ball's decay to the power n, as the path rolls it on: the path is
// rolled anew every cycle, and the powers are the same every cycle.
float DecayPower(float decay, size_t n)
{
  struct Powers
  {
    float decay = 0;
    std::vector<float> of;
  };
  static thread_local Powers powers;
  if (std::memcmp(&powers.decay, &decay, sizeof decay) != 0)
  {
    powers.decay = decay;
    powers.of.clear();
  }
  while (powers.of.size() <= n)
    powers.of.push_back(static_cast<float>(std::pow(decay, static_cast<double>(powers.of.size()))));
  return powers.of[n];
}
}  // namespace

const CVector &CInterceptSearch::IntBallPosOnPath(int k)
{
  // Rolled on only as far as somebody asks.
  while (static_cast<int>(m_Interception.ball_path.size()) <= k)
  {
    const size_t n = m_Interception.ball_path.size();
    const float decay = DecayPower(m_Brain.m_BallDecay, n - 1);
    m_Interception.ball_path.push_back(m_Interception.ball_path.back() +
                                       m_Interception.ball_path_vel * decay);
  }
  return m_Interception.ball_path[static_cast<size_t>(k)];
}

namespace
{
const float DEG = static_cast<float>(kRadToDeg);

// The unit vector of a facing in single and double precision. A search
// starts a hundred runs a cycle, most of them from the body of the one
// before, so the last facing's is kept (a thread's own).
struct FacingVector
{
  float facing = 0, cosF = 1, sinF = 0;
  double cosD = 1, sinD = 0;
  bool known = false;
};

const FacingVector &VectorOf(float facing)
{
  static thread_local FacingVector last;
  // Compared bit for bit: -0 and 0, or two NaNs, are not taken for each other.
  if (!last.known || std::memcmp(&last.facing, &facing, sizeof facing) != 0)
  {
    last.facing = facing;
    last.cosF = std::cos(facing / DEG);
    last.sinF = std::sin(facing / DEG);
    last.cosD = std::cos(facing * kDegToRad);
    last.sinD = std::sin(facing * kDegToRad);
    last.known = true;
  }
  return last;
}

// A body in plain numbers: the search steps thousands of them a cycle, and
// a vector works out its length and direction at every step.
struct Runner
{
  float x, y, vx, vy, facing, cosF, sinF, stamina, effort;
  // The facing's unit vector to double precision, for SurelyAhead.
  double cosD, sinD;

  explicit Runner(const Predict::Body &b)
      : x(b.pos.GetX()), y(b.pos.GetY()), vx(b.vel.GetX()), vy(b.vel.GetY()), facing(b.facing),
        stamina(b.stamina), effort(b.effort)
  {
    const FacingVector &v = VectorOf(facing);
    cosF = v.cosF;
    sinF = v.sinF;
    cosD = v.cosD;
    sinD = v.sinD;
  }

  // Whether the way (dx, dy) lies within the cone of the given cosine around
  // the facing, for sure. The cone is taken a little narrower than the one
  // the arc tangent tests, by far more than that test's rounding, so that a
  // yes here is a yes there: most steps of a run head straight at the ball,
  // and the arc tangent was the dearest part of the search.
  bool SurelyAhead(float dx, float dy, double cosCone) const
  {
    const double along = dx * cosD + dy * sinD;
    return along > 0 &&
           along * along >
               (static_cast<double>(dx) * dx + static_cast<double>(dy) * dy) * cosCone * cosCone;
  }

  float Dist2(const CVector &p) const
  {
    const float dx = p.GetX() - x;
    const float dy = p.GetY() - y;
    return dx * dx + dy * dy;
  }

  void Face(float dir)
  {
    facing = std::remainder(dir, 360.0f);
    cosF = std::cos(facing / DEG);
    sinF = std::sin(facing / DEG);
    cosD = std::cos(facing * kDegToRad);
    sinD = std::sin(facing * kDegToRad);
  }

  void Accelerate(float acc)
  {
    vx += acc * cosF;
    vy += acc * sinF;
  }

  // The server's step: the speed capped, the move, the decay.
  void Move(float speedMax, float decay)
  {
    const float speed2 = vx * vx + vy * vy;
    if (speed2 > speedMax * speedMax)
    {
      const float f = speedMax / std::sqrt(speed2);
      vx *= f;
      vy *= f;
    }
    x += vx;
    y += vy;
    vx *= decay;
    vy *= decay;
  }
};
}  // namespace

// A dash's push on a simulated run. The agent runs on what stamina it has,
// and is slowed by its effort; the others dash as asked, up to the most.
float CInterceptSearch::RunnerDash(bool mine, float power, float effort, float &stamina) const
{
  if (!mine)
    return std::min(power, static_cast<float>(m_Brain.m_MaxPower)) * m_Brain.m_DashPowerRate;
  const float p =
      m_Brain.m_Bodies.Affordable(m_Brain.CorrectDashPower4Stamina(power, stamina), stamina);
  stamina = std::max(0.0f, stamina - Predict::DashCost(p));
  stamina = std::min(stamina + effort * m_Brain.m_StaminaIncMax, m_Brain.m_StaminaMax);
  return p * effort * m_Brain.m_DashPowerRate;
}

namespace
{
// Metres: far more than a run's rounding, so that a run cut short as too
// late could not have got there after all.
const float kLateSlack = 0.01f;
}  // namespace

bool CInterceptSearch::MeetsBallBy(const Predict::Body &start, bool mine, float power, int k,
                                   float within)
{
  IntBallPath();
  const CVector target = IntBallPosOnPath(k);
  const float reach = within > 0 ? within : m_Brain.m_Kickable + m_Brain.m_Epsilon;
  // Farther than running flat out the whole time covers: no need to try.
  const float most = reach + static_cast<float>(k) * m_Brain.m_PlayerSpeedMax;
  if (start.pos.dist2(target) > most * most)
    return false;
  const double cone = SureDashCone();
  Runner r(start);
  // The others dash as asked whatever their stamina: the same push at
  // every step.
  const float push = mine ? 0 : RunnerDash(false, power, r.effort, r.stamina);
  for (int j = 0;; j++)
  {
    const float left2 = r.Dist2(target);
    if (left2 <= reach * reach)
      return true;
    if (j >= k)
      return false;
    // Farther than the cycles left cover flat out: he is too late already.
    const float still = reach + static_cast<float>(k - j) * m_Brain.m_PlayerSpeedMax + kLateSlack;
    if (left2 > still * still)
      return false;
    const float dx = target.GetX() - r.x;
    const float dy = target.GetY() - r.y;
    if (cone > 0 && r.SurelyAhead(dx, dy, cone))
    {
      r.Accelerate(mine ? RunnerDash(true, power, r.effort, r.stamina) : push);
      r.Move(m_Brain.m_PlayerSpeedMax, m_Brain.m_PlayerDecay);
      continue;
    }
    const float to = std::atan2(dy, dx) * DEG;
    const float off = std::remainder(to - r.facing, 360.0f);
    if (std::fabs(off) > m_Brain.m_MaxGoToPointAngleErr)
    {
      // Turning: as far as the body's speed lets it.
      const float turn = m_Brain.EffectiveTurn(static_cast<float>(m_Brain.m_MaxMoment),
                                       std::sqrt(r.vx * r.vx + r.vy * r.vy));
      r.Face(r.facing + std::max(-turn, std::min(turn, off)));
    }
    else
      r.Accelerate(mine ? RunnerDash(true, power, r.effort, r.stamina) : push);
    r.Move(m_Brain.m_PlayerSpeedMax, m_Brain.m_PlayerDecay);
  }
}

// The cosine of the cone within which a simulated run surely dashes, or 0
// when the dash cone is too narrow or too wide for the sure test.
double CInterceptSearch::SureDashCone()
{
  // Degrees: some thousand times the rounding of the arc tangent's test.
  const double kMargin = 0.01;
  if (m_Interception.sure_dash_cone_of != m_Brain.m_MaxGoToPointAngleErr)
  {
    m_Interception.sure_dash_cone_of = m_Brain.m_MaxGoToPointAngleErr;
    const double narrower = m_Brain.m_MaxGoToPointAngleErr - kMargin;
    m_Interception.sure_dash_cone =
        narrower > 0 && narrower < 90 ? std::cos(narrower * kDegToRad) : 0;
  }
  return m_Interception.sure_dash_cone;
}

int CInterceptSearch::NoTurnCycles(const Predict::Body &start, bool mine, float power, int horizon)
{
  IntBallPath();
  const float reach = m_Brain.m_Kickable + m_Brain.m_Epsilon;
  Runner r(start);
  const float push = mine ? 0 : RunnerDash(false, power, r.effort, r.stamina);
  for (int j = 0; j <= horizon; j++)
  {
    if (r.Dist2(IntBallPosOnPath(j)) <= reach * reach)
      return j;
    r.Accelerate(mine ? RunnerDash(true, power, r.effort, r.stamina) : push);
    r.Move(m_Brain.m_PlayerSpeedMax, m_Brain.m_PlayerDecay);
  }
  return -1;
}

bool CBehaviours::ActiveCanGetThere(const Predict::Body &start, bool mine, float power, int fine,
                                    PLAYERINTERCEPTINFO &rec)
{
  const int horizon = rec.horizon;
  // Coarse steps first; a success is walked back to its first cycle. A
  // ball passing a player by may be in his reach for a cycle or two only,
  // which a step can miss: up to fine, where it decides who goes, every
  // cycle is tried.
  const int step = std::max(1, mine ? m_MyInterceptStep : m_InterceptStep);
  int found = -1;
  int tried = -1;
  for (int k = 0;; k = std::min(k <= fine ? k + 1 : k + step, horizon))
  {
    if (m_InterceptSearch.MeetsBallBy(start, mine, power, k))
    {
      found = k;
      for (int j = tried + 1; j < k; j++)
        if (m_InterceptSearch.MeetsBallBy(start, mine, power, j))
        {
          found = j;
          break;
        }
      break;
    }
    tried = k;
    if (k >= horizon)
      break;
  }
  // Running on without turning is taken when it comes at most a few cycles
  // later: the turn it saves is a cycle the ball is not watched from the
  // body's side, and the run keeps its speed.
  const int straight = m_InterceptSearch.NoTurnCycles(
      start, mine, power, found >= 0 ? found + m_NoTurnMaxCycDiff : horizon);
  const bool noTurn = straight >= 0 && (found < 0 || straight <= found + m_NoTurnMaxCycDiff);
  if (noTurn)
    found = straight;

  if (found < 0)
  {
    // Searched short of the full look-ahead, he may yet get there later.
    const bool cut = horizon < m_MaxIntLookahead;
    rec.res = cut ? INTERCEPT_TOO_LATE : INTERCEPT_FAILED;
    rec.numCycles = NEVER;
    rec.point = m_InterceptSearch.IntBallPos(horizon);
    return false;
  }
  rec.res = found == 0 ? INTERCEPT_DONE : INTERCEPT_RUNNING;
  rec.numCycles = found;
  rec.point = m_InterceptSearch.IntBallPos(found);
  // Aiming a little along the ball's path makes the player meet it running
  // rather than stop short of it; only where he gets to that place in time.
  const int ahead = found + std::max(0, m_InterceptAimAhead);
  if (!noTurn && found > 0 && ahead > found &&
      m_InterceptSearch.MeetsBallBy(start, mine, power, ahead))
    rec.point = m_InterceptSearch.IntBallPos(ahead);
  return true;
}

PLAYERINTERCEPTINFO &CInterceptSearch::IntRecord(const CPlayer *p)
{
  int slot = 0;
  if (p)
  {
    const int unum = p->GetUNum();
    const int size = (static_cast<int>(m_Interception.info.size()) - 1) / 2;
    const char side = p->GetSide();
    const bool numbered = unum >= 1 && unum <= size && (side == 'l' || side == 'r');
    slot = !numbered ? -1 : side == m_Brain.GetSide() ? unum : size + unum;
  }
  if (m_Interception.info.empty())
    slot = -1;
  return slot >= 0 ? m_Interception.info[static_cast<size_t>(slot)] : m_Interception.scratch;
}

// Who of many is quickest needs no search for a player who surely takes as
// many cycles as the best so far: no place of the ball's path before that
// lies within his reach running flat out. His record takes the inputs and
// the search's settings, and the search runs when somebody first asks for
// him, with what it would have found now. Only where that search would
// leave the shortest-cycle mark alone (SetIntMinCyc), so that skipping it
// changes nothing else either.
bool CBehaviours::DeferIntInfo(const CPlayer *p, int cycles)
{
  if (!p || m_Interception.info.empty() ||
      &m_InterceptSearch.IntRecord(p) == &m_Interception.scratch)
    return false;
  PLAYERINTERCEPTINFO &rec = m_InterceptSearch.IntRecord(p);
  const int now = GetTime();
  const float power = RunPower(p, GetSide(), m_StaminaIncMax, m_MaxPower);
  const CBall *ball = M2BReadBall();
  Predict::Body start;
  if (!BallPositionValid() || !m_Bodies.PlayerMotion(p, ball->GetGPos(), start))
    return false;
  const int horizon = m_InterceptSearch.InterceptHorizon();
  const CVector ballVel = ball->GetVelocityValid() ? ball->GetVelocity() : CVector();
  if (SameInputs(rec, now, power, ball->GetGPos(), ballVel, start))
    return false;
  const bool markStays = cycles > horizon || (m_IntMinCycTime == now && m_IntMinCyc <= cycles);
  if (!markStays)
    return false;
  // The test MeetsBallBy starts with, a little wider: no run, turning or
  // straight, gets within reach sooner.
  const float kSlack = 0.01f;
  const float reach = m_Kickable + m_Epsilon + kSlack;
  m_InterceptSearch.IntBallPath();
  for (int k = 0; k < cycles && k <= horizon; k++)
  {
    const float most = reach + static_cast<float>(k) * m_PlayerSpeedMax;
    if (!(start.pos.dist2(m_InterceptSearch.IntBallPosOnPath(k)) > most * most))
      return false;
  }
  rec = NewRecord(now, power, horizon, ball->GetGPos(), ballVel, start);
  rec.fine = FineStart(m_Interception.lookahead, m_IntMinCycTime, m_IntMinCyc, now, horizon);
  rec.deferred = true;
  return true;
}

const PLAYERINTERCEPTINFO &CBehaviours::VerifyIntInfo(const CPlayer *p, float power)
{
  const int now = GetTime();
  const bool mine = p == nullptr;
  PLAYERINTERCEPTINFO &rec = m_InterceptSearch.IntRecord(p);

  const CBall *ball = M2BReadBall();
  Predict::Body start;
  if (mine)
    start = m_Bodies.OwnBody();
  const bool known = BallPositionValid() &&
                     (mine || m_Bodies.PlayerMotion(p, ball->GetGPos(), start));
  const int horizon = m_InterceptSearch.InterceptHorizon();
  if (!known)
  {
    rec = PLAYERINTERCEPTINFO();
    rec.res = INTERCEPT_FAILED;
    rec.point = ball ? ball->GetGPos() : start.pos;
    return rec;
  }
  const CVector ballVel = ball->GetVelocityValid() ? ball->GetVelocity() : CVector();
  if (rec.deferred)
  {
    // The search left for now, with the settings of then; the mark it would
    // have set stays as it was (see DeferIntInfo).
    rec.deferred = false;
    if (SameInputs(rec, now, power, ball->GetGPos(), ballVel, start))
      ActiveCanGetThere(start, mine, power, rec.fine, rec);
    else
      rec = PLAYERINTERCEPTINFO();
  }
  if (SameInputs(rec, now, power, ball->GetGPos(), ballVel, start) &&
      (IsSuccessRes(rec.res) || rec.horizon >= horizon))
    return rec;

  rec = NewRecord(now, power, horizon, ball->GetGPos(), ballVel, start);

  const int fine = FineStart(m_Interception.lookahead, m_IntMinCycTime, m_IntMinCyc, now, horizon);
  if (ActiveCanGetThere(start, mine, power, fine, rec))
    SetIntMinCyc(rec.numCycles);
  return rec;
}


INTERCEPTRES CBehaviours::InterceptionResult(const CPlayer *p, float power)
{
  return VerifyIntInfo(p, power).res;
}

int CBehaviours::NumOfCyclesToIntercept(const CPlayer *p, float power)
{
  return VerifyIntInfo(p, power).numCycles;
}

int CBehaviours::AbleToIntercept(const CPlayer *p, float power)
{
  return IsSuccessRes(VerifyIntInfo(p, power).res) ? 1 : 0;
}

CVector CBehaviours::InterceptionPoint(const CPlayer *p, float power)
{
  return VerifyIntInfo(p, power).point;
}

float CBehaviours::DashPowerToIntercept(const CPlayer *p, float power)
{
  const PLAYERINTERCEPTINFO &found = VerifyIntInfo(p, power);
  if (found.res == INTERCEPT_DONE)
    return 0;
  if (found.res != INTERCEPT_RUNNING)
    return power;
  if (found.dashPower >= 0)
    return found.dashPower;
  const PLAYERINTERCEPTINFO &rec = found;
  const bool mine = p == nullptr;
  Predict::Body start;
  if (mine)
    start = m_Bodies.OwnBody();
  else if (!m_Bodies.PlayerMotion(p, rec.ballPos, start))
    return power;
  // The least power that still meets the ball in the same cycle spares
  // stamina for the play after; the search closes in to a whole unit.
  float lo = 0;
  float hi = power;
  while (hi - lo > 1)
  {
    const float mid = (lo + hi) / 2;
    const bool meets = m_InterceptSearch.MeetsBallBy(start, mine, mid, rec.numCycles) ||
                       m_InterceptSearch.NoTurnCycles(start, mine, mid, rec.numCycles) >= 0;
    (meets ? hi : lo) = mid;
  }
  rec.dashPower = std::min(power, std::ceil(hi));
  return rec.dashPower;
}

int CBehaviours::NumOfCyclesToIntercept(const CPlayer *p)
{
  return NumOfCyclesToIntercept(p, RunPower(p, GetSide(), m_StaminaIncMax, m_MaxPower));
}

const PLAYERINTERCEPTINFO &CInterceptSearch::FlatOutRecord(const CPlayer *p)
{
  return m_Brain.VerifyIntInfo(p, RunPower(p, m_Brain.GetSide(), m_Brain.m_StaminaIncMax,
                                           m_Brain.m_MaxPower));
}

int CBehaviours::AbleToIntercept(const CPlayer *p)
{
  return AbleToIntercept(p, RunPower(p, GetSide(), m_StaminaIncMax, m_MaxPower));
}

int CBehaviours::AmIAbleToIntercept(float power)
{
  return AbleToIntercept(nullptr, power);
}

int CBehaviours::AmIAbleToIntercept()
{
  return AmIAbleToIntercept(CorrectDashPower4Stamina(static_cast<float>(m_MaxPower)));
}

int CBehaviours::MyNumOfCyclesToIntercept(float power)
{
  return NumOfCyclesToIntercept(nullptr, power);
}

int CBehaviours::MyNumOfCyclesToIntercept()
{
  return MyNumOfCyclesToIntercept(CorrectDashPower4Stamina(static_cast<float>(m_MaxPower)));
}

// The first place of the ball's run that the agent, flat out, can stand
// within this distance of by the time the ball is there, and in how many
// cycles (999 and the run's last place looked at: none).
CVector CBehaviours::WellInsideReachPoint(float within, int &cycles)
{
  cycles = Predict::MAX_CYCLES;
  if (!BallPositionValid())
    return GetGPos();
  const Predict::Body start = m_Bodies.OwnBody();
  const float power = CorrectDashPower4Stamina(static_cast<float>(m_MaxPower));
  const int horizon = m_InterceptSearch.InterceptHorizon();
  for (int k = 0; k <= horizon; k++)
    if (m_InterceptSearch.MeetsBallBy(start, true, power, k, within))
    {
      cycles = k;
      return m_InterceptSearch.IntBallPos(k);
    }
  return m_InterceptSearch.IntBallPos(horizon);
}

// ------------------------------------------------------ the close ball

// Taking a ball already near the body without running into it: the
// dash, along the body, forward or back down to minpower, that leaves
// the ball kickable next cycle and clear of the body by collision_buffer
// (0: none does, nothing queued).
int CBehaviours::CloseBallInterception()
{
  if (!BallPositionValid())
    return 0;
  const CVector ball = BallPredPos(1);
  const sensebody sb = GetSB();
  const float effort = sb.effort > 0 ? sb.effort : 1.0f;
  // Clear of the body by the buffer, and inside the reach by the doubt a
  // fresh sight leaves; the best place is the middle of that band, where
  // the next kick is neither cramped nor at the edge.
  const float nearest = m_PlayerSize + m_BallSize + m_CollisionBuffer;
  const float farthest = m_Kickable - m_KickableBuffer / 2;
  if (nearest > farthest)
    return 0;
  const float middle = (nearest + farthest) / 2;
  bool found = false;
  float best = 0;
  float bestOff = 0;
  for (int p = m_MinPower; p <= m_MaxPower; p++)
  {
    const float power = static_cast<float>(p);
    // A dash the stamina cannot pay is not made as asked.
    if (Predict::DashCost(power) > sb.stamina)
      continue;
    CVector vel = GetVelocity() + Polar2CVector(power * effort * m_DashPowerRate, GetBFacing());
    if (vel.GetMag() > m_PlayerSpeedMax)
      vel = vel.SetLength(m_PlayerSpeedMax);
    const float dist = (GetGPos() + vel).dist(ball);
    if (dist < nearest || dist > farthest)
      continue;
    const float off = std::fabs(dist - middle);
    // Of two as good, the gentler dash: less stamina and less noise.
    if (!found || off < bestOff - m_Epsilon ||
        (off < bestOff + m_Epsilon && std::fabs(power) < std::fabs(best)))
    {
      found = true;
      best = power;
      bestOff = off;
    }
  }
  return found ? TouchGate(CMD_DASH, best) : 0;
}
