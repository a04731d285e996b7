#include "CMemory.h"

#include <cmath>
#include <cstring>
#include <iostream>
#include <new>

#include "LandmarkTable.h"
#include "MCDictIniSafe.h"

CMemory::CMemory(CMediator *mediator)
  : CModule(mediator), m_Time(0), m_NewTime(0), m_LastVisualInterval(0),
    m_LastVisualTime(0), m_GPos(999, 999), m_Facing(0), m_BFacing(0), m_SB(),
    m_Velocity(0, 0), m_GPosCorr(0, 0), m_GPosCorrTime(0), m_PassReceiver(-999),
    m_PassReceiverTime(0), m_FeelDistance(3.0f), m_PitchLength(105), m_PitchWidth(68),
    m_PenaltyAreaLength(16.5f), m_PenaltyAreaWidth(40.32f), m_PitchMargin(5),
    m_GoalWidth(14.02f), m_BallRand(0.05f), m_PlayerSize(0.3f), m_BallSize(0.085f),
    m_PlayerDecay(0.4f), m_BallDecay(0.94f), m_PlayerSpeedMax(1.0f), m_BallSpeedMax(2.7f),
    m_KickableMargin(0.7f), m_MaxNeckAng(90), m_MinNeckAng(-90), m_InertiaMoment(5.0f),
    m_KickPowerRate(0.016f), m_DashPowerRate(0.006f), m_QuantizeStep(0.1f),
    m_BallVelInvalidationFactor(2.0f), m_Epsilon(0.001f), m_StatConfDrop(0.95f),
    m_StatConfThr(0.5f), m_MobConfDrop(0.962f), m_MobConfThr(0.4f), m_MatchDistThr(35),
    m_MatchTimeThr(25), m_MaxStayTiredPeriod(10), m_AudioConfBuffer(0.1f),
    m_StayPassReceiverPeriod(7), m_StoppedSpeed(0.2f), m_CatchableAreaW(1.0f),
    m_CatchableAreaL(2.0f), m_CatchBanCycle(5), m_QuantizeFactor(0.1000417f), m_Kickable(1.0512711f), m_OffsideLine(0),
    m_OffsideLineTime(0), m_OurOffsideLine(0), m_OurOffsideLineTime(0), m_NextSpeaker(0),
    m_NextSpeakerTime(0), m_FixPlan(0), m_FixPlanTime(0), m_StaminaMax(3500),
    m_StaminaIncMax(35), m_CollisionDistance(0.385f), m_RemoveGhostsBuf(5.0f),
    m_ClosePlayer(), m_Friend(), m_Foe(), m_UnknownPlayer(), m_NewVisual()
{
  std::cout << "[Creating & Initialising Memory   ]" << std::endl;
  // Initialised here rather than in Init so that a store that was never
  // configured can still be locked and destroyed safely.
  pthread_mutex_init(&m_Mutex, nullptr);
}

CMemory::~CMemory()
{
  DeletePlayerArrays();
  if (pthread_mutex_destroy(&m_Mutex) != 0)
    std::cerr << "ERROR: CMemory: ~CMemory: Problem while destroying mutex..." << std::endl;
}

