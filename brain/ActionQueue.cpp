// The cycle's command bundle: the decision pass fills it, SendAllActions
// sends it after the pass, one datagram a command, in a fixed order.

#include <cmath>
#include <cstring>
#include <iostream>

#include "CBall.h"
#include "CBehaviours.h"
#include "CVector.h"

namespace
{
// Copies at most length - 1 characters so that the field always ends.
void CopyText(char *to, const char *from, int length)
{
  if (!from)
    from = "";
  const size_t n = strnlen(from, static_cast<size_t>(length) - 1);
  std::memmove(to, from, n);
  to[n] = '\0';
}
}

void EmptyActionQueue(ACTIONQUEUE &queue)
{
  std::memset(&queue, 0, sizeof queue);
  queue.time = -999;
}

void CopyActionQueue(ACTIONQUEUE &to, const ACTIONQUEUE &from)
{
  to.time = from.time;
  to.command = from.command;
  to.angle = from.angle;
  to.power = from.power;
  to.move_x = from.move_x;
  to.move_y = from.move_y;
  to.neck_angle = from.neck_angle;
  to.turn_neck = from.turn_neck;
  CopyText(to.say_text, from.say_text, ACTIONQUEUE::SAY_LENGTH);
  to.say = from.say;
  CopyText(to.view_width, from.view_width, ACTIONQUEUE::VIEW_LENGTH);
  CopyText(to.view_quality, from.view_quality, ACTIONQUEUE::VIEW_LENGTH);
  to.change_view = from.change_view;
  to.sense_body = from.sense_body;
  to.wait_for_visual = from.wait_for_visual;
  to.scan_type = from.scan_type;
  to.scan_angle = from.scan_angle;
}

void CBehaviours::QueueLock() const
{
  if (pthread_mutex_lock(&m_QueueMutex) != 0)
    std::cerr << GetTime() << " ERROR: CBehaviours: QueueLock: Locking error..." << std::endl;
}

void CBehaviours::QueueUnlock() const
{
  if (pthread_mutex_unlock(&m_QueueMutex) != 0)
    std::cerr << GetTime() << " ERROR: CBehaviours: QueueUnlock: Unlocking error..." << std::endl;
}

// ------------------------------------------------------------- queueing

// The plain bundle operations queue what they are asked; the decision
// pass reaches the ball through TouchGate.

int CBehaviours::QueuePowered(CMDType command, float power)
{
  const int now = GetTime();
  QueueLock();
  m_Queue.time = now;
  m_Queue.command = command;
  m_Queue.power = power;
  QueueUnlock();
  return 1;
}

int CBehaviours::Dash(float power)
{
  return QueuePowered(CMD_DASH, power);
}

int CBehaviours::Turn(float angle)
{
  const float moment = GetActualMoment(angle);
  // The server would not turn the body visibly for less.
  if (std::fabs(moment) < 1)
    return 0;
  const int now = GetTime();
  QueueLock();
  m_Queue.time = now;
  m_Queue.command = CMD_TURN;
  m_Queue.angle = moment;
  QueueUnlock();
  return 1;
}

int CBehaviours::Kick(float power, float direction)
{
  const int now = GetTime();
  QueueLock();
  m_Queue.time = now;
  m_Queue.command = CMD_KICK;
  m_Queue.power = power;
  m_Queue.angle = direction;
  QueueUnlock();
  return 1;
}

int CBehaviours::Catch(float direction)
{
  const int now = GetTime();
  QueueLock();
  m_Queue.time = now;
  m_Queue.command = CMD_CATCH;
  m_Queue.angle = direction;
  QueueUnlock();
  return 1;
}

int CBehaviours::Tackle(float power)
{
  return QueuePowered(CMD_TACKLE, power);
}

void CBehaviours::Move(int x, int y)
{
  const int now = GetTime();
  QueueLock();
  m_Queue.time = now;
  m_Queue.command = CMD_MOVE;
  m_Queue.move_x = x;
  m_Queue.move_y = y;
  QueueUnlock();
}

int CBehaviours::SayBye()
{
  const int now = GetTime();
  QueueLock();
  m_Queue.time = now;
  m_Queue.command = CMD_BYE;
  QueueUnlock();
  return now;
}

