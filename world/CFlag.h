#ifndef CFLAG_H
#define CFLAG_H

#include <iosfwd>

#include "CVector.h"
#include "Landmark.h"

// A flag on or around the pitch, as the world model knows it: where it stands,
// when it was last seen and where it lay then relative to the agent's neck.
// Identifier 0 is the record for a flag the server reported only as near.
class CFlag
{
public:
  CFlag();

  void Init(int id, float x, float y, float confThr);
  // For an agent on the right side, whose own goal must lie at negative x.
  void RevertSigns();
  // A flag seen in this cycle keeps the position the server gave.
  void UpdateRPos(CVector ownPos, float facing, int time);
  void Display(std::ostream &out) const;

  int GetID() const { return m_ID; }
  CVector GetGPos() const { return m_GPos; }
  CVector GetRPos() const { return m_RPos.Get(m_GPos); }
  float GetRMag() const { return GetRPos().GetMag(); }
  float GetRDir() const { return GetRPos().GetDir(); }
  int GetTime() const { return m_Time; }
  float GetConf() const { return m_Conf; }
  float GetConfThr() const { return m_ConfThr; }
  float GetDistChng() const { return m_DistChng; }
  float GetDirChng() const { return m_DirChng; }
  const CFlag *GetThis() const { return this; }

  void SetConf(float conf) { m_Conf = conf; }
  void SetRPos(CVector pos) { m_RPos.Set(pos); }
  void SetTime(int time) { m_Time = time; }
  void SetDistChng(float change) { m_DistChng = change; }
  void SetDirChng(float change) { m_DirChng = change; }

private:
  float m_ConfThr;
  int m_ID;
  CVector m_GPos;
  int m_Time;
  Landmark::RelativePos m_RPos;
  float m_DistChng;
  float m_DirChng;
  float m_Conf;
};

#endif
