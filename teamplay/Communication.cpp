// Team messages: one team-mate a cycle says its world model to the others,
// who take what it knows better than they do.

#include "CBehaviours.h"

#include <cmath>
#include <algorithm>
#include <cstring>
#include <iostream>

#include "CBall.h"
#include "MessageCoder.h"
#include "Mobile.h"

namespace
{
// How far beyond the pitch's lines a heard ball or player may be: the ball
// rolls out a little before the referee stops play, and players run round
// the outside. Anything farther is no place a team-mate saw something, and
// is refused rather than believed.
const float kHeardOffPitchMargin = 5.0f;

// The coder for this brain's settings; both ends of a message build it from
// the same configuration.
CMessageCoder CoderOf(const CBrainParameters &p, char side)
{
  TeamMessageSettings settings;
  settings.identifier = p.m_CommId;
  settings.side = side;
  settings.encryptKey = p.m_EncryptKey;
  settings.confDrop = p.m_MobConfDrop;
  settings.ballSpeedMax = p.m_BallSpeedMax * p.m_BallDecay;
  settings.playerSpeedMax = p.m_PlayerSpeedMax * p.m_PlayerDecay;
  return CMessageCoder(settings);
}
}  // namespace

CTeamTalk::CTeamTalk(CBehaviours &brain) : m_Brain(brain)
{
}

bool CTeamTalk::IsHeardPlaceOnPitch(const CVector &p) const
{
  return std::fabs(p.GetX()) <= m_Brain.m_PitchLength / 2 + kHeardOffPitchMargin &&
         std::fabs(p.GetY()) <= m_Brain.m_PitchWidth / 2 + kHeardOffPitchMargin;
}

// A team-mate's message is a 511-character text that begins with the team's
// identifier. Shorter texts, or texts with another identifier, are other
// players' chatter (the opponents hear our says too), and are dropped
// without a word.
void CBehaviours::ParseMessage(char *text) const
{
  if (!m_UseCommunication || text == nullptr)
    return;
  if (strnlen(text, MESSAGE_MIN_LENGTH) < MESSAGE_MIN_LENGTH)
    return;
  const std::size_t idLength = std::strlen(m_CommId);
  if (idLength == 0 || std::strncmp(text, m_CommId, idLength) != 0)
    return;
  std::size_t length = strnlen(text, MESSAGE_BUFFER_LENGTH - 1);
  std::memcpy(m_MessageBuffer, text, length);
  m_MessageBuffer[length] = '\0';
  DeconstructMessage();
}

// Reached from the mediator's const entry point, like the world model's
// heard objects; what it changes is the world model's and the play mode's.
void CBehaviours::DeconstructMessage() const
{
  const_cast<CBehaviours *>(this)->DeConstructOriginalMessage();
}

