#ifndef CGOAL_H
#define CGOAL_H

#include <iosfwd>

#include "CVector.h"
#include "Landmark.h"

// A goal: 'l', 'r', or 'u' for a goal the server reported only as near.
class CGoal
{
public:
  CGoal();

  void Init(char id, float x, float y, float confThr);
  void RevertSigns();
  // A goal seen in this cycle keeps the position the server gave.
  void UpdateRPos(CVector ownPos, float facing, int time);
  void Display(std::ostream &out) const;

  char GetID() const { return m_ID; }
  CVector GetGPos() const { return m_GPos; }
  float GetGY() const { return m_GPos.GetY(); }
  CVector GetRPos() const { return m_RPos.Get(m_GPos); }
  float GetRMag() const { return GetRPos().GetMag(); }
  float GetRDir() const { return GetRPos().GetDir(); }
  int GetTime() const { return m_Time; }
  float GetConf() const { return m_Conf; }
  float GetConfThr() const { return m_ConfThr; }
  const CGoal *GetThis() const { return this; }
  CGoal *GetNonConstThis() { return this; }

  void SetConf(float conf) { m_Conf = conf; }
  void SetRPos(CVector pos) { m_RPos.Set(pos); }
  void SetTime(int time) { m_Time = time; }

private:
  float m_ConfThr;
  char m_ID;
  CVector m_GPos;
  int m_Time;
  Landmark::RelativePos m_RPos;
  float m_Conf;
};

#endif
