#include "CPlayMode.h"

#include <cstring>
#include <iostream>

namespace
{

// The referee's calls, tested in this order on as many characters as given;
// the first match sets the play mode. Where a side letter follows, the mode
// is positive when it is ours, except for offside, where the free kick goes
// to the other side.
struct RefereeCall
{
  const char *prefix;
  std::size_t compared;
  PlayMode id;
  bool sided;
  bool reversed;
};

const RefereeCall kCalls[] = {
  {"before_kick_off", 15, PM_BEFORE_KICK_OFF, false, false},
  {"kick_off_", 9, PM_KICK_OFF, true, false},
  {"kick_in_", 8, PM_KICK_IN, true, false},
  {"corner_kick_", 12, PM_CORNER_KICK, true, false},
  {"goal_kick_", 10, PM_GOAL_KICK, true, false},
  // The server's later calls: a fault gives the other side a free kick,
  // and the free kick it then calls may be indirect; a free kick either way
  // (the fault tested before the free kick, whose prefix it shares).
  {"free_kick_fault_", 16, PM_FREE_KICK, true, true},
  {"free_kick_", 10, PM_FREE_KICK, true, false},
  {"indirect_free_kick_", 19, PM_FREE_KICK, true, false},
  {"back_pass_", 10, PM_FREE_KICK, true, true},
  {"catch_fault_", 12, PM_FREE_KICK, true, true},
  {"offside_", 8, PM_OFFSIDE, true, true},
  {"foul_", 5, PM_FOUL, true, false},
  {"goal_", 5, PM_GOAL, true, false},
  {"goalie_catch_ball_", 18, PM_GOALIE_CATCH_BALL, true, false},
  {"play_on", 7, PM_PLAY_ON, false, false},
  {"half_time", 9, PM_HALF_TIME, false, false},
  {"time_up_without_a_team", 22, PM_TIME_UP_WITHOUT_A_TEAM, false, false},
  {"time_over", 9, PM_TIME_OVER, false, false},
  {"time_up", 7, PM_TIME_OVER, false, false},
  // Only "time_e" is compared: any call starting so that no earlier test
  // caught counts as extended time.
  {"time_extended", 6, PM_TIME_EXTENDED, false, false},
  {"drop_ball", 9, PM_DROP_BALL, false, false},
};

// The referee's calls that name no play mode: a card shown to a player
// leaves the game as it was, and the play mode, its time and its text
// stay as they are.
const char *const kNoModeCalls[] = {"yellow_card_", "red_card_"};

// The calls after which the server refuses every kick until the next one:
// the ball is to be placed, or the half is over. Compared as prefixes.
const char *const kNoKickCalls[] = {"before_kick_off", "goal_l", "goal_r", "offside_",
                                    "illegal_defense_", "foul_", "back_pass_",
                                    "free_kick_fault_", "catch_fault_", "time_over",
                                    "time_up"};

bool StopsKicks(const char *text)
{
  for (const char *prefix : kNoKickCalls)
    if (std::strncmp(text, prefix, std::strlen(prefix)) == 0)
      return true;
  return false;
}

bool NamesNoPlayMode(const char *text)
{
  for (const char *prefix : kNoModeCalls)
    if (std::strncmp(text, prefix, std::strlen(prefix)) == 0)
      return true;
  return false;
}

// Copies a text into a field of `size` characters, cut and terminated.
void CopyText(char *field, std::size_t size, const char *text)
{
  std::size_t length = strnlen(text, size - 1);
  std::memcpy(field, text, length);
  field[length] = '\0';
}

} // namespace

CPlayMode::CPlayMode(CMediator *mediator)
  : CModule(mediator), m_PrevID(0), m_PrevTime(0), m_PrevText(), m_ID(0), m_Time(0), m_Text()
{
  std::cout << "[Creating & Initialising Play Mode]" << std::endl;
  pthread_mutex_init(&m_Mutex, nullptr);
}

CPlayMode::~CPlayMode()
{
  if (pthread_mutex_destroy(&m_Mutex) != 0)
    std::cerr << "ERROR: CPlayMode: ~CPlayMode: Problem while destroying mutex..." << std::endl;
}

void CPlayMode::Lock()
{
  if (pthread_mutex_lock(&m_Mutex) != 0)
    std::cerr << GetTime() << " ERROR: CPlayMode: Lock: Locking error..." << std::endl;
}

void CPlayMode::Unlock()
{
  if (pthread_mutex_unlock(&m_Mutex) != 0)
    std::cerr << GetTime() << " ERROR: CPlayMode: Unlock: Unlocking error..." << std::endl;
}

void CPlayMode::SetPlayMode(const char *text)
{
  if (text != nullptr && NamesNoPlayMode(text))
    return;
  const char side = GetSide();
  m_PrevID = m_ID;
  m_PrevTime = m_Time;
  CopyText(m_PrevText, TEXT_LENGTH, m_Text);
  CopyText(m_Text, TEXT_LENGTH, text != nullptr ? text : "");
  m_Time = GetTime();

  for (const RefereeCall &call : kCalls)
  {
    if (std::strncmp(m_Text, call.prefix, call.compared) != 0)
      continue;
    PlayMode id = call.id;
    if (call.sided)
    {
      // The prefix matched whole, so the letter after it lies within the
      // terminated text (at worst it is the terminator).
      const bool ours = m_Text[call.compared] == side;
      if (ours == call.reversed)
        id = -id;
      if (call.id == PM_GOAL)
        P2BWriteScoreDiff(P2BReadScoreDiff() + (ours ? 1 : -1));
    }
    m_ID = id;
    return;
  }
  std::cerr << "WARNING: CPlayMode: SetPlayMode: What playmode is that - " << (text != nullptr ? text : "")
            << " -?" << std::endl;
}

PlayMode CPlayMode::GetPlayMode(bool current) const
{
  return current ? m_ID : m_PrevID;
}

int CPlayMode::GetPlayModeTime(bool current) const
{
  return current ? m_Time : m_PrevTime;
}

bool CPlayMode::KicksRefusedSince(int cycle) const
{
  return (m_Time >= cycle && StopsKicks(m_Text)) || (m_PrevTime >= cycle && StopsKicks(m_PrevText));
}

void CPlayMode::Display() const
{
  std::cout << "PLAYMODE Previous ID: " << m_PrevID << std::endl;
  std::cout << "PLAYMODE Previous Time: " << m_PrevTime << std::endl;
  std::cout << "PLAYMODE Previous PlayMode: " << m_PrevText << std::endl;
  std::cout << "PLAYMODE ID: " << m_ID << std::endl;
  std::cout << "PLAYMODE Time: " << m_Time << std::endl;
  std::cout << "PLAYMODE PlayMode: " << m_Text << std::endl;
}