void CBehaviours::TurnNeck(float angle)
{
  if (angle < m_MinNeckMoment)
    angle = static_cast<float>(m_MinNeckMoment);
  if (angle > m_MaxNeckMoment)
    angle = static_cast<float>(m_MaxNeckMoment);
  // Stop a degree short of the neck's limits: the server clips at the limit
  // and the turn would partly go for nothing.
  const float neck = GetSB().head_angle;
  if (neck + angle > m_MaxNeckAng - 1)
    angle = (m_MaxNeckAng - 1) - neck;
  else if (neck + angle < m_MinNeckAng + 1)
    angle = (m_MinNeckAng + 1) - neck;
  if (std::fabs(angle) <= 1)
    return;
  const int now = GetTime();
  QueueLock();
  m_Queue.time = now;
  m_Queue.neck_angle = angle;
  m_Queue.turn_neck = true;
  QueueUnlock();
}

void CBehaviours::Say(const char *text)
{
  const int now = GetTime();
  QueueLock();
  m_Queue.time = now;
  CopyText(m_Queue.say_text, text, ACTIONQUEUE::SAY_LENGTH);
  m_Queue.say = true;
  QueueUnlock();
}

void CBehaviours::ChangeView(const char *width, const char *quality)
{
  sensebody sb = GetSB();
  const size_t n = ACTIONQUEUE::VIEW_LENGTH;
  if (std::strncmp(sb.view_width, width, n) == 0 && std::strncmp(sb.view_quality, quality, n) == 0)
    return;
  // The body state takes the new view at once, so that a second request in
  // the same cycle is not sent twice.
  CopyText(sb.view_width, width, sizeof sb.view_width);
  CopyText(sb.view_quality, quality, sizeof sb.view_quality);
  SetSB(sb);
  const int now = GetTime();
  QueueLock();
  m_Queue.time = now;
  CopyText(m_Queue.view_width, width, ACTIONQUEUE::VIEW_LENGTH);
  CopyText(m_Queue.view_quality, quality, ACTIONQUEUE::VIEW_LENGTH);
  m_Queue.change_view = true;
  QueueUnlock();
}

int CBehaviours::SenseBody()
{
  const int now = GetTime();
  QueueLock();
  m_Queue.time = now;
  m_Queue.sense_body = true;
  QueueUnlock();
  return now;
}

void CBehaviours::ResetNeck()
{
  const float neck = GetSB().head_angle;
  if (std::fabs(neck) > 1)
    TurnNeck(-neck);
}

int CBehaviours::ResetBody()
{
  const float neck = GetSB().head_angle;
  if (std::fabs(neck) <= 1)
    return 0;
  TurnNeck(-neck);
  return Turn(neck);
}

bool CBehaviours::TurnNeckThisCycle()
{
  // Only the main thread writes the bundle, and only it asks this.
  return m_Queue.time == GetTime() && m_Queue.turn_neck;
}

void CBehaviours::QueueScan(int type, float angle)
{
  QueueLock();
  m_Queue.scan_type = type;
  m_Queue.scan_angle = angle;
  QueueUnlock();
}

void CBehaviours::QueueWait4Visual(bool wait)
{
  QueueLock();
  m_Queue.wait_for_visual = wait;
  QueueUnlock();
}

ACTIONQUEUE CBehaviours::GetQueue()
{
  ACTIONQUEUE copy;
  QueueLock();
  CopyActionQueue(copy, m_Queue);
  QueueUnlock();
  return copy;
}

CMDType CBehaviours::QueuedMainCommand()
{
  const ACTIONQUEUE queue = GetQueue();
  return queue.time == GetTime() ? queue.command : CMD_NONE;
}

bool CBehaviours::MainCommandQueued()
{
  return QueuedMainCommand() != CMD_NONE;
}

ACTIONQUEUE CBehaviours::GetLastQueue()
{
  ACTIONQUEUE copy;
  QueueLock();
  CopyActionQueue(copy, m_LastQueue);
  QueueUnlock();
  return copy;
}

float CBehaviours::GetActualMoment(float angle)
{
  float moment = angle * (1 + m_InertiaMoment * GetSB().speed);
  if (moment < m_MinMoment)
    moment = static_cast<float>(m_MinMoment);
  if (moment > m_MaxMoment)
    moment = static_cast<float>(m_MaxMoment);
  return moment;
}

// -------------------------------------------------------------- sending

int CBehaviours::SendAllActions(int time)
{
  int result = 0;
  if (m_Queue.time == time)
  {
    m_LastActionsSentTime = time;
    result = SendActionQueue(time);
  }
  QueueLock();
  CopyActionQueue(m_LastQueue, m_Queue);
  EmptyActionQueue(m_Queue);
  QueueUnlock();
  return result;
}

