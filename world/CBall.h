#ifndef CBALL_H
#define CBALL_H

#include <iosfwd>

#include "CVector.h"

// The ball as the world model knows it: where it is (relative to the agent's
// neck and body, and on the pitch), how it moves, how far each is trusted,
// and a ring of the agent's own last kicks, whose expected effects the
// velocity estimation allows for.
class CBall
{
public:
  // A kick the agent sent and the velocity it was expected to add.
  struct PastKick
  {
    int time;
    CVector effect;
  };
  static const int PAST_KICKS = 7;

  CBall();

  void Init(float size, float decay, float speedMax, float kickable, float confThr,
            float confDrop, int catchBanCycles, float catchableLength, float catchableWidth,
            float stoppedSpeed);

  // An unseen ball's relative position follows from its global one; never
  // nearer than 0.4 m, as the server never reports it nearer.
  void UpdateRPos(CVector ownPos, float facing, int time);
  void UpdateRBPos(CVector ownPos, float bodyFacing, int time);
  CVector GetRelativeVelocity(CVector unused, float angle) const;

  bool IsCatchable(int time) const;
  bool IsKickable() const;
  bool IsMoving() const;
  bool GetPositionValid() const;
  bool GetVelocityValid() const;

  void SetPastKick(CVector effect, int time);
  void ForgetPastKick(int time);
  static int PastKickInc(int i);
  static int PastKickDec(int i);
  int GetPastKickIdx() const { return m_PastKickIdx; }
  int GetPastKickTime(int slot) const;
  CVector GetPastKickEff(int slot) const;

  void SetLastCatchCycle(int time) { m_LastCatchCycle = time; }
  float GetStoppedSpeed() const { return m_StoppedSpeed; }

  void Display(std::ostream &out) const;

  int GetTime() const { return m_Time; }
  // The cycle a team-mate's word last placed the ball: a record of that
  // time rests on his reckoning of where he stands, not on our sight.
  int GetHeardTime() const { return m_HeardTime; }
  void SetHeardTime(int time) { m_HeardTime = time; }
  float GetConf() const { return m_Conf; }
  float GetVelConf() const { return m_VelConf; }
  float GetDistChng() const { return m_DistChng; }
  float GetDirChng() const { return m_DirChng; }
  int GetClose() const { return m_Close; }
  CVector GetGPos() const { return m_GPos; }
  float GetGX() const { return m_GPos.GetX(); }
  float GetGY() const { return m_GPos.GetY(); }
  float GetGMag() const { return m_GPos.GetMag(); }
  float GetGDir() const { return m_GPos.GetDir(); }
  CVector GetRPos() const { return m_RPos; }
  float GetRX() const { return m_RPos.GetX(); }
  float GetRY() const { return m_RPos.GetY(); }
  float GetRMag() const { return m_RPos.GetMag(); }
  float GetRDir() const { return m_RPos.GetDir(); }
  CVector GetRBPos() const { return m_RBPos; }
  float GetRBX() const { return m_RBPos.GetX(); }
  float GetRBY() const { return m_RBPos.GetY(); }
  float GetRBMag() const { return m_RBPos.GetMag(); }
  float GetRBDir() const { return m_RBPos.GetDir(); }
  CVector GetVelocity() const { return m_Velocity; }
  // The speed and heading of the ball, not of a position.
  float GetMag() const { return m_Velocity.GetMag(); }
  float GetDir() const { return m_Velocity.GetDir(); }
  CVector GetEGPos() const { return m_EGPos; }
  CVector GetEVelocity() const { return m_EVelocity; }
  CVector GetPrevGPos() const { return m_PrevGPos; }
  int GetPrevSeenTime() const { return m_PrevSeenTime; }
  bool GetUsePosBasedVelEst() const { return m_UsePosBasedVelEst; }
  int GetUsePosBasedVelEstTime() const { return m_UsePosBasedVelEstTime; }
  float GetDecay() const { return m_Decay; }
  float GetSize() const { return m_Size; }
  float GetSpeedMax() const { return m_SpeedMax; }
  float GetConfThr() const { return m_ConfThr; }
  float GetConfDrop() const { return m_ConfDrop; }
  const CBall *GetThis() const { return this; }
  CBall *GetNonConstThis() { return this; }

  void SetTime(int time) { m_Time = time; }
  void SetConf(float conf) { m_Conf = conf; }
  void SetVelConf(float conf) { m_VelConf = conf; }
  void SetDistChng(float change) { m_DistChng = change; }
  void SetDirChng(float change) { m_DirChng = change; }
  void SetClose(int close) { m_Close = close; }
  void SetRPos(CVector pos) { m_RPos = pos; }
  void SetRMag(float mag) { m_RPos.SetMag(mag); }
  void SetRBMag(float mag) { m_RBPos.SetMag(mag); }
  void SetGPos(CVector pos) { m_GPos = pos; }
  void SetVelocity(CVector velocity) { m_Velocity = velocity; }
  void SetMag(float speed) { m_Velocity.SetMag(speed); }
  void SetDir(float dir) { m_Velocity.SetDir(dir); }
  void SetEGPos(CVector pos) { m_EGPos = pos; }
  void SetEVelocity(CVector velocity) { m_EVelocity = velocity; }
  void SetPrevGPos(CVector pos) { m_PrevGPos = pos; }
  void SetPrevSeenTime(int time) { m_PrevSeenTime = time; }
  void SetUsePosBasedVelEst(bool use) { m_UsePosBasedVelEst = use; }
  void SetUsePosBasedVelEstTime(int time) { m_UsePosBasedVelEstTime = time; }

private:
  float m_Size;
  float m_Decay;
  float m_SpeedMax;
  float m_Kickable;
  float m_ConfThr;
  float m_ConfDrop;
  int m_CatchBanCycles;
  float m_CatchableLength;
  float m_CatchableWidth;
  float m_StoppedSpeed;
  int m_Time;
  int m_HeardTime = -999;
  CVector m_RPos;
  CVector m_RBPos;
  float m_DistChng;
  float m_DirChng;
  int m_Close;
  float m_Conf;
  float m_VelConf;
  CVector m_GPos;
  CVector m_Velocity;
  int m_LastCatchCycle;
  bool m_UsePosBasedVelEst;
  int m_UsePosBasedVelEstTime;
  int m_PrevSeenTime;
  CVector m_PrevGPos;
  CVector m_EGPos;
  CVector m_EVelocity;
  PastKick m_PastKick[PAST_KICKS];
  int m_PastKickIdx;
};

#endif