void CMemory::Init(MCDictIniSafe &config)
{
  std::cout << std::endl
            << "[------- MCIni Memory Params from conf files ------]" << std::endl
            << std::endl;
  const auto real = [&config](const char *section, const char *key, double def) {
    return static_cast<float>(config.getsafe(section, key, def, 0));
  };
  const auto whole = [&config](const char *section, const char *key, int def) {
    return config.getsafe(section, key, def, 0);
  };
  m_FeelDistance = real("NotInServer", "feel_distance", 3.0);
  m_PitchLength = real("NotInServer", "pitch_length", 105);
  m_PitchWidth = real("NotInServer", "pitch_width", 68);
  m_PenaltyAreaLength = real("NotInServer", "penalty_area_length", 16.5);
  m_PenaltyAreaWidth = real("NotInServer", "penalty_area_width", 40.32);
  m_PitchMargin = real("NotInServer", "pitch_margin", 5);
  m_GoalWidth = real("Server", "goal_width", 14.02);
  m_BallRand = real("Server", "ball_rand", 0.05);
  m_PlayerSize = real("Server", "player_size", 0.3);
  m_BallSize = real("Server", "ball_size", 0.085);
  m_PlayerDecay = real("Server", "player_decay", 0.4);
  m_BallDecay = real("Server", "ball_decay", 0.94);
  m_PlayerSpeedMax = real("Server", "player_speed_max", 1.0);
  m_BallSpeedMax = real("Server", "ball_speed_max", 2.7);
  m_KickableMargin = real("Server", "kickable_margin", 0.7);
  m_MaxNeckAng = whole("Server", "maxneckang", 90);
  m_MinNeckAng = whole("Server", "minneckang", -90);
  m_InertiaMoment = real("Server", "inertia_moment", 5.0);
  m_KickPowerRate = real("Server", "kick_power_rate", 0.016);
  m_DashPowerRate = real("Server", "dash_power_rate", 0.006);
  m_QuantizeStep = real("Server", "quantize_step", 0.1);
  // The relative error of a distance the server quantised with this step.
  const float step = real("Server", "quantize_step", 0.1);
  m_QuantizeFactor = static_cast<float>(std::exp(step / 2.0) - std::exp(-step / 2.0));
  m_StaminaMax = real("Server", "stamina_max", 3500);
  m_StaminaIncMax = real("Server", "stamina_inc_max", 35);
  m_BallVelInvalidationFactor = real("Memory", "ball_vel_invalidation_factor", 2.0);
  m_Epsilon = real("Memory", "epsilon", 0.001);
  m_StatConfDrop = real("Memory", "stat_conf_drop", 0.95);
  m_StatConfThr = real("Memory", "stat_conf_thr", 0.5);
  m_MobConfDrop = real("Memory", "mob_conf_drop", 0.962);
  m_MobConfThr = real("Memory", "mob_conf_thr", 0.4);
  m_MatchDistThr = real("Memory", "match_dist_thr", 35);
  m_MatchTimeThr = static_cast<float>(whole("Memory", "match_time_thr", 25));
  m_MaxStayTiredPeriod = whole("Memory", "max_stay_tired_period", 10);
  m_AudioConfBuffer = real("Memory", "audio_conf_buffer", 0.1);
  m_StayPassReceiverPeriod = whole("Memory", "stay_pass_receiver_period", 7);
  m_RemoveGhostsBuf = real("Memory", "remove_ghosts_buf", 5.0);
  m_StoppedSpeed = real("NotInServer", "stopped_speed", 0.2);
  m_CatchableAreaW = real("Server", "catchable_area_w", 1.0);
  m_CatchableAreaL = real("Server", "catchable_area_l", 2.0);
  m_CatchBanCycle = whole("Server", "catch_ban_cycle", 5);
  m_CollisionDistance = m_PlayerSize + m_BallSize;

  std::memset(&m_SB, 0, sizeof m_SB);
  std::strcpy(m_SB.view_quality, "high");
  std::strcpy(m_SB.view_width, "normal");
  m_SB.stamina = m_StaminaMax;
  m_SB.effort = 1.0f;

  m_Me.Init(-1, 'h', m_PlayerSize, m_PlayerDecay, m_PlayerSpeedMax, m_MobConfThr);
  ResetSortedLists();
  InitLandmarks();
  m_BallTrack.Init(m_BallRand, m_BallDecay, m_QuantizeFactor);
  m_Ball.Init(m_BallSize, m_BallDecay, m_BallSpeedMax, m_Kickable, m_MobConfThr, m_MobConfDrop,
              m_CatchBanCycle, m_CatchableAreaL, m_CatchableAreaW, m_StoppedSpeed);
  std::cout << std::endl << "[--------------------- Done! ----------------------]" << std::endl;
}

