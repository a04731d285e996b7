#include "CMemory.h"

#include <cmath>
#include <charconv>
#include <cstring>

#include "CBall.h"
#include "CFlag.h"
#include "CGoal.h"
#include "CLine.h"
#include "CPlayer.h"
#include "Geometry.h"
#include "Predict.h"
#include "Sensed.h"

namespace
{
// Nearer than this the line between two things has no direction to trust.
const float kSameSpot = 1e-4f;

// The number of players the new-visual buffer holds; a
// count outside the buffer is read as full rather than past its end.
int BufferedPlayers(CPlayer *const *buffer, int size)
{
  if (!buffer[0])
    return 0;
  const int count = buffer[0]->GetUNum();
  if (count < 0)
    return 0;
  return count < size ? count : size - 1;
}

// Where a player we know of is now: one that moved when last seen goes on
// slowing down; one lost from sight is taken to stand.
void MovePlayer(CPlayer &player, float decay)
{
  if (player.GetVelocityValid())
  {
    player.SetGPos(player.GetGPos() + player.GetVelocity());
    player.SetMag(player.GetMag() * decay);
  }
  else
    player.SetMag(0);
}

bool Valid(const CPlayer *player)
{
  return player && player->GetPositionValid();
}

bool IsBlank(char c)
{
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The word, then a number after any blanks, as the brain writes them
// (sscanf(text, "WORD %f") reads them alike). Every command is replayed at
// the next cycle: the scanf family's set-up, and strtof's own, cost far
// more than the reading.
bool NumberAfter(const char *text, const char *word, const char *&end, float &value)
{
  const std::size_t length = std::strlen(word);
  if (std::strncmp(text, word, length) != 0)
    return false;
  const char *from = text + length;
  while (IsBlank(*from))
    from++;
  const bool negative = *from == '-';
  const char *digits = negative || *from == '+' ? from + 1 : from;
  if (*digits == '-' || *digits == '+')
    return false;
  float magnitude = 0;
  const std::from_chars_result read = std::from_chars(digits, digits + std::strlen(digits), magnitude);
  if (read.ec != std::errc() || read.ptr == digits)
    return false;
  value = negative ? -magnitude : magnitude;
  end = read.ptr;
  return true;
}

bool NumberAfter(const char *text, const char *word, float &value)
{
  const char *end = nullptr;
  return NumberAfter(text, word, end, value);
}
}

// Texts as the brain formats them, with the leading parenthesis:
//   (dash 100.00) (kick 80.00 -30.00) (turn 45.00) (turn_neck -30.00)
//   (catch 12.00) (change_view wide high) (move -10 0) (say ...) (sense_body) (bye)
void CMemory::Update4Action(const char *command)
{
  if (!command)
    return;
  const char *text = command;
  if (*text == '(')
    text++;

  // A text the agent did not format as expected (its number unreadable) is
  // not replayed: guessing a value would move the model for nothing.
  float first = 0;
  float second = 0;
  switch (*text)
  {
  case 'd':
    if (NumberAfter(text, "dash", first))
      Update4Dash(first);
    break;
  case 'k': {
    const char *end = nullptr;
    if (NumberAfter(text, "kick", end, first) && NumberAfter(end, "", second))
      Update4Kick(first * GetPrevKickPowerRate(), second);
    break;
  }
  case 't':
    // Whatever the turn, what was seen so far was seen in another direction.
    SetHaveVisualForThisAngle(false);
    if (std::strncmp(text, "turn_neck", 9) == 0)
    {
      if (NumberAfter(text, "turn_neck", first))
        Update4TurnNeck(first);
    }
    else if (NumberAfter(text, "turn", first))
      Update4Turn(first / (m_InertiaMoment * m_SB.speed + 1.0f));
    break;
  case 'c':
    if (std::strncmp(text, "catch", 5) == 0)
      m_Ball.SetLastCatchCycle(GetTime());
    break;
  default:
    break;
  }
}

void CMemory::Update4Turn(float angle)
{
  m_Facing = NormaliseAngle(m_Facing + angle);
  m_BFacing = NormaliseAngle(m_BFacing + angle);
  Changed();
}

void CMemory::Update4Dash(float power)
{
  sensebody &sb = m_SB;
  // Dashing backwards costs twice as much as forwards.
  sb.stamina -= power >= 0 ? power : -2.0f * power;

  CVector v = m_Velocity + Polar2CVector(power * m_DashPowerRate, m_BFacing);
  if (v.GetMag() > m_PlayerSpeedMax)
    v = v.SetLength(m_PlayerSpeedMax);
  m_Velocity = v;
  sb.speed = v.GetMag();
  sb.speed_dir = static_cast<int>(std::lround(NormaliseAngle(v.GetDir() - m_Facing)));
  Changed();
}

void CMemory::Update4Kick(float power, float direction)
{
  CVector velocity =
      m_Ball.GetVelocity() + Polar2CVector(power, NormaliseAngle(direction + m_BFacing));
  if (velocity.GetMag() > m_BallSpeedMax)
    velocity = velocity.SetLength(m_BallSpeedMax);
  m_Ball.SetVelocity(velocity);
  Changed();
}

void CMemory::Update4TurnNeck(float angle)
{
  m_Facing = NormaliseAngle(m_Facing + angle);
  sensebody &sb = m_SB;
  sb.head_angle += angle;
  // A degree inside the server's limits, as the server's own bound is never
  // quite reached.
  if (sb.head_angle > m_MaxNeckAng - 1)
    sb.head_angle = static_cast<float>(m_MaxNeckAng - 1);
  else if (sb.head_angle < m_MinNeckAng + 1)
    sb.head_angle = static_cast<float>(m_MinNeckAng + 1);
  Changed();
}

void CMemory::Update4ChangeView(char *, char *)
{
}

void CMemory::Update4NewCycle()
{
  const int t = GetTime();

  if (m_PassReceiver != -999 && t - m_PassReceiverTime > m_StayPassReceiverPeriod)
    m_PassReceiver = -999;

  // Our own motion and recovery.
  sensebody &sb = m_SB;
  m_GPos = m_GPos + m_Velocity;
  m_Velocity = m_Velocity * m_PlayerDecay;
  sb.speed = m_Velocity.GetMag();
  float stamina = sb.stamina + sb.effort * m_StaminaIncMax;
  if (stamina > m_StaminaMax)
    stamina = m_StaminaMax;
  if (stamina < sb.effort * m_StaminaIncMax)
    stamina = sb.effort * m_StaminaIncMax;
  sb.stamina = stamina;

  // The ball rolls on; what it would be without a sighting is kept for the
  // velocity estimation of the next visual. A velocity that a sighting
  // proved wrong, or too old to trust, says nothing of where the ball went
  // (our own kick of such a ball tells no more): sent on by it, a ball felt
  // at our feet after a large turn was reckoned a metre or two from where
  // it lay, and kicked at there.
  const CVector v = m_Ball.GetVelocityValid() ? m_Ball.GetVelocity() : CVector(0, 0);
  const CVector moved = m_Ball.GetGPos() + v;
  m_Ball.SetEGPos(moved);
  m_Ball.SetEVelocity(v * m_BallDecay);
  m_Ball.SetGPos(moved);

  const float r = m_CollisionDistance;
  const float d = moved.dist(m_GPos);
  if (m_Ball.GetPositionValid() && d < r && m_Ball.GetVelocityValid())
  {
    // The ball and we overlap: in play the server parts the two about
    // their midpoint along the line between them, each half the overlap,
    // and turns both round at a tenth of the speed. Put back along its
    // own path instead, the ball came out up to half a metre beyond where
    // it lay, and a kick was stepped for or refused.
    CVector apart = moved - m_GPos;
    if (d < kSameSpot)
      apart = v.GetMag() > kSameSpot ? v * -1.0f : Polar2CVector(1, m_BFacing);
    const CVector half = apart.SetLength((r - d) / 2);
    m_Ball.SetGPos(moved + half);
    m_GPos = m_GPos - half;
    m_Velocity = m_Velocity * -Predict::kBounceKept;
    sb.speed = m_Velocity.GetMag();
    m_Ball.SetVelocity(v * -Predict::kBounceKept);
    m_Ball.SetUsePosBasedVelEst(false);
    m_Ball.SetUsePosBasedVelEstTime(t);
    SetLastCollisionTime(t);
  }
  m_Ball.SetVelocity(m_Ball.GetVelocity() * m_BallDecay);

  // Trust fades with time: moving things fast, landmarks slowly. The named
  // flags and lines are not decayed, localisation asks only whether they
  // were seen in this cycle.
  m_Ball.SetConf(m_Ball.GetConf() * m_MobConfDrop * m_MobConfDrop * m_MobConfDrop);
  m_Ball.SetVelConf(m_Ball.GetVelConf() * m_MobConfDrop * m_MobConfDrop * m_MobConfDrop);
  m_GoalClose.SetConf(m_GoalClose.GetConf() * m_StatConfDrop);
  m_FlagClose.SetConf(m_FlagClose.GetConf() * m_StatConfDrop);
  m_LineClose.SetConf(m_LineClose.GetConf() * m_StatConfDrop);
  m_GoalL.SetConf(m_GoalL.GetConf() * m_StatConfDrop);
  m_GoalR.SetConf(m_GoalR.GetConf() * m_StatConfDrop);

  for (int i = 0; i < MAX_PLAYERS; i++)
  {
    if (CPlayer *p = m_ClosePlayer[i])
      p->SetConf(p->GetConf() * m_MobConfDrop);
    if (CPlayer *p = m_Friend[i])
    {
      if (p->GetIsTired() && t - p->GetIsTiredTime() > m_MaxStayTiredPeriod)
        p->SetIsTired(false);
      MovePlayer(*p, m_PlayerDecay);
      p->SetConf(p->GetConf() * m_MobConfDrop);
    }
    if (CPlayer *p = m_Foe[i])
    {
      MovePlayer(*p, m_PlayerDecay);
      p->SetConf(p->GetConf() * m_MobConfDrop);
    }
  }
  for (int i = 0; i < MAX_UNKNOWN; i++)
    if (CPlayer *p = m_UnknownPlayer[i])
      p->SetConf(p->GetConf() * m_MobConfDrop);
}

void CMemory::UpdateGlobals()
{
  const CVector me = m_GPos;
  const float f = m_Facing;
  const int t = GetTime();

  // The visual's velocities and facings were turned onto the pitch by the
  // facing reckoned before it; the visual has just put that right (by
  // several degrees after a turn, whose server noise the reckoning cannot
  // know), and a shot's direction with it.
  if (m_Ball.GetTime() == t)
  {
    m_Ball.SetGPos(Polar2CVector(m_Ball.GetRMag(), m_Ball.GetRDir()).Relative2Global(me, f));
    // A ball heard in this cycle keeps the teller's velocity: its changes
    // are an older sighting's.
    if (m_Ball.GetHeardTime() != t && Sensed(m_Ball.GetDistChng()) &&
        Sensed(m_Ball.GetDirChng()))
      m_Ball.SetVelocity(VelocityFromChanges(m_Ball.GetRMag(), m_Ball.GetRDir(),
                                             m_Ball.GetDistChng(), m_Ball.GetDirChng()));
  }

  if (m_NewVisual[0] && m_NewVisual[0]->GetTime() == t)
  {
    const int count = BufferedPlayers(m_NewVisual, MAX_UNKNOWN);
    for (int i = 1; i <= count; i++)
    {
      CPlayer &p = *m_NewVisual[i];
      p.SetGPos(Polar2CVector(p.GetRMag(), p.GetRDir()).Relative2Global(me, f));
      if (Sensed(p.GetRBFacing()))
        p.SetGBFacing(NormaliseAngle(p.GetRBFacing() + f));
      if (Sensed(p.GetRFacing()))
        p.SetGFacing(NormaliseAngle(p.GetRFacing() + f));
      if (Sensed(p.GetDistChng()) && Sensed(p.GetDirChng()))
        p.SetVelocity(VelocityFromChanges(p.GetRMag(), p.GetRDir(), p.GetDistChng(), p.GetDirChng()));
    }
  }
}

void CMemory::UpdateRelatives()
{
  const CVector me = m_GPos;
  const float f = m_Facing;
  const float b = m_BFacing;
  const int t = GetTime();

  m_GoalL.UpdateRPos(me, f, t);
  m_GoalR.UpdateRPos(me, f, t);
  m_LineL.UpdateRPos(me, f, t);
  m_LineT.UpdateRPos(me, f, t);
  m_LineR.UpdateRPos(me, f, t);
  m_LineB.UpdateRPos(me, f, t);
  for (CFlag &flag : m_Flag)
    flag.UpdateRPos(me, f, t);

  m_Ball.UpdateRPos(me, f, t);
  m_Ball.UpdateRBPos(me, b, t);

  const auto update = [&](CPlayer *p) {
    p->UpdateRPos(me, f, t);
    p->UpdateRBPos(me, b, t);
  };
  for (int i = 0; i < MAX_PLAYERS; i++)
  {
    if (Valid(m_ClosePlayer[i]))
      update(m_ClosePlayer[i]);
    if (Valid(m_Friend[i]))
      update(m_Friend[i]);
    if (Valid(m_Foe[i]))
      update(m_Foe[i]);
  }
  for (int i = 0; i < MAX_UNKNOWN; i++)
    if (Valid(m_UnknownPlayer[i]))
      update(m_UnknownPlayer[i]);

  if (m_NewVisual[0] && m_NewVisual[0]->GetTime() != 0)
  {
    const int count = BufferedPlayers(m_NewVisual, MAX_UNKNOWN);
    for (int i = 1; i <= count; i++)
      update(m_NewVisual[i]);
  }
}

void CMemory::RemoveGhosts()
{
  const float cone = GetViewAngle() - m_RemoveGhostsBuf;
  const int t = GetTime();

  // Well inside the view cone and beyond the feel distance it would have
  // been seen; nearer than that it would have been felt.
  const auto unseenInCone = [&](float rdir, float rmag) {
    return std::fabs(rdir) < cone && rmag > m_FeelDistance;
  };

  if (m_Ball.GetPositionValid() && m_Ball.GetTime() != t &&
      (unseenInCone(m_Ball.GetRDir(), m_Ball.GetRMag()) || m_Ball.GetRMag() <= m_FeelDistance))
  {
    m_Ball.SetConf(0);
    m_Ball.SetVelConf(0);
  }

  const auto ghost = [&](CPlayer *p) {
    return Valid(p) && p->GetTime() != t && unseenInCone(p->GetRDir(), p->GetRMag());
  };
  for (int i = 0; i < MAX_PLAYERS; i++)
  {
    // A close player is one only while we are near it: unseen, it is gone.
    if (Valid(m_ClosePlayer[i]) && m_ClosePlayer[i]->GetTime() != t)
      m_ClosePlayer[i]->SetConf(0);
    if (ghost(m_Friend[i]))
      m_Friend[i]->SetConf(0);
    if (ghost(m_Foe[i]))
      m_Foe[i]->SetConf(0);
  }
  for (int i = 0; i < MAX_UNKNOWN; i++)
    if (ghost(m_UnknownPlayer[i]))
      m_UnknownPlayer[i]->SetConf(0);
}