int CBehaviours::SendActionQueue(int time)
{
  // Only this thread writes m_Queue, so it reads it without the lock; the
  // cycle test after each command keeps a late bundle out of the next cycle.
  const ACTIONQUEUE &q = m_Queue;
  if (q.time != time || time != GetTime() || static_cast<unsigned>(q.command) > CMD_TACKLE)
    return 0;
  // A deferred scan whose visual came while the pass still ran has gone
  // already; the server takes one turn of each kind a cycle and reports
  // the other as missed, so the bundle's own of that kind stays back.
  QueueLock();
  const int scanSent = m_ScanSentTime == time ? m_ScanSentType : SCAN_NONE;
  QueueUnlock();

  const bool bodyTaken = scanSent == SCAN_BODY && (q.command == CMD_DASH || q.command == CMD_TURN ||
                                                   q.command == CMD_KICK || q.command == CMD_CATCH ||
                                                   q.command == CMD_TACKLE);

  switch (bodyTaken ? CMD_NONE : q.command)
  {
    case CMD_DASH:
      BasicDash(q.power);
      break;
    case CMD_TURN:
      BasicTurn(NormaliseAngle(q.angle));
      break;
    case CMD_KICK:
    {
      BasicKick(q.power, NormaliseAngle(q.angle));
      // The world model replays the kick on the ball; the sensors thread
      // updates the same records, so this runs under the world-model lock.
      LockMemory();
      const float rate = CalcKickPowerRate();
      SetPastKick(Polar2CVector(rate * q.power, NormaliseAngle(GetBFacing() + q.angle)), time);
      // The replay cannot know the kick's noise: the gate allows for it
      // until a sighting has measured the ball again.
      const CBall *ball = M2BReadBall();
      const float speedShare = ball && ball->GetVelocityValid()
                                   ? ball->GetVelocity().GetMag() / (m_BallSpeedMax * m_BallDecay)
                                   : 1.0f;
      m_TouchGate.NoteKickSent(time, KickNoiseReach(m_KickRand, q.power / static_cast<float>(m_MaxPower),
                                                    rate / m_KickPowerRate, speedShare));
      UnlockMemory();
      break;
    }
    case CMD_CATCH:
      BasicCatch(NormaliseAngle(q.angle));
      break;
    case CMD_TACKLE:
      BasicTackle(q.power);
      break;
    case CMD_MOVE:
      BasicMove(q.move_x, q.move_y);
      break;
    case CMD_BYE:
      BasicSayBye();
      break;
    default:
      break;
  }
  if (GetTime() != time)
    return 0;

  if (q.turn_neck && scanSent != SCAN_NECK)
  {
    BasicTurnNeck(NormaliseAngle(q.neck_angle));
    if (GetTime() != time)
      return 0;
  }
  if (q.say)
  {
    BasicSay(q.say_text);
    if (GetTime() != time)
      return 0;
  }
  if (q.change_view)
  {
    BasicChangeView(q.view_width, q.view_quality);
    if (GetTime() != time)
      return 0;
  }
  if (q.sense_body)
  {
    BasicSenseBody();
    if (GetTime() != time)
      return 0;
  }

  if (!q.wait_for_visual)
    return 1;
  if (q.command != CMD_NONE)
  {
    // Only a visual that arrives after the command shows its effect.
    NewVisualLock();
    SetIsNewVisual(0);
    NewVisualUnlock();
  }
  Wait4NewVisual();
  return 1;
}

void CBehaviours::SendQueuedScans()
{
  const int visual = GetLastVisualTime();
  int type = SCAN_NONE;
  float angle = 0;
  QueueLock();
  ACTIONQUEUE *q = nullptr;
  if (visual == m_LastQueue.time)
    q = &m_LastQueue;
  else if (visual == m_Queue.time)
    q = &m_Queue;
  // A scan goes once, in its bundle's own cycle (a visual that comes late
  // would put it beside the next cycle's commands), and never beside a
  // turn of the same kind in the bundle: the server takes one of each a
  // cycle and reports the other as missed.
  if (q && q->time == GetTime())
  {
    type = q->scan_type;
    angle = q->scan_angle;
    if ((type == SCAN_NECK && q->turn_neck) || (type == SCAN_BODY && q->command != CMD_NONE))
      type = SCAN_NONE;
    q->scan_type = SCAN_NONE;
    if (type != SCAN_NONE)
    {
      m_ScanSentTime = q->time;
      m_ScanSentType = type;
    }
  }
  QueueUnlock();

  if (type == SCAN_BODY)
  {
    // The body state is the world model's; this thread holds no lock here.
    LockMemory();
    const float moment = GetActualMoment(angle);
    UnlockMemory();
    BasicTurn(NormaliseAngle(moment));
  }
  else if (type == SCAN_NECK)
    BasicTurnNeck(NormaliseAngle(angle));
}