void CMemory::ResetSortedLists()
{
  for (sorted_players *list :
       {&m_SortedFriends2Me, &m_SortedFriends2Ball, &m_SortedFoes2Me, &m_SortedFoes2Ball})
  {
    list->time = 0;
    list->reference = CVector(0, 0);
    list->count = 0;
    for (CPlayer *&entry : list->players)
      entry = &m_Me;
  }
}

void CMemory::InitLandmarks()
{
  const float halfLength = m_PitchLength / 2;
  const float halfWidth = m_PitchWidth / 2;
  const auto measure = [&](PitchMeasure m) -> float {
    switch (m)
    {
      case PitchMeasure::HalfLength:
        return halfLength;
      case PitchMeasure::PenaltyLine:
        return halfLength - m_PenaltyAreaLength;
      case PitchMeasure::OuterLength:
        return halfLength + m_PitchMargin;
      case PitchMeasure::HalfWidth:
        return halfWidth;
      case PitchMeasure::PenaltyHalfWidth:
        return m_PenaltyAreaWidth / 2;
      case PitchMeasure::GoalHalfWidth:
        return m_GoalWidth / 2;
      case PitchMeasure::OuterWidth:
        return halfWidth + m_PitchMargin;
      case PitchMeasure::None:
        break;
    }
    return 0;
  };
  const float thr = m_StatConfThr;
  m_GoalClose.Init('u', 0, 0, thr);
  m_FlagClose.Init(0, 0, 0, thr);
  m_LineClose.Init('u', 0, 0, thr);
  m_LineL.Init('l', -halfLength, 0, thr);
  m_LineT.Init('t', 0, -halfWidth, thr);
  m_LineR.Init('r', halfLength, 0, thr);
  m_LineB.Init('b', 0, halfWidth, thr);
  for (int k = 1; k <= NUM_FLAGS; k++)
  {
    const FlagSpot &spot = kFlagSpots[k - 1];
    m_Flag[k - 1].Init(k, spot.xSign * measure(spot.xMeasure) + spot.xOffset,
                       spot.ySign * measure(spot.yMeasure) + spot.yOffset, thr);
  }
  m_GoalL.Init('l', -halfLength, 0, thr);
  m_GoalR.Init('r', halfLength, 0, thr);
}

void CMemory::InitPlayerArrays(char side, MCDictIniSafe &)
{
  const auto make = [this](int unum, char team) {
    CPlayer *player = new (std::nothrow) CPlayer;
    if (!player)
    {
      std::cerr << std::endl
                << "ERROR: CMemory: InitPlayerArrays: Not enough memory to create player arrays..."
                << std::endl;
      DoExit(500);
      return player;
    }
    player->Init(unum, team, m_PlayerSize, m_PlayerDecay, m_PlayerSpeedMax, m_MobConfThr);
    return player;
  };
  // Made once a connection; a second call must not lose the first records.
  FreePlayerRecords();
  const bool known = side == 'l' || side == 'r';
  const char theirs = side == 'l' ? 'r' : 'l';
  for (int i = 0; i < MAX_PLAYERS; i++)
  {
    m_ClosePlayer[i] = make(-999, 'c');
    if (!known)
      std::cerr << GetTime() << " ERROR: CMemory: InitPlayerArrays: What side is that -" << side
                << "-?" << std::endl;
    // The queries walk every entry of the arrays, so even without a known
    // side each entry gets a record, one that claims no team.
    m_Friend[i] = make(-999, known ? side : 'u');
    m_Foe[i] = make(-999, known ? theirs : 'u');
  }
  for (int i = 0; i < MAX_UNKNOWN; i++)
  {
    m_UnknownPlayer[i] = make(-999, 'u');
    m_NewVisual[i] = make(-999, 'u');
  }
  if (m_NewVisual[0])
    m_NewVisual[0]->SetUNum(0);
}