void CBehaviours::DeConstructOriginalMessage()
{
  TeamMessage m;
  if (!CoderOf(*this, GetSide()).Decode(m_MessageBuffer, m))
    return;
  const int now = GetTime();
  // Only what holds in this cycle is worth taking: an older message would
  // place the ball and the players where they were, and a replay of one
  // by anybody else must change nothing.
  if (m.time != now || m.sender == GetUNum())
    return;
  m_TeamMessagesHeard++;
  StorePMFromAudio(m.playMode);

  const CVector me = GetGPos();
  const float neck = GetFacing();
  const float body = GetBFacing();
  if (m.ball.known && m_TeamTalk.IsHeardPlaceOnPitch(m.ball.pos))
  {
    CBall ball;
    ball.Init(m_BallSize, m_BallDecay, m_BallSpeedMax, m_Kickable, m_MobConfThr, m_MobConfDrop,
              m_CatchBanCycle, m_CatchableAreaL, m_CatchableAreaW, m_StoppedSpeed);
    ball.SetTime(now);
    ball.SetConf(m.ball.conf);
    ball.SetGPos(m.ball.pos);
    ball.SetVelocity(m.ball.vel);
    // The world model keeps the nearer of two equally sure views, so the
    // heard ball must be placed relative to this agent, not the sender.
    ball.SetRPos(Mobile::Relative(m.ball.pos, me, neck, 0));
    // No place relative to the body: the world model works out its own
    // ball's from the agent's pose when it takes the word, and reads
    // nothing else of the heard one's.
    if (ball.GetPositionValid())
      StoreBallFromAudio(ball);
  }
  for (int i = 0; i < m.playerCount; i++)
  {
    const TeamMessagePlayer &heard = m.players[i];
    if (!m_TeamTalk.IsHeardPlaceOnPitch(heard.pos))
      continue;
    CPlayer player;
    player.Init(heard.unum != 0 ? heard.unum : -999, heard.ours ? GetSide() : TheirSide(),
                m_PlayerSize, m_PlayerDecay, m_PlayerSpeedMax, m_MobConfThr);
    player.SetTime(now);
    player.SetConf(heard.conf);
    player.SetIsGoalie(heard.goalie);
    player.SetGPos(heard.pos);
    player.SetVelocity(heard.vel);
    player.SetGFacing(-999);
    player.SetGBFacing(-999);
    player.SetSource(1);
    player.SetRPos(heard.pos, me, neck, 0);
    player.UpdateRBPos(me, body, now);
    if (player.GetPositionValid())
      StorePlayerFromAudio(player);
  }
  if (m.pass.announced)
  {
    StorePassFromAudio(m.pass.time, m.pass.receiver, m.pass.target);
    HearPass(m.sender, m.pass.time, m.pass.receiver, m.pass.target);
  }
}

void CTeamTalk::ResetSpeakers(int count)
{
  m_SpeakerCount = count;
  m_SpeakerTurn = kFirstSpeaker;
}

int CTeamTalk::SpeakerCount() const
{
  return m_SpeakerCount;
}

int CTeamTalk::SpeakerOf(int time) const
{
  // Uniform numbers are unique in a team, so one number a cycle means at
  // most one speaker; a count past eleven would only repeat them.
  const int count = m_SpeakerCount > 11 ? 11 : m_SpeakerCount;
  if (count <= 0)
    return 0;
  const int turn = ((time % count) + count) % count;
  return ((m_SpeakerTurn - 1 + turn) % 11 + 11) % 11 + 1;
}

bool CTeamTalk::FirstIdentifierReport()
{
  if (m_IdentifierReported)
    return false;
  m_IdentifierReported = true;
  return true;
}

bool CBehaviours::ShouldICommunicate() const
{
  return m_UseCommunication && CMessageCoder::UsableIdentifier(m_CommId) &&
         (m_TeamTalk.SpeakerOf(GetTime()) == GetUNum() || m_TeamTalk.PassIsNews());
}

bool CTeamTalk::PassIsNews() const
{
  const int age = m_Brain.GetTime() - m_Brain.m_Passing.time;
  return m_Brain.m_Passing.receiver != 0 && age >= 0 && age < kPassNewsCycles;
}

int CBehaviours::EncryptTimeStamp(int time) const
{
  return CMessageCoder::EncryptTimeStamp(time, m_EncryptKey);
}

int CBehaviours::DecryptTimeStamp(int stamp) const
{
  return CMessageCoder::DecryptTimeStamp(stamp, m_EncryptKey);
}

int CBehaviours::GetTeamMessagesHeard() const
{
  return m_TeamMessagesHeard;
}

CVector CTeamTalk::KickedBallVelocity(float power, float angle) const
{
  const CBall *ball = m_Brain.M2BReadBall();
  const CVector rel = ball->GetGPos() - m_Brain.GetGPos();
  const float rate =
      m_Brain.KickRate(rel.GetMag(), m_Brain.NormaliseAngle(rel.GetDir() - m_Brain.GetBFacing()));
  CVector vel = ball->GetVelocityValid() ? ball->GetVelocity() : CVector(0, 0);
  vel += Polar2CVector(rate * std::min(power, static_cast<float>(m_Brain.m_MaxPower)),
                       m_Brain.GetBFacing() + angle);
  if (vel.GetMag() > m_Brain.m_BallSpeedMax)
    vel = vel.SetLength(m_Brain.m_BallSpeedMax);
  return vel;
}

