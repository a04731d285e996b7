// A pass of ours from the kick to its first touch: the passer names the
// receiver in his next team message; the receiver, once he hears of it,
// goes to meet the ball with it in view; the others, the passer too, leave
// the ball to him while he can get it. The pass is over at the first touch
// by anybody, at a stoppage, or once its news is too old to trust.

#include <cmath>

#include "CBall.h"
#include "CBehaviours.h"
#include "Predict.h"

namespace
{
// While the ball is still at the passer's feet the receiver keeps this far
// inside their offside line: he is judged where he stands at the kick.
const float kOnsideUntilTheKick = 1;
}  // namespace

CPassUnderWay::CPassUnderWay(CBehaviours &brain) : m_Brain(brain)
{
}

// A kick meant for a team-mate: once the cycle's kick is queued (not a
// dash or turn that readies it), he is named its receiver in the team's
// messages and the pass is under way. Answers what the kick answered.
int CBehaviours::AnnouncePass(const CPlayer *receiver, CVector target, int kicked)
{
  // A kick skill may begin with a dash or a turn that readies the kick:
  // the pass is announced with the kick that sends the ball, not before.
  if (!kicked || !receiver || QueuedMainCommand() != CMD_KICK)
    return kicked;
  const int unum = receiver->GetUNum();
  // A team-mate whose number the agent does not know cannot be named.
  if (unum < 1 || unum > 11 || unum == GetUNum())
    return kicked;
  m_Passing.time = GetTime();
  m_Passing.receiver = unum;
  m_Passing.target = target;
  m_Passing.under_way = ANNOUNCEDPASS{m_Passing.time, GetUNum(), unum, target, false};
  return kicked;
}

// A pass a team-mate announced.
void CBehaviours::HearPass(int passer, int time, int receiver, CVector target)
{
  // Only news counts: a pass from the future, or older than the one under
  // way, is somebody's mistake or an echo.
  if (receiver < 1 || receiver > 11 || time > GetTime() || time <= m_Passing.under_way.time)
    return;
  m_Passing.under_way = ANNOUNCEDPASS{time, passer, receiver, target, false};
}

bool CPassUnderWay::PassUnderWay() const
{
  const ANNOUNCEDPASS &pass = m_Brain.m_Passing.under_way;
  if (pass.over || pass.receiver == 0 || m_Brain.m_CurrentMode != PM_PLAY_ON ||
      !m_Brain.BallPositionValid())
    return false;
  return PassNewsTrusted(m_Brain.GetTime() - pass.time);
}

bool CPassUnderWay::PassNewsTrusted(int age) const
{
  return age >= 0 &&
         std::pow(m_Brain.m_MobConfDrop, static_cast<float>(age)) > m_Brain.m_MobConfThr;
}

// Once a cycle, before the states: whether the pass under way is over.
void CBehaviours::NotePassEnd()
{
  ANNOUNCEDPASS &pass = m_Passing.under_way;
  if (pass.over || pass.receiver == 0)
    return;
  const int age = GetTime() - pass.time;
  // A set play's pass is kicked before the referee calls play on; any
  // other call after the kick ends the pass.
  const bool stopped = m_CurrentMode != PM_PLAY_ON && m_ModeStartTime > pass.time;
  if (stopped || !m_PassUnderWay.PassNewsTrusted(age))
  {
    pass.over = true;
    return;
  }
  if (!BallPositionValid())
    return;
  // The kick over several cycles is still the passer's: until it is done,
  // the ball at his feet is the pass on its way.
  const bool kicking = age <= m_CyclesToKick;
  const bool iAmPasser = pass.passer == GetUNum();
  if (FoeWithBall(0))
    pass.over = true;
  else if (const CPlayer *mate = FriendWithBall(0))
  {
    const int unum = mate->GetUNum();
    const bool passer = unum == pass.passer || (unum < 1 && !iAmPasser);
    if (!(passer && kicking))
      pass.over = true;
  }
  else if (BallKickableForPlayer(nullptr, 0) && !(iAmPasser && kicking))
    pass.over = true;
}

bool CPassUnderWay::ReceiverTakesThePass()
{
  const CPlayer *receiver = nullptr;
  for (int i = 0; !receiver; i++)
  {
    const CPlayer *p = m_Brain.GetAValidFriend(i);
    if (!p)
      break;
    if (p->GetUNum() == m_Brain.m_Passing.under_way.receiver)
      receiver = p;
  }
  // Out of the agent's sight: the passer saw him, and chose him.
  if (!receiver)
    return true;
  if (!m_Brain.AbleToIntercept(receiver))
    return false;
  // The passer quicker to the ball than the receiver: his kick over
  // several cycles stopped short, and the ball is his again. Left at his
  // feet for a receiver ten metres off, it was taken by an opponent.
  if (m_Brain.m_Passing.under_way.passer == m_Brain.GetUNum() &&
      m_Brain.MyNumOfCyclesToIntercept() < m_Brain.NumOfCyclesToIntercept(receiver))
    return false;
  const CPlayer *foe = m_Brain.FastestFoe2Ball();
  return !foe || m_Brain.NumOfCyclesToIntercept(foe) >= m_Brain.NumOfCyclesToIntercept(receiver);
}

int CBehaviours::WatchPass()
{
  if (!m_PassUnderWay.PassUnderWay())
    return 0;
  if (m_Passing.under_way.receiver == GetUNum())
  {
    // The ball is his to go for: his looks follow it as a chaser's do.
    SetActionState(AS_CHASE_BALL);
    // While the passer's kick over several cycles is not done, the ball's
    // run is not yet the pass's: he waits where it is aimed.
    // A ball behind their line is readied while he is off towards it: he
    // goes no farther than their line until it leaves the foot. Their line
    // is known once two of theirs are (their keeper and one more).
    const CPlayer *holder = FriendWithBall(0);
    if (holder && holder->GetUNum() == m_Passing.under_way.passer)
    {
      CVector wait = m_Passing.under_way.target;
      const float onside = TheirOffsideX() - kOnsideUntilTheKick;
      if (GetAValidFoe(1) && wait.GetX() > onside)
        wait = CVector(onside, wait.GetY());
      return RunToMeetBall(wait, Predict::MAX_CYCLES) || TouchGate(CMD_DASH, 0);
    }
    // He meets the ball where it comes to the middle of his reach, and
    // waits there for it: the first meeting point lies at the reach's
    // edge, and a ball seen from afar rolls a few tenths off what was
    // reckoned. Short of that, he runs to where he first reaches it.
    int cycles = Predict::MAX_CYCLES;
    CVector point = WellInsideReachPoint(m_Kickable / 2, cycles);
    if (cycles >= Predict::MAX_CYCLES)
    {
      cycles = MyNumOfCyclesToIntercept();
      point = cycles < Predict::MAX_CYCLES ? MyInterceptionPoint() : m_Passing.under_way.target;
    }
    // There already and facing the ball, he waits with a dash of nothing.
    return RunToMeetBall(point, cycles) || TouchGate(CMD_DASH, 0);
  }
  if (GetActionState() == AS_CHASE_BALL && m_PassUnderWay.ReceiverTakesThePass())
    SetActionState(m_FieldRules.StateOffTheBall(Recharge()));
  return 0;
}