void CMemory::DeletePlayerArrays()
{
  FreePlayerRecords();
}

void CMemory::FreePlayerRecords()
{
  ForEachRecordSlot([](CPlayer *&player) {
    delete player;
    player = nullptr;
  });
}

void CMemory::RevertSigns()
{
  // The close records stand for whatever is near and have no place.
  for (CLine *line : {&m_LineL, &m_LineT, &m_LineR, &m_LineB})
    line->RevertSigns();
  for (CFlag &flag : m_Flag)
    flag.RevertSigns();
  m_GoalL.RevertSigns();
  m_GoalR.RevertSigns();
}

void CMemory::Lock()
{
  if (pthread_mutex_lock(&m_Mutex) != 0)
    std::cerr << GetTime() << " ERROR: CMemory: Lock: Locking error..." << std::endl;
}

void CMemory::Unlock()
{
  if (pthread_mutex_unlock(&m_Mutex) != 0)
    std::cerr << GetTime() << " ERROR: CMemory: Unlock: Unlocking error..." << std::endl;
}

void CMemory::Display(std::ostream &out) const
{
  out << "MEMORY GoalClose: " << std::endl;
  m_GoalClose.Display(out);
  out << "MEMORY FlagClose: " << std::endl;
  m_FlagClose.Display(out);
  const struct
  {
    const char *label;
    const CLine &line;
  } lines[] = {{"LineClose", m_LineClose}, {"LineL", m_LineL}, {"LineT", m_LineT},
               {"LineR", m_LineR}, {"LineB", m_LineB}};
  for (const auto &l : lines)
  {
    out << "MEMORY " << l.label << ": " << std::endl;
    l.line.Display(out);
  }
  for (int k = 1; k <= NUM_FLAGS; k++)
  {
    out << "MEMORY Flag" << kFlagSpots[k - 1].name << ": " << std::endl;
    m_Flag[k - 1].Display(out);
  }
  out << "MEMORY GoalL: " << std::endl;
  m_GoalL.Display(out);
  out << "MEMORY GoalR: " << std::endl;
  m_GoalR.Display(out);
  out << "MEMORY Ball: " << std::endl;
  m_Ball.Display(out);
  const auto players = [&out](const char *label, CPlayer *const *array, int count) {
    for (int i = 0; i < count; i++)
    {
      out << "MEMORY " << label << "[" << i << "]:" << std::endl;
      if (array[i])
        array[i]->Display(out);
      else
        out << "\tNULL" << std::endl;
    }
  };
  players("ClosePlayer", m_ClosePlayer, MAX_PLAYERS);
  players("Friend", m_Friend, MAX_PLAYERS);
  players("Foe", m_Foe, MAX_PLAYERS);
  players("UnknownPlayer", m_UnknownPlayer, MAX_UNKNOWN);
  const auto offside = [&out](const char *label, float x, int time, const char *colour) {
    out << "MEMORY " << label << ":" << std::endl;
    out << "\tDLINE GX : " << x << std::endl;
    out << "\tDLINE GY : " << -34 << std::endl;
    out << "\tDLINE DX : " << 0 << std::endl;
    out << "\tDLINE DY : " << 68 << std::endl;
    out << "\tDLINE Time : " << time << std::endl;
    out << "\tDLINE Colour : " << colour << std::endl;
  };
  offside("OffsideLine", m_OffsideLine, m_OffsideLineTime, "Red");
  offside("OurOffsideLine", m_OurOffsideLine, m_OurOffsideLineTime, "Green");
}

void CMemory::EraseMemory()
{
  m_Ball.SetConf(0);
  m_Ball.SetVelConf(0);
  ForEachRecordSlot([](CPlayer *player) {
    if (player)
    {
      player->SetTime(0);
      player->SetConf(0);
    }
  });
}

void CMemory::SetTime(int time)
{
  m_Time = time;
}

int CMemory::GetTime() const
{
  return m_Time;
}

void CMemory::SetNewTime(int time)
{
  m_NewTime = time;
}