bool CBehaviours::ConstructOriginalMessage(char *text, std::size_t size) const
{
  TeamMessage m;
  m.time = GetTime();
  m.sender = GetUNum();
  m.playMode = CurrentPlayMode();

  const CBall *ball = M2BReadBall();
  if (BallPositionValid())
  {
    m.ball.known = true;
    m.ball.pos = ball->GetGPos();
    m.ball.vel = ball->GetVelocityValid() ? ball->GetVelocity() : CVector(0, 0);
    m.ball.conf = ball->GetConf();
    // This cycle's kick sends the ball on before anybody hears of it: the
    // message carries the velocity it leaves with, or the listeners would
    // take a pass for a ball at the passer's feet, and its receiver run
    // back to him.
    if (m_Queue.time == m.time && m_Queue.command == CMD_KICK)
      m.ball.vel = m_TeamTalk.KickedBallVelocity(m_Queue.power, m_Queue.angle);
  }

  // The sender first: nobody knows its place better.
  TeamMessagePlayer &self = m.players[m.playerCount++];
  self.ours = true;
  self.unum = GetUNum();
  self.goalie = m_Role == ROLE_GOALKEEPER;
  self.pos = GetGPos();
  self.vel = GetVelocity();
  self.conf = 1;
  const auto add = [&](const CPlayer *p, bool ours) {
    TeamMessagePlayer &entry = m.players[m.playerCount++];
    entry.ours = ours;
    entry.unum = p->GetUNum();
    entry.goalie = p->GetIsGoalie();
    entry.pos = p->GetGPos();
    entry.vel = p->GetVelocity();
    entry.conf = p->GetConf();
  };
  for (int n = 0; m.playerCount < TeamMessage::MAX_PLAYERS; n++)
  {
    const CPlayer *p = GetAValidFriend(n);
    if (p == nullptr)
      break;
    add(p, true);
  }
  for (int n = 0; m.playerCount < TeamMessage::MAX_PLAYERS; n++)
  {
    const CPlayer *p = GetAValidFoe(n);
    if (p == nullptr)
      break;
    add(p, false);
  }

  // A pass stays news until the passer's next turn to speak, and at least
  // for the cycles he says it out of turn.
  const int fresh = std::max({m_TeamTalk.SpeakerCount(), CTeamTalk::kPassNewsCycles, 1});
  if (m_Passing.receiver != 0 && m.time - m_Passing.time < fresh)
  {
    m.pass.announced = true;
    m.pass.time = m_Passing.time;
    m.pass.receiver = m_Passing.receiver;
    m.pass.target = m_Passing.target;
  }
  return CoderOf(*this, GetSide()).Encode(m, text, size);
}

void CBehaviours::Communicate()
{
  if (m_UseCommunication && !CMessageCoder::UsableIdentifier(m_CommId) &&
      m_TeamTalk.FirstIdentifierReport())
  {
    std::cerr << GetTime() << " WARNING: CBehaviours: Communicate: the team identifier \""
              << m_CommId << "\" cannot head a say; no team messages are said..." << std::endl;
  }
  if (!ShouldICommunicate())
    return;
  QueueLock();
  const bool leaving = m_Queue.command == CMD_BYE;
  QueueUnlock();
  // The play mode as it is now, not as the pass began: the referee's call
  // that ends the half may have come while the pass waited for a visual.
  // Once it has, the players leave, and the server can crash relaying a
  // say to a player that left in the same cycle.
  LockPlayMode();
  const PlayMode previous = P2BReadPlayMode(false);
  const PlayMode current = P2BReadPlayMode(true);
  UnlockPlayMode();
  if (leaving || IsHalfOver(previous, current))
    return;
  char text[CMessageCoder::MESSAGE_LENGTH + 1];
  if (ConstructOriginalMessage(text, sizeof text))
    Say(text);
}
