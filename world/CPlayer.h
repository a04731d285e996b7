#ifndef CPLAYER_H
#define CPLAYER_H

#include <iosfwd>

#include "CVector.h"

// A player as the world model knows it: a team-mate, an opponent, one whose
// team is not known, or the agent itself (side 'h'). Facings are degrees;
// a global body facing of -998 or below means the body was not seen.
class CPlayer
{
public:
  CPlayer();

  void Init(int unum, char side, float size, float decay, float speedMax, float confThr);

  // As the ball's, but never nearer than the two players' bodies allow.
  void UpdateRPos(CVector ownPos, float facing, int time);
  void UpdateRBPos(CVector ownPos, float bodyFacing, int time);

  bool GetPositionValid() const;
  // A player's motion is as well known as its position.
  bool GetVelocityValid() const;
  bool GetBodyAngleValid() const;

  // Where this player's uniform number stands in a formation (-1, 0 or 1);
  // (999, 999) for anything else.
  CVector GetHomePos(int formation) const;

  void Display(std::ostream &out) const;

  int GetTime() const { return m_Time; }
  int GetUNum() const { return m_UNum; }
  char GetSide() const { return m_Side; }
  bool GetIsGoalie() const { return m_IsGoalie; }
  float GetConf() const { return m_Conf; }
  int GetSource() const { return m_Source; }
  bool GetIsTired() const { return m_IsTired; }
  int GetIsTiredTime() const { return m_IsTiredTime; }
  CVector GetGPos() const { return m_GPos; }
  float GetGX() const { return m_GPos.GetX(); }
  float GetGY() const { return m_GPos.GetY(); }
  float GetGMag() const { return m_GPos.GetMag(); }
  float GetGDir() const { return m_GPos.GetDir(); }
  CVector GetRPos() const { return m_RPos.Get(); }
  float GetRX() const { return m_RPos.Get().GetX(); }
  float GetRY() const { return m_RPos.Get().GetY(); }
  float GetRMag() const { return m_RPos.Get().GetMag(); }
  float GetRDir() const { return m_RPos.Get().GetDir(); }
  CVector GetRBPos() const { return m_RBPos.Get(); }
  float GetRBX() const { return m_RBPos.Get().GetX(); }
  float GetRBY() const { return m_RBPos.Get().GetY(); }
  float GetRBMag() const { return m_RBPos.Get().GetMag(); }
  float GetRBDir() const { return m_RBPos.Get().GetDir(); }
  float GetRFacing() const { return m_RFacing; }
  float GetRBFacing() const { return m_RBFacing; }
  float GetGFacing() const { return m_GFacing; }
  float GetGBFacing() const { return m_GBFacing; }
  float GetDistChng() const { return m_DistChng; }
  float GetDirChng() const { return m_DirChng; }
  CVector GetVelocity() const { return m_Velocity; }
  // The speed and heading of the player, not of a position.
  float GetMag() const { return m_Velocity.GetMag(); }
  float GetDir() const { return m_Velocity.GetDir(); }
  float GetSize() const { return m_Size; }
  float GetDecay() const { return m_Decay; }
  float GetSpeedMax() const { return m_SpeedMax; }
  float GetConfThr() const { return m_ConfThr; }
  // Where and when the latest sighting or word placed the player (time
  // -999: never).
  CVector GetPlaced() const { return m_Placed; }
  int GetPlacedTime() const { return m_PlacedTime; }
  // The velocity (after the cycle's decay) his latest two places give when
  // the news of him gave none; (0, 0) otherwise. Only a marker leading his
  // man reads it: the rest of the model keeps what was seen or told.
  CVector GetPlacedPace() const { return m_PlacedPace; }

  void SetTime(int time) { m_Time = time; }
  void SetUNum(int unum) { m_UNum = unum; }
  void SetSide(char side) { m_Side = side; }
  void SetIsGoalie(bool goalie) { m_IsGoalie = goalie; }
  void SetConf(float conf) { m_Conf = conf; }
  void SetSource(int source) { m_Source = source; }
  void SetIsTired(bool tired) { m_IsTired = tired; }
  void SetIsTiredTime(int time) { m_IsTiredTime = time; }
  void SetRPos(CVector pos) { m_RPos.Set(pos); }
  // As SetRPos(Mobile::Relative(of, ownPos, facing, floor)), worked out when
  // first read.
  void SetRPos(CVector of, CVector ownPos, float facing, float floor) { m_RPos.Defer(of, ownPos, facing, floor); }
  void SetRMag(float mag) { m_RPos.Resolved().SetMag(mag); }
  void SetRBMag(float mag) { m_RBPos.Resolved().SetMag(mag); }
  void SetGPos(CVector pos) { m_GPos = pos; }
  void SetGFacing(float facing) { m_GFacing = facing; }
  void SetGBFacing(float facing) { m_GBFacing = facing; }
  void SetRFacing(float facing) { m_RFacing = facing; }
  void SetRBFacing(float facing) { m_RBFacing = facing; }
  void SetDistChng(float change) { m_DistChng = change; }
  void SetDirChng(float change) { m_DirChng = change; }
  void SetVelocity(CVector velocity) { m_Velocity = velocity; }
  void SetMag(float speed) { m_Velocity.SetMag(speed); }
  void SetDir(float dir) { m_Velocity.SetDir(dir); }
  void SetPlaced(CVector place, int time)
  {
    m_Placed = place;
    m_PlacedTime = time;
  }
  void SetPlacedPace(CVector pace) { m_PlacedPace = pace; }

private:
  // A place relative to the agent, worked out when first read: every
  // update moves every player's relative places (to the head and to the
  // body), and most are never read before the next update. What it is
  // worked out from is kept as it was at the update.
  class Relative
  {
  public:
    explicit Relative(CVector value) : m_Value(value) {}
    const CVector &Get() const
    {
      if (m_Pending)
        Resolve();
      return m_Value;
    }
    CVector &Resolved()
    {
      Get();
      return m_Value;
    }
    void Set(CVector value)
    {
      m_Value = value;
      m_Pending = false;
    }
    void Defer(CVector of, CVector from, float facing, float floor);

  private:
    void Resolve() const;

    mutable CVector m_Value;
    mutable bool m_Pending = false;
    float m_OfX = 0, m_OfY = 0, m_FromX = 0, m_FromY = 0, m_Facing = 0, m_Floor = 0;
  };

  // What matching a sighting or a heard player, the sorts and the
  // interception read of every record comes first, so that it lies in one
  // or two cache lines: they run over all the records many times a cycle.
  float m_Conf;
  float m_ConfThr;
  int m_Time;
  int m_UNum;
  int m_Source;
  char m_Side;
  bool m_IsGoalie;
  bool m_IsTired;
  int m_IsTiredTime;
  CVector m_GPos;
  CVector m_Velocity;
  float m_Size;
  float m_Decay;
  float m_SpeedMax;
  float m_DistChng;
  float m_DirChng;
  float m_RBFacing;
  float m_RFacing;
  float m_GBFacing;
  float m_GFacing;
  Relative m_RPos;
  Relative m_RBPos;
  CVector m_Placed;
  int m_PlacedTime;
  CVector m_PlacedPace;
};

#endif