int CMemory::GetNewTime() const
{
  return m_NewTime;
}

int CMemory::GetPreviousVisualTime() const
{
  return m_LastVisualTime - m_LastVisualInterval;
}

void CMemory::SetLastVisualInterval(int interval)
{
  m_LastVisualInterval = interval;
}

int CMemory::GetLastVisualInterval() const
{
  return m_LastVisualInterval;
}

void CMemory::SetLastVisualTime(int time)
{
  m_LastVisualTime = time;
}

int CMemory::GetLastVisualTime() const
{
  return m_LastVisualTime;
}

void CMemory::SetGPos(CVector pos)
{
  // Localisation marks a position it could not find with a negative
  // magnitude; the last known position is better than none.
  if (pos.GetMag() >= 0)
    m_GPos = pos;
}

CVector CMemory::GetGPos() const
{
  return m_GPos;
}

void CMemory::SetFacing(float facing)
{
  m_Facing = facing;
}

float CMemory::GetFacing() const
{
  return m_Facing;
}

void CMemory::SetBFacing(float facing)
{
  m_BFacing = facing;
}

float CMemory::GetBFacing() const
{
  return m_BFacing;
}

void CMemory::SetSB(sensebody sb)
{
  m_SB = sb;
}

sensebody CMemory::GetSB() const
{
  return m_SB;
}

float CMemory::GetViewAngle() const
{
  if (std::strncmp(m_SB.view_width, "wide", 4) == 0)
    return 90;
  if (std::strncmp(m_SB.view_width, "normal", 6) == 0)
    return 45;
  if (std::strncmp(m_SB.view_width, "narrow", 6) == 0)
    return 22.5f;
  std::cerr << GetTime() << " ERROR: CMemory: GetViewAngle: What field of view is that -"
            << m_SB.view_width << "- ?" << std::endl;
  return 0;
}

void CMemory::SetVelocity(CVector velocity)
{
  m_Velocity = velocity;
}

CVector CMemory::GetVelocity() const
{
  return m_Velocity;
}

void CMemory::SetGPosCorr(CVector correction)
{
  m_GPosCorr = correction;
}

CVector CMemory::GetGPosCorr() const
{
  return m_GPosCorr;
}

void CMemory::SetGPosCorrTime(int time)
{
  m_GPosCorrTime = time;
}

int CMemory::GetGPosCorrTime() const
{
  return m_GPosCorrTime;
}

void CMemory::SetPassReceiver(int unum)
{
  m_PassReceiver = unum;
}

int CMemory::GetPassReceiver() const
{
  return m_PassReceiver;
}

bool CMemory::AmIThePassReceiver() const
{
  return m_PassReceiver == GetUNum() &&
         GetTime() - m_PassReceiverTime <= m_StayPassReceiverPeriod;
}

void CMemory::SetPassReceiverTime(int time)
{
  m_PassReceiverTime = time;
}

int CMemory::GetPassReceiverTime() const
{
  return m_PassReceiverTime;
}

void CMemory::SetNextSpeaker(int unum)
{
  m_NextSpeaker = unum;
}

int CMemory::GetNextSpeaker() const
{
  return m_NextSpeaker;
}

void CMemory::SetNextSpeakerTime(int time)
{
  m_NextSpeakerTime = time;
}

int CMemory::GetNextSpeakerTime() const
{
  return m_NextSpeakerTime;
}

void CMemory::SetFixPlan(int plan)
{
  m_FixPlan = plan;
}

int CMemory::GetFixPlan() const
{
  return m_FixPlan;
}

void CMemory::SetFixPlanTime(int time)
{
  m_FixPlanTime = time;
}

int CMemory::GetFixPlanTime() const
{
  return m_FixPlanTime;
}

float CMemory::GetQuantizeFactor() const
{
  return m_QuantizeFactor;
}

float CMemory::GetCollisionDistance() const
{
  return m_CollisionDistance;
}
